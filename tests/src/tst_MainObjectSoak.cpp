// The supervisor under the simulated unit's fault injection for some hundred
// polls, with secondary-log retrievals in between: no emitted value set ever
// differs from the unit's truth, the state only moves between 2 and 3, and
// every stored row is the row of the unit's true record at its time stamp.

#include "RecordingDBMessenger.h"
#include "SupervisorRig.h"

#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

class tst_MainObjectSoak : public QObject
{
    Q_OBJECT
private slots:
    void faultsNeverGiveWrongValues_data();
    void faultsNeverGiveWrongValues();
};

namespace {

constexpr int kPolls = 300;
constexpr int kRetrievalEvery = 60;         // emitted value sets
constexpr int kWallLimitMs = 120000;
constexpr int kDayRecords = 40;
// Day records: the newest at 2026-02-02 12:00 UTC, the oldest 39 days before.
constexpr qint64 kFirstDay = 1766664000;

} // namespace

void tst_MainObjectSoak::faultsNeverGiveWrongValues_data()
{
    QTest::addColumn<QList<int>>("faults");
    QTest::addColumn<double>("rate");

    QTest::newRow("noise, corrupted answers, dropped ACKs")
        << QList<int>{SSimFaults::Noise, SSimFaults::CorruptCrc, SSimFaults::DropAck} << 0.05;
    QTest::newRow("debug messages between request and acknowledgement, noise, corrupted answers")
        << QList<int>{SSimFaults::DebugMsg, SSimFaults::Noise, SSimFaults::CorruptCrc} << 0.03;
    // A refused packet of the ten-packet counter answer leaves the rest of
    // that answer on its way: the next poll must not read it as its own.
    QTest::newRow("answers with another number or size")
        << QList<int>{SSimFaults::WrongNumber, SSimFaults::WrongSize} << 0.03;
}

void tst_MainObjectSoak::faultsNeverGiveWrongValues()
{
    QFETCH(QList<int>, faults);
    QFETCH(double, rate);

    CSupervisorRig rig;
    SSimConfig unit = CSupervisorRig::frozenUnit();
    unit.ringCapacity[1] = 400;
    unit.ringCount[1] = kDayRecords;
    unit.seed = 7;
    // An answer the PC has refused stops being re-sent before the next poll,
    // as with the program's 11 s period and the unit's 1.5 s.
    unit.ackTimeoutMs = 50;
    for (int fault : faults)
        unit.faults.rate[fault] = rate;
    SMainObjectConfig config = rig.shortPeriods();
    config.nPollPeriodMs = 60;
    config.nLinkSilencePolls = 100;
    config.nIdentTimeoutMs = 1500;
    QVERIFY(rig.start(unit, config));
    const CFanValues truth = rig.truth100();
    const QVector<quint32> counters = rig.sim().counters();
    const QStringList referenceRows = rig.referenceRows(false, 1, kDayRecords, kFirstDay);
    QCOMPARE(referenceRows.size(), kDayRecords);

    CSupervisorProbe& probe = rig.probe();
    probe.setPort(rig.devicePath());
    QElapsedTimer wall;
    wall.start();
    int nRetrievals = 0;
    while (probe.m_Values.size() < kPolls && wall.elapsed() < kWallLimitMs) {
        QTest::qWait(50);
        if (probe.m_Values.size() >= (nRetrievals + 1) * kRetrievalEvery) {
            probe.retrieveSecLog(CLogging::MTS_1Day);
            ++nRetrievals;
        }
    }
    QVERIFY2(probe.m_Values.size() >= kPolls, qPrintable(QStringLiteral("%1 polls").arg(probe.m_Values.size())));
    QVERIFY(rig.stop());
    QCoreApplication::processEvents();

    for (const SEmittedValues& e : probe.m_Values) {
        QVERIFY(!e.bFamily70);
        QVERIFY(e.values.hasValidChecksum());
        QVERIFY(CSupervisorRig::sameValues(e.values, truth));
        QCOMPARE(e.nSerialNr, 1234567);
        QCOMPARE(e.strHWVer, QStringLiteral("4"));
        // Boot loader version when identified on the port change, application version by a tick.
        QVERIFY(e.strBootlVer == QStringLiteral("1.07") || e.strBootlVer == QStringLiteral("3.05"));
        QCOMPARE(e.nOperatingHours, int(counters.at(1)));
        QCOMPARE(e.nFilterHours, int(counters.at(2)));
        QCOMPARE(e.nFanCmdsSucceeded, counters.at(43));
        QCOMPARE(e.nFanCmdsFailed, counters.at(44));
        // No network configured: signal 0, or 100 when message 26 failed.
        QVERIFY(e.iRSSI == 0 || e.iRSSI == 100);
    }
    QVERIFY(!probe.m_States.isEmpty());
    for (int state : probe.m_States)
        QVERIFY2(state == 2 || state == 3, qPrintable(QString::number(state)));
    for (int i = 1; i < probe.m_States.size(); ++i)
        QVERIFY(probe.m_States.at(i) != probe.m_States.at(i - 1));   // reported on a change only
    qDebug() << probe.m_Values.size() << "value sets," << probe.m_States.count(2) << "errors in"
             << wall.elapsed() << "ms; progress" << probe.m_Progress;

    QVERIFY(nRetrievals > 0);
    const QStringList rows = rig.tableRows(QStringLiteral("SecLogs"));
    QVERIFY(!rows.isEmpty());
    const QSet<QString> reference(referenceRows.begin(), referenceRows.end());
    for (const QString& row : rows)
        QVERIFY2(reference.contains(row), qPrintable(row));
    QVERIFY(rig.messenger().isEmpty());
}

QTEST_GUILESS_MAIN(tst_MainObjectSoak)
#include "tst_MainObjectSoak.moc"
