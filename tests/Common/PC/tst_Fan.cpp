#include "PC/Fan.h"

#include "DebugCapture.h"
#include "ScriptedBinding.h"
#include "WireFrames.h"

#include <QSignalSpy>
#include <QtTest>

// The 100 family's operations on the scripted wire.

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray Le16(int v) { return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF)); }

QByteArray Data(const CLLProtocolPacket& packet)
{
    return QByteArray(reinterpret_cast<const char*>(packet.GetData()), packet.GetLength());
}

// Log entry number n as the unit would store it: every byte n, the last n + 0x80.
QByteArray Entry(int n, int size)
{
    return QByteArray(size - 1, char(n)) + QByteArray(1, char(n + 0x80));
}

// A page of message nMsg: header, then the entries first, first + 1, ...; the
// slots after the remaining count are filled with 0xEE, which must never be taken.
QByteArray Page(const QByteArray& header, int remaining, int first, int perPage, int entrySize)
{
    QByteArray page = header;
    for (int i = 0; i < perPage; ++i)
        page += i < remaining ? Entry(first + i, entrySize) : QByteArray(entrySize, '\xEE');
    return page;
}

QByteArray PrimLogPage(int remaining, int first)
{
    return Page(Hex("0f00") + Le16(remaining), remaining, first, 7, 26);
}

QByteArray SecLogPage(int span, int remaining, int first)
{
    return Page(Hex("14") + QByteArray(1, char(span)) + Hex("0000") + Le16(remaining), remaining, first, 5, 32);
}

// A text field as the record table lays it out: Latin-1, zero-padded.
QByteArray Field(const QByteArray& text, int size)
{
    return text + QByteArray(size - text.size(), '\0');
}

enum EOp { OP_PrimLog, OP_SecLog, OP_CurrentState, OP_VentInfo, OP_Wifi, OP_WifiDebug,
           OP_Credentials, OP_Simulation, OP_MoveVent };

bool Run(CFan& fan, int op)
{
    QVector<SPrimLogEntry> prim;
    QVector<SSecLogEntry> sec;
    SPrimLogEntry entry;
    CVents::SVentInfo vents[CVents::V_Count];
    qint8 signal = 0;
    quint8 a = 0, b = 0;
    const quint8 ip[4] = { 192, 168, 1, 2 };
    switch (EOp(op)) {
    case OP_PrimLog: return fan.getPrimLog(prim);
    case OP_SecLog: return fan.getSecLog(sec, CLogging::MTS_1Day, 10, 0);
    case OP_CurrentState: return fan.getCurrentState(entry);
    case OP_VentInfo: return fan.getVentInfo(vents);
    case OP_Wifi: return fan.getWifiData(signal);
    case OP_WifiDebug: return fan.getWifiDataDebug(signal, a, b);
    case OP_Credentials: return fan.setNetworkCredentials("net", "pw", "key", "a@b", "c@d", "unit", 1, ip);
    case OP_Simulation: return fan.setSimulationValues(SHLP_SetSimulationValues());
    case OP_MoveVent: return fan.moveVent(SHLP_MoveVent());
    }
    return false;
}

} // namespace

class tst_Fan : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void family();
    void nothingWithoutPort_data();
    void nothingWithoutPort();
    void primLog_data();
    void primLog();
    void secLog_data();
    void secLog();
    void currentState_data();
    void currentState();
    void ventInfo();
    void wifiStatus_data();
    void wifiStatus();
    void wifiStatusRepeats();
    void wifiDataDebug();
    void credentials_data();
    void credentials();
    void simulationAndVentMovement();

private:
    std::shared_ptr<CScriptedBinding> m_binding;
    std::unique_ptr<CFan> m_fan;
    CScriptedWire* m_wire = nullptr;
};

void tst_Fan::init()
{
    m_binding = std::make_shared<CScriptedBinding>();
    m_fan = std::make_unique<CFan>(false, m_binding);
    QVERIFY(m_fan->openPort("ttyACM0"));
    m_wire = &m_binding->scriptedWire();
}

void tst_Fan::cleanup()
{
    m_fan.reset();
    m_binding.reset();
}

void tst_Fan::family()
{
    const CFanBase& base = *m_fan;
    QCOMPARE(base.familyName(), QString("Zyvent100"));
    QCOMPARE(base.familyType(), 0);
    QCOMPARE(QString(base.reasonName(7)), QString("HumInp"));
    QCOMPARE(QString(base.reasonName(8)), QString("- ?? -"));
}

void tst_Fan::nothingWithoutPort_data()
{
    QTest::addColumn<int>("op");
    QTest::newRow("getPrimLog") << int(OP_PrimLog);
    QTest::newRow("getSecLog") << int(OP_SecLog);
    QTest::newRow("getCurrentState") << int(OP_CurrentState);
    QTest::newRow("getVentInfo") << int(OP_VentInfo);
    QTest::newRow("getWifiData") << int(OP_Wifi);
    QTest::newRow("getWifiDataDebug") << int(OP_WifiDebug);
    QTest::newRow("setNetworkCredentials") << int(OP_Credentials);
    QTest::newRow("setSimulationValues") << int(OP_Simulation);
    QTest::newRow("moveVent") << int(OP_MoveVent);
}

void tst_Fan::nothingWithoutPort()
{
    QFETCH(int, op);
    m_fan->closePort();
    m_wire->onNextPacket(WireFrames::ack());
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    QVERIFY(!Run(*m_fan, op));
    QVERIFY(m_wire->sentBytes().isEmpty());
    QCOMPARE(spy.count(), 0);
}

// Pages: the remaining count of each page the unit sends; a page given as
// -1 is sent with the 70 family's size (200 bytes) instead.
void tst_Fan::primLog_data()
{
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("15 entries in three packets") << QList<int>{ 15, 8, 1 } << true << 15 << QStringList();
    QTest::newRow("empty log") << QList<int>{ 0 } << true << 0 << QStringList();
    QTest::newRow("7 entries in one packet") << QList<int>{ 7 } << true << 7 << QStringList();
    QTest::newRow("second page of 200 bytes") << QList<int>{ 15, -1 } << false << 7
        << QStringList{ "CFan::getPrimLog: Packet size mismatch", "Expected: 186, got: 200" };
    // Two answers to a request sent twice: the first page again is another answer's.
    QTest::newRow("first page repeated") << QList<int>{ 15, 15, 8, 1 } << false << 7
        << QStringList{ "CFan::getPrimLog: Received wrong packet", "Expected: 8, received: 15" };
    QTest::newRow("a page skipped") << QList<int>{ 22, 8, 1 } << false << 7
        << QStringList{ "CFan::getPrimLog: Received wrong packet", "Expected: 15, received: 8" };
}

void tst_Fan::primLog()
{
    QFETCH(QList<int>, pages);
    QFETCH(bool, ok);
    QFETCH(int, count);
    QFETCH(QStringList, lines);

    for (int p = 0; p < pages.size(); ++p) {
        const QByteArray page = pages[p] < 0 ? PrimLogPage(8, 7 * p) + QByteArray(14, '\0')
                                             : PrimLogPage(pages[p], 7 * p);
        m_wire->onNextPacket((p == 0 ? WireFrames::ack() : QByteArray()) + WireFrames::answer(page));
    }
    QVector<SPrimLogEntry> entries(3);
    CDebugCapture log;
    QCOMPARE(m_fan->getPrimLog(entries), ok);
    QCOMPARE(entries.size(), count);
    for (int i = 0; i < count; ++i)
        QCOMPARE(entries[i].toBytes(), Entry(i, 26));
    for (const QString& line : lines)
        QCOMPARE(log.count(line), 1);
    QCOMPARE(Data(m_wire->sentPackets().at(0)), Hex("0f"));
    QVERIFY(m_wire->sentPackets().at(0).IsRetry());
}

void tst_Fan::secLog_data()
{
    QTest::addColumn<QList<int>>("remaining");
    QTest::addColumn<QList<int>>("spans");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("12 entries in three packets") << QList<int>{ 12, 7, 2 } << QList<int>{ 1, 1, 1 } << true << 12
                                                 << QStringList();
    QTest::newRow("5 entries in one packet") << QList<int>{ 5 } << QList<int>{ 1 } << true << 5 << QStringList();
    QTest::newRow("nothing stored") << QList<int>{ 0 } << QList<int>{ 1 } << true << 0 << QStringList();
    QTest::newRow("first page of another span") << QList<int>{ 5 } << QList<int>{ 2 } << false << 0
        << QStringList{ "CFan::getSecLog: time span mismatche!", "Expected: 1, received: 2" };
    QTest::newRow("second page of another span") << QList<int>{ 12, 7 } << QList<int>{ 1, 0 } << false << 5
        << QStringList{ "CFan::getSecLog: time span mismatche!", "Expected: 1, received: 0" };
    QTest::newRow("first page repeated") << QList<int>{ 12, 12, 7, 2 } << QList<int>{ 1, 1, 1, 1 } << false << 5
        << QStringList{ "CFan::getSecLog: Received wrong packet", "Expected: 7, received: 12" };
}

void tst_Fan::secLog()
{
    QFETCH(QList<int>, remaining);
    QFETCH(QList<int>, spans);
    QFETCH(bool, ok);
    QFETCH(int, count);
    QFETCH(QStringList, lines);

    for (int p = 0; p < remaining.size(); ++p)
        m_wire->onNextPacket((p == 0 ? WireFrames::ack() : QByteArray())
                             + WireFrames::answer(SecLogPage(spans[p], remaining[p], 5 * p)));
    QVector<SSecLogEntry> entries(2);
    CDebugCapture log;
    QCOMPARE(m_fan->getSecLog(entries, CLogging::MTS_1Day, 12, 0x0203), ok);
    QCOMPARE(entries.size(), count);
    for (int i = 0; i < count; ++i)
        QCOMPARE(entries[i].toBytes(), Entry(i, 32));
    for (const QString& line : lines)
        QCOMPARE(log.count(line), 1);
    QCOMPARE(log.count("sizeof(SSecLogEntry): 32"), 1);
    const CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(Data(request), Hex("1401" "0302" "0c00") + QByteArray(160, '\0'));
    QVERIFY(!request.IsRetry());
}

void tst_Fan::currentState_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("28 bytes") << Hex("1300") + Entry(9, 26) << true << QStringList();
    QTest::newRow("30 bytes") << Hex("1300") + Entry(9, 28) << false
        << QStringList{ "CFan::getCurrentState:: Packet size mismatch", "Expected: 28, got: 30" };
    QTest::newRow("number 15") << Hex("0f00") + Entry(9, 26) << false
        << QStringList{ "CFan::getCurrentState: Received wrong packet" };
    QTest::newRow("silence") << QByteArray() << false
        << QStringList{ "CFan::getCurrentState: Error getting the current state" };
}

void tst_Fan::currentState()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, ok);
    QFETCH(QStringList, lines);

    m_wire->onNextPacket(WireFrames::ack() + (answer.isEmpty() ? QByteArray() : WireFrames::answer(answer)));
    SPrimLogEntry entry;
    CDebugCapture log;
    QCOMPARE(m_fan->getCurrentState(entry), ok);
    QCOMPARE(entry.toBytes(), ok ? Entry(9, 26) : QByteArray(26, '\0'));
    for (const QString& line : lines)
        QCOMPARE(log.count(line), 1);
    QCOMPARE(Data(m_wire->sentPackets().at(0)), Hex("13"));
}

// Flap i: speed sums 0x01020300 + i and 0x0A0B0C00 + i, 3 stops and i
// shake-loose cycles, run times 8 + i and 12 + i quarters, current 0x0100 + i.
void tst_Fan::ventInfo()
{
    QByteArray answer = Hex("1900");
    for (int i = 0; i < 4; ++i) {
        QByteArray vent(36, '\0');
        vent.replace(12, 4, QByteArray(1, char(i)) + Hex("030201"));
        vent.replace(16, 4, QByteArray(1, char(i)) + Hex("0c0b0a"));
        vent[25] = char(0x30 + i);
        vent[27] = char(8 + i);
        vent[28] = char(12 + i);
        vent.replace(32, 2, QByteArray(1, char(i)) + Hex("01"));
        answer += vent;
    }
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(answer));
    CVents::SVentInfo vents[CVents::V_Count];
    QVERIFY(m_fan->getVentInfo(vents));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(vents[i].speedSumOpen(), 0x01020300u + quint32(i));
        QCOMPARE(vents[i].speedSumClose(), 0x0A0B0C00u + quint32(i));
        QCOMPARE(vents[i].stops(), 3);
        QCOMPARE(vents[i].shakeLooseCycles(), i);
        QCOMPARE(vents[i].runTimeOpenQuarters(), 8 + i);
        QCOMPARE(vents[i].runTimeCloseQuarters(), 12 + i);
        QCOMPARE(vents[i].maxIMean(), 0x0100 + i);
    }
    QCOMPARE(Data(m_wire->sentPackets().at(0)), Hex("19"));

    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(answer.left(145)));
    CDebugCapture log;
    QVERIFY(!m_fan->getVentInfo(vents));
    QCOMPARE(log.count("Expected: 146, got: 145"), 1);
    QVERIFY(!m_fan->getVentInfo(nullptr));
}

void tst_Fan::wifiStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("signal");  // index into the five signals, -1 none

    QTest::newRow("0: enable buttons") << 0 << 1;
    QTest::newRow("1: none") << 1 << -1;
    QTest::newRow("2: none") << 2 << -1;
    QTest::newRow("3: update and OK") << 3 << 0;
    QTest::newRow("4: not OK") << 4 << 2;
    QTest::newRow("5: deleted") << 5 << 4;
    QTest::newRow("6: not deleted") << 6 << 3;
    QTest::newRow("7: none") << 7 << -1;
    QTest::newRow("255: none") << 255 << -1;
}

void tst_Fan::wifiStatus()
{
    QFETCH(int, status);
    QFETCH(int, signal);

    QSignalSpy update(m_fan.get(), &CFan::signalUpdateWlanTabAndOKMsg);
    QSignalSpy enable(m_fan.get(), &CFan::signalEnableButtons);
    QSignalSpy nok(m_fan.get(), &CFan::signalNOKMsg);
    QSignalSpy delNok(m_fan.get(), &CFan::signalDelNOKMsg);
    QSignalSpy delOk(m_fan.get(), &CFan::signalDelOKMsg);
    const QList<QSignalSpy*> spies = { &update, &enable, &nok, &delNok, &delOk };

    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(
        Hex("1a") + QByteArray(1, char(status)) + Hex("c4") + QByteArray(167, '\x55')));
    qint8 strength = 0;
    QVERIFY(m_fan->getWifiData(strength));
    QCOMPARE(strength, qint8(-60));
    for (int i = 0; i < spies.size(); ++i)
        QCOMPARE(spies[i]->count(), i == signal ? 1 : 0);
    QCOMPARE(Data(m_wire->sentPackets().at(0)), Hex("1a"));
}

void tst_Fan::wifiStatusRepeats()
{
    QSignalSpy update(m_fan.get(), &CFan::signalUpdateWlanTabAndOKMsg);
    const QByteArray status3 = Hex("1a03c4") + QByteArray(167, '\0');
    qint8 strength = 0;
    for (int poll = 0; poll < 2; ++poll) {
        m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(status3));
        QVERIFY(m_fan->getWifiData(strength));
    }
    QCOMPARE(update.count(), 2);

    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(status3.left(169)));
    CDebugCapture log;
    QVERIFY(!m_fan->getWifiData(strength));
    QCOMPARE(log.count("CFan::getWifiData: Packet size mismatch"), 1);
    QCOMPARE(update.count(), 2);
}

void tst_Fan::wifiDataDebug()
{
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(Hex("1a037f0909") + QByteArray(165, '\0')));
    QSignalSpy update(m_fan.get(), &CFan::signalUpdateWlanTabAndOKMsg);
    qint8 strength = 0;
    quint8 a = 5, b = 6;
    QVERIFY(m_fan->getWifiDataDebug(strength, a, b));
    QCOMPARE(strength, qint8(127));
    QCOMPARE(a, quint8(0));
    QCOMPARE(b, quint8(0));
    QCOMPARE(update.count(), 0);
}

void tst_Fan::credentials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("email1");
    QTest::addColumn<QString>("unitName");
    QTest::addColumn<bool>("sent");

    const QString n25 = QString("N").repeated(25);
    QTest::newRow("short texts") << "Home" << "secret" << "k" << "a@b.de" << "Bath" << true;
    QTest::newRow("name of 25 characters") << n25 << "secret" << "k" << "a@b.de" << "Bath" << true;
    QTest::newRow("name of 26 characters") << n25 + "N" << "secret" << "k" << "a@b.de" << "Bath" << false;
    QTest::newRow("password of 26") << "Home" << QString(26, 'p') << "k" << "a@b.de" << "Bath" << false;
    QTest::newRow("key of 20") << "Home" << "secret" << QString(20, 'k') << "a@b.de" << "Bath" << true;
    QTest::newRow("key of 21") << "Home" << "secret" << QString(21, 'k') << "a@b.de" << "Bath" << false;
    QTest::newRow("e-mail of 49") << "Home" << "secret" << "k" << QString(49, 'e') << "Bath" << true;
    QTest::newRow("e-mail of 50") << "Home" << "secret" << "k" << QString(50, 'e') << "Bath" << false;
    QTest::newRow("unit name of 26") << "Home" << "secret" << "k" << "a@b.de" << QString(26, 'u') << false;
    QTest::newRow("Latin-1 letters count once") << QString::fromUtf8("Gäste") + QString(20, 'x') << "secret"
                                                << "k" << "a@b.de" << "Bath" << true;
}

void tst_Fan::credentials()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, key);
    QFETCH(QString, email1);
    QFETCH(QString, unitName);
    QFETCH(bool, sent);

    m_wire->onNextPacket(WireFrames::ack());
    const quint8 ip[4] = { 192, 168, 1, 2 };
    QCOMPARE(m_fan->setNetworkCredentials(name, password, key, email1, "x@y", unitName, 3, ip), sent);
    if (!sent) {
        QVERIFY(m_wire->sentBytes().isEmpty());
        return;
    }
    const QByteArray expected = Hex("1d00") + Field(name.toLatin1(), 25) + Field(password.toLatin1(), 25)
        + Field(key.toLatin1(), 20) + Hex("03") + Hex("c0a80102") + Field(unitName.toLatin1(), 25)
        + Field(email1.toLatin1(), 49) + Field("x@y", 49);
    QCOMPARE(expected.size(), 200);
    const CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(Data(request), expected);
    QVERIFY(!request.IsRetry());
}

void tst_Fan::simulationAndVentMovement()
{
    SHLP_SetSimulationValues values;
    values.m_ComfortLevel = 2;
    values.m_DIPSwitch = 0x31;
    values.m_Flag = 1;
    values.m_Values[0] = 0x00A0;   // 20 degC x 8
    values.m_Values[7] = 0xFFF8;   // -1 degC x 8
    m_wire->onNextPacket(WireFrames::ack());
    CDebugCapture log;
    QVERIFY(m_fan->setSimulationValues(values));
    QCOMPARE(log.count("sizeof(SHLP_SetSimulationValues)22"), 1);
    CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(Data(request), Hex("1002310100" "00" "a000") + QByteArray(12, '\0') + Hex("f8ff"));
    QVERIFY(!request.IsRetry());

    SHLP_MoveVent move;
    move.m_Vent = CVents::V_Supply;
    move.m_Command = 1;
    m_wire->onNextPacket(WireFrames::ack());
    QVERIFY(m_fan->moveVent(move));
    request = m_wire->sentPackets().at(1);
    QCOMPARE(Data(request), Hex("1c0201"));

    // Not acknowledged: one attempt, then failure.
    QVERIFY(!m_fan->moveVent(move));
    QVERIFY(!m_fan->setSimulationValues(values));
    QCOMPARE(log.count("CFan::setSimulationValues: Error sending request for simulation values"), 1);
    QCOMPARE(m_wire->sentPackets().size(), 4);
}

QTEST_GUILESS_MAIN(tst_Fan)
#include "tst_Fan.moc"
