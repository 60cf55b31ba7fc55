#include "PC/SecLogSelection.h"

#include <QtTest>

// Which ring entries the secondary-log report asks for. Expected start
// indexes are worked out by hand from the ring numbers of each row.

class tst_SecLogSelection : public QObject
{
    Q_OBJECT

private slots:
    void fromFlags_data();
    void fromFlags();
    void request_data();
    void request();
};

void tst_SecLogSelection::fromFlags_data()
{
    QTest::addColumn<bool>("b10Youngest");
    QTest::addColumn<bool>("b100Youngest");
    QTest::addColumn<bool>("b10Oldest");
    QTest::addColumn<bool>("b100Oldest");
    QTest::addColumn<int>("selection");

    QTest::newRow("Report All: none set") << false << false << false << false << int(CSecLogSelection::SEL_All);
    QTest::newRow("10 Youngest") << true << false << false << false << int(CSecLogSelection::SEL_10Youngest);
    QTest::newRow("100 Youngest") << false << true << false << false << int(CSecLogSelection::SEL_100Youngest);
    QTest::newRow("10 Oldest") << false << false << true << false << int(CSecLogSelection::SEL_10Oldest);
    QTest::newRow("100 Oldest") << false << false << false << true << int(CSecLogSelection::SEL_100Oldest);
    QTest::newRow("all set: 10 Youngest tested first") << true << true << true << true << int(CSecLogSelection::SEL_10Youngest);
    QTest::newRow("both Oldest set: 10 Oldest first") << false << false << true << true << int(CSecLogSelection::SEL_10Oldest);
}

void tst_SecLogSelection::fromFlags()
{
    QFETCH(bool, b10Youngest);
    QFETCH(bool, b100Youngest);
    QFETCH(bool, b10Oldest);
    QFETCH(bool, b100Oldest);
    QFETCH(int, selection);
    QCOMPARE(int(CSecLogSelection::fromFlags(b10Youngest, b100Youngest, b10Oldest, b100Oldest)), selection);
}

void tst_SecLogSelection::request_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("oldest");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("endIndex");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("readCount");

    // Capacity 100, 40 stored from index 70: the end index wraps to 10.
    QTest::newRow("wrapped: Report All") << 100 << 40 << 70 << int(CSecLogSelection::SEL_All) << 10 << 70 << 40;
    QTest::newRow("wrapped: 10 Youngest from the oldest index") << 100 << 40 << 70 << int(CSecLogSelection::SEL_10Youngest) << 10 << 70 << 10;
    QTest::newRow("wrapped: 100 Youngest from the oldest index") << 100 << 40 << 70 << int(CSecLogSelection::SEL_100Youngest) << 10 << 70 << 100;
    QTest::newRow("wrapped: 10 Oldest ends at the end index") << 100 << 40 << 70 << int(CSecLogSelection::SEL_10Oldest) << 10 << 1 << 10;
    QTest::newRow("wrapped: 100 Oldest starts above the end") << 100 << 40 << 70 << int(CSecLogSelection::SEL_100Oldest) << 10 << 11 << 100;
    // Capacity 96, 11 stored from index 90: end index 5.
    QTest::newRow("end 5 of 96: 10 Oldest from 92") << 96 << 11 << 90 << int(CSecLogSelection::SEL_10Oldest) << 5 << 92 << 10;
    QTest::newRow("end 5 of 96: 100 Oldest from 2") << 96 << 11 << 90 << int(CSecLogSelection::SEL_100Oldest) << 5 << 2 << 100;
    QTest::newRow("unwrapped: 10 Oldest from end - 9") << 100 << 30 << 10 << int(CSecLogSelection::SEL_10Oldest) << 40 << 31 << 10;
    QTest::newRow("end exactly at 9: no wrap") << 100 << 9 << 0 << int(CSecLogSelection::SEL_10Oldest) << 9 << 0 << 10;
    QTest::newRow("full ring: end equals capacity, wraps to 0") << 100 << 100 << 0 << int(CSecLogSelection::SEL_10Oldest) << 0 << 91 << 10;
    // A ring smaller than the page: adding the capacity once would stay negative.
    QTest::newRow("ring of 50: 100 Oldest stays inside the ring") << 50 << 5 << 0 << int(CSecLogSelection::SEL_100Oldest) << 5 << 6 << 100;
    QTest::newRow("no ring (faulty count answer): start 0") << 0 << 0 << 0 << int(CSecLogSelection::SEL_10Oldest) << 0 << 0 << 10;
}

void tst_SecLogSelection::request()
{
    QFETCH(int, capacity);
    QFETCH(int, count);
    QFETCH(int, oldest);
    QFETCH(int, selection);
    QFETCH(int, endIndex);
    QFETCH(int, start);
    QFETCH(int, readCount);

    const CSecLogSelection ring { UINT16(capacity), UINT16(count), UINT16(oldest) };
    QCOMPARE(ring.endIndex(), endIndex);
    const CSecLogSelection::SRequest req = ring.request(CSecLogSelection::ESelection(selection));
    QCOMPARE(int(req.startIndex), start);
    QCOMPARE(int(req.count), readCount);
}

QTEST_GUILESS_MAIN(tst_SecLogSelection)
#include "tst_SecLogSelection.moc"
