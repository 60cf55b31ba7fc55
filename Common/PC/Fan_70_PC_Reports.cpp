#include "PC/Fan_70_PC.h"

#include "PC/PrimLogReport_70.h"
#include "PC/SecLogReport_70.h"
#include "PC/SecLogReportRun.h"

// The debug panel's text reports of the 70 family. They run in the update
// program's GUI thread and block it while the unit sends the log.

QString CFan_70_PC::getPrimaryLog()
{
    QVector<SPrimLogEntry_70> entries;
    if (!getPrimLog(entries))
        return CPrimLogReport_70::failureText();
    return CPrimLogReport_70::report(entries);
}

QString CFan_70_PC::getSecondaryLog(CLogging_70::EMaxTimeSpan span, bool b10Youngest, bool b100Youngest,
                                    bool b10Oldest, bool b100Oldest, const QString& strSpanText)
{
    return runSecLogReport<CSecLogReport_70, SSecLogEntry_70>(
        int(span), CSecLogSelection::fromFlags(b10Youngest, b100Youngest, b10Oldest, b100Oldest), strSpanText,
        [this](UINT16* pCapacity, UINT16* pCount, UINT16* pOldest) {
            return getSecLogCnt(pCapacity, pCount, pOldest);
        },
        [this, span](QVector<SSecLogEntry_70>& entries, UINT16 nCount, UINT16 nStartIndex) {
            return getSecLog(entries, span, nCount, nStartIndex);
        });
}
