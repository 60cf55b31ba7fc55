#include "SupervisorProbe.h"

CSupervisorProbe::CSupervisorProbe(CMainObject* pMainObject, QObject* parent)
    : QObject(parent)
    , m_pMainObject(pMainObject)
{
    // Automatic connections: queued, since the supervisor lives in its own thread.
    connect(pMainObject, &CMainObject::signalConnectionState, this, &CSupervisorProbe::onConnectionState);
    connect(pMainObject, &CMainObject::signalCurrentValues, this, &CSupervisorProbe::onCurrentValues);
    connect(pMainObject, &CMainObject::signalCurrentValues70, this, &CSupervisorProbe::onCurrentValues70);
    connect(pMainObject, &CMainObject::signalSecLogRetrievalProcess, this, &CSupervisorProbe::onProgress);
    connect(pMainObject, &CMainObject::signalPersCountersUpdated, this, &CSupervisorProbe::onCounters);
}

void CSupervisorProbe::setPort(const QString& strPortName)
{
    QMetaObject::invokeMethod(m_pMainObject, "onComPortChanged", Qt::QueuedConnection,
                              Q_ARG(QString, strPortName));
}

void CSupervisorProbe::setPortAndWait(const QString& strPortName)
{
    QMetaObject::invokeMethod(m_pMainObject, "onComPortChanged", Qt::BlockingQueuedConnection,
                              Q_ARG(QString, strPortName));
}

void CSupervisorProbe::retrieveSecLog(CLogging::EMaxTimeSpan span)
{
    QMetaObject::invokeMethod(m_pMainObject, "retrieveSecLog", Qt::AutoConnection,
                              Q_ARG(CLogging::EMaxTimeSpan, span));
}

void CSupervisorProbe::onConnectionState(CMainObject::EConnectionState state, int iSerialNr, bool bDravik70)
{
    m_States << int(state);
    m_StateSerialNrs << iSerialNr;
    m_StateFamily70 << bDravik70;
}

void CSupervisorProbe::onCurrentValues(CFanValues values, int nSerialNumber, QString strHWVer,
                                       QString strBootlVer, int nOperatingHours, int nFilterHours, bool bDeicing,
                                       int nFanSupplyCharac, int nFanExtractCharac, quint32 nFanCmdsSucceeded,
                                       quint32 nFanCmdsFailed, int iRSSI)
{
    SEmittedValues e;
    e.values = values;
    e.nSerialNr = nSerialNumber;
    e.strHWVer = strHWVer;
    e.strBootlVer = strBootlVer;
    e.nOperatingHours = nOperatingHours;
    e.nFilterHours = nFilterHours;
    e.bDeicing = bDeicing;
    e.nFanSupplyCharac = nFanSupplyCharac;
    e.nFanExtractCharac = nFanExtractCharac;
    e.nFanCmdsSucceeded = nFanCmdsSucceeded;
    e.nFanCmdsFailed = nFanCmdsFailed;
    e.iRSSI = iRSSI;
    m_Values << e;
}

void CSupervisorProbe::onCurrentValues70(CFanValues70 values, int nSerialNumber, QString strHWVer,
                                         QString strBootlVer, int nOperatingHours, int nFilterHours,
                                         bool bDeicing, int nFanSupplyCharac, int nFanExtractCharac,
                                         quint32 nFanCmdsSucceeded, quint32 nFanCmdsFailed)
{
    SEmittedValues e;
    e.bFamily70 = true;
    e.values70 = values;
    e.nSerialNr = nSerialNumber;
    e.strHWVer = strHWVer;
    e.strBootlVer = strBootlVer;
    e.nOperatingHours = nOperatingHours;
    e.nFilterHours = nFilterHours;
    e.bDeicing = bDeicing;
    e.nFanSupplyCharac = nFanSupplyCharac;
    e.nFanExtractCharac = nFanExtractCharac;
    e.nFanCmdsSucceeded = nFanCmdsSucceeded;
    e.nFanCmdsFailed = nFanCmdsFailed;
    m_Values << e;
}

void CSupervisorProbe::onProgress(int nPercentage, CLogging::EMaxTimeSpan span)
{
    m_Progress << nPercentage;
    m_ProgressSpans << int(span);
}

void CSupervisorProbe::onCounters(QStringList names, QList<quint32> values)
{
    ++m_nCounterLists;
    m_CounterNames = names;
    m_CounterValues = values;
}
