#include "PC/Fan.h"

#include "PC/PrimLogReport.h"
#include "PC/SecLogReport.h"
#include "PC/SecLogReportRun.h"

// The debug panel's text reports of the 100 family. They run in the update
// program's GUI thread and block it while the unit sends the log.

QString CFan::getPrimaryLog()
{
    QVector<SPrimLogEntry> entries;
    if (!getPrimLog(entries))
        return CPrimLogReport::failureText();
    return CPrimLogReport::report(entries);
}

QString CFan::getSecondaryLog(CLogging::EMaxTimeSpan span, bool b10Youngest, bool b100Youngest,
                              bool b10Oldest, bool b100Oldest, const QString& strSpanText)
{
    return runSecLogReport<CSecLogReport, SSecLogEntry>(
        int(span), CSecLogSelection::fromFlags(b10Youngest, b100Youngest, b10Oldest, b100Oldest), strSpanText,
        [this](UINT16* pCapacity, UINT16* pCount, UINT16* pOldest) {
            return getSecLogCnt(pCapacity, pCount, pOldest);
        },
        [this, span](QVector<SSecLogEntry>& entries, UINT16 nCount, UINT16 nStartIndex) {
            return getSecLog(entries, span, nCount, nStartIndex);
        });
}
