// Secondary-log retrieval by the supervisor from the simulated unit into the
// log database: progress values, chunks and their ring indexes, the stored
// rows with their time stamps, a failure in the middle, retrieving twice,
// and ending the worker thread while a retrieval runs.

#include "RecordingDBMessenger.h"
#include "SupervisorRig.h"

#include "LittleEndian.h"

#include <QElapsedTimer>
#include <QtTest>

class tst_MainObjectSecLog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void retrieval_data();
    void retrieval();
    void failureInTheMiddleKeepsTheStoredChunks();
    void retrievingTwiceKeepsTheRowCount();
    void threadEndsWithinTwoSecondsDuringARetrieval();

private:
    void connectUnit(const SSimConfig& unit);

    std::unique_ptr<CSupervisorRig> m_pRig;
};

namespace {

using Chunk = QPair<int, int>;   // start index, count
constexpr int kLongWaitMs = 30000;

// The secondary-log requests (message 20) the unit received: start and count.
QList<Chunk> chunks(CUnitSimulator& sim)
{
    QList<Chunk> list;
    for (const SSimReceivedCommand& c : sim.receivedCommands()) {
        if (quint8(c.record.at(0)) != 20 || c.record.size() < 6)
            continue;
        const uint8_t* b = reinterpret_cast<const uint8_t*>(c.record.constData());
        list << Chunk(LE::get16(b + 2), LE::get16(b + 4));
    }
    return list;
}

QList<qint64> timestamps(const QStringList& rows)
{
    QList<qint64> list;
    for (const QString& row : rows)
        list << row.section(QLatin1Char('|'), 0, 0).toLongLong();
    return list;
}

} // namespace

void tst_MainObjectSecLog::init()
{
    m_pRig.reset(new CSupervisorRig);
}

void tst_MainObjectSecLog::cleanup()
{
    QVERIFY(m_pRig->stop());
    m_pRig.reset();
}

void tst_MainObjectSecLog::connectUnit(const SSimConfig& unit)
{
    SMainObjectConfig config = m_pRig->shortPeriods();
    config.nPollPeriodMs = 600000;  // polls do not mix into the command log
    QVERIFY(m_pRig->start(unit, config));
    m_pRig->probe().setPort(m_pRig->devicePath());
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_States, QList<int>{3}, kLongWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_Values.size(), 1, kLongWaitMs);
    m_pRig->sim().clearReceivedCommands();
}

void tst_MainObjectSecLog::retrieval_data()
{
    QTest::addColumn<bool>("family70");
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("used");
    QTest::addColumn<int>("oldest");
    QTest::addColumn<QList<int>>("progress");
    QTest::addColumn<QList<Chunk>>("chunks");
    QTest::addColumn<qint64>("firstTimestamp");

    // Clock 2026-02-03 07:31:40 UTC. Quarter hours: the newest record sits in
    // the middle of 07:15-07:30, at 07:22:30 (1770103350); days: 2026-02-02
    // 12:00 (1770033600); the oldest lies used - 1 periods earlier.
    QTest::newRow("no records") << false << 0 << 2000 << 0 << 0 << QList<int>{0, -2, -1} << QList<Chunk>{}
                                << qint64(0);
    QTest::newRow("25 quarter hours") << false << 0 << 2000 << 25 << 0 << QList<int>{0, 0, 40, 80, -1}
                                      << QList<Chunk>{{0, 10}, {10, 10}, {20, 5}} << qint64(1770081750);
    QTest::newRow("25 days across the ring's end") << false << 1 << 96 << 25 << 90 << QList<int>{0, 0, 40, 80, -1}
                                                   << QList<Chunk>{{90, 10}, {4, 10}, {14, 5}} << qint64(1767960000);
    QTest::newRow("one record") << false << 0 << 2000 << 1 << 7 << QList<int>{0, 0, -1}
                                << QList<Chunk>{{7, 1}} << qint64(1770103350);
    QTest::newRow("exactly one chunk") << false << 0 << 2000 << 10 << 1990 << QList<int>{0, 0, -1}
                                       << QList<Chunk>{{1990, 10}} << qint64(1770095250);
    QTest::newRow("70 family, 12 quarter hours") << true << 0 << 2000 << 12 << 3 << QList<int>{0, 0, 83, -1}
                                                 << QList<Chunk>{{3, 10}, {13, 2}} << qint64(1770093450);
}

void tst_MainObjectSecLog::retrieval()
{
    QFETCH(bool, family70);
    QFETCH(int, span);
    QFETCH(int, capacity);
    QFETCH(int, used);
    QFETCH(int, oldest);
    QFETCH(QList<int>, progress);
    QFETCH(QList<Chunk>, chunks);
    QFETCH(qint64, firstTimestamp);

    SSimConfig unit = CSupervisorRig::frozenUnit();
    unit.identity.family70 = family70;
    unit.ringCapacity[span] = capacity;
    unit.ringCount[span] = used;
    unit.ringOldest[span] = oldest;
    connectUnit(unit);

    m_pRig->probe().retrieveSecLog(CLogging::EMaxTimeSpan(span));
    QTRY_VERIFY_WITH_TIMEOUT(m_pRig->probe().m_Progress.contains(-1), kLongWaitMs);
    QCOMPARE(m_pRig->probe().m_Progress, progress);
    QCOMPARE(m_pRig->probe().m_ProgressSpans, QVector<int>(progress.size(), span).toList());
    QCOMPARE(::chunks(m_pRig->sim()), chunks);
    QCOMPARE(m_pRig->probe().m_States, QList<int>{3});

    const QStringList rows = m_pRig->tableRows(family70 ? QStringLiteral("SecLogs70") : QStringLiteral("SecLogs"));
    QCOMPARE(rows.size(), used);
    const int nSpanSec = CLogging::periodSeconds(span);
    for (int i = 0; i < used; ++i)
        QCOMPARE(timestamps(rows).at(i), firstTimestamp + qint64(i) * nSpanSec);
    QCOMPARE(rows, m_pRig->referenceRows(family70, span, used, firstTimestamp));
    QVERIFY(m_pRig->messenger().isEmpty());
}

void tst_MainObjectSecLog::failureInTheMiddleKeepsTheStoredChunks()
{
    SSimConfig unit = CSupervisorRig::frozenUnit();
    unit.ringCount[0] = 25;
    connectUnit(unit);
    // Runs in the worker thread as the first chunk's progress goes out: from
    // then on the unit answers nothing.
    CUnitSimulator* pSim = &m_pRig->sim();
    int nEmitted = 0;
    const QMetaObject::Connection faultSwitch = QObject::connect(m_pRig->mainObject(), &CMainObject::signalSecLogRetrievalProcess, m_pRig->mainObject(),
                     [pSim, &nEmitted](int, CLogging::EMaxTimeSpan) {
                         if (++nEmitted == 2)
                             pSim->setFault(SSimFaults::NoAnswer, 1.0);
                     }, Qt::DirectConnection);

    m_pRig->probe().retrieveSecLog(CLogging::MTS_15Min);
    QTRY_VERIFY_WITH_TIMEOUT(m_pRig->probe().m_Progress.contains(-3), kLongWaitMs);
    QCOMPARE(m_pRig->probe().m_Progress, (QList<int>{0, 0, -3}));
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_States, (QList<int>{3, 2}), kLongWaitMs);
    const QStringList rows = m_pRig->tableRows(QStringLiteral("SecLogs"));
    QCOMPARE(rows, m_pRig->referenceRows(false, 0, 10, 1770081750));
    QObject::disconnect(faultSwitch);
}

void tst_MainObjectSecLog::retrievingTwiceKeepsTheRowCount()
{
    SSimConfig unit = CSupervisorRig::frozenUnit();
    unit.ringCount[1] = 25;
    connectUnit(unit);

    m_pRig->probe().retrieveSecLog(CLogging::MTS_1Day);
    m_pRig->probe().retrieveSecLog(CLogging::MTS_1Day);
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_Progress.count(-1), 2, kLongWaitMs);
    QCOMPARE(m_pRig->probe().m_Progress, (QList<int>{0, 0, 40, 80, -1, 0, 0, 40, 80, -1}));
    const QStringList rows = m_pRig->tableRows(QStringLiteral("SecLogs"));
    QCOMPARE(rows.size(), 25);
    QCOMPARE(rows, m_pRig->referenceRows(false, 1, 25, 1767960000));
}

void tst_MainObjectSecLog::threadEndsWithinTwoSecondsDuringARetrieval()
{
    SSimConfig unit = CSupervisorRig::frozenUnit();
    unit.ringCapacity[0] = 2000;
    unit.ringCount[0] = 2000;
    unit.faults.lateAnswerMs = 100;     // 200 chunks: half a minute and more
    connectUnit(unit);
    m_pRig->sim().setFault(SSimFaults::LateAnswer, 1.0);

    m_pRig->probe().retrieveSecLog(CLogging::MTS_15Min);
    QTRY_VERIFY_WITH_TIMEOUT(m_pRig->probe().m_Progress.size() >= 3, kLongWaitMs);
    QElapsedTimer elapsed;
    elapsed.start();
    m_pRig->thread().requestEnd();
    QVERIFY(m_pRig->thread().wait(2000));
    qDebug() << "thread ended after" << elapsed.elapsed() << "ms";

    QCoreApplication::processEvents();
    QVERIFY(!m_pRig->probe().m_Progress.contains(-1));
    QVERIFY(!m_pRig->probe().m_Progress.contains(-3));
    // Whole chunks stay stored.
    const QStringList rows = m_pRig->tableRows(QStringLiteral("SecLogs"));
    QVERIFY(rows.size() >= 20);
    QVERIFY(rows.size() < 2000);
    QCOMPARE(rows.size() % 10, 0);
}

QTEST_GUILESS_MAIN(tst_MainObjectSecLog)
#include "tst_MainObjectSecLog.moc"
