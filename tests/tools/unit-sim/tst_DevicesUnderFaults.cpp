// The device objects against a misbehaving simulated unit over a real
// pseudo-terminal: under a mix of noise, corrupted answers and dropped
// acknowledgements every operation either reports failure or returns exactly
// the unit's data, within the link's time limits; a unit pulled out during an
// operation fails that operation cleanly, and after replugging a new openPort
// works. Silence limits are shortened so that failures cost little time.

#include "DeviceSimFixture.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

using namespace DeviceSim;

class tst_DevicesUnderFaults : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void mixedFaultsOverManyOperations_data();
    void mixedFaultsOverManyOperations();
    void unplugDuringOperation_data();
    void unplugDuringOperation();

private:
    enum EOutcome { Failed, Exact, WrongData };
    static EOutcome exactIf(bool same) { return same ? Exact : WrongData; }

    void start(const SSimConfig& config, const QString& portName = QString());
    EOutcome runOperation(int op, QString* what);
    template <class TFan, class TPrim, class TSec, class TSpan>
    EOutcome runFamilyOperation(TFan& fan, int op, QString* what);
    CUnitSimulator& sim() { return m_Unit->simulator(); }

    std::unique_ptr<CUnitSimThread> m_Unit;
    std::unique_ptr<CFanBase> m_Fan;
};

namespace {

// Empty polls of about 1 ms that end a wait; the unit answers within a few.
constexpr UINT16 kSilencePolls = 60;
constexpr int kIdentTimeoutMs = 300;
// No operation may take longer: even its worst case (three request attempts
// and ten answer packets, each ending in silence) is far below this.
constexpr qint64 kOperationLimitMs = 8000;

constexpr int kSpan = 0;
constexpr int kOperationKinds = 6;

} // namespace

void tst_DevicesUnderFaults::start(const SSimConfig& config, const QString& portName)
{
    m_Fan.reset();
    m_Unit.reset(new CUnitSimThread(config));
    QVERIFY(m_Unit->startUnit());
    m_Fan = makeDevice(config.identity.family70);
    m_Fan->setLinkSilencePolls(kSilencePolls);
    m_Fan->setIdentTimeout(kIdentTimeoutMs);
    QVERIFY(m_Fan->openPort(portName.isEmpty() ? m_Unit->devicePath() : portName));
}

void tst_DevicesUnderFaults::cleanup()
{
    m_Fan.reset();
    m_Unit.reset();
}

// One device operation of the rotation: Failed when it reported failure,
// otherwise whether its data is exactly the unit's truth.
template <class TFan, class TPrim, class TSec, class TSpan>
tst_DevicesUnderFaults::EOutcome tst_DevicesUnderFaults::runFamilyOperation(TFan& fan, int op, QString* what)
{
    switch (op % kOperationKinds) {
    case 0: {
        *what = QStringLiteral("current state");
        TPrim entry;
        if (!fan.getCurrentState(entry))
            return Failed;
        return exactIf(entry.toBytes() == sim().currentEntry());
    }
    case 1: {
        *what = QStringLiteral("log counts");
        UINT16 capacity[3] = {}, count[3] = {}, oldest[3] = {};
        if (!fan.getSecLogCnt(capacity, count, oldest))
            return Failed;
        bool same = true;
        for (int span = 0; span < 3; ++span) {
            int c = 0, n = 0, o = 0;
            sim().ringInfo(span, &c, &n, &o);
            same = same && capacity[span] == c && count[span] == n && oldest[span] == o;
        }
        return exactIf(same);
    }
    case 2: {
        *what = QStringLiteral("secondary-log page");
        const int start = (op * 10) % 960;
        QVector<TSec> entries;
        if (!fan.getSecLog(entries, TSpan(kSpan), 10, UINT16(start)))
            return Failed;
        bool same = entries.size() == 10;
        for (int k = 0; same && k < 10; ++k)
            same = entries.at(k).toBytes() == sim().secLogSlot(kSpan, start + k);
        return exactIf(same);
    }
    case 3:
        *what = QStringLiteral("counters");
        if (!fan.getCounters())
            return Failed;
        return exactIf(fan.counters() == sim().counters());
    case 4: {
        *what = QStringLiteral("primary log");
        QVector<TPrim> entries;
        if (!fan.getPrimLog(entries))
            return Failed;
        return exactIf(imagesOf(entries) == sim().primLog());
    }
    default: {
        *what = QStringLiteral("identification");
        SHLP_IdentData ident;
        if (!fan.getIdentData(ident))
            return Failed;
        return exactIf(ident.toBytes() == sim().identityRecord());
    }
    }
}

tst_DevicesUnderFaults::EOutcome tst_DevicesUnderFaults::runOperation(int op, QString* what)
{
    if (auto* fan70 = qobject_cast<CFan_70_PC*>(m_Fan.get()))
        return runFamilyOperation<CFan_70_PC, SPrimLogEntry_70, SSecLogEntry_70, CLogging_70::EMaxTimeSpan>(
            *fan70, op, what);
    return runFamilyOperation<CFan, SPrimLogEntry, SSecLogEntry, CLogging::EMaxTimeSpan>(
        static_cast<CFan&>(*m_Fan), op, what);
}

void tst_DevicesUnderFaults::mixedFaultsOverManyOperations_data()
{
    QTest::addColumn<bool>("family70");
    QTest::addColumn<bool>("allFaults");
    // Far below what a run reaches (about 900 and 600): the faults must not
    // break more than they touch. Every fault at a few percent per packet
    // fails most ten-packet counter reads.
    QTest::addColumn<int>("minSucceeded");
    QTest::newRow("100 family: noise, corrupted answers, dropped ACKs") << false << false << 700;
    QTest::newRow("70 family: noise, corrupted answers, dropped ACKs") << true << false << 700;
    QTest::newRow("100 family: every fault") << false << true << 300;
    QTest::newRow("70 family: every fault") << true << true << 300;
}

void tst_DevicesUnderFaults::mixedFaultsOverManyOperations()
{
    QFETCH(bool, family70);
    QFETCH(bool, allFaults);
    QFETCH(int, minSucceeded);
    SSimConfig config = frozenConfig(family70);
    config.seed = family70 ? 70 : 100;
    start(config);
    SSimFaults faults;
    faults.rate[SSimFaults::Noise] = 0.04;
    faults.rate[SSimFaults::CorruptCrc] = 0.03;
    faults.rate[SSimFaults::DropAck] = 0.03;
    if (allFaults) {
        faults.rate[SSimFaults::NoAnswer] = 0.01;
        faults.rate[SSimFaults::LateAnswer] = 0.02;
        faults.rate[SSimFaults::WrongNumber] = 0.02;
        faults.rate[SSimFaults::WrongSize] = 0.02;
        faults.rate[SSimFaults::DebugMsg] = 0.05;
        // Near the silence limit: sometimes within it, sometimes beyond.
        faults.lateAnswerMs = 50;
    }
    sim().setFaults(faults);

    int succeeded = 0;
    int failed = 0;
    QElapsedTimer timer;
    for (int op = 0; op < 1000; ++op) {
        QString what;
        timer.start();
        const EOutcome outcome = runOperation(op, &what);
        const qint64 ms = timer.elapsed();
        QVERIFY2(ms < kOperationLimitMs, qPrintable(QStringLiteral("%1 took %2 ms").arg(what).arg(ms)));
        QVERIFY2(outcome != WrongData, qPrintable(QStringLiteral("operation %1 (%2) reported success with other data than the unit's").arg(op).arg(what)));
        outcome == Exact ? ++succeeded : ++failed;
    }
    qDebug() << "succeeded" << succeeded << "failed" << failed;
    QVERIFY(succeeded >= minSucceeded);
    QVERIFY(failed > 0);
}

void tst_DevicesUnderFaults::unplugDuringOperation_data()
{
    QTest::addColumn<bool>("viaLink");
    QTest::newRow("replugged at a new device path") << false;
    QTest::newRow("same link path, after the empty candidate") << true;
}

void tst_DevicesUnderFaults::unplugDuringOperation()
{
    QFETCH(bool, viaLink);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SSimConfig config = frozenConfig(false);
    config.linkPath = dir.filePath(QStringLiteral("zyvent"));
    // The answer comes late, so the operation is surely still waiting when the cable goes.
    config.faults.rate[SSimFaults::LateAnswer] = 1.0;
    config.faults.lateAnswerMs = 2000;
    start(config, viaLink ? config.linkPath : QString());
    // Longer than the pull takes, so the operation is surely still waiting.
    m_Fan->setLinkSilencePolls(600);
    CFan& fan = static_cast<CFan&>(*m_Fan);
    const QString firstDevice = m_Unit->devicePath();

    std::thread puller([this]() {
        QThread::msleep(150);
        sim().unplug();
    });
    QElapsedTimer timer;
    timer.start();
    SPrimLogEntry entry;
    const bool ok = fan.getCurrentState(entry);
    const qint64 ms = timer.elapsed();
    puller.join();
    QVERIFY(!ok);
    QVERIFY2(ms < kOperationLimitMs, qPrintable(QString::number(ms)));
    QVERIFY(!sim().isPlugged());
    m_Fan->setLinkSilencePolls(kSilencePolls);
    QVERIFY(!fan.getCurrentState(entry));

    sim().setFault(SSimFaults::LateAnswer, 0.0);
    if (viaLink)
        QVERIFY(!fan.openPort(QString()));   // discovery finds no unit: the port is closed
    QVERIFY(sim().plugIn());
    const QString portName = viaLink ? config.linkPath : m_Unit->devicePath();
    // Without the empty candidate the port still holds the old terminal open,
    // so its number is not given out again: the name is a new one.
    QVERIFY(viaLink || m_Unit->devicePath() != firstDevice);
    QVERIFY(fan.openPort(portName));
    QCOMPARE(fan.portName(), portName);
    QVERIFY(fan.getCurrentState(entry));
    QCOMPARE(entry.toBytes(), sim().currentEntry());
    SHLP_IdentData ident;
    QVERIFY(fan.getIdentData(ident));
    QCOMPARE(ident.toBytes(), sim().identityRecord());
}

QTEST_GUILESS_MAIN(tst_DevicesUnderFaults)
#include "tst_DevicesUnderFaults.moc"
