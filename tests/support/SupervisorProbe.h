#ifndef SUPERVISORPROBE_H
#define SUPERVISORPROBE_H

#include "MainObject.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>

// One emission of signalCurrentValues or signalCurrentValues70.
struct SEmittedValues
{
    bool bFamily70 = false;
    CFanValues values;
    CFanValues70 values70;
    int nSerialNr = 0;
    QString strHWVer;
    QString strBootlVer;
    int nOperatingHours = 0;
    int nFilterHours = 0;
    bool bDeicing = false;
    int nFanSupplyCharac = 0;
    int nFanExtractCharac = 0;
    quint32 nFanCmdsSucceeded = 0;
    quint32 nFanCmdsFailed = 0;
    int iRSSI = 0;
};

// Listens to a supervisor living in another thread: its signals arrive here
// queued, in the probe's (the test's) thread, and are kept in order. Slot
// calls go to the supervisor the way the main window makes them.
class CSupervisorProbe : public QObject
{
    Q_OBJECT
public:
    explicit CSupervisorProbe(CMainObject* pMainObject, QObject* parent = nullptr);

    // Queued, like the window's port-change signal.
    void setPort(const QString& strPortName);
    // Returns once the supervisor has handled the port change.
    void setPortAndWait(const QString& strPortName);
    // Through the meta-object system by name, as the window asks for it.
    void retrieveSecLog(CLogging::EMaxTimeSpan span);

    QList<int> m_States;
    QList<int> m_StateSerialNrs;
    QList<bool> m_StateFamily70;
    QList<SEmittedValues> m_Values;
    QList<int> m_Progress;
    QList<int> m_ProgressSpans;
    int m_nCounterLists = 0;
    QStringList m_CounterNames;
    QList<quint32> m_CounterValues;

private slots:
    void onConnectionState(CMainObject::EConnectionState state, int iSerialNr, bool bDravik70);
    void onCurrentValues(CFanValues values, int nSerialNumber, QString strHWVer, QString strBootlVer,
                         int nOperatingHours, int nFilterHours, bool bDeicing, int nFanSupplyCharac,
                         int nFanExtractCharac, quint32 nFanCmdsSucceeded, quint32 nFanCmdsFailed, int iRSSI);
    void onCurrentValues70(CFanValues70 values, int nSerialNumber, QString strHWVer, QString strBootlVer,
                           int nOperatingHours, int nFilterHours, bool bDeicing, int nFanSupplyCharac,
                           int nFanExtractCharac, quint32 nFanCmdsSucceeded, quint32 nFanCmdsFailed);
    void onProgress(int nPercentage, CLogging::EMaxTimeSpan span);
    void onCounters(QStringList names, QList<quint32> values);

private:
    CMainObject* m_pMainObject;
};

#endif // SUPERVISORPROBE_H
