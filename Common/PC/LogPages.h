#ifndef LOGPAGES_H
#define LOGPAGES_H

// Reading the pages of a log answer, shared by both device families: the
// primary log (message 15, seven entries a page) and the secondary logs
// (message 20, five entries a page, each page naming its time span). The
// entries of every accepted page are appended as they arrive, so after a
// failure the caller keeps what came before it. A page whose remaining count
// does not follow the page before belongs to another answer and ends the read
// (CPageSequence).

#include "HLProtocolRecords.h"
#include "PC/AnswerReceiver.h"
#include "PC/PagedAnswer.h"

#include <QDebug>
#include <QVector>

namespace LogPages {

// TPage: SHLP_GetPrimLog or SHLP_GetPrimLog_70.
template <class TPage, class TEntry>
bool readPrimLog(CAnswerReceiver& answer, QVector<TEntry>& entries)
{
    CPageSequence sequence(TPage::EntryCount);
    for (;;) {
        TPage page;
        if (!answer.receiveRecord(MSG_GetPrimLog, page) || !answer.inSequence(sequence, page.m_Remaining))
            return false;
        const SPageStep step = sequence.take(page.m_Remaining);
        for (int i = 0; i < step.nTake; ++i)
            entries.append(page.m_Entries[size_t(i)]);
        if (!step.bMore)
            return true;
    }
}

// TEntry: SSecLogEntry or SSecLogEntry_70. A page of another time span than
// the one asked for ends the read with pszSpanMismatch.
template <class TEntry>
bool readSecLog(CAnswerReceiver& answer, QVector<TEntry>& entries, uint8_t nSpan, const char* pszSpanMismatch)
{
    CPageSequence sequence(SHLP_ReportSecLog::EntryCount);
    for (;;) {
        SHLP_ReportSecLog page;
        if (!answer.receiveRecord(MSG_ReportSecLog, page))
            return false;
        if (page.m_TimeSpan != nSpan) {
            qDebug() << pszSpanMismatch;
            qDebug().nospace() << "Expected: " << int(nSpan) << ", received: " << int(page.m_TimeSpan);
            return false;
        }
        if (!answer.inSequence(sequence, page.m_Count))
            return false;
        const SPageStep step = sequence.take(page.m_Count);
        for (int i = 0; i < step.nTake; ++i)
            entries.append(page.entry<TEntry>(i));
        if (!step.bMore)
            return true;
    }
}

} // namespace LogPages

#endif // LOGPAGES_H
