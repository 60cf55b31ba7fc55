#include "PC/Fan.h"

#include "PC/AnswerReceiver.h"
#include "PC/LogPages.h"

#include <QDebug>

CFan::CFan(bool bFlag, QObject* parent)
    : CFanBase(parent)
    , m_bFlag(bFlag)
{
}

CFan::CFan(bool bFlag, std::shared_ptr<CPortBinding> binding, QObject* parent)
    : CFanBase(std::move(binding), parent)
    , m_bFlag(bFlag)
{
}

QString CFan::familyName() const
{
    return QStringLiteral("Zyvent100");
}

int CFan::familyType() const
{
    return 0;
}

bool CFan::getPrimLog(QVector<SPrimLogEntry>& entries)
{
    if (!isPortBound())
        return false;
    entries.clear();
    qDebug() << "\n======================";
    if (!sendCommand(MSG_GetPrimLog)) {
        qDebug() << "CFan::getPrimLog: Error sending request for primary log";
        return false;
    }
    CLLProtocol link = quietLinkProtocol();
    CAnswerReceiver answer(link, { "CFan::getPrimLog: Error getting the primary log",
                                   "CFan::getPrimLog: Received wrong packet",
                                   "CFan::getPrimLog: Packet size mismatch" });
    return LogPages::readPrimLog<SHLP_GetPrimLog>(answer, entries);
}

bool CFan::getSecLog(QVector<SSecLogEntry>& entries, CLogging::EMaxTimeSpan span,
                     UINT16 nCount, UINT16 nStartIndex)
{
    if (!isPortBound())
        return false;
    entries.clear();
    qDebug() << "\n======================";
    qDebug().nospace() << "sizeof(SSecLogEntry): " << SSecLogEntry::Size;
    CLLProtocol link = quietLinkProtocol();
    if (!sendRecord(link, SHLP_ReportSecLog::request(span, nStartIndex, nCount).toBytes())) {
        qDebug() << "CFan::getSecLog: Error sending request for secondary log";
        return false;
    }
    CAnswerReceiver answer(link, { "CFan::getSecLog: Error getting the secondary log",
                                   "CFan::getSecLog: Received wrong packet",
                                   "CFan::getSecLog: Packet size mismatch" });
    return LogPages::readSecLog(answer, entries, span, "CFan::getSecLog: time span mismatche!");
}

bool CFan::getCurrentState(SPrimLogEntry& entry)
{
    if (!isPortBound())
        return false;
    if (!sendCommand(MSG_CurrentState)) {
        qDebug() << "CFan::getCurrentState: Error sending request for current state";
        return false;
    }
    CLLProtocol link = quietLinkProtocol();
    CAnswerReceiver answer(link, { "CFan::getCurrentState: Error getting the current state",
                                   "CFan::getCurrentState: Received wrong packet",
                                   "CFan::getCurrentState:: Packet size mismatch" });
    SHLP_CurrentState state;
    if (!answer.receiveRecord(MSG_CurrentState, state))
        return false;
    entry = state.m_Entry;
    return true;
}

bool CFan::getVentInfo(CVents::SVentInfo* pInfo)
{
    if (!isPortBound() || !pInfo)
        return false;
    if (!sendCommand(MSG_VentInfo)) {
        qDebug() << "CFan::getVentInfo: Error sending request for getting the vent info";
        return false;
    }
    CLLProtocol link = quietLinkProtocol();
    CAnswerReceiver answer(link, { "CFan::getVentInfo: Error getting the vent info",
                                   "CFan::getVentInfo: Received wrong packet",
                                   "CFan::getVentInfo: Packet size mismatch" });
    SHLP_VentInfo info;
    if (!answer.receiveRecord(MSG_VentInfo, info))
        return false;
    for (int i = 0; i < CVents::V_Count; ++i)
        pInfo[i] = info.m_Vents[size_t(i)];
    return true;
}

bool CFan::setSimulationValues(const SHLP_SetSimulationValues& values)
{
    if (!isPortBound())
        return false;
    qDebug().nospace() << "sizeof(SHLP_SetSimulationValues)" << SHLP_SetSimulationValues::Size;
    CLLProtocol link = quietLinkProtocol();
    if (sendRecord(link, values.toBytes()))
        return true;
    qDebug() << "CFan::setSimulationValues: Error sending request for simulation values";
    return false;
}

bool CFan::moveVent(const SHLP_MoveVent& move)
{
    if (!isPortBound())
        return false;
    CLLProtocol link = quietLinkProtocol();
    if (sendRecord(link, move.toBytes()))
        return true;
    qDebug() << "CFan::moveVent: Error sending request for moving the vent";
    return false;
}
