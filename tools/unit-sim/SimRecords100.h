#ifndef SIMRECORDS100_H
#define SIMRECORDS100_H

#include "SimPeriod.h"
#include "SimSample.h"
#include <QByteArray>

// The unit's own packing of the 100-family log records, written field by
// field from the record layout (26-byte primary entry, 32-byte secondary
// entry). Deliberately independent of the PC-side decoders so that a field
// misread on either side shows up as a mismatch.
class CSimRecords100
{
public:
    static constexpr int PrimEntrySize = 26;
    static constexpr int SecEntrySize = 32;

    static QByteArray primEntry(const SSimSample& s);
    static QByteArray secEntry(const SSimPeriod& p);
};

#endif // SIMRECORDS100_H
