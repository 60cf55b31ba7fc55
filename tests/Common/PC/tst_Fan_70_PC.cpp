#include "PC/Fan_70_PC.h"

#include "DebugCapture.h"
#include "ScriptedBinding.h"
#include "WireFrames.h"

#include <QSignalSpy>
#include <QtTest>

// The 70 family's operations on the scripted wire; answers of the 100
// family's sizes are refused, never misread.

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray Le16(int v) { return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF)); }

QByteArray Data(const CLLProtocolPacket& packet)
{
    return QByteArray(reinterpret_cast<const char*>(packet.GetData()), packet.GetLength());
}

// Log entry number n: every byte n, the last n + 0x80.
QByteArray Entry(int n, int size)
{
    return QByteArray(size - 1, char(n)) + QByteArray(1, char(n + 0x80));
}

// Slots after the remaining count hold 0xEE, which must never be taken.
QByteArray Page(const QByteArray& header, int remaining, int first, int perPage, int entrySize)
{
    QByteArray page = header;
    for (int i = 0; i < perPage; ++i)
        page += i < remaining ? Entry(first + i, entrySize) : QByteArray(entrySize, '\xEE');
    return page;
}

QByteArray PrimLogPage(int remaining, int first)
{
    return Page(Hex("0f00") + Le16(remaining), remaining, first, 7, 28);
}

QByteArray SecLogPage(int span, int remaining, int first)
{
    return Page(Hex("14") + QByteArray(1, char(span)) + Hex("0000") + Le16(remaining), remaining, first, 5, 32);
}

enum EOp { OP_PrimLog, OP_SecLog, OP_CurrentState, OP_Simulation, OP_Counters, OP_SecLogCnt };

bool Run(CFan_70_PC& fan, int op)
{
    QVector<SPrimLogEntry_70> prim;
    QVector<SSecLogEntry_70> sec;
    SPrimLogEntry_70 entry;
    UINT16 a[3], b[3], c[3];
    switch (EOp(op)) {
    case OP_PrimLog: return fan.getPrimLog(prim);
    case OP_SecLog: return fan.getSecLog(sec, CLogging_70::MTS_15Min, 10, 0);
    case OP_CurrentState: return fan.getCurrentState(entry);
    case OP_Simulation: return fan.setSimulationValues(SHLP_SetSimulationValues_70());
    case OP_Counters: return fan.getCounters();
    case OP_SecLogCnt: return fan.getSecLogCnt(a, b, c);
    }
    return false;
}

} // namespace

class tst_Fan_70_PC : public QObject
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
    void simulationValues();
    void userTextNamesTheFamily();

private:
    std::shared_ptr<CScriptedBinding> m_binding;
    std::unique_ptr<CFan_70_PC> m_fan;
    CScriptedWire* m_wire = nullptr;
};

void tst_Fan_70_PC::init()
{
    m_binding = std::make_shared<CScriptedBinding>();
    m_fan = std::make_unique<CFan_70_PC>(m_binding);
    QVERIFY(m_fan->openPort("ttyACM0"));
    m_wire = &m_binding->scriptedWire();
}

void tst_Fan_70_PC::cleanup()
{
    m_fan.reset();
    m_binding.reset();
}

void tst_Fan_70_PC::family()
{
    const CFanBase& base = *m_fan;
    QCOMPARE(base.familyName(), QString("Zyvent plus"));
    QCOMPARE(base.familyType(), 1);
    QCOMPARE(QString(base.reasonName(4)), QString("VenCO2"));
    QCOMPARE(QString(base.reasonName(7)), QString("HCO2In"));
    QCOMPARE(QString(base.reasonName(8)), QString("- ?? -"));
}

void tst_Fan_70_PC::nothingWithoutPort_data()
{
    QTest::addColumn<int>("op");
    QTest::newRow("getPrimLog") << int(OP_PrimLog);
    QTest::newRow("getSecLog") << int(OP_SecLog);
    QTest::newRow("getCurrentState") << int(OP_CurrentState);
    QTest::newRow("setSimulationValues") << int(OP_Simulation);
    QTest::newRow("inherited getCounters") << int(OP_Counters);
    QTest::newRow("inherited getSecLogCnt") << int(OP_SecLogCnt);
}

void tst_Fan_70_PC::nothingWithoutPort()
{
    QFETCH(int, op);
    m_fan->closePort();
    m_wire->onNextPacket(WireFrames::ack());
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    QVERIFY(!Run(*m_fan, op));
    QVERIFY(m_wire->sentBytes().isEmpty());
    QCOMPARE(spy.count(), 0);
}

// Pages: the remaining count of each page; -1 is a page of the 100 family's
// size (186 bytes).
void tst_Fan_70_PC::primLog_data()
{
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("8 entries in two packets") << QList<int>{ 8, 1 } << true << 8 << QStringList();
    QTest::newRow("7 entries in one packet") << QList<int>{ 7 } << true << 7 << QStringList();
    QTest::newRow("empty log") << QList<int>{ 0 } << true << 0 << QStringList();
    QTest::newRow("a page of 186 bytes") << QList<int>{ -1 } << false << 0
        << QStringList{ "CFan_70_PC::getPrimLog: Packet size mismatch", "Expected: 200, got: 186" };
    QTest::newRow("second page of 186 bytes") << QList<int>{ 8, -1 } << false << 7
        << QStringList{ "CFan_70_PC::getPrimLog: Packet size mismatch", "Expected: 200, got: 186" };
}

void tst_Fan_70_PC::primLog()
{
    QFETCH(QList<int>, pages);
    QFETCH(bool, ok);
    QFETCH(int, count);
    QFETCH(QStringList, lines);

    for (int p = 0; p < pages.size(); ++p) {
        const QByteArray page = pages[p] < 0 ? PrimLogPage(1, 7 * p).left(186) : PrimLogPage(pages[p], 7 * p);
        m_wire->onNextPacket((p == 0 ? WireFrames::ack() : QByteArray()) + WireFrames::answer(page));
    }
    QVector<SPrimLogEntry_70> entries(3);
    CDebugCapture log;
    QCOMPARE(m_fan->getPrimLog(entries), ok);
    QCOMPARE(entries.size(), count);
    for (int i = 0; i < count; ++i)
        QCOMPARE(entries[i].toBytes(), Entry(i, 28));
    for (const QString& line : lines)
        QCOMPARE(log.count(line), 1);
    QCOMPARE(Data(m_wire->sentPackets().at(0)), Hex("0f"));
}

void tst_Fan_70_PC::secLog_data()
{
    QTest::addColumn<QList<int>>("remaining");
    QTest::addColumn<QList<int>>("spans");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("7 entries in two packets") << QList<int>{ 7, 2 } << QList<int>{ 2, 2 } << true << 7
                                              << QStringList();
    QTest::newRow("page of another span") << QList<int>{ 7 } << QList<int>{ 0 } << false << 0
        << QStringList{ "CFan_70_PC::getSecLog: time span mismatche!", "Expected: 2, received: 0" };
}

void tst_Fan_70_PC::secLog()
{
    QFETCH(QList<int>, remaining);
    QFETCH(QList<int>, spans);
    QFETCH(bool, ok);
    QFETCH(int, count);
    QFETCH(QStringList, lines);

    for (int p = 0; p < remaining.size(); ++p)
        m_wire->onNextPacket((p == 0 ? WireFrames::ack() : QByteArray())
                             + WireFrames::answer(SecLogPage(spans[p], remaining[p], 5 * p)));
    QVector<SSecLogEntry_70> entries;
    CDebugCapture log;
    QCOMPARE(m_fan->getSecLog(entries, CLogging_70::MTS_30Days, 7, 0x0110), ok);
    QCOMPARE(entries.size(), count);
    for (int i = 0; i < count; ++i)
        QCOMPARE(entries[i].toBytes(), Entry(i, 32));
    for (const QString& line : lines)
        QCOMPARE(log.count(line), 1);
    QCOMPARE(log.count("sizeof(SSecLogEntry_70): 32"), 1);
    QCOMPARE(Data(m_wire->sentPackets().at(0)), Hex("1402" "1001" "0700") + QByteArray(160, '\0'));
}

void tst_Fan_70_PC::currentState_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("30 bytes") << Hex("1300") + Entry(9, 28) << true << QStringList();
    QTest::newRow("28 bytes of the 100 family") << Hex("1300") + Entry(9, 26) << false
        << QStringList{ "CFan_70_PC::getCurrentState: Packet size mismatch", "Expected: 30, got: 28" };
    QTest::newRow("number 20") << Hex("1400") + Entry(9, 28) << false
        << QStringList{ "CFan_70_PC::getCurrentState: Received wrong packet" };
    QTest::newRow("silence") << QByteArray() << false
        << QStringList{ "CFan_70_PC::getCurrentState: Error getting the current state" };
}

void tst_Fan_70_PC::currentState()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, ok);
    QFETCH(QStringList, lines);

    m_wire->onNextPacket(WireFrames::ack() + (answer.isEmpty() ? QByteArray() : WireFrames::answer(answer)));
    SPrimLogEntry_70 entry;
    CDebugCapture log;
    QCOMPARE(m_fan->getCurrentState(entry), ok);
    QCOMPARE(entry.toBytes(), ok ? Entry(9, 28) : QByteArray(28, '\0'));
    for (const QString& line : lines)
        QCOMPARE(log.count(line), 1);
    QCOMPARE(Data(m_wire->sentPackets().at(0)), Hex("13"));
}

void tst_Fan_70_PC::simulationValues()
{
    SHLP_SetSimulationValues_70 values;
    values.m_ComfortLevel = 4;
    values.m_DIPSwitch = 0x18;
    values.m_Setting3 = 1;
    values.m_Setting4 = 2;
    values.m_Values[0] = 0x00A0;
    values.m_Values[11] = 0x0102;
    m_wire->onNextPacket(WireFrames::ack());
    CDebugCapture log;
    QVERIFY(m_fan->setSimulationValues(values));
    QCOMPARE(log.count("sizeof(SHLP_SetSimulationValues_70)30"), 1);
    const CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(Data(request), Hex("100418010200" "a000") + QByteArray(20, '\0') + Hex("0201"));
    QVERIFY(!request.IsRetry());

    QVERIFY(!m_fan->setSimulationValues(values));
    QCOMPARE(log.count("CFan_70::setSimulationValues: Error sending request for simulation values"), 1);
    QCOMPARE(m_wire->sentPackets().size(), 2);
}

void tst_Fan_70_PC::userTextNamesTheFamily()
{
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    SPrimLogEntry_70 entry;
    {
        CDebugCapture quiet;
        QVERIFY(!m_fan->getCurrentState(entry));
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QString("Zyvent plus did not respond - "));
}

QTEST_GUILESS_MAIN(tst_Fan_70_PC)
#include "tst_Fan_70_PC.moc"
