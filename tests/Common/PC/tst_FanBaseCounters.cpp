#include "PC/FanBase.h"

#include "DebugCapture.h"
#include "ScriptedBinding.h"
#include "WireFrames.h"

#include <QLocale>
#include <QtTest>
#include <QTextEdit>

// Persistent counters: the multi-packet read with its remaining counts, the
// names and values by identifier, and reading or writing a single counter.

namespace {

class CTestFan : public CFanBase
{
public:
    using CFanBase::CFanBase;
    QString familyName() const override { return QStringLiteral("Zyvent100"); }
    int familyType() const override { return 0; }
};

QByteArray Le32(quint32 v)
{
    QByteArray out;
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
    return out;
}

// One 37-byte counters answer: 13, remaining count, eight values from first on.
QByteArray CountersPage(quint32 remaining, quint32 first)
{
    QByteArray page(1, '\x0d');
    page += Le32(remaining);
    for (quint32 i = 0; i < 8; ++i)
        page += Le32(first + i);
    return page;
}

QByteArray Data(const CLLProtocolPacket& packet)
{
    return QByteArray(reinterpret_cast<const char*>(packet.GetData()), packet.GetLength());
}

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

const quint32 kBase = 1000;

} // namespace

class tst_FanBaseCounters : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pages_data();
    void pages();
    void failureKeepsWhatArrived();
    void pageOutOfSequence_data();
    void pageOutOfSequence();
    void restOfRefusedAnswerIsDropped();
    void debugMessageBetweenOperationsIsShown();
    void names_data();
    void names();
    void catalogueNamesFollowTheLocale();
    void singleCounter_data();
    void singleCounter();
    void writeWithoutValueSendsNothing();

private:
    void ScriptCounters(const QList<quint32>& remaining);

    std::shared_ptr<CScriptedBinding> m_binding;
    std::unique_ptr<CTestFan> m_fan;
    CScriptedWire* m_wire = nullptr;
};

void tst_FanBaseCounters::init()
{
    m_binding = std::make_shared<CScriptedBinding>();
    m_fan = std::make_unique<CTestFan>(m_binding);
    QVERIFY(m_fan->openPort("ttyACM0"));
    m_wire = &m_binding->scriptedWire();
}

void tst_FanBaseCounters::cleanup()
{
    QLocale::setDefault(QLocale::c());
    m_fan.reset();
    m_binding.reset();
}

// The first page follows the request's ACK; each further one follows the
// PC's ACK of the page before. Page p carries the values kBase + 8p onwards.
void tst_FanBaseCounters::ScriptCounters(const QList<quint32>& remaining)
{
    for (int p = 0; p < remaining.size(); ++p)
        m_wire->onNextPacket((p == 0 ? WireFrames::ack() : QByteArray())
                             + WireFrames::answer(CountersPage(remaining[p], kBase + quint32(8 * p))));
}

void tst_FanBaseCounters::pages_data()
{
    QTest::addColumn<QList<quint32>>("remaining");
    QTest::addColumn<int>("count");

    QTest::newRow("74 counters in ten packets")
        << QList<quint32>{ 74, 66, 58, 50, 42, 34, 26, 18, 10, 2 } << 74;
    QTest::newRow("remaining 0 in the first packet") << QList<quint32>{ 0 } << 0;
    QTest::newRow("exactly one page") << QList<quint32>{ 8 } << 8;
    QTest::newRow("one page and one value") << QList<quint32>{ 9, 1 } << 9;
}

void tst_FanBaseCounters::pages()
{
    QFETCH(QList<quint32>, remaining);
    QFETCH(int, count);

    ScriptCounters(remaining);
    QVERIFY(m_fan->getCounters());
    QCOMPARE(m_fan->counters().size(), count);
    for (int i = 0; i < count; ++i)
        QCOMPARE(m_fan->counterValue(i), int(kBase) + i);
    QCOMPARE(m_fan->counterValue(count), -1);
    QCOMPARE(m_fan->counterName(count), QString());
    QCOMPARE(m_wire->sentPackets().size(), 1 + remaining.size()); // request and one ACK per page
    QCOMPARE(Data(m_wire->sentPackets().at(0)), Hex("0d"));
    QCOMPARE(m_wire->pendingReactions(), 0);
}

void tst_FanBaseCounters::failureKeepsWhatArrived()
{
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(CountersPage(74, kBase)));
    m_wire->onNextPacket(WireFrames::answer(CountersPage(66, kBase).left(36)));
    CDebugCapture log;
    QVERIFY(!m_fan->getCounters());
    QCOMPARE(log.count("CFan::getCounters: Packet size mismatch"), 1);
    QCOMPARE(m_fan->counters().size(), 8);

    // The next read starts afresh.
    ScriptCounters({ 0 });
    QVERIFY(m_fan->getCounters());
    QVERIFY(m_fan->counters().isEmpty());
}

// The link has no sequence numbers: after a request went out twice, the
// first page of the second answer may follow the first page of the first.
void tst_FanBaseCounters::pageOutOfSequence_data()
{
    QTest::addColumn<QList<quint32>>("remaining");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("line");

    QTest::newRow("first page repeated") << QList<quint32>{ 74, 74, 66 } << 8 << "Expected: 66, received: 74";
    QTest::newRow("a page skipped") << QList<quint32>{ 74, 66, 50 } << 16 << "Expected: 58, received: 50";
    QTest::newRow("more than announced") << QList<quint32>{ 10, 3 } << 8 << "Expected: 2, received: 3";
}

void tst_FanBaseCounters::pageOutOfSequence()
{
    QFETCH(QList<quint32>, remaining);
    QFETCH(int, kept);
    QFETCH(QString, line);

    ScriptCounters(remaining);
    CDebugCapture log;
    QVERIFY(!m_fan->getCounters());
    QCOMPARE(log.count("CFan::getCounters: Received wrong packet"), 1);
    QCOMPARE(log.count(line), 1);
    QCOMPARE(m_fan->counters().size(), kept);
}

// The PC acknowledges the refused page, so the unit sends its next one; that
// page is already waiting when the next request goes out and must not be
// taken for its acknowledgement.
void tst_FanBaseCounters::restOfRefusedAnswerIsDropped()
{
    QByteArray wrongNumber = CountersPage(74, kBase);
    wrongNumber[0] = '\x4d';
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(wrongNumber));
    m_wire->onNextPacket(WireFrames::answer(CountersPage(66, kBase + 8)));
    QVERIFY(!m_fan->getCounters());
    QCOMPARE(m_wire->sentPackets().size(), 2);

    ScriptCounters({ 9, 1 });
    CDebugCapture log;
    QVERIFY(m_fan->getCounters());
    QCOMPARE(m_fan->counters().size(), 9);
    QCOMPARE(m_fan->counterValue(8), int(kBase) + 8);
    QCOMPARE(log.count("Received non-ACK packet"), 0);
    QCOMPARE(m_wire->sentPackets().size(), 2 + 3);   // one request, two ACKs
    QCOMPARE(m_wire->pendingReactions(), 0);
}

// A debug message the unit sent while no operation ran still reaches the
// display when the next request clears the wire, next to a dropped leftover.
void tst_FanBaseCounters::debugMessageBetweenOperationsIsShown()
{
    QTextEdit display;
    m_fan->setDebugOutput(&display);
    m_wire->feed(WireFrames::answer(CountersPage(66, kBase)) + WireFrames::debugText("fan ok"));
    ScriptCounters({ 2 });
    CDebugCapture log;
    QVERIFY(m_fan->getCounters());
    QCOMPARE(display.toPlainText(), QString("fan ok"));
    QCOMPARE(log.count("Discarded bytes left over from an earlier exchange: 47"), 1);
    QCOMPARE(m_fan->counters().size(), 2);
}

void tst_FanBaseCounters::names_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");

    QTest::newRow("0") << 0 << "Number of Flash write cycles";
    QTest::newRow("11") << 11 << "Comfort level";
    QTest::newRow("12, catalogue 75") << 12 << "System value filter operating hours";
    QTest::newRow("21, catalogue 87") << 21 << "System value flap extract air";
    QTest::newRow("24, catalogue 84") << 24 << "System value flap bypass";
    QTest::newRow("29, catalogue 93") << 29 << "System value fire";
    QTest::newRow("35 keeps its double blank") << 35 << "The secondary log with 15 min  per log has been erased";
    QTest::newRow("36 keeps its double blanks") << 36 << "The secondary log with  1 day  per log has been erased";
    QTest::newRow("38, catalogue 89") << 38 << "System value air pressure sensor";
    QTest::newRow("39") << 39 << "Min. switch off temperature (de-icing)";
    QTest::newRow("44") << 44 << "Fan communication FCF";
    QTest::newRow("45 has no name") << 45 << QString();
    QTest::newRow("49 has no name") << 49 << QString();
    QTest::newRow("50, catalogue 95") << 50 << "System value flap extract air - not present";
    QTest::newRow("61, catalogue 116") << 61 << "System value flap extract air 2nd room - speed open";
    QTest::newRow("73, catalogue 118") << 73 << "System value flap bypass - speed open";
    QTest::newRow("-1") << -1 << QString();
}

void tst_FanBaseCounters::names()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QCOMPARE(m_fan->counterName(id), QString()); // nothing read yet
    ScriptCounters({ 74, 66, 58, 50, 42, 34, 26, 18, 10, 2 });
    QVERIFY(m_fan->getCounters());
    QCOMPARE(m_fan->counterName(id), name);
}

void tst_FanBaseCounters::catalogueNamesFollowTheLocale()
{
    ScriptCounters({ 74, 66, 58, 50, 42, 34, 26, 18, 10, 2 });
    QVERIFY(m_fan->getCounters());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(m_fan->counterName(12), QString("Systemwert Filterbetriebszeit"));
    QCOMPARE(m_fan->counterName(38), QString("Systemwert Luftdruck-Sensor"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QCOMPARE(m_fan->counterName(12), QString("System value filter operating hours"));
}

// Counter 39 (0x27). The unit's answer follows the request's ACK.
void tst_FanBaseCounters::singleCounter_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("nullValue");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("line");

    QTest::newRow("read") << false << false << Hex("1b270005000000") << Hex("1b2700ffffffff")
                          << true << 5u << QString();
    QTest::newRow("read into a null pointer") << false << true << Hex("1b270005000000")
                                              << Hex("1b2700ffffffff") << true << 0u << QString();
    QTest::newRow("write, echoed") << true << false << Hex("1b270116000000") << Hex("1b270116000000")
                                   << true << 22u << QString();
    QTest::newRow("write, other value echoed") << true << false << Hex("1b270115000000")
        << Hex("1b270116000000") << false << 22u
        << QString("CFan::counterValue (writing) received packet has wrong value");
    QTest::newRow("read, EError") << false << false << Hex("1b270205000000") << Hex("1b2700ffffffff")
        << false << 77u << QString("CFan::counterValue:: received packet has m_Action set to 'EError'");
    QTest::newRow("write, EError") << true << false << Hex("1b270216000000") << Hex("1b270116000000")
        << false << 22u << QString("CFan::counterValue:: received packet has m_Action set to 'EError'");
}

void tst_FanBaseCounters::singleCounter()
{
    QFETCH(bool, write);
    QFETCH(bool, nullValue);
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, request);
    QFETCH(bool, ok);
    QFETCH(quint32, value);
    QFETCH(QString, line);

    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(answer));
    UINT32 counter = write ? 22 : 77;
    CDebugCapture log;
    QCOMPARE(m_fan->readWriteCounterValue(CPersCounter_ReadOnly::CNT_DeIcingMinSwitchOffTemp,
                                          nullValue ? nullptr : &counter, write), ok);
    if (!nullValue)
        QCOMPARE(counter, value);
    QCOMPARE(log.count("sizeof(SHLP_ReadWriteSinglePersCounter)7"), 1);
    if (!line.isEmpty())
        QCOMPARE(log.count(line), 1);
    QCOMPARE(Data(m_wire->sentPackets().at(0)), request);
    QVERIFY(!m_wire->sentPackets().at(0).IsRetry());
}

void tst_FanBaseCounters::writeWithoutValueSendsNothing()
{
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(Hex("1b270100000000")));
    QVERIFY(!m_fan->readWriteCounterValue(CPersCounter_ReadOnly::CNT_DeIcingMinSwitchOffTemp, nullptr, true));
    QVERIFY(m_wire->sentBytes().isEmpty());
}

QTEST_MAIN(tst_FanBaseCounters)
#include "tst_FanBaseCounters.moc"
