#include "SimWifi.h"

#include <cmath>

void CSimWifi::setCredentials(int credType, const QString& ssid, const QString& password)
{
    if (credType == 1) {
        m_nResult = m_bForceFail ? WS_DeleteFailed : WS_Deleted;
        if (!m_bForceFail) {
            m_bConfigured = false;
            m_strSsid.clear();
        }
    } else {
        // A network needs a WPA password of at least 8 characters; an empty
        // network name keeps the transmitter off and only stores the rest.
        const bool acceptable = ssid.isEmpty() || password.size() >= 8;
        m_nResult = (acceptable && !m_bForceFail) ? WS_Connected : WS_Rejected;
        if (m_nResult == WS_Connected) {
            m_bConfigured = !ssid.isEmpty();
            m_strSsid = ssid;
        }
    }
    m_nStatus = WS_Received;
    m_nResultReported = 0;
}

int CSimWifi::pollStatus()
{
    const int reported = m_nStatus;
    switch (m_nStatus) {
    case WS_Idle:
        break;
    case WS_Received:
        m_nStatus = WS_Connecting;
        break;
    case WS_Connecting:
        m_nStatus = m_nResult;
        break;
    default:
        if (++m_nResultReported >= m_nResultPolls)
            m_nStatus = WS_Idle;
        break;
    }
    return reported;
}

int CSimWifi::pollSignal(qint64 unixSec) const
{
    if (!m_bConfigured)
        return 0;
    // A slow wander between about -48 and -72 dBm.
    return int(std::lround(-60.0 + 9.0 * std::sin(double(unixSec) / 47.0) + 3.0 * std::sin(double(unixSec) / 7.0)));
}

void CSimWifi::reset()
{
    m_nStatus = WS_Idle;
    m_nResult = WS_Idle;
    m_nResultReported = 0;
}
