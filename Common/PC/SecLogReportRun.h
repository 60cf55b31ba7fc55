#ifndef SECLOGREPORTRUN_H
#define SECLOGREPORTRUN_H

// The steps of a device object's secondary-log report, the same in both
// families: read the ring counts, choose the entries, read them in one
// request, print them. The device operations come in as callables so the
// steps can run against anything that answers like the unit:
//   readCounts(UINT16* capacity, UINT16* count, UINT16* oldest) -> bool,
//     three elements each, index = time span;
//   readEntries(QVector<TEntry>& entries, UINT16 count, UINT16 startIndex) -> bool.
// TReport is CSecLogReport or CSecLogReport_70. Runs in the caller's thread
// and blocks while the unit transfers the entries.

#include "LLTypes.h"
#include "PC/SecLogReportBase.h"
#include "PC/SecLogSelection.h"

#include <QString>
#include <QVector>

template <class TReport, class TEntry, class FReadCounts, class FReadEntries>
QString runSecLogReport(int nSpan, CSecLogSelection::ESelection eSelection, const QString& strSpanText,
                        FReadCounts readCounts, FReadEntries readEntries)
{
    // A span the unit does not have has no entries to read; the counts are
    // indexed by span, so nothing is asked of the unit.
    if (!CSecLogReportBase::isSpan(nSpan))
        return TReport::readFailedText();

    UINT16 capacity[3] = {};
    UINT16 count[3] = {};
    UINT16 oldest[3] = {};
    if (!readCounts(capacity, count, oldest))
        return CSecLogReportBase::title() + CSecLogReportBase::countFailedText();

    const CSecLogSelection ring { capacity[nSpan], count[nSpan], oldest[nSpan] };
    const CSecLogSelection::SRequest request = ring.request(eSelection);
    QVector<TEntry> entries;
    if (!readEntries(entries, request.count, request.startIndex))
        return TReport::readFailedText();
    return TReport::report(entries, nSpan, strSpanText);
}

#endif // SECLOGREPORTRUN_H
