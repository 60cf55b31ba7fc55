#include "PC/Fan.h"
#include "PC/Fan_70_PC.h"
#include "PC/PrimLogReport.h"
#include "PC/PrimLogReport_70.h"
#include "PC/SecLogReport.h"
#include "PC/SecLogReport_70.h"

#include <QtTest>

// The device objects' text reports: which log operations they call, with
// what, and the failure texts. The log operations are virtual; the test
// devices below answer them from a script instead of a unit.

namespace {

// Ring counts of the three spans: span 0 capacity 100, 40 stored from 70;
// span 1 capacity 96, 11 from 90 (end index 5); span 2 capacity 12, 3 from 0.
bool scriptedCounts(bool bOk, UINT16* pCapacity, UINT16* pCount, UINT16* pOldest)
{
    const UINT16 caps[3] = { 100, 96, 12 }, counts[3] = { 40, 11, 3 }, oldests[3] = { 70, 90, 0 };
    for (int i = 0; i < 3; ++i) {
        pCapacity[i] = caps[i];
        pCount[i] = counts[i];
        pOldest[i] = oldests[i];
    }
    return bOk;
}

// What the report asked the unit for.
struct SCalls
{
    int nCountCalls = 0;
    int nSecLogCalls = 0;
    int nSpan = -1;
    int nCount = -1;
    int nStart = -1;
};

template <class TBase, class TPrim, class TSec, class TSpan>
class CScriptedDevice : public TBase
{
public:
    bool bPrimOk = true;
    bool bCountsOk = true;
    bool bSecOk = true;
    QVector<TPrim> prim;
    QVector<TSec> sec;
    SCalls calls;

    bool getPrimLog(QVector<TPrim>& entries) override
    {
        entries = prim;
        return bPrimOk;
    }
    bool getSecLogCnt(UINT16* pCapacity, UINT16* pCount, UINT16* pOldest) override
    {
        ++calls.nCountCalls;
        return scriptedCounts(bCountsOk, pCapacity, pCount, pOldest);
    }
    bool getSecLog(QVector<TSec>& entries, TSpan span, UINT16 nCount, UINT16 nStartIndex) override
    {
        ++calls.nSecLogCalls;
        calls.nSpan = int(span);
        calls.nCount = nCount;
        calls.nStart = nStartIndex;
        entries = sec;
        return bSecOk;
    }
};

using CScriptedFan = CScriptedDevice<CFan, SPrimLogEntry, SSecLogEntry, CLogging::EMaxTimeSpan>;
using CScriptedFan70 = CScriptedDevice<CFan_70_PC, SPrimLogEntry_70, SSecLogEntry_70, CLogging_70::EMaxTimeSpan>;

} // namespace

class tst_FanReports : public QObject
{
    Q_OBJECT

private slots:
    void primaryWithoutPort();
    void primary();
    void primaryFailure();
    void secondaryRequest_data();
    void secondaryRequest();
    void secondaryCountFailure();
    void secondaryReadFailure();
    void secondary();
};

// A device object without a port reads nothing: the report is the failure text.
void tst_FanReports::primaryWithoutPort()
{
    CFan fan;
    QCOMPARE(fan.getPrimaryLog(), QString("Didn't get any logs..."));
    CFan_70_PC fan70;
    QCOMPARE(fan70.getPrimaryLog(), QString(" Didn't get any logs"));
}

void tst_FanReports::primary()
{
    CScriptedFan fan;
    fan.prim.resize(2);
    QCOMPARE(fan.getPrimaryLog(), CPrimLogReport::report(fan.prim));
    QCOMPARE(fan.getPrimaryLog().count('\n'), 2 + 2 + 2);

    CScriptedFan70 fan70;
    fan70.prim.resize(3);
    QCOMPARE(fan70.getPrimaryLog(), CPrimLogReport_70::report(fan70.prim));
}

void tst_FanReports::primaryFailure()
{
    CScriptedFan fan;
    fan.bPrimOk = false;
    fan.prim.resize(1); // entries read before the failure are not printed
    QCOMPARE(fan.getPrimaryLog(), QString("Didn't get any logs..."));

    CScriptedFan70 fan70;
    fan70.bPrimOk = false;
    QCOMPARE(fan70.getPrimaryLog(), QString(" Didn't get any logs"));
}

void tst_FanReports::secondaryRequest_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<bool>("b10Youngest");
    QTest::addColumn<bool>("b100Youngest");
    QTest::addColumn<bool>("b10Oldest");
    QTest::addColumn<bool>("b100Oldest");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");

    QTest::newRow("15 min, Report All: 40 from 70") << 0 << false << false << false << false << 70 << 40;
    QTest::newRow("15 min, 10 Youngest: 10 from 70") << 0 << true << false << false << false << 70 << 10;
    QTest::newRow("15 min, 100 Youngest: 100 from 70") << 0 << false << true << false << false << 70 << 100;
    QTest::newRow("15 min, 10 Oldest: 10 from 1") << 0 << false << false << true << false << 1 << 10;
    QTest::newRow("15 min, 100 Oldest: 100 from 11") << 0 << false << false << false << true << 11 << 100;
    QTest::newRow("1 day, 10 Oldest: 10 from 92") << 1 << false << false << true << false << 92 << 10;
    QTest::newRow("30 days, Report All: 3 from 0") << 2 << false << false << false << false << 0 << 3;
}

// Both families ask for the chosen entries of the chosen span, in one request.
void tst_FanReports::secondaryRequest()
{
    QFETCH(int, span);
    QFETCH(bool, b10Youngest);
    QFETCH(bool, b100Youngest);
    QFETCH(bool, b10Oldest);
    QFETCH(bool, b100Oldest);
    QFETCH(int, start);
    QFETCH(int, count);

    CScriptedFan fan;
    fan.getSecondaryLog(CLogging::EMaxTimeSpan(span), b10Youngest, b100Youngest, b10Oldest, b100Oldest, "x");
    CScriptedFan70 fan70;
    fan70.getSecondaryLog(CLogging_70::EMaxTimeSpan(span), b10Youngest, b100Youngest, b10Oldest, b100Oldest, "x");
    for (const SCalls& calls : { fan.calls, fan70.calls }) {
        QCOMPARE(calls.nCountCalls, 1);
        QCOMPARE(calls.nSecLogCalls, 1);
        QCOMPARE(calls.nSpan, span);
        QCOMPARE(calls.nStart, start);
        QCOMPARE(calls.nCount, count);
    }
}

void tst_FanReports::secondaryCountFailure()
{
    CScriptedFan fan;
    fan.bCountsOk = false;
    QCOMPARE(fan.getSecondaryLog(CLogging::MTS_1Day, false, false, false, false, "1 day"),
             QString("\nSecondary Log:getSecLogCnt failed!\n"));
    QCOMPARE(fan.calls.nSecLogCalls, 0);

    CScriptedFan70 fan70;
    fan70.bCountsOk = false;
    QCOMPARE(fan70.getSecondaryLog(CLogging_70::MTS_1Day, false, false, false, false, "1 day"),
             QString("\nSecondary Log:getSecLogCnt failed!\n"));
    QCOMPARE(fan70.calls.nSecLogCalls, 0);
}

void tst_FanReports::secondaryReadFailure()
{
    CScriptedFan fan;
    fan.bSecOk = false;
    fan.sec.resize(2);
    QCOMPARE(fan.getSecondaryLog(CLogging::MTS_15Min, false, false, true, false, "15 min"),
             QString("Didn't get any Logs..."));

    CScriptedFan70 fan70;
    fan70.bSecOk = false;
    QCOMPARE(fan70.getSecondaryLog(CLogging_70::MTS_15Min, false, false, true, false, "15 min"),
             QString(" Didn't get any Logs..."));
}

void tst_FanReports::secondary()
{
    CScriptedFan fan;
    fan.sec.resize(3);
    QCOMPARE(fan.getSecondaryLog(CLogging::MTS_30Days, false, false, false, false, "30 days"),
             CSecLogReport::report(fan.sec, 2, "30 days"));

    CScriptedFan70 fan70;
    fan70.sec.resize(3);
    QCOMPARE(fan70.getSecondaryLog(CLogging_70::MTS_30Days, false, false, false, false, "30 days"),
             CSecLogReport_70::report(fan70.sec, 2, "30 days"));
}

QTEST_GUILESS_MAIN(tst_FanReports)
#include "tst_FanReports.moc"
