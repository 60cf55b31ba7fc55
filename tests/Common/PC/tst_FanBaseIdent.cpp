#include "PC/FanBase.h"

#include "DebugCapture.h"
#include "ScriptedBinding.h"
#include "WireFrames.h"

#include <QSignalSpy>
#include <QtTest>

// Identification, single-byte commands, the serial number and the start of
// the application: the operations that also talk to the user.

namespace {

class CTestFan : public CFanBase
{
public:
    using CFanBase::CFanBase;
    QString familyName() const override { return QStringLiteral("Zyvent100"); }
    int familyType() const override { return 0; }
};

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray Data(const CLLProtocolPacket& packet)
{
    return QByteArray(reinterpret_cast<const char*>(packet.GetData()), packet.GetLength());
}

QStringList Texts(const QSignalSpy& spy)
{
    QStringList texts;
    for (const QList<QVariant>& args : spy)
        texts.append(args.at(0).toString());
    return texts;
}

// Serial 0x12345678, board 5, application running (3), version flag 0, boot
// loader 1.07, application 2.15, word 13 = 0x00C5: 70 family, WiFi 2.03.
const QByteArray kIdentity = QByteArray::fromHex("02785634120005030001070" "20f" "c500") + QByteArray(24, '\0');

} // namespace

class tst_FanBaseIdent : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void identity();
    void identityAnswers_data();
    void identityAnswers();
    void identityRetriesUntilAcknowledged();
    void silentUnitIsReportedOnce();
    void sendCommand_data();
    void sendCommand();
    void serialNumber();
    void startApplication_data();
    void startApplication();

private:
    std::shared_ptr<CScriptedBinding> m_binding;
    std::unique_ptr<CTestFan> m_fan;
    CScriptedWire* m_wire = nullptr;
};

void tst_FanBaseIdent::init()
{
    m_binding = std::make_shared<CScriptedBinding>();
    m_fan = std::make_unique<CTestFan>(m_binding);
    QVERIFY(m_fan->openPort("ttyACM0"));
    m_wire = &m_binding->scriptedWire();
}

void tst_FanBaseIdent::cleanup()
{
    m_fan.reset();
    m_binding.reset();
}

void tst_FanBaseIdent::identity()
{
    QCOMPARE(kIdentity.size(), 39);
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(kIdentity));
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    SHLP_IdentData ident;
    QVERIFY(m_fan->getIdentData(ident));
    QCOMPARE(Texts(spy), QStringList{ "Zyvent100 detected!" });
    QCOMPARE(ident.m_SerialNr, 0x12345678u);
    QCOMPARE(ident.m_BoardVersion, uint8_t(5));
    QCOMPARE(ident.m_RunningSystem, uint8_t(3));
    QCOMPARE(ident.m_BootVersionMajor, uint8_t(1));
    QCOMPARE(ident.m_BootVersionMinor, uint8_t(7));
    QCOMPARE(ident.m_AppVersionMajor, uint8_t(2));
    QCOMPARE(ident.m_AppVersionMinor, uint8_t(15));
    QVERIFY(ident.m_Family70);
    QCOMPARE(ident.m_WifiVersionMajor, uint8_t(2));
    QCOMPARE(ident.m_WifiVersionMinor, uint8_t(3));

    const CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(Data(request), Hex("01"));
    QCOMPARE(request.GetType(), UINT8(1));
    QVERIFY(!request.IsRetry());
}

void tst_FanBaseIdent::identityAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("39 bytes") << kIdentity << true << QStringList{ "Zyvent100 detected!" };
    // The identity is taken without a length check...
    QTest::newRow("40 bytes: the first 39 count") << kIdentity + Hex("ff") << true
                                                  << QStringList{ "Zyvent100 detected!" };
    // ...but never read past the answer's end.
    QTest::newRow("38 bytes") << kIdentity.left(38) << false
        << QStringList{ "Zyvent100 detected!", "- The Zyvent100 responded with the wrong packet - " };
    QTest::newRow("number 3") << Hex("03") + kIdentity.mid(1) << false
        << QStringList{ "Zyvent100 detected!", "- The Zyvent100 responded with the wrong packet - " };
    QTest::newRow("acknowledged, then silence") << QByteArray() << false
        << QStringList{ "Zyvent100 detected!", " The Zyvent100 did not (correctly) respond - " };
}

void tst_FanBaseIdent::identityAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, ok);
    QFETCH(QStringList, texts);

    m_wire->onNextPacket(WireFrames::ack() + (answer.isEmpty() ? QByteArray() : WireFrames::answer(answer)));
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    SHLP_IdentData ident;
    QCOMPARE(m_fan->getIdentData(ident), ok);
    QCOMPARE(Texts(spy), texts);
    if (ok)
        QCOMPARE(ident.m_SerialNr, 0x12345678u);
}

// A unit still starting stays silent; the request is sent again.
void tst_FanBaseIdent::identityRetriesUntilAcknowledged()
{
    m_fan->setLinkSilencePolls(5);
    m_wire->onNextPacket(QByteArray());
    m_wire->onNextPacket(QByteArray());
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(kIdentity));
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    SHLP_IdentData ident;
    QVERIFY(m_fan->getIdentData(ident));
    QCOMPARE(Texts(spy), QStringList{ "Zyvent100 detected!" });
    const QList<CLLProtocolPacket> sent = m_wire->sentPackets();
    QCOMPARE(sent.size(), 4); // three requests and the ACK of the answer
    for (int i = 0; i < 3; ++i)
        QCOMPARE(sent[i].GetId(), UINT16(0x0101));
}

void tst_FanBaseIdent::silentUnitIsReportedOnce()
{
    m_fan->setLinkSilencePolls(5);
    m_fan->setIdentTimeout(30);
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    QElapsedTimer timer;
    timer.start();
    SHLP_IdentData ident;
    {
        CDebugCapture quiet;
        QVERIFY(!m_fan->getIdentData(ident));
    }
    QVERIFY(timer.elapsed() >= 30);
    QCOMPARE(Texts(spy), QStringList{ "Zyvent100 did not respond! " });
    QVERIFY(m_wire->sentPackets().size() >= 2);
    for (const CLLProtocolPacket& packet : m_wire->sentPackets())
        QCOMPARE(packet.GetId(), UINT16(0x0101));
}

void tst_FanBaseIdent::sendCommand_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("attempts");

    const int retry = CLLProtocolPacket::PF_RETRY;
    QTest::newRow("22 acknowledged") << 22 << WireFrames::ack() << true << retry << 1;
    QTest::newRow("22 not acknowledged: three attempts") << 22 << QByteArray() << false << retry << 3;
    QTest::newRow("17 needs no acknowledgement") << 17 << QByteArray() << true
                                                 << (retry | CLLProtocolPacket::PF_NOACK) << 1;
}

void tst_FanBaseIdent::sendCommand()
{
    QFETCH(int, number);
    QFETCH(QByteArray, reply);
    QFETCH(bool, ok);
    QFETCH(int, flags);
    QFETCH(int, attempts);

    for (int i = 0; i < 3; ++i)
        m_wire->onNextPacket(reply);
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    QCOMPARE(m_fan->sendCommand(UINT8(number)), ok);
    QCOMPARE(Texts(spy), ok ? QStringList() : QStringList{ "Zyvent100 did not respond - " });
    const QList<CLLProtocolPacket> sent = m_wire->sentPackets();
    QCOMPARE(sent.size(), attempts);
    QCOMPARE(Data(sent[0]), QByteArray(1, char(number)));
    QCOMPARE(int(sent[0].GetFlags()), flags);
}

void tst_FanBaseIdent::serialNumber()
{
    QVERIFY(!m_fan->setSerialNumber(0));
    QVERIFY(m_wire->sentBytes().isEmpty());

    m_wire->onNextPacket(WireFrames::ack());
    QVERIFY(m_fan->setSerialNumber(0x01020304));
    const CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(Data(request), Hex("0304030201") + QByteArray(34, '\0'));
    QVERIFY(!request.IsRetry());

    QVERIFY(!m_fan->setSerialNumber(7)); // not acknowledged
}

void tst_FanBaseIdent::startApplication_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QList<QByteArray>>("requests");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("mode 0: only the restart") << 0 << QByteArray() << true
                                              << QList<QByteArray>{ Hex("11") } << QStringList();
    QTest::newRow("mode 2: the mode, then the restart") << 2 << WireFrames::ack() << true
                                                        << QList<QByteArray>{ Hex("1202"), Hex("11") } << QStringList();
    QTest::newRow("mode not acknowledged") << 2 << QByteArray() << false << QList<QByteArray>{ Hex("1202") }
                                           << QStringList{ "Unable to set startup mode for application." };
}

void tst_FanBaseIdent::startApplication()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, reply);
    QFETCH(bool, ok);
    QFETCH(QList<QByteArray>, requests);
    QFETCH(QStringList, texts);

    m_wire->onNextPacket(reply);
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    QCOMPARE(m_fan->startApplication(UINT8(mode)), ok);
    QCOMPARE(Texts(spy), texts);
    const QList<CLLProtocolPacket> sent = m_wire->sentPackets();
    QCOMPARE(sent.size(), requests.size());
    for (int i = 0; i < sent.size(); ++i)
        QCOMPARE(Data(sent[i]), requests[i]);
    if (mode != 0)
        QCOMPARE(int(sent[0].GetFlags()), 0);
    if (ok)
        QVERIFY(sent.last().IsNoAck());
}

QTEST_GUILESS_MAIN(tst_FanBaseIdent)
#include "tst_FanBaseIdent.moc"
