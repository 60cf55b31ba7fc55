// A device object against a simulated unit that now and then answers with
// another message number or a record one byte too long or too short. Such an
// answer is refused; in a multi-packet answer the unit then goes on with its
// next packet, which the operation no longer reads. The link must not stay
// out of step afterwards: most operations keep succeeding to the end of the
// run, and every success carries exactly the unit's data.

#include "DeviceSimFixture.h"

#include <QThread>
#include <QtTest>

using namespace DeviceSim;

class tst_DevicesRecoverFromRefusedAnswers : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void keepsMakingProgress_data();
    void keepsMakingProgress();

private:
    enum EOutcome { Failed, Exact, WrongData };
    static EOutcome exactIf(bool same) { return same ? Exact : WrongData; }
    EOutcome runOperation(int op);
    CUnitSimulator& sim() { return m_Unit->simulator(); }

    std::unique_ptr<CUnitSimThread> m_Unit;
    std::unique_ptr<CFanBase> m_Fan;
};

namespace {

// Empty polls of about 1 ms that end a wait; the unit answers within a few.
constexpr UINT16 kSilencePolls = 100;
constexpr int kIdentTimeoutMs = 300;
constexpr int kOperations = 240;
constexpr int kLongestFailureRun = 6;

} // namespace

void tst_DevicesRecoverFromRefusedAnswers::cleanup()
{
    m_Fan.reset();
    m_Unit.reset();
}

// Ten-packet counter reads (where a refused packet leaves the rest of the
// answer behind) between single-packet reads.
tst_DevicesRecoverFromRefusedAnswers::EOutcome tst_DevicesRecoverFromRefusedAnswers::runOperation(int op)
{
    switch (op % 3) {
    case 0: {
        UINT16 capacity[3] = {}, count[3] = {}, oldest[3] = {};
        if (!m_Fan->getSecLogCnt(capacity, count, oldest))
            return Failed;
        bool same = true;
        for (int span = 0; span < 3; ++span) {
            int c = 0, n = 0, o = 0;
            sim().ringInfo(span, &c, &n, &o);
            same = same && capacity[span] == c && count[span] == n && oldest[span] == o;
        }
        return exactIf(same);
    }
    case 1:
        if (!m_Fan->getCounters())
            return Failed;
        return exactIf(m_Fan->counters() == sim().counters());
    default: {
        SHLP_IdentData ident;
        if (!m_Fan->getIdentData(ident))
            return Failed;
        return exactIf(ident.toBytes() == sim().identityRecord());
    }
    }
}

void tst_DevicesRecoverFromRefusedAnswers::keepsMakingProgress_data()
{
    QTest::addColumn<bool>("family70");
    QTest::addColumn<QList<int>>("faults");
    // With a pause between operations, as between the supervisor's polls, the
    // rest of a refused answer has arrived before the next request goes out.
    QTest::addColumn<int>("pauseMs");
    const QList<int> wrongNumber{SSimFaults::WrongNumber};
    const QList<int> wrongSize{SSimFaults::WrongSize};
    const QList<int> both{SSimFaults::WrongNumber, SSimFaults::WrongSize};
    QTest::newRow("100 family, wrong numbers, back to back") << false << wrongNumber << 0;
    QTest::newRow("100 family, wrong numbers, paused") << false << wrongNumber << 20;
    QTest::newRow("100 family, wrong sizes, paused") << false << wrongSize << 20;
    QTest::newRow("70 family, wrong numbers and sizes, back to back") << true << both << 0;
    QTest::newRow("70 family, wrong numbers and sizes, paused") << true << both << 20;
}

void tst_DevicesRecoverFromRefusedAnswers::keepsMakingProgress()
{
    QFETCH(bool, family70);
    QFETCH(QList<int>, faults);
    QFETCH(int, pauseMs);
    SSimConfig config = frozenConfig(family70);
    config.seed = family70 ? 70 : 100;
    m_Unit.reset(new CUnitSimThread(config));
    QVERIFY(m_Unit->startUnit());
    m_Fan = makeDevice(family70);
    m_Fan->setLinkSilencePolls(kSilencePolls);
    m_Fan->setIdentTimeout(kIdentTimeoutMs);
    QVERIFY(m_Fan->openPort(m_Unit->devicePath()));
    SSimFaults rates;
    for (int fault : faults)
        rates.rate[fault] = 0.03;
    sim().setFaults(rates);

    int failed = 0;
    int run = 0;
    int longestRun = 0;
    for (int op = 0; op < kOperations; ++op) {
        if (pauseMs > 0)
            QThread::msleep(ulong(pauseMs));
        const EOutcome outcome = runOperation(op);
        QVERIFY2(outcome != WrongData, qPrintable(QStringLiteral("operation %1 succeeded with other data than the unit's").arg(op)));
        if (outcome == Exact) {
            run = 0;
            continue;
        }
        ++failed;
        longestRun = qMax(longestRun, ++run);
    }
    qDebug() << "failed" << failed << "of" << kOperations << "; longest run of failures" << longestRun;
    QVERIFY(failed > 0);
    // A refused answer costs its own operation and perhaps the next one,
    // never a stretch of them.
    QVERIFY2(longestRun <= kLongestFailureRun, qPrintable(QString::number(longestRun)));
    QVERIFY2(failed <= kOperations * 3 / 10, qPrintable(QString::number(failed)));
}

QTEST_GUILESS_MAIN(tst_DevicesRecoverFromRefusedAnswers)
#include "tst_DevicesRecoverFromRefusedAnswers.moc"
