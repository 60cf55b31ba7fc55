#include "PC/FanBase.h"

#include "DebugCapture.h"
#include "ScriptedBinding.h"
#include "WireFrames.h"

#include <QSignalSpy>
#include <QtTest>

// The operations of both families with a request and an answer, on the
// scripted wire: what goes out, what an accepted answer gives, and how a
// short, long, wrong-numbered or missing answer is refused.

namespace {

class CTestFan : public CFanBase
{
public:
    using CFanBase::CFanBase;
    QString familyName() const override { return QStringLiteral("Zyvent100"); }
    int familyType() const override { return 0; }
};

enum EOp {
    OP_GetTimer,
    OP_GetCounters,
    OP_ReadCounter,
    OP_ReportMemory,
    OP_CheckSecLog,
    OP_GetSecLogCnt,
    OP_EraseSecLog,
    OP_CalcAveSenVal,
    OP_SendCommand,
    OP_GetIdentData,
    OP_SetSerialNumber,
    OP_WriteCounter,
    OP_StartApplication
};

bool Run(CFanBase& fan, int op)
{
    UINT16 ms = 0, days = 0;
    UINT8 s = 0, min = 0, h = 0;
    UINT32 value = 7;
    QVector<unsigned char> bytes;
    quint8 result = 0;
    UINT16 a[3], b[3], c[3];
    SHLP_IdentData ident;
    switch (EOp(op)) {
    case OP_GetTimer: return fan.getTimer(&ms, &s, &min, &h, &days);
    case OP_GetCounters: return fan.getCounters();
    case OP_ReadCounter: return fan.readWriteCounterValue(CPersCounter_ReadOnly::CNT_DeIcingMinSwitchOffTemp, &value, false);
    case OP_WriteCounter: return fan.readWriteCounterValue(CPersCounter_ReadOnly::CNT_DeIcingMinSwitchOffTemp, &value, true);
    case OP_ReportMemory: return fan.reportMemory(0x100, 4, bytes);
    case OP_CheckSecLog: return fan.checkSecLog(CLogging::MTS_1Day, result);
    case OP_GetSecLogCnt: return fan.getSecLogCnt(a, b, c);
    case OP_EraseSecLog: return fan.eraseSecLog(CLogging::MTS_30Days);
    case OP_CalcAveSenVal: return fan.calcAveSenVal();
    case OP_SendCommand: return fan.sendCommand(22);
    case OP_GetIdentData: return fan.getIdentData(ident);
    case OP_SetSerialNumber: return fan.setSerialNumber(1234);
    case OP_StartApplication: return fan.startApplication(1);
    }
    return false;
}

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray Zeros(int n) { return QByteArray(n, '\0'); }

} // namespace

class tst_FanBaseExchanges : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nothingWithoutPort_data();
    void nothingWithoutPort();
    void acceptance_data();
    void acceptance();
    void getTimer();
    void reportMemory_data();
    void reportMemory();
    void checkSecLog();
    void getSecLogCnt();
    void eraseSecLog();
    void calcAveSenVal();

private:
    std::shared_ptr<CScriptedBinding> m_binding;
    std::unique_ptr<CTestFan> m_fan;
    CScriptedWire* m_wire = nullptr;
};

void tst_FanBaseExchanges::init()
{
    m_binding = std::make_shared<CScriptedBinding>();
    m_fan = std::make_unique<CTestFan>(m_binding);
    QVERIFY(m_fan->openPort("ttyACM0"));
    m_wire = &m_binding->scriptedWire();
}

void tst_FanBaseExchanges::cleanup()
{
    m_fan.reset();
    m_binding.reset();
}

void tst_FanBaseExchanges::nothingWithoutPort_data()
{
    QTest::addColumn<int>("op");
    QTest::newRow("getTimer") << int(OP_GetTimer);
    QTest::newRow("getCounters") << int(OP_GetCounters);
    QTest::newRow("readWriteCounterValue, read") << int(OP_ReadCounter);
    QTest::newRow("readWriteCounterValue, write") << int(OP_WriteCounter);
    QTest::newRow("reportMemory") << int(OP_ReportMemory);
    QTest::newRow("checkSecLog") << int(OP_CheckSecLog);
    QTest::newRow("getSecLogCnt") << int(OP_GetSecLogCnt);
    QTest::newRow("eraseSecLog") << int(OP_EraseSecLog);
    QTest::newRow("calcAveSenVal") << int(OP_CalcAveSenVal);
    QTest::newRow("sendCommand") << int(OP_SendCommand);
    QTest::newRow("getIdentData") << int(OP_GetIdentData);
    QTest::newRow("setSerialNumber") << int(OP_SetSerialNumber);
    QTest::newRow("startApplication") << int(OP_StartApplication);
}

void tst_FanBaseExchanges::nothingWithoutPort()
{
    QFETCH(int, op);
    m_fan->closePort();
    // A unit that would answer anything: it must not be asked.
    m_wire->onNextPacket(WireFrames::ack());
    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    QVERIFY(!Run(*m_fan, op));
    QVERIFY(m_wire->sentBytes().isEmpty());
    QCOMPARE(m_wire->sleptMs(), qint64(0));
    QCOMPARE(spy.count(), 0);
}

// Each row: the answer the unit gives after acknowledging the request; an
// empty answer is silence.
void tst_FanBaseExchanges::acceptance_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("lines");

    const QByteArray timer = Hex("0e3412050607" "0201");
    QTest::newRow("timer, 8 bytes") << int(OP_GetTimer) << timer << true << QStringList();
    QTest::newRow("timer, one byte short") << int(OP_GetTimer) << timer.left(7) << false
        << QStringList{ "CFan::getTimer: Packet size mismatch", "Expected: 8, got: 7" };
    QTest::newRow("timer, one byte long") << int(OP_GetTimer) << timer + Zeros(1) << false
        << QStringList{ "CFan::getTimer: Packet size mismatch", "Expected: 8, got: 9" };
    QTest::newRow("timer, number 13 with 8 bytes") << int(OP_GetTimer) << Hex("0d3412050607" "0201") << false
        << QStringList{ "CFan::getTimer: Received wrong packet" };
    QTest::newRow("timer, silence") << int(OP_GetTimer) << QByteArray() << false
        << QStringList{ "CFan::getTimer: Error getting the timer" };

    QTest::newRow("counters, 36 bytes") << int(OP_GetCounters) << Hex("0d00000000") + Zeros(31) << false
        << QStringList{ "CFan::getCounters: Packet size mismatch", "Expected: 37, got: 36" };
    QTest::newRow("counters, number 14 with 37 bytes") << int(OP_GetCounters) << Hex("0e00000000") + Zeros(32)
        << false << QStringList{ "CFan::getCounters: Received wrong packet" };
    QTest::newRow("counters, silence") << int(OP_GetCounters) << QByteArray() << false
        << QStringList{ "CFan::getCounters: Error getting the persistant counters" };

    QTest::newRow("counter, 8 bytes") << int(OP_ReadCounter) << Hex("1b270005000000" "00") << false
        << QStringList{ "CFan::counterValue:: Packet size mismatch", "Expected: 7, got: 8" };
    QTest::newRow("counter, 6 bytes") << int(OP_ReadCounter) << Hex("1b2700050000") << false
        << QStringList{ "CFan::counterValue:: Packet size mismatch", "Expected: 7, got: 6" };
    QTest::newRow("counter, number 26 with 7 bytes") << int(OP_ReadCounter) << Hex("1a270005000000") << false
        << QStringList{ "CFan::counterValue: Received wrong packet" };
    QTest::newRow("counter, silence") << int(OP_ReadCounter) << QByteArray() << false
        << QStringList{ "CFan::counterValue: Error getting the result package" };

    QTest::newRow("check, 3 bytes") << int(OP_CheckSecLog) << Hex("170100") << true << QStringList();
    QTest::newRow("check, 4 bytes") << int(OP_CheckSecLog) << Hex("17010000") << false
        << QStringList{ "CFan::checkSecLog:: Packet size mismatch", "Expected: 3, got: 4" };
    QTest::newRow("check, number 24 with 3 bytes") << int(OP_CheckSecLog) << Hex("180100") << false
        << QStringList{ "CFan::checkSecLog: Received wrong packet" };
    QTest::newRow("check, silence") << int(OP_CheckSecLog) << QByteArray() << false
        << QStringList{ "CFan::checkSecLog: Error getting the result package" };

    QTest::newRow("count, 19 bytes") << int(OP_GetSecLogCnt) << Hex("18") + Zeros(18) << false
        << QStringList{ "CFan::getSecLogCnt: Packet size mismatch", "Expected: 20, got: 19" };
    QTest::newRow("count, number 23 with 20 bytes") << int(OP_GetSecLogCnt) << Hex("17") + Zeros(19) << false
        << QStringList{ "CFan::getSecLogCnt: Received wrong packet" };
    QTest::newRow("count, silence") << int(OP_GetSecLogCnt) << QByteArray() << false
        << QStringList{ "CFan::getSecLogCnt: Error getting the result package" };

    QTest::newRow("memory, number 13") << int(OP_ReportMemory) << Hex("0d0102") << false
        << QStringList{ "CFan::reportMemory: Received wrong packet" };
    QTest::newRow("memory, silence") << int(OP_ReportMemory) << QByteArray() << false
        << QStringList{ "CFan::reportMemory: Error getting the memory dump" };
}

void tst_FanBaseExchanges::acceptance()
{
    QFETCH(int, op);
    QFETCH(QByteArray, answer);
    QFETCH(bool, ok);
    QFETCH(QStringList, lines);

    m_wire->onNextPacket(WireFrames::ack() + (answer.isEmpty() ? QByteArray() : WireFrames::answer(answer)));
    CDebugCapture log;
    QCOMPARE(Run(*m_fan, op), ok);
    for (const QString& line : lines)
        QVERIFY2(log.count(line) == 1, qPrintable(line + " in\n" + log.lines().join('\n')));
    // Accepted or not, an answer that arrived is acknowledged.
    QCOMPARE(m_wire->sentPackets().size(), answer.isEmpty() ? 1 : 2);
}

void tst_FanBaseExchanges::getTimer()
{
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(Hex("0e3412050607" "0201")));
    UINT16 ms = 0, days = 0;
    UINT8 s = 0, min = 0, h = 0;
    QVERIFY(m_fan->getTimer(&ms, &s, &min, &h, &days));
    QCOMPARE(m_wire->sentPackets().at(0).GetId(), UINT16(0x010E));
    QVERIFY(m_wire->sentPackets().at(0).IsRetry());
    QCOMPARE(ms, UINT16(0x1234));
    QCOMPARE(s, UINT8(5));
    QCOMPARE(min, UINT8(6));
    QCOMPARE(h, UINT8(7));
    QCOMPARE(days, UINT16(0x0102));

    // Null pointers are skipped.
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(Hex("0e3412050607" "0201")));
    QVERIFY(m_fan->getTimer(nullptr, nullptr, nullptr, nullptr, nullptr));
}

void tst_FanBaseExchanges::reportMemory_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("memory");
    QTest::newRow("three bytes") << Hex("0caabbcc") << Hex("aabbcc");
    QTest::newRow("number only") << Hex("0c") << QByteArray();
    QTest::newRow("more than asked for") << Hex("0c") + QByteArray(150, '\x5a') << QByteArray(150, '\x5a');
}

void tst_FanBaseExchanges::reportMemory()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, memory);
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(answer));
    QVector<unsigned char> bytes(3, 0xEE);
    QVERIFY(m_fan->reportMemory(0x12345678, -2, bytes));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.constData()), bytes.size()), memory);
    const CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(request.GetData()), request.GetLength()),
             Hex("0c78563412feffffff"));
    QVERIFY(!request.IsRetry());
}

void tst_FanBaseExchanges::checkSecLog()
{
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(Hex("170105")));
    CDebugCapture log;
    quint8 result = 0;
    QVERIFY(m_fan->checkSecLog(CLogging::MTS_1Day, result));
    QCOMPARE(result, quint8(5));
    QCOMPARE(log.count("sizeof(SHLP_CheckSecLog)3"), 1);
    const CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(request.GetData()), request.GetLength()), Hex("170100"));
}

void tst_FanBaseExchanges::getSecLogCnt()
{
    // capacity 960, 365, 120; count 10, 0, 0x0102; oldest 1, 2, 3
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(
        Hex("1800" "c0036d017800" "0a0000000201" "010002000300")));
    UINT16 capacity[3] = {}, count[3] = {}, oldest[3] = {};
    QVERIFY(m_fan->getSecLogCnt(capacity, count, oldest));
    QCOMPARE(QVector<UINT16>(capacity, capacity + 3), (QVector<UINT16>{ 960, 365, 120 }));
    QCOMPARE(QVector<UINT16>(count, count + 3), (QVector<UINT16>{ 10, 0, 0x0102 }));
    QCOMPARE(QVector<UINT16>(oldest, oldest + 3), (QVector<UINT16>{ 1, 2, 3 }));
    const CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(request.GetData()), request.GetLength()), Hex("18") + Zeros(19));
}

void tst_FanBaseExchanges::eraseSecLog()
{
    m_wire->onNextPacket(WireFrames::ack());
    QVERIFY(m_fan->eraseSecLog(CLogging::MTS_30Days));
    const CLLProtocolPacket request = m_wire->sentPackets().at(0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(request.GetData()), request.GetLength()), Hex("1502"));
    QVERIFY(!request.IsRetry());

    CDebugCapture log;
    QVERIFY(!m_fan->eraseSecLog(CLogging::MTS_15Min));
    QCOMPARE(log.count("CFan::eraseSecLog: Error sending request for secondary log"), 1);
}

void tst_FanBaseExchanges::calcAveSenVal()
{
    m_wire->onNextPacket(WireFrames::ack());
    QVERIFY(m_fan->calcAveSenVal());
    QCOMPARE(m_wire->sentPackets().at(0).GetId(), UINT16(0x0116));

    QSignalSpy spy(m_fan.get(), &CFanBase::signalUserInfo);
    CDebugCapture log;
    QVERIFY(!m_fan->calcAveSenVal());
    QCOMPARE(log.count("CFan::calcAveSenVal: Error sending request for calculate sensor values"), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QString("Zyvent100 did not respond - "));
}

QTEST_GUILESS_MAIN(tst_FanBaseExchanges)
#include "tst_FanBaseExchanges.moc"
