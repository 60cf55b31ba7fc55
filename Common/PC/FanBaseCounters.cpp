// CFanBase: the unit's persistent counters (messages 13 and 27).

#include "PC/FanBase.h"

#include "PC/AnswerReceiver.h"
#include "PC/PagedAnswer.h"

#include <QDateTime>
#include <QDebug>

bool CFanBase::getCounters()
{
    if (!isPortBound())
        return false;
    qDebug().noquote() << "CFan::getCounters at " + QDateTime::currentDateTime().toString();
    m_Counters.clear();
    if (!sendCommand(MSG_PersCounters)) {
        qDebug() << "CFan::getCounters: Error sending request for persistant counters";
        return false;
    }
    CLLProtocol link = quietLinkProtocol();
    CAnswerReceiver answer(link, { "CFan::getCounters: Error getting the persistant counters",
                                   "CFan::getCounters: Received wrong packet",
                                   "CFan::getCounters: Packet size mismatch" });
    CPageSequence sequence(SHLP_PersCounters::ValueCount);
    for (;;) {
        SHLP_PersCounters page;
        if (!answer.receiveRecord(MSG_PersCounters, page) || !answer.inSequence(sequence, page.m_Remaining))
            return false;
        const SPageStep step = sequence.take(page.m_Remaining);
        for (int i = 0; i < step.nTake; ++i)
            m_Counters.append(page.m_Values[size_t(i)]);
        if (!step.bMore)
            return true;
    }
}

QString CFanBase::counterName(int nId) const
{
    if (nId < 0 || nId >= m_Counters.size())
        return QString();
    return CPersCounter_ReadOnly::name(nId);
}

int CFanBase::counterValue(int nId) const
{
    if (nId < 0 || nId >= m_Counters.size())
        return -1;
    return int(m_Counters[nId]);
}

bool CFanBase::readWriteCounterValue(CPersCounter_ReadOnly::ECntID id, UINT32* pValue, bool bWrite)
{
    if (!isPortBound() || (bWrite && !pValue))
        return false;
    const SHLP_ReadWriteSinglePersCounter request = bWrite
        ? SHLP_ReadWriteSinglePersCounter::writeRequest(id, *pValue)
        : SHLP_ReadWriteSinglePersCounter::readRequest(id);
    qDebug().nospace() << "sizeof(SHLP_ReadWriteSinglePersCounter)" << SHLP_ReadWriteSinglePersCounter::Size;
    CLLProtocol link = quietLinkProtocol();
    if (!sendRecord(link, request.toBytes())) {
        qDebug() << "CFan::counterValue: Error sending request for single pers counter";
        return false;
    }
    CAnswerReceiver answer(link, { "CFan::counterValue: Error getting the result package",
                                   "CFan::counterValue: Received wrong packet",
                                   "CFan::counterValue:: Packet size mismatch" });
    SHLP_ReadWriteSinglePersCounter reply;
    if (!answer.receiveRecord(MSG_ReadWriteSinglePersCounter, reply))
        return false;
    if (reply.m_Action == SHLP_ReadWriteSinglePersCounter::EError) {
        qDebug() << "CFan::counterValue:: received packet has m_Action set to 'EError'";
        return false;
    }
    if (!bWrite) {
        if (pValue)
            *pValue = reply.m_Value;
        return true;
    }
    if (reply.m_Value == *pValue)
        return true;
    qDebug() << "CFan::counterValue (writing) received packet has wrong value";
    return false;
}
