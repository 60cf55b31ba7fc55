#ifndef SERIALPORTENUMERATOR_H
#define SERIALPORTENUMERATOR_H

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QTimer;

// One serial port as seen by discovery.
struct SSerialPortInfo
{
    QString portName;      // as openPort takes it, e.g. "ttyACM0"
    quint16 vendorID = 0;  // USB IDs; 0 when the port is not a USB device
    quint16 productID = 0;

    bool operator==(const SSerialPortInfo& other) const
    {
        return portName == other.portName && vendorID == other.vendorID && productID == other.productID;
    }
};
Q_DECLARE_METATYPE(SSerialPortInfo)

// Watches the serial ports: the sorted port list, and arrival and removal
// signals from polling that list once a second. Lives in the GUI thread.
class CSerialPortEnumerator : public QObject
{
    Q_OBJECT

public:
    // The USB IDs of a unit's virtual serial port.
    static constexpr quint16 UNIT_VENDOR_ID = 0x0409;
    static constexpr quint16 UNIT_PRODUCT_ID = 0x01D9;
    static constexpr int DEFAULT_POLL_MS = 1000;

    using PortSource = std::function<QList<SSerialPortInfo>()>;

    // Ports from QSerialPortInfo.
    explicit CSerialPortEnumerator(QObject* parent = nullptr);
    // Ports from source (tests feed their own lists); pollMs between list checks.
    CSerialPortEnumerator(PortSource source, int pollMs, QObject* parent = nullptr);

    // The current ports, sorted (see portLessThan).
    QList<SSerialPortInfo> getPorts() const;
    // Reports every port present now through deviceDiscovered, then starts
    // polling the list. Always succeeds here; false is kept for callers that
    // go on without hot-plug events.
    bool setUpNotifications();

    // Names that share a prefix followed by a number sort by that number
    // (ttyACM9 before ttyACM10, COM9 before COM10); all others by name.
    static bool portLessThan(const QString& a, const QString& b);
    // The unit's port: the last port in the list with the unit's USB IDs,
    // skipping names in ignoredNames (compared ignoring case); empty if none.
    static QString unitPortName(const QList<SSerialPortInfo>& ports, const QStringList& ignoredNames = {});

public slots:
    // Compares the port list with the last one and signals the differences.
    void checkPorts();

signals:
    void deviceDiscovered(const SSerialPortInfo& info);
    void deviceRemoved(const SSerialPortInfo& info);

private:
    static QList<SSerialPortInfo> systemPorts();

    PortSource m_source;
    QTimer* m_pTimer;
    QList<SSerialPortInfo> m_known;
};

#endif // SERIALPORTENUMERATOR_H
