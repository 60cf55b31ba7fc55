#ifndef MAINOBJECT_H
#define MAINOBJECT_H

#include "MainObjectConfig.h"
#include "PC/FanValues.h"
#include "PC/FanValues70.h"
#include "PC/Logging.h"
#include "PC/Logging_70.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <memory>

class CFanBase;
struct SHLP_IdentData;

// Set by the worker thread once a WiFi signal value has been polled; read by
// the overview picture and the WLAN page. Only ever turned on.
extern std::atomic<bool> wifiDataPolled;

// The connection supervisor of the monitoring program. Lives in the worker
// thread (CFanPollingThread) and is the only code there that talks to the
// unit: it follows the port the window reports, identifies the unit, polls
// it on a timer, reads the persistent counters, fetches secondary logs into
// the log database and forwards WiFi credentials. Other threads reach it only
// through queued slot calls; it answers with signals that carry copies.
class CMainObject : public QObject
{
    Q_OBJECT

public:
    enum EConnectionState {
        CS_NotConnected = 0,
        CS_WaitingForResponse = 1,  // part of the type and its display; never reported
        CS_CommunicationError = 2,
        CS_Ok = 3
    };
    Q_ENUM(EConnectionState)

    // Records in one secondary-log request.
    static constexpr int SecLogChunk = 10;
    // Persistent counters listed by retrievePersCounter.
    static constexpr int PersCounterCount = 74;

    // bFlag goes to the device objects (the command-line option "t"); nothing depends on it.
    explicit CMainObject(bool bFlag, QObject* parent = nullptr);
    CMainObject(bool bFlag, const SMainObjectConfig& config, QObject* parent = nullptr);
    ~CMainObject() override;

    // Time stamp (Unix seconds, UTC) of the oldest of nUsed records of a log
    // whose periods last nSpanSec: each record sits in the middle of its
    // period, the newest in the period before the one containing nNowSec.
    static qint64 oldestRecordTime(qint64 nNowSec, int nSpanSec, int nUsed);

signals:
    void signalConnectionState(CMainObject::EConnectionState state, int iSerialNr, bool bDravik70);
    void signalCurrentValues(CFanValues currentValues, int nSerialNumber, QString strHWVer, QString strBootlVer,
                             int nOperatingHours, int nFilterHours, bool bDeicing, int nFanSupplyCharac,
                             int nFanExtractCharac, quint32 nFanCmdsSucceeded, quint32 nFanCmdsFailed,
                             int iRSSI = 0);
    void signalCurrentValues70(CFanValues70 currentValues, int nSerialNumber, QString strHWVer,
                               QString strBootlVer, int nOperatingHours, int nFilterHours, bool bDeicing,
                               int nFanSupplyCharac, int nFanExtractCharac, quint32 nFanCmdsSucceeded,
                               quint32 nFanCmdsFailed);
    // 0..99 progress; -1 finished; -2 the unit holds no record of that type;
    // -3 a communication error ended the retrieval.
    void signalSecLogRetrievalProcess(int nPercentage, CLogging::EMaxTimeSpan secLogType);
    // Empty lists when the counters could not be read.
    void signalPersCountersUpdated(QStringList lstNames, QList<quint32> lstValues);

    // Relayed from whichever device object currently exists, so that the
    // window connects once although the device object is replaced when the
    // family changes: the device layer's user texts and the 100 family's
    // WiFi status signals.
    void signalUserInfo(QString strInfo);
    void signalUpdateWlanTabAndOKMsg();
    void signalEnableButtons();
    void signalNOKMsg();
    void signalDelNOKMsg();
    void signalDelOKMsg();

public slots:
    // Reads all records of one secondary log in chunks and stores them under
    // "WorkerThread". Stops between chunks when the thread is asked to end.
    void retrieveSecLog(CLogging::EMaxTimeSpan secLogType);
    void retrievePersCounter();
    // 100 family only; the result shows later in the WiFi status. uOthers
    // (four IP octets or null) is read when the call runs in the worker
    // thread, so it must point to storage that outlives the queued call.
    void setNetworkCredentials(QString strName, QString strPass, QString strKey, QString strEmail1 = QString(),
                               QString strEmail2 = QString(), QString strZyventName = QString(),
                               quint8 uCredType = 0, quint8* uOthers = nullptr);

private slots:
    void onComPortChanged(QString strPortName);
    void on_Timer();

private:
    enum EChunkResult { CR_Stored, CR_ReadFailed, CR_StoreFailed };

    void setConnectionState(EConnectionState state);
    void changeConnectionState(EConnectionState state);
    bool isFamily70() const;
    void replaceDeviceObject(bool bFamily70);
    void adoptDeviceObject(CFanBase* pFan);
    bool identify(SHLP_IdentData& ident);
    void pauseForStart();
    bool pollCurrentValues();
    void emitCurrentValues100(const SPrimLogEntry& entry);
    void emitCurrentValues70(const SPrimLogEntry_70& entry);
    int wifiSignal();
    EChunkResult retrieveChunk(CLogging::EMaxTimeSpan span, UINT16 nCount, UINT16 nIndex, QDateTime time);
    bool stopRequested() const;

    // The derived fields of the last persistent-counter read.
    struct SCounterFields
    {
        int nOperatingHours = 0;
        int nFilterHours = 0;
        bool bDeicing = false;
        int nFanSupplyCharac = 0;
        int nFanExtractCharac = 0;
        quint32 nFanCmdsSucceeded = 0;
        quint32 nFanCmdsFailed = 0;
    };
    SCounterFields counterFields() const;

    std::unique_ptr<CFanBase> m_pFan;       // never null; owned, lives in this thread
    EConnectionState m_eConnectionState = CS_NotConnected;
    QTimer* m_pTimer;
    int m_nSerialNr = -1;                   // -1 while no unit is identified
    QString m_strHWVer;
    QString m_strBootlVer;
    int m_nPollCounter = 0;                 // 0 to 5; the counters are read at 0
    int m_nAppVersionMajor = 0;
    int m_nAppVersionMinor = 0;

    bool m_bFlag;
    SMainObjectConfig m_Config;
};

Q_DECLARE_METATYPE(quint8*)

#endif // MAINOBJECT_H
