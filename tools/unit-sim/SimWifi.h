#ifndef SIMWIFI_H
#define SIMWIFI_H

#include <QString>

// The WiFi module of a 100-family unit as the WiFi page sees it through its
// status poll (message 26): credentials (message 29) start a transfer whose
// status goes 1, 2 and then to a result (3 connected, 4 rejected, 5 deleted,
// 6 delete failed); the result is reported for a few polls, then the module
// is idle (0) again. Each status report is one step.
class CSimWifi
{
public:
    enum EStatus { WS_Idle = 0, WS_Received = 1, WS_Connecting = 2, WS_Connected = 3,
                   WS_Rejected = 4, WS_Deleted = 5, WS_DeleteFailed = 6 };
    enum EForce { Force_None, Force_Fail };

    // credType 1 deletes, anything else stores and connects.
    void setCredentials(int credType, const QString& ssid, const QString& password);

    // Status for this poll; advances the state machine by one step.
    int pollStatus();
    int peekStatus() const { return m_nStatus; }

    // Signal strength in dBm for this poll; 0 while no network is set.
    int pollSignal(qint64 unixSec) const;

    void setResultPolls(int polls) { m_nResultPolls = qMax(1, polls); }
    void setForceFailure(bool fail) { m_bForceFail = fail; }
    void reset();

    QString ssid() const { return m_strSsid; }
    bool configured() const { return m_bConfigured; }

private:
    int m_nStatus = WS_Idle;
    int m_nResult = WS_Idle;
    int m_nResultReported = 0;
    int m_nResultPolls = 3;
    bool m_bForceFail = false;
    bool m_bConfigured = false;
    QString m_strSsid;
};

#endif // SIMWIFI_H
