// Ring bookkeeping of one secondary log: where the k-th oldest entry lives,
// growth until full, then overwriting the oldest.

#include "SimSecLogRing.h"

#include <QtTest>

class tst_CSimSecLogRing : public QObject
{
    Q_OBJECT
private slots:
    void append_data();
    void append();
    void resetClamps_data();
    void resetClamps();
    void unwrittenSlotsAreEmptyEntries();
};

namespace {

QByteArray entry(int n) { return QByteArray(32, char(n)); }

} // namespace

void tst_CSimSecLogRing::append_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("oldest");
    QTest::addColumn<int>("appends");
    QTest::addColumn<int>("endCount");
    QTest::addColumn<int>("endOldest");
    QTest::newRow("grows from empty") << 5 << 0 << 0 << 3 << 3 << 0;
    QTest::newRow("fills exactly") << 5 << 2 << 3 << 3 << 5 << 3;
    QTest::newRow("full ring moves the oldest") << 5 << 5 << 3 << 2 << 5 << 0;
    QTest::newRow("wraps many times") << 4 << 4 << 0 << 11 << 4 << 3;
}

void tst_CSimSecLogRing::append()
{
    QFETCH(int, capacity);
    QFETCH(int, count);
    QFETCH(int, oldest);
    QFETCH(int, appends);
    QFETCH(int, endCount);
    QFETCH(int, endOldest);
    CSimSecLogRing ring;
    ring.reset(capacity, count, oldest);
    for (int k = 0; k < count; ++k)
        ring.setSlot(ring.indexOfAge(k), entry(k));
    for (int a = 0; a < appends; ++a)
        ring.append(entry(count + a));
    QCOMPARE(ring.count(), endCount);
    QCOMPARE(ring.oldest(), endOldest);
    // The newest endCount entries, oldest first.
    const int total = count + appends;
    for (int k = 0; k < endCount; ++k)
        QCOMPARE(ring.slot(ring.indexOfAge(k)), entry(total - endCount + k));
}

void tst_CSimSecLogRing::resetClamps_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("oldest");
    QTest::addColumn<int>("expCapacity");
    QTest::addColumn<int>("expCount");
    QTest::addColumn<int>("expOldest");
    QTest::newRow("count above capacity") << 10 << 12 << 2 << 10 << 10 << 2;
    QTest::newRow("oldest outside") << 10 << 3 << 10 << 10 << 3 << 9;
    QTest::newRow("no capacity") << 0 << 3 << 1 << 0 << 0 << 0;
    QTest::newRow("negative values") << -1 << -1 << -1 << 0 << 0 << 0;
}

void tst_CSimSecLogRing::resetClamps()
{
    QFETCH(int, capacity);
    QFETCH(int, count);
    QFETCH(int, oldest);
    CSimSecLogRing ring;
    ring.reset(capacity, count, oldest);
    QTEST(ring.capacity(), "expCapacity");
    QTEST(ring.count(), "expCount");
    QTEST(ring.oldest(), "expOldest");
    ring.append(entry(1));          // must not crash on an empty ring
}

void tst_CSimSecLogRing::unwrittenSlotsAreEmptyEntries()
{
    const QByteArray empty(32, char(0xEE));
    CSimSecLogRing ring(empty);
    ring.reset(8, 0, 0);
    QCOMPARE(ring.slot(5), empty);
    QCOMPARE(ring.slot(13), empty);             // ring index taken modulo the capacity
    ring.append(entry(7));
    QCOMPARE(ring.slot(8), entry(7));
    ring.erase();
    QCOMPARE(ring.count(), 0);
    QCOMPARE(ring.slot(0), empty);
}

QTEST_GUILESS_MAIN(tst_CSimSecLogRing)
#include "tst_CSimSecLogRing.moc"
