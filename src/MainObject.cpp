#include "MainObject.h"

#include "HLProtocolRecords.h"
#include "PC/Fan.h"
#include "PC/Fan_70_PC.h"
#include "SerialPortBinding.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QThread>

std::atomic<bool> wifiDataPolled{false};

namespace {

// Identity byte 7: the firmware part that runs; 3 is the application.
constexpr int kApplicationRunning = 3;

// Persistent counters behind the derived fields of the current values.
constexpr int kCntOperatingHours = 1;
constexpr int kCntFilterHours = 2;
constexpr int kCntDeicing = 39;
constexpr int kCntFanSupplyCharac = 41;
constexpr int kCntFanExtractCharac = 42;
constexpr int kCntFanCmdsSucceeded = 43;
constexpr int kCntFanCmdsFailed = 44;

// The unit's WiFi signal value when message 26 fails.
constexpr int kWifiSignalFailed = 100;

QString versionText(int nMajor, int nMinor)
{
    return QStringLiteral("%1.%2").arg(nMajor).arg(nMinor, 2, 10, QLatin1Char('0'));
}

} // namespace

CMainObject::CMainObject(bool bFlag, QObject* parent)
    : CMainObject(bFlag, SMainObjectConfig(), parent)
{
}

CMainObject::CMainObject(bool bFlag, const SMainObjectConfig& config, QObject* parent)
    : QObject(parent)
    , m_pTimer(new QTimer(this))
    , m_bFlag(bFlag)
    , m_Config(config)
{
    // The one port binding of the program: every later device object works on it.
    adoptDeviceObject(new CFan(m_bFlag, std::make_shared<CSerialPortBinding>()));

    qRegisterMetaType<CMainObject::EConnectionState>("CMainObject::EConnectionState");
    CFanValues::registerMetaType();
    CFanValues70::registerMetaType();
    qRegisterMetaType<CLogging_70::EMaxTimeSpan>("CLogging_70::EMaxTimeSpan");
    qRegisterMetaType<CLogging::EMaxTimeSpan>("CLogging::EMaxTimeSpan");
    qRegisterMetaType<QList<quint32>>("QList<quint32>");
    qRegisterMetaType<quint8*>("quint8*");
    qRegisterMetaType<quint8>("quint8");

    connect(m_pTimer, &QTimer::timeout, this, &CMainObject::on_Timer);
}

CMainObject::~CMainObject() = default;

void CMainObject::setConnectionState(EConnectionState state)
{
    m_eConnectionState = state;
    emit signalConnectionState(state, m_nSerialNr, isFamily70());
}

void CMainObject::changeConnectionState(EConnectionState state)
{
    if (state != m_eConnectionState)
        setConnectionState(state);
}

bool CMainObject::isFamily70() const
{
    return m_pFan->familyType() != 0;
}

void CMainObject::adoptDeviceObject(CFanBase* pFan)
{
    m_pFan.reset(pFan);
    pFan->setLinkSilencePolls(m_Config.nLinkSilencePolls);
    pFan->setIdentTimeout(m_Config.nIdentTimeoutMs);
    connect(pFan, &CFanBase::signalUserInfo, this, &CMainObject::signalUserInfo);
    if (CFan* pFan100 = qobject_cast<CFan*>(pFan)) {
        connect(pFan100, &CFan::signalUpdateWlanTabAndOKMsg, this, &CMainObject::signalUpdateWlanTabAndOKMsg);
        connect(pFan100, &CFan::signalEnableButtons, this, &CMainObject::signalEnableButtons);
        connect(pFan100, &CFan::signalNOKMsg, this, &CMainObject::signalNOKMsg);
        connect(pFan100, &CFan::signalDelNOKMsg, this, &CMainObject::signalDelNOKMsg);
        connect(pFan100, &CFan::signalDelOKMsg, this, &CMainObject::signalDelOKMsg);
    }
}

void CMainObject::replaceDeviceObject(bool bFamily70)
{
    // Created on the old object's binding before the old one goes: the port
    // closes when its last device object detaches.
    const std::shared_ptr<CPortBinding> binding = m_pFan->portBinding();
    if (bFamily70)
        adoptDeviceObject(new CFan_70_PC(binding));
    else
        adoptDeviceObject(new CFan(m_bFlag, binding));
}

// Reads the identity and makes the device object match the unit's family.
bool CMainObject::identify(SHLP_IdentData& ident)
{
    if (!m_pFan->getIdentData(ident))
        return false;
    if (ident.m_Family70 != isFamily70()) {
        replaceDeviceObject(ident.m_Family70);
        m_nPollCounter = 0;     // the new object has not read the counters yet
    }
    m_nSerialNr = int(ident.m_SerialNr);
    m_strHWVer = QStringLiteral("%1").arg(ident.m_BoardVersion);
    return true;
}

void CMainObject::onComPortChanged(QString strPortName)
{
    if (strPortName == m_pFan->portName())
        return;
    if (strPortName.isEmpty()) {
        // The timer keeps running: the next poll fails and reports the error.
        m_pFan->closePort();
        if (isFamily70())
            replaceDeviceObject(false);
        return;
    }
    changeConnectionState(CS_NotConnected);
    m_pTimer->stop();
    m_nSerialNr = -1;
    m_nPollCounter = 0;

    if (!m_pFan->openPort(strPortName))
        return;
    SHLP_IdentData ident;
    if (!identify(ident)) {
        changeConnectionState(CS_CommunicationError);
    } else {
        m_strBootlVer = versionText(ident.m_BootVersionMajor, ident.m_BootVersionMinor);
        m_nAppVersionMajor = ident.m_AppVersionMajor;
        m_nAppVersionMinor = ident.m_AppVersionMinor;
        if (ident.m_RunningSystem == kApplicationRunning) {
            changeConnectionState(CS_Ok);
            on_Timer();
        } else {
            changeConnectionState(CS_CommunicationError);
            m_pFan->startApplication(0);
            pauseForStart();
        }
    }
    m_pTimer->start(m_Config.nPollPeriodMs);
}

// The unit restarts into its application; queued requests wait meanwhile.
// The pause ends early when the thread is asked to end.
void CMainObject::pauseForStart()
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < m_Config.nStartPauseMs && !stopRequested())
        QThread::msleep(quint32(qMin<qint64>(50, m_Config.nStartPauseMs - elapsed.elapsed())));
}

bool CMainObject::stopRequested() const
{
    return QThread::currentThread()->isInterruptionRequested();
}

void CMainObject::on_Timer()
{
    if (m_nSerialNr == -1) {
        SHLP_IdentData ident;
        if (!identify(ident)) {
            changeConnectionState(CS_CommunicationError);
            return;
        }
        m_strBootlVer = versionText(ident.m_AppVersionMajor, ident.m_AppVersionMinor);
    }
    if (!pollCurrentValues())
        changeConnectionState(CS_CommunicationError);
}

// One poll: current state, the counters on every sixth poll, then the values.
bool CMainObject::pollCurrentValues()
{
    SPrimLogEntry entry100;
    SPrimLogEntry_70 entry70;
    CFan_70_PC* pFan70 = qobject_cast<CFan_70_PC*>(m_pFan.get());
    CFan* pFan100 = qobject_cast<CFan*>(m_pFan.get());
    if (pFan70 ? !pFan70->getCurrentState(entry70) : !(pFan100 && pFan100->getCurrentState(entry100)))
        return false;
    qDebug() << (pFan70 ? "70!" : "100!");
    if (m_nPollCounter == 0 && !m_pFan->getCounters())
        return false;
    changeConnectionState(CS_Ok);
    m_nPollCounter = m_nPollCounter + 1 <= 5 ? m_nPollCounter + 1 : 0;
    if (pFan70)
        emitCurrentValues70(entry70);
    else
        emitCurrentValues100(entry100);
    return true;
}

CMainObject::SCounterFields CMainObject::counterFields() const
{
    const auto counter = [this](int nId) { return m_pFan->counterValue(nId); };
    SCounterFields fields;
    fields.bDeicing = counter(kCntDeicing) != 0 && quint32(counter(kCntDeicing)) <= 9;
    fields.nFanSupplyCharac = (counter(kCntFanSupplyCharac) & 0x3F) - 1;
    fields.nFanExtractCharac = (counter(kCntFanExtractCharac) & 0x3F) - 1;
    fields.nFanCmdsSucceeded = quint32(counter(kCntFanCmdsSucceeded));
    fields.nFanCmdsFailed = quint32(counter(kCntFanCmdsFailed));
    fields.nOperatingHours = counter(kCntOperatingHours);
    fields.nFilterHours = counter(kCntFilterHours);
    return fields;
}

void CMainObject::emitCurrentValues100(const SPrimLogEntry& entry)
{
    const SCounterFields c = counterFields();
    int iRSSI = 0;
    if (m_nAppVersionMajor > 1) {
        iRSSI = wifiSignal();
        wifiDataPolled = true;
    }
    emit signalCurrentValues(CFanValues(entry), m_nSerialNr, m_strHWVer, m_strBootlVer, c.nOperatingHours,
                             c.nFilterHours, c.bDeicing, c.nFanSupplyCharac, c.nFanExtractCharac,
                             c.nFanCmdsSucceeded, c.nFanCmdsFailed, iRSSI);
}

void CMainObject::emitCurrentValues70(const SPrimLogEntry_70& entry)
{
    const SCounterFields c = counterFields();
    if (m_nAppVersionMajor > 1)
        wifiDataPolled = true;  // the family has no WiFi module: its signal value is 0
    emit signalCurrentValues70(CFanValues70(entry), m_nSerialNr, m_strHWVer, m_strBootlVer, c.nOperatingHours,
                               c.nFilterHours, c.bDeicing, c.nFanSupplyCharac, c.nFanExtractCharac,
                               c.nFanCmdsSucceeded, c.nFanCmdsFailed);
}

// The module's signal value (dBm, signed); 100 when it cannot be read.
int CMainObject::wifiSignal()
{
    CFan* pFan100 = qobject_cast<CFan*>(m_pFan.get());
    if (!pFan100)
        return 0;
    qint8 signal = 'x';
    return pFan100->getWifiData(signal) ? int(signal) : kWifiSignalFailed;
}

void CMainObject::retrievePersCounter()
{
    QStringList lstNames;
    QList<quint32> lstValues;
    if (m_pFan->getCounters()) {
        const int nCount = qMin(PersCounterCount, m_pFan->counters().size());
        for (int i = 0; i < nCount; ++i) {
            lstNames << m_pFan->counterName(i);
            lstValues << m_pFan->counters().at(i);
        }
    }
    emit signalPersCountersUpdated(lstNames, lstValues);
}

void CMainObject::setNetworkCredentials(QString strName, QString strPass, QString strKey, QString strEmail1,
                                        QString strEmail2, QString strZyventName, quint8 uCredType,
                                        quint8* uOthers)
{
    if (CFan* pFan100 = qobject_cast<CFan*>(m_pFan.get()))
        pFan100->setNetworkCredentials(strName, strPass, strKey, strEmail1, strEmail2, strZyventName, uCredType,
                                       uOthers);
}
