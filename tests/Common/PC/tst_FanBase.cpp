#include "PC/FanBase.h"

#include "LLProtocolWire.h"
#include "PtyPair.h"
#include "ScriptedBinding.h"
#include "SerialPortBinding.h"
#include "WireFrames.h"

#include <QSignalSpy>
#include <QtTest>

// Port binding of the device object: openPort on a real pseudo-terminal,
// and the shared-binding choice of the monitoring program.

namespace {

const int kWaitMs = 5000;

// Exposes the protected seam the device operations use.
class CTestFan : public CFanBase
{
public:
    using CFanBase::CFanBase;
    using CFanBase::isPortBound;
    using CFanBase::wire;
    QString familyName() const override { return QStringLiteral("Zyvent100"); }
    int familyType() const override { return 0; }
};

class CTestFan70 : public CTestFan
{
public:
    using CTestFan::CTestFan;
    QString familyName() const override { return QStringLiteral("Zyvent plus"); }
};

QStringList Texts(const QSignalSpy& spy)
{
    QStringList texts;
    for (const QList<QVariant>& args : spy)
        texts.append(args.at(0).toString());
    return texts;
}

} // namespace

class tst_FanBase : public QObject
{
    Q_OBJECT
private slots:
    void drainsBytesSentBeforeBinding();
    void reopeningTheOpenNameDoesNothing();
    void openFailures_data();
    void openFailures();
    void emptyNameClosesTheOpenPort();
    void switchingPorts();
    void sharedBindingOutlivesReplacedDeviceObject();
    void ownBindingsAreSeparate();
    void userInfoSlotReEmits();
};

void tst_FanBase::drainsBytesSentBeforeBinding()
{
    CPtyPair pty;
    QVERIFY(pty.isValid());
    QVERIFY(pty.write(WireFrames::debugText("boot") + "noise"));
    QVERIFY(pty.waitSlaveReadable(kWaitMs));

    CTestFan fan;
    QSignalSpy spy(&fan, &CFanBase::signalUserInfo);
    QVERIFY(fan.openPort(pty.slavePath()));
    QCOMPARE(Texts(spy), QStringList{ "Checking for new devices..." });
    QCOMPARE(fan.portName(), pty.slavePath());
    QVERIFY(fan.isPortBound());

    UINT16 len = 0;
    QVERIFY(!fan.wire()->Receive(&len));

    // What the unit sends from now on gets through, and nothing older.
    QVERIFY(pty.write(WireFrames::ack()));
    CLLProtocolPacket packet;
    CLLProtocol link(fan.wire(), nullptr, 5000);
    QCOMPARE(link.RecSinglePacketNoAck(packet, 5000), CLLProtocol::RC_OK);
    QVERIFY(packet.IsAck());
}

void tst_FanBase::reopeningTheOpenNameDoesNothing()
{
    CPtyPair pty;
    CTestFan fan;
    QVERIFY(fan.openPort(pty.slavePath()));
    CLLProtocolWire* const wire = fan.wire();
    QSignalSpy spy(&fan, &CFanBase::signalUserInfo);
    QVERIFY(fan.openPort(pty.slavePath()));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(fan.wire(), wire);
}

void tst_FanBase::openFailures_data()
{
    QTest::addColumn<QString>("portName");
    QTest::addColumn<bool>("plus");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("empty name") << QString() << false
                                << QStringList{ "Please connect your application via the USB cable." };
    QTest::newRow("port cannot be opened")
        << "/dev/zyvent-no-such-port" << false
        << QStringList{ "Checking for new devices...",
                        "Unable to open COM port for Zyvent100.\nPlease switch your Zyvent100 off and then on again." };
    QTest::newRow("port cannot be opened, other family")
        << "/dev/zyvent-no-such-port" << true
        << QStringList{ "Checking for new devices...",
                        "Unable to open COM port for Zyvent plus.\nPlease switch your Zyvent plus off and then on again." };
}

void tst_FanBase::openFailures()
{
    QFETCH(QString, portName);
    QFETCH(bool, plus);
    QFETCH(QStringList, texts);

    std::unique_ptr<CTestFan> fan(plus ? new CTestFan70 : new CTestFan);
    QSignalSpy spy(fan.get(), &CFanBase::signalUserInfo);
    QVERIFY(!fan->openPort(portName));
    QCOMPARE(Texts(spy), texts);
    QVERIFY(!fan->isPortBound());
    QVERIFY(!fan->wire());
    QCOMPARE(fan->portName(), QString());
}

void tst_FanBase::emptyNameClosesTheOpenPort()
{
    CPtyPair pty;
    CTestFan fan;
    QVERIFY(fan.openPort(pty.slavePath()));
    QVERIFY(!fan.openPort(QString()));
    QVERIFY(!fan.isPortBound());
    QVERIFY(!fan.wire());
    QCOMPARE(fan.portName(), QString());
}

void tst_FanBase::switchingPorts()
{
    CPtyPair first;
    CPtyPair second;
    CTestFan fan;
    QVERIFY(fan.openPort(first.slavePath()));
    QVERIFY(fan.openPort(second.slavePath()));
    QCOMPARE(fan.portName(), second.slavePath());
    QVERIFY(fan.wire()->Send("x", 1));
    fan.wire()->Flush();
    QCOMPARE(second.read(1, kWaitMs), QByteArray("x"));

    // A failed switch leaves no port bound.
    QVERIFY(!fan.openPort("/dev/zyvent-no-such-port"));
    QVERIFY(!fan.isPortBound());
}

// The monitoring program creates the device object of the other family on
// the same binding, then deletes the old one: the port stays open. The last
// device object to go closes it.
void tst_FanBase::sharedBindingOutlivesReplacedDeviceObject()
{
    auto binding = std::make_shared<CScriptedBinding>();
    auto first = std::make_unique<CTestFan>(binding);
    QVERIFY(first->openPort("ttyACM0"));

    auto replacement = std::make_unique<CTestFan70>(binding);
    QVERIFY(replacement->isPortBound());
    QCOMPARE(replacement->portName(), QString("ttyACM0"));
    first.reset();
    QVERIFY(replacement->isPortBound());
    QCOMPARE(replacement->wire(), static_cast<CLLProtocolWire*>(&binding->scriptedWire()));
    QCOMPARE(binding->openCount(), 1);

    replacement.reset();
    QVERIFY(!binding->isOpen());
    QCOMPARE(binding->closeCount(), 1);
}

void tst_FanBase::ownBindingsAreSeparate()
{
    CPtyPair pty;
    CTestFan bound;
    CTestFan other;
    QVERIFY(bound.openPort(pty.slavePath()));
    QVERIFY(!other.isPortBound());
    QCOMPARE(other.portName(), QString());
}

void tst_FanBase::userInfoSlotReEmits()
{
    CTestFan fan(std::make_shared<CScriptedBinding>());
    QSignalSpy spy(&fan, &CFanBase::signalUserInfo);
    fan.userInfo("hello");
    QCOMPARE(Texts(spy), QStringList{ "hello" });
}

QTEST_GUILESS_MAIN(tst_FanBase)
#include "tst_FanBase.moc"
