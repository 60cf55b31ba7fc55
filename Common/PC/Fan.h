#ifndef FAN_H
#define FAN_H

#include "PC/FanBase.h"
#include "PC/FanRecords.h"
#include "PC/Logging.h"
#include "PC/Vents.h"

#include <QVector>

// The device object of the 100 family: current state, primary and secondary
// logs, flap statistics, the WiFi module and the test commands.
class CFan : public CFanBase
{
    Q_OBJECT

public:
    // bFlag is kept for the callers that pass it; no operation reads it.
    explicit CFan(bool bFlag = false, QObject* parent = nullptr);
    // On the given port binding (shared by the monitoring program's device objects).
    CFan(bool bFlag, std::shared_ptr<CPortBinding> binding, QObject* parent = nullptr);

    QString familyName() const override;  // "Zyvent100"
    int familyType() const override;       // 0

    // Message 15: entries is cleared and receives the unit's whole primary log.
    virtual bool getPrimLog(QVector<SPrimLogEntry>& entries);
    // Message 20: entries is cleared and receives up to nCount entries of the
    // span's ring buffer from index nStartIndex.
    virtual bool getSecLog(QVector<SSecLogEntry>& entries, CLogging::EMaxTimeSpan span,
                           UINT16 nCount, UINT16 nStartIndex);

    // Text reports for the update program's debug panel (FanReports.cpp):
    // the whole primary log, and the entries of one secondary log chosen by
    // the panel's radio buttons ("10 Youngest", "100 Youngest", "10 Oldest",
    // "100 Oldest"; none set: all). strSpanText is printed in the title.
    // A failed read gives its failure text as the report.
    QString getPrimaryLog();
    QString getSecondaryLog(CLogging::EMaxTimeSpan span, bool b10Youngest, bool b100Youngest,
                            bool b10Oldest, bool b100Oldest, const QString& strSpanText);

    // Message 19: the current state as one primary log entry.
    bool getCurrentState(SPrimLogEntry& entry);
    // Message 25: pInfo[0..3] receive the flaps in the order of CVents::EVent.
    bool getVentInfo(CVents::SVentInfo* pInfo);
    // Message 26: signal strength; the module status is reported by one of
    // the five status signals (status 0 and 3 to 6).
    bool getWifiData(qint8& signal);
    // Message 26 for the debug panel: signal strength; a and b are set to 0.
    bool getWifiDataDebug(qint8& signal, quint8& a, quint8& b);
    // Message 29. Refused without sending when a text is longer in Latin-1
    // than its field (name, password, unit name 25; key 20; e-mails 49).
    // ip: four octets, first first. The outcome shows later in the WiFi status.
    bool setNetworkCredentials(const QString& name, const QString& password, const QString& key,
                               const QString& email1, const QString& email2, const QString& unitName,
                               quint8 credType, const quint8* ip);
    // Message 16: simulated sensor values, sent unchanged.
    bool setSimulationValues(const SHLP_SetSimulationValues& values);
    // Message 28: moves a flap, sent unchanged.
    bool moveVent(const SHLP_MoveVent& move);

signals:
    // One per WiFi module status reported by getWifiData: 3, 0, 4, 6, 5.
    // Statuses 1, 2 and above 6 emit nothing.
    void signalUpdateWlanTabAndOKMsg();
    void signalEnableButtons();
    void signalNOKMsg();
    void signalDelNOKMsg();
    void signalDelOKMsg();

private:
    bool receiveWifiData(SHLP_WifiData& data);
    void reportWifiStatus(int nStatus);

    bool m_bFlag;
};

#endif // FAN_H
