// CFanBase: running time, memory dump, average sensor values and the
// bookkeeping of the secondary logs (messages 12, 14, 21 to 24).

#include "PC/FanBase.h"

#include "PC/AnswerReceiver.h"

#include <QDebug>
#include <algorithm>

bool CFanBase::getTimer(UINT16* pMs, UINT8* pSeconds, UINT8* pMinutes, UINT8* pHours, UINT16* pDays)
{
    if (!isPortBound())
        return false;
    if (!sendCommand(MSG_GetTimer)) {
        qDebug() << "CFan::getTimer: Error sending request for the timer";
        return false;
    }
    CLLProtocol link = quietLinkProtocol();
    CAnswerReceiver answer(link, { "CFan::getTimer: Error getting the timer",
                                   "CFan::getTimer: Received wrong packet",
                                   "CFan::getTimer: Packet size mismatch" });
    SHLP_GetTimer timer;
    if (!answer.receiveRecord(MSG_GetTimer, timer))
        return false;
    if (pMs)
        *pMs = timer.m_Milliseconds;
    if (pSeconds)
        *pSeconds = timer.m_Seconds;
    if (pMinutes)
        *pMinutes = timer.m_Minutes;
    if (pHours)
        *pHours = timer.m_Hours;
    if (pDays)
        *pDays = timer.m_Days;
    return true;
}

// The unit decides how many bytes it returns; nLength is only its request.
bool CFanBase::reportMemory(int nAddress, int nLength, QVector<unsigned char>& bytes)
{
    if (!isPortBound())
        return false;
    SHLP_ReportMemory request;
    request.m_StartAddress = nAddress;
    request.m_Length = nLength;
    CLLProtocol link = quietLinkProtocol();
    if (!sendRecord(link, request.toBytes())) {
        qDebug() << "CFan::reportMemory: Error sending request for memory dump";
        return false;
    }
    // An answer without data has no message number and counts as the wrong packet.
    CAnswerReceiver answer(link, { "CFan::reportMemory: Error getting the memory dump",
                                   "CFan::reportMemory: Received wrong packet",
                                   nullptr });
    if (answer.receive(MSG_ReportMemory, CAnswerReceiver::AnyLength) != CAnswerReceiver::AR_OK)
        return false;
    bytes.resize(answer.length() - 1);
    std::copy(answer.data() + 1, answer.data() + answer.length(), bytes.begin());
    return true;
}

bool CFanBase::calcAveSenVal()
{
    if (!isPortBound())
        return false;
    if (sendCommand(MSG_CalcAveSenVal))
        return true;
    qDebug() << "CFan::calcAveSenVal: Error sending request for calculate sensor values";
    return false;
}

bool CFanBase::eraseSecLog(CLogging::EMaxTimeSpan span)
{
    if (!isPortBound())
        return false;
    qDebug().nospace() << "sizeof(SHLP_EraseSecLog)" << SHLP_EraseSecLog::Size;
    SHLP_EraseSecLog request;
    request.m_TimeSpan = span;
    CLLProtocol link = quietLinkProtocol();
    if (sendRecord(link, request.toBytes()))
        return true;
    qDebug() << "CFan::eraseSecLog: Error sending request for secondary log";
    return false;
}

bool CFanBase::checkSecLog(CLogging::EMaxTimeSpan span, quint8& result)
{
    if (!isPortBound())
        return false;
    qDebug().nospace() << "sizeof(SHLP_CheckSecLog)" << SHLP_CheckSecLog::Size;
    SHLP_CheckSecLog request;
    request.m_TimeSpan = span;
    CLLProtocol link = quietLinkProtocol();
    if (!sendRecord(link, request.toBytes())) {
        qDebug() << "CFan::checkSecLog: Error sending request for secondary log";
        return false;
    }
    CAnswerReceiver answer(link, { "CFan::checkSecLog: Error getting the result package",
                                   "CFan::checkSecLog: Received wrong packet",
                                   "CFan::checkSecLog:: Packet size mismatch" });
    SHLP_CheckSecLog reply;
    if (!answer.receiveRecord(MSG_CheckSecLog, reply))
        return false;
    result = reply.m_Result;
    return true;
}

bool CFanBase::getSecLogCnt(UINT16* pCapacity, UINT16* pCount, UINT16* pOldest)
{
    if (!isPortBound())
        return false;
    qDebug().nospace() << "sizeof(SHLP_GetSecLogCnt)" << SHLP_GetSecLogCnt::Size;
    CLLProtocol link = quietLinkProtocol();
    if (!sendRecord(link, SHLP_GetSecLogCnt().toBytes())) {
        qDebug() << "CFan::getSecLogCnt: Error sending request for secondary log count";
        return false;
    }
    CAnswerReceiver answer(link, { "CFan::getSecLogCnt: Error getting the result package",
                                   "CFan::getSecLogCnt: Received wrong packet",
                                   "CFan::getSecLogCnt: Packet size mismatch" });
    SHLP_GetSecLogCnt reply;
    if (!answer.receiveRecord(MSG_GetSecLogCnt, reply))
        return false;
    for (int t = 0; t < SHLP_GetSecLogCnt::SpanCount; ++t) {
        if (pCapacity)
            pCapacity[t] = reply.m_Capacity[size_t(t)];
        if (pCount)
            pCount[t] = reply.m_Count[size_t(t)];
        if (pOldest)
            pOldest[t] = reply.m_Oldest[size_t(t)];
    }
    return true;
}
