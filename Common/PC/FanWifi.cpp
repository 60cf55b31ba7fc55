// CFan: the WiFi module (messages 26 and 29).

#include "PC/Fan.h"

#include "PC/AnswerReceiver.h"

#include <QDebug>

bool CFan::receiveWifiData(SHLP_WifiData& data)
{
    if (!sendCommand(MSG_WifiData)) {
        qDebug() << "CFan::getWifiData: Error sending request for getting the wifi data";
        return false;
    }
    CLLProtocol link = quietLinkProtocol();
    CAnswerReceiver answer(link, { "CFan::getWifiData: Error getting the wifi data",
                                   "CFan::getWifiData: Received wrong packet",
                                   "CFan::getWifiData: Packet size mismatch" });
    return answer.receiveRecord(MSG_WifiData, data);
}

bool CFan::getWifiData(qint8& signal)
{
    if (!isPortBound())
        return false;
    SHLP_WifiData data;
    if (!receiveWifiData(data))
        return false;
    signal = data.m_Signal;
    reportWifiStatus(data.m_Status);
    return true;
}

bool CFan::getWifiDataDebug(qint8& signal, quint8& a, quint8& b)
{
    if (!isPortBound())
        return false;
    SHLP_WifiData data;
    if (!receiveWifiData(data))
        return false;
    signal = data.m_Signal;
    a = 0;
    b = 0;
    return true;
}

// Every poll reports the status again: the WLAN tab shows its message each time.
void CFan::reportWifiStatus(int nStatus)
{
    switch (nStatus) {
    case 0: emit signalEnableButtons(); break;
    case 3: emit signalUpdateWlanTabAndOKMsg(); break;
    case 4: emit signalNOKMsg(); break;
    case 5: emit signalDelOKMsg(); break;
    case 6: emit signalDelNOKMsg(); break;
    default: break;
    }
}

bool CFan::setNetworkCredentials(const QString& name, const QString& password, const QString& key,
                                 const QString& email1, const QString& email2, const QString& unitName,
                                 quint8 credType, const quint8* ip)
{
    if (!isPortBound())
        return false;
    SHLP_SetNetworkCredentials record;
    record.m_NetworkName = name;
    record.m_Password = password;
    record.m_Key = key;
    record.m_Email1 = email1;
    record.m_Email2 = email2;
    record.m_UnitName = unitName;
    record.m_CredType = credType;
    if (!record.textsFit() || !ip) {
        qDebug() << "CFan::setNetworkCredentials: Credentials do not fit the record";
        return false;
    }
    for (size_t i = 0; i < record.m_Ip.size(); ++i)
        record.m_Ip[i] = ip[i];
    CLLProtocol link = quietLinkProtocol();
    if (sendRecord(link, record.toBytes()))
        return true;
    qDebug() << "CFan::setNetworkCredentials: Error sending network credentials";
    return false;
}
