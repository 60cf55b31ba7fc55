#ifndef LOGGING_70_H
#define LOGGING_70_H

// Time spans of the 70 family's secondary logs: the same values, periods and
// duration units as CLogging::EMaxTimeSpan, kept as a type of its own so that
// the two families' log operations cannot be mixed up.
// Including this header also gives the family's two log records.

#include "PC/PrimLogEntry_70.h"
#include "PC/SecLogEntry_70.h"

#include <QMetaType>

class CLogging_70
{
public:
    enum EMaxTimeSpan : uint8_t {
        MTS_15Min = 0,  // 900 s per entry, durations in minutes
        MTS_1Day = 1,   // 86 400 s, durations in hours
        MTS_30Days = 2  // 2 592 000 s, durations in days
    };
    static constexpr int SpanCount = 3;

    // Seconds of one entry's period; 0 for a value that is no span.
    static int periodSeconds(int nSpan);
    // Seconds of one unit of the 5-bit durations; 0 for a value that is no span.
    static int durationUnitSeconds(int nSpan);
};

Q_DECLARE_METATYPE(CLogging_70::EMaxTimeSpan)

#endif // LOGGING_70_H
