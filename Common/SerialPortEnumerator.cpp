#include "SerialPortEnumerator.h"

#include <QSerialPortInfo>
#include <QTimer>
#include <algorithm>

namespace {

// Splits "ttyACM10" into "ttyACM" and 10; false when the name ends in no digit.
bool SplitTrailingNumber(const QString& name, QString* prefix, qulonglong* number)
{
    int start = name.size();
    while (start > 0 && name.at(start - 1).isDigit())
        --start;
    if (start == name.size())
        return false;
    bool ok = false;
    *number = name.midRef(start).toULongLong(&ok);
    *prefix = name.left(start);
    return ok;
}

} // namespace

CSerialPortEnumerator::CSerialPortEnumerator(QObject* parent)
    : CSerialPortEnumerator(&CSerialPortEnumerator::systemPorts, DEFAULT_POLL_MS, parent)
{
}

CSerialPortEnumerator::CSerialPortEnumerator(PortSource source, int pollMs, QObject* parent)
    : QObject(parent)
    , m_source(std::move(source))
    , m_pTimer(new QTimer(this))
{
    qRegisterMetaType<SSerialPortInfo>("SSerialPortInfo");
    m_pTimer->setInterval(pollMs);
    connect(m_pTimer, &QTimer::timeout, this, &CSerialPortEnumerator::checkPorts);
}

QList<SSerialPortInfo> CSerialPortEnumerator::getPorts() const
{
    QList<SSerialPortInfo> ports = m_source();
    std::stable_sort(ports.begin(), ports.end(), [](const SSerialPortInfo& a, const SSerialPortInfo& b) {
        return portLessThan(a.portName, b.portName);
    });
    return ports;
}

bool CSerialPortEnumerator::setUpNotifications()
{
    m_known = getPorts();
    for (const SSerialPortInfo& info : qAsConst(m_known))
        emit deviceDiscovered(info);
    m_pTimer->start();
    return true;
}

void CSerialPortEnumerator::checkPorts()
{
    const QList<SSerialPortInfo> now = getPorts();
    const QList<SSerialPortInfo> before = m_known;
    m_known = now;
    for (const SSerialPortInfo& info : before) {
        if (!now.contains(info))
            emit deviceRemoved(info);
    }
    for (const SSerialPortInfo& info : now) {
        if (!before.contains(info))
            emit deviceDiscovered(info);
    }
}

bool CSerialPortEnumerator::portLessThan(const QString& a, const QString& b)
{
    QString prefixA, prefixB;
    qulonglong numberA = 0, numberB = 0;
    if (SplitTrailingNumber(a, &prefixA, &numberA) && SplitTrailingNumber(b, &prefixB, &numberB)
        && prefixA == prefixB && numberA != numberB)
        return numberA < numberB;
    return a < b;
}

QString CSerialPortEnumerator::unitPortName(const QList<SSerialPortInfo>& ports, const QStringList& ignoredNames)
{
    QString candidate;
    for (const SSerialPortInfo& info : ports) {
        if (info.vendorID == UNIT_VENDOR_ID && info.productID == UNIT_PRODUCT_ID
            && !ignoredNames.contains(info.portName, Qt::CaseInsensitive))
            candidate = info.portName;
    }
    return candidate;
}

QList<SSerialPortInfo> CSerialPortEnumerator::systemPorts()
{
    QList<SSerialPortInfo> ports;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        SSerialPortInfo info;
        info.portName = port.portName();
        info.vendorID = port.hasVendorIdentifier() ? port.vendorIdentifier() : 0;
        info.productID = port.hasProductIdentifier() ? port.productIdentifier() : 0;
        ports.append(info);
    }
    return ports;
}
