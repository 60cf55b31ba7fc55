#include "PC/SecLogReport.h"
#include "PC/SecLogReport_70.h"
#include "PC/SecLogReportRun.h"

#include <QtTest>

// The report steps against a scripted unit: what it is asked for and which
// text comes back when it fails.

namespace {

// A unit with the ring counts of the three spans and a fixed answer.
struct SFakeUnit
{
    bool bCountsOk = true;
    bool bEntriesOk = true;
    int nEntries = 0;          // entries handed back by a successful read
    int nCountCalls = 0;
    int nReadCalls = 0;
    int nAskedCount = -1;
    int nAskedStart = -1;

    bool readCounts(UINT16* capacity, UINT16* count, UINT16* oldest)
    {
        ++nCountCalls;
        // Span 0: capacity 100, 40 stored from 70; span 1: 96, 11 from 90; span 2: 12, 3 from 0.
        const UINT16 caps[3] = { 100, 96, 12 }, counts[3] = { 40, 11, 3 }, oldests[3] = { 70, 90, 0 };
        for (int i = 0; i < 3; ++i) {
            capacity[i] = caps[i];
            count[i] = counts[i];
            oldest[i] = oldests[i];
        }
        return bCountsOk;
    }

    template <class TEntry>
    bool readEntries(QVector<TEntry>& entries, UINT16 nCount, UINT16 nStart)
    {
        ++nReadCalls;
        nAskedCount = nCount;
        nAskedStart = nStart;
        entries.resize(nEntries);
        return bEntriesOk;
    }
};

template <class TReport, class TEntry>
QString run(SFakeUnit& unit, int nSpan, CSecLogSelection::ESelection eSelection)
{
    return runSecLogReport<TReport, TEntry>(
        nSpan, eSelection, "1 day",
        [&unit](UINT16* c, UINT16* n, UINT16* o) { return unit.readCounts(c, n, o); },
        [&unit](QVector<TEntry>& e, UINT16 n, UINT16 s) { return unit.readEntries(e, n, s); });
}

QString run100(SFakeUnit& unit, int nSpan, CSecLogSelection::ESelection eSelection)
{
    return run<CSecLogReport, SSecLogEntry>(unit, nSpan, eSelection);
}

QString run70(SFakeUnit& unit, int nSpan, CSecLogSelection::ESelection eSelection)
{
    return run<CSecLogReport_70, SSecLogEntry_70>(unit, nSpan, eSelection);
}

} // namespace

class tst_SecLogReportRun : public QObject
{
    Q_OBJECT

private slots:
    void request_data();
    void request();
    void countFailure();
    void readFailure();
    void noSuchSpan();
    void success();
};

void tst_SecLogReportRun::request_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");

    QTest::newRow("span 0, Report All: 40 from 70") << 0 << int(CSecLogSelection::SEL_All) << 70 << 40;
    QTest::newRow("span 0, 10 Oldest: 10 from 1") << 0 << int(CSecLogSelection::SEL_10Oldest) << 1 << 10;
    QTest::newRow("span 1, 10 Oldest: 10 from 92") << 1 << int(CSecLogSelection::SEL_10Oldest) << 92 << 10;
    QTest::newRow("span 2, 100 Youngest: 100 from 0") << 2 << int(CSecLogSelection::SEL_100Youngest) << 0 << 100;
}

// The request uses the counts of the asked span only.
void tst_SecLogReportRun::request()
{
    QFETCH(int, span);
    QFETCH(int, selection);
    QFETCH(int, start);
    QFETCH(int, count);
    SFakeUnit unit;
    run100(unit, span, CSecLogSelection::ESelection(selection));
    QCOMPARE(unit.nAskedStart, start);
    QCOMPARE(unit.nAskedCount, count);
}

void tst_SecLogReportRun::countFailure()
{
    SFakeUnit unit;
    unit.bCountsOk = false;
    QCOMPARE(run100(unit, 0, CSecLogSelection::SEL_All),
             QString("\nSecondary Log:getSecLogCnt failed!\n"));
    QCOMPARE(run70(unit, 0, CSecLogSelection::SEL_All),
             QString("\nSecondary Log:getSecLogCnt failed!\n"));
    QCOMPARE(unit.nReadCalls, 0);
}

// The title is dropped: the failure text is the whole report.
void tst_SecLogReportRun::readFailure()
{
    SFakeUnit unit;
    unit.bEntriesOk = false;
    unit.nEntries = 2;
    QCOMPARE(run100(unit, 1, CSecLogSelection::SEL_All), QString("Didn't get any Logs..."));
    QCOMPARE(run70(unit, 1, CSecLogSelection::SEL_All), QString(" Didn't get any Logs..."));
}

void tst_SecLogReportRun::noSuchSpan()
{
    SFakeUnit unit;
    QCOMPARE(run100(unit, 3, CSecLogSelection::SEL_All), QString("Didn't get any Logs..."));
    QCOMPARE(run70(unit, -1, CSecLogSelection::SEL_All), QString(" Didn't get any Logs..."));
    QCOMPARE(unit.nCountCalls, 0);
    QCOMPARE(unit.nReadCalls, 0);
}

void tst_SecLogReportRun::success()
{
    SFakeUnit unit;
    unit.nEntries = 2;
    const QString report = run70(unit, 1, CSecLogSelection::SEL_All);
    QVERIFY(report.startsWith("\nSecondary Log:1 day\n" + CSecLogReport_70::heading(1)));
    QCOMPARE(report.count('\n'), 2 + 3 + 2); // title, span, heading, two entries
    QVERIFY(report.contains("\n   1,: "));
    QVERIFY(report.endsWith("\n"));
}

QTEST_GUILESS_MAIN(tst_SecLogReportRun)
#include "tst_SecLogReportRun.moc"
