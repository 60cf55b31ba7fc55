#ifndef SIMRECORDS70_H
#define SIMRECORDS70_H

#include "SimPeriod.h"
#include "SimSample.h"
#include <QByteArray>

// The unit's own packing of the 70-family log records (28-byte primary
// entry, 32-byte secondary entry), written from the record layout and kept
// apart from the PC-side decoders on purpose.
class CSimRecords70
{
public:
    static constexpr int PrimEntrySize = 28;
    static constexpr int SecEntrySize = 32;

    static QByteArray primEntry(const SSimSample& s);
    static QByteArray secEntry(const SSimPeriod& p);
};

#endif // SIMRECORDS70_H
