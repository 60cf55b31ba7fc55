#ifndef LOGGING_H
#define LOGGING_H

// Time spans of the 100 family's secondary logs. One byte on the wire; the
// span decides the period of one entry and the unit of its 5-bit durations.
// Including this header also gives the family's two log records.

#include "PC/PrimLogEntry.h"
#include "PC/SecLogEntry.h"

#include <QMetaType>

class CLogging
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

Q_DECLARE_METATYPE(CLogging::EMaxTimeSpan)

#endif // LOGGING_H
