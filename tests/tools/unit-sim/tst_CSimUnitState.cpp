// The unit's state over time: logs that grow with the clock, a home model
// that stays inside plausible ranges and moves with the day, restarts.

#include "LittleEndian.h"
#include "SimUnitState.h"

#include <QDateTime>
#include <QtTest>
#include <memory>

class tst_CSimUnitState : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void logsGrowWithTheClock_data();
    void logsGrowWithTheClock();
    void longJumpKeepsRingFull();
    void modelOverOneDay();
    void comfortLevelDrivesFans();
    void restartMarksNextEntry();
    void historyFollowsTheModel();

private:
    std::unique_ptr<CSimUnitState> m_State;
};

namespace {

const qint64 kStart = QDateTime(QDate(2026, 4, 20), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();

quint16 word(const QByteArray& a, int offset)
{
    return LE::get16(reinterpret_cast<const uint8_t*>(a.constData()) + offset);
}

} // namespace

void tst_CSimUnitState::init()
{
    m_State.reset(new CSimUnitState(SSimIdentity(), kStart, 0.0));
}

void tst_CSimUnitState::logsGrowWithTheClock_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("oldest");
    QTest::addColumn<qint64>("advance");
    QTest::addColumn<int>("endCount");
    QTest::addColumn<int>("endOldest");
    QTest::newRow("quarter hours, room left") << 0 << 96 << 25 << 90 << qint64(3 * 900) << 28 << 90;
    QTest::newRow("quarter hours, full ring") << 0 << 10 << 10 << 8 << qint64(3 * 900) << 10 << 1;
    QTest::newRow("days") << 1 << 30 << 5 << 0 << qint64(2 * 86400) << 7 << 0;
    QTest::newRow("30 days") << 2 << 12 << 3 << 0 << qint64(30 * 86400) << 4 << 0;
    QTest::newRow("quarter hours, not yet due") << 0 << 96 << 25 << 90 << qint64(899) << 25 << 90;
}

void tst_CSimUnitState::logsGrowWithTheClock()
{
    QFETCH(int, span);
    QFETCH(int, capacity);
    QFETCH(int, count);
    QFETCH(int, oldest);
    QFETCH(qint64, advance);
    m_State->configureRing(span, capacity, count, oldest);
    m_State->clock().advance(advance);
    m_State->advance();
    QTEST(m_State->ring(span).count(), "endCount");
    QTEST(m_State->ring(span).oldest(), "endOldest");
    // Running numbers stay in order from the oldest to the newest entry.
    const CSimSecLogRing& r = m_State->ring(span);
    for (int k = 1; k < r.count(); ++k)
        QCOMPARE((word(r.slot(r.indexOfAge(k)), 28) & 0x7F), (word(r.slot(r.indexOfAge(k - 1)), 28) + 1) & 0x7F);
}

void tst_CSimUnitState::longJumpKeepsRingFull()
{
    m_State->configureRing(0, 50, 10, 0);
    m_State->clock().advance(100 * 86400);
    m_State->advance();
    QCOMPARE(m_State->ring(0).count(), 50);
}

void tst_CSimUnitState::modelOverOneDay()
{
    double outMin = 100, outMax = -100;
    int co2Min = 100000, co2Max = 0;
    for (int minute = 0; minute < 24 * 60; minute += 10) {
        const SSimSample s = m_State->currentSample();
        QVERIFY2(s.extractTemp > 19.0 && s.extractTemp < 23.0, qPrintable(QString::number(s.extractTemp)));
        QVERIFY(s.outdoorHum >= 20 && s.outdoorHum <= 100);
        QVERIFY(s.extractHum >= 20 && s.extractHum <= 90);
        QVERIFY(s.pressureHpa > 990 && s.pressureHpa < 1035);
        if (!s.sumCoolBypassOpen) {
            // Heat recovery: supply lies between outdoor and extract air.
            QVERIFY(s.supplyTemp >= qMin(s.outdoorTemp, s.extractTemp) - 0.01);
            QVERIFY(s.supplyTemp <= qMax(s.outdoorTemp, s.extractTemp) + 0.01);
        }
        outMin = qMin(outMin, s.outdoorTemp);
        outMax = qMax(outMax, s.outdoorTemp);
        co2Min = qMin(co2Min, s.co2Ppm);
        co2Max = qMax(co2Max, s.co2Ppm);
        m_State->clock().advance(600);
    }
    QVERIFY2(outMax - outMin > 6.0, "outdoor temperature follows a day cycle");
    QVERIFY2(co2Min >= 400 && co2Max <= 1200 && co2Max - co2Min > 300, "CO2 rises and falls");
}

void tst_CSimUnitState::comfortLevelDrivesFans()
{
    int lastFlow = 0;
    int lastRpm = 0;
    for (int level = 1; level <= 5; ++level) {
        m_State->settings().comfortLevel = level;
        const SSimSample s = m_State->currentSample();
        QVERIFY(s.fanFlow > lastFlow);
        QVERIFY(s.fanRpmExtract > lastRpm);
        lastFlow = s.fanFlow;
        lastRpm = s.fanRpmExtract;
        QCOMPARE((quint8(m_State->currentEntry().at(13)) >> 5) + 1, level);
    }
}

void tst_CSimUnitState::restartMarksNextEntry()
{
    m_State->configureRing(0, 96, 5, 0);
    m_State->clock().advance(3600);
    const quint32 boots = m_State->counters().at(CSimUnitState::C_BootCycles);
    m_State->restart();
    QCOMPARE(m_State->counters().at(CSimUnitState::C_BootCycles), boots + 1);
    QCOMPARE(m_State->uptimeMs(), qint64(0));
    const int before = m_State->ring(0).count();
    m_State->clock().advance(900);
    m_State->advance();
    const CSimSecLogRing& r = m_State->ring(0);
    QCOMPARE(r.count(), before + 1);
    QVERIFY(word(r.slot(r.indexOfAge(r.count() - 1)), 16) & 0x8000);        // Restarted
    QVERIFY(!(word(r.slot(r.indexOfAge(r.count() - 2)), 16) & 0x8000));
}

void tst_CSimUnitState::historyFollowsTheModel()
{
    // The newest quarter-hour entry averages the quarter hour that just ended.
    m_State->configureRing(0, 96, 20, 0);
    const CSimSecLogRing& r = m_State->ring(0);
    const QByteArray newest = r.slot(r.indexOfAge(r.count() - 1));
    m_State->clock().advance(-450);
    const SSimSample s = m_State->currentSample();
    QVERIFY(qAbs(qint8(newest.at(1)) - s.outdoorTemp) <= 1.5);
    QVERIFY(qAbs(qint8(newest.at(4)) - s.extractTemp) <= 1.5);
    // Comfort level 3 all the quarter hour: 15 minutes in TimeComLev2 (w12 bits 10-14).
    QCOMPARE((word(newest, 12) >> 10) & 0x1F, 15);
}

QTEST_GUILESS_MAIN(tst_CSimUnitState)
#include "tst_CSimUnitState.moc"
