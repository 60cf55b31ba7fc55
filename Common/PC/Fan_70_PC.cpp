#include "PC/Fan_70_PC.h"

#include "PC/AnswerReceiver.h"
#include "PC/LogNames_70.h"
#include "PC/LogPages.h"

#include <QDebug>

CFan_70_PC::CFan_70_PC(QObject* parent)
    : CFanBase(parent)
{
}

CFan_70_PC::CFan_70_PC(std::shared_ptr<CPortBinding> binding, QObject* parent)
    : CFanBase(std::move(binding), parent)
{
}

const char* CFan_70_PC::reasonName(int nCode) const
{
    return CLogNames_70::reasonName(nCode);
}

QString CFan_70_PC::familyName() const
{
    return QStringLiteral("Zyvent plus");
}

int CFan_70_PC::familyType() const
{
    return 1;
}

bool CFan_70_PC::getPrimLog(QVector<SPrimLogEntry_70>& entries)
{
    if (!isPortBound())
        return false;
    entries.clear();
    qDebug() << "\n======================";
    if (!sendCommand(MSG_GetPrimLog)) {
        qDebug() << "CFan_70_PC::getPrimLog: Error sending request for primary log";
        return false;
    }
    CLLProtocol link = quietLinkProtocol();
    CAnswerReceiver answer(link, { "CFan_70_PC::getPrimLog: Error getting the primary log",
                                   "CFan_70_PC::getPrimLog: Received wrong packet",
                                   "CFan_70_PC::getPrimLog: Packet size mismatch" });
    return LogPages::readPrimLog<SHLP_GetPrimLog_70>(answer, entries);
}

bool CFan_70_PC::getSecLog(QVector<SSecLogEntry_70>& entries, CLogging_70::EMaxTimeSpan span,
                           UINT16 nCount, UINT16 nStartIndex)
{
    if (!isPortBound())
        return false;
    entries.clear();
    qDebug() << "\n======================";
    qDebug().nospace() << "sizeof(SSecLogEntry_70): " << SSecLogEntry_70::Size;
    CLLProtocol link = quietLinkProtocol();
    if (!sendRecord(link, SHLP_ReportSecLog::request(span, nStartIndex, nCount).toBytes())) {
        qDebug() << "CFan_70_PC::getSecLog: Error sending request for secondary log";
        return false;
    }
    CAnswerReceiver answer(link, { "CFan_70_PC::getSecLog: Error getting the secondary log",
                                   "CFan_70_PC::getSecLog: Received wrong packet",
                                   "CFan_70_PC::getSecLog: Packet size mismatch" });
    return LogPages::readSecLog(answer, entries, span, "CFan_70_PC::getSecLog: time span mismatche!");
}

bool CFan_70_PC::getCurrentState(SPrimLogEntry_70& entry)
{
    if (!isPortBound())
        return false;
    if (!sendCommand(MSG_CurrentState)) {
        qDebug() << "CFan_70_PC::getCurrentState: Error sending request for current state";
        return false;
    }
    CLLProtocol link = quietLinkProtocol();
    CAnswerReceiver answer(link, { "CFan_70_PC::getCurrentState: Error getting the current state",
                                   "CFan_70_PC::getCurrentState: Received wrong packet",
                                   "CFan_70_PC::getCurrentState: Packet size mismatch" });
    SHLP_CurrentState_70 state;
    if (!answer.receiveRecord(MSG_CurrentState, state))
        return false;
    entry = state.m_Entry;
    return true;
}

bool CFan_70_PC::setSimulationValues(const SHLP_SetSimulationValues_70& values)
{
    if (!isPortBound())
        return false;
    qDebug().nospace() << "sizeof(SHLP_SetSimulationValues_70)" << SHLP_SetSimulationValues_70::Size;
    CLLProtocol link = quietLinkProtocol();
    if (sendRecord(link, values.toBytes()))
        return true;
    qDebug() << "CFan_70::setSimulationValues: Error sending request for simulation values";
    return false;
}
