#include "SerialPortEnumerator.h"

#include <QSignalSpy>
#include <QtTest>

// Discovery fed with port lists instead of USB hardware.

namespace {

SSerialPortInfo Port(const QString& name, quint16 vendor = 0x0409, quint16 product = 0x01D9)
{
    SSerialPortInfo info;
    info.portName = name;
    info.vendorID = vendor;
    info.productID = product;
    return info;
}

QStringList Names(const QList<SSerialPortInfo>& ports)
{
    QStringList names;
    for (const SSerialPortInfo& p : ports)
        names.append(p.portName);
    return names;
}

QStringList SpiedNames(const QSignalSpy& spy)
{
    QStringList names;
    for (const QList<QVariant>& args : spy)
        names.append(args.at(0).value<SSerialPortInfo>().portName);
    return names;
}

using PortList = QList<SSerialPortInfo>;

} // namespace

Q_DECLARE_METATYPE(PortList)

class tst_SerialPortEnumerator : public QObject
{
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void chosenPort_data();
    void chosenPort();
    void existingPortsReportedAtSetUp();
    void changesSignalled();
    void pollRunsByItself();

private:
    PortList m_ports;  // what the fed enumerator sees
};

void tst_SerialPortEnumerator::order_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("sorted");

    QTest::newRow("trailing numbers, not text") << QStringList{ "ttyACM10", "ttyACM9", "ttyACM1" }
                                                << QStringList{ "ttyACM1", "ttyACM9", "ttyACM10" };
    QTest::newRow("COM numbering") << QStringList{ "COM10", "COM2" } << QStringList{ "COM2", "COM10" };
    QTest::newRow("different prefixes by name") << QStringList{ "ttyUSB0", "ttyACM10", "ttyS2" }
                                                << QStringList{ "ttyACM10", "ttyS2", "ttyUSB0" };
    QTest::newRow("names without number by name") << QStringList{ "rfcomm", "modem", "ttyACM3" }
                                                   << QStringList{ "modem", "rfcomm", "ttyACM3" };
}

void tst_SerialPortEnumerator::order()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, sorted);
    m_ports.clear();
    for (const QString& name : given)
        m_ports.append(Port(name));
    CSerialPortEnumerator enumerator([this] { return m_ports; }, 1000);
    QCOMPARE(Names(enumerator.getPorts()), sorted);
}

void tst_SerialPortEnumerator::chosenPort_data()
{
    QTest::addColumn<PortList>("ports");
    QTest::addColumn<QStringList>("ignored");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("two units: the later one wins") << PortList{ Port("ttyACM0"), Port("ttyACM1") } << QStringList() << "ttyACM1";
    QTest::newRow("ttyACM10 comes after ttyACM9") << PortList{ Port("ttyACM10"), Port("ttyACM9") } << QStringList() << "ttyACM10";
    QTest::newRow("COM10 comes after COM9") << PortList{ Port("COM10"), Port("COM9") } << QStringList() << "COM10";
    QTest::newRow("other devices are ignored")
        << PortList{ Port("ttyACM0"), Port("ttyACM1", 0x0409, 0x01DA), Port("ttyUSB0", 0x0403, 0x01D9), Port("ttyS0", 0, 0) }
        << QStringList() << "ttyACM0";
    QTest::newRow("no unit") << PortList{ Port("ttyS0", 0, 0) } << QStringList() << "";
    QTest::newRow("no ports") << PortList{} << QStringList() << "";
    QTest::newRow("skipped name, ignoring case") << PortList{ Port("COM3"), Port("COM4") } << QStringList{ "com4" } << "COM3";
}

void tst_SerialPortEnumerator::chosenPort()
{
    QFETCH(PortList, ports);
    QFETCH(QStringList, ignored);
    QFETCH(QString, chosen);
    m_ports = ports;
    CSerialPortEnumerator enumerator([this] { return m_ports; }, 1000);
    QCOMPARE(CSerialPortEnumerator::unitPortName(enumerator.getPorts(), ignored), chosen);
}

void tst_SerialPortEnumerator::existingPortsReportedAtSetUp()
{
    m_ports = { Port("ttyACM1"), Port("ttyS0", 0, 0) };
    CSerialPortEnumerator enumerator([this] { return m_ports; }, 1000);
    QSignalSpy discovered(&enumerator, &CSerialPortEnumerator::deviceDiscovered);
    QSignalSpy removed(&enumerator, &CSerialPortEnumerator::deviceRemoved);
    QVERIFY(enumerator.setUpNotifications());
    QCOMPARE(SpiedNames(discovered), (QStringList{ "ttyACM1", "ttyS0" }));
    QCOMPARE(removed.count(), 0);
}

void tst_SerialPortEnumerator::changesSignalled()
{
    m_ports = { Port("ttyACM0"), Port("ttyS0", 0, 0) };
    CSerialPortEnumerator enumerator([this] { return m_ports; }, 1000);
    enumerator.setUpNotifications();
    QSignalSpy discovered(&enumerator, &CSerialPortEnumerator::deviceDiscovered);
    QSignalSpy removed(&enumerator, &CSerialPortEnumerator::deviceRemoved);

    enumerator.checkPorts();
    QCOMPARE(discovered.count() + removed.count(), 0);

    m_ports = { Port("ttyS0", 0, 0), Port("ttyACM1") };  // unit moved to another port
    enumerator.checkPorts();
    QCOMPARE(SpiedNames(removed), QStringList{ "ttyACM0" });
    QCOMPARE(SpiedNames(discovered), QStringList{ "ttyACM1" });
    const SSerialPortInfo arrived = discovered.at(0).at(0).value<SSerialPortInfo>();
    QCOMPARE(arrived.vendorID, CSerialPortEnumerator::UNIT_VENDOR_ID);
    QCOMPARE(arrived.productID, CSerialPortEnumerator::UNIT_PRODUCT_ID);

    m_ports.clear();
    enumerator.checkPorts();
    QCOMPARE(SpiedNames(removed), (QStringList{ "ttyACM0", "ttyACM1", "ttyS0" }));
}

void tst_SerialPortEnumerator::pollRunsByItself()
{
    m_ports = {};
    CSerialPortEnumerator enumerator([this] { return m_ports; }, 10);
    enumerator.setUpNotifications();
    QSignalSpy discovered(&enumerator, &CSerialPortEnumerator::deviceDiscovered);
    m_ports = { Port("ttyACM0") };
    QVERIFY(discovered.wait(10000));
    QCOMPARE(SpiedNames(discovered), QStringList{ "ttyACM0" });
}

QTEST_GUILESS_MAIN(tst_SerialPortEnumerator)
#include "tst_SerialPortEnumerator.moc"
