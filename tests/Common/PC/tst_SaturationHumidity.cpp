#include "PC/SaturationHumidity.h"

#include <QtTest>

// Expected values are read off the two saturation tables (0.1 g/m3 and
// 0.1 g/kg per whole degree from -20 degC) and interpolated by hand.
class tst_SaturationHumidity : public QObject
{
    Q_OBJECT

private slots:
    void value_data();
    void value();
    void absolute_data();
    void absolute();
};

void tst_SaturationHumidity::value_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("temp");      // 1/8 degC
    QTest::addColumn<int>("expected");

    // g/m3 table
    QTest::newRow("m3: 20.0 degC, whole row")           << 0 << 160 << 177;
    QTest::newRow("m3: 20.5 degC, down from 21")        << 0 << 164 << 182; // 188 - (11*4+4)/8
    QTest::newRow("m3: 20.125 degC, up from 20")        << 0 << 161 << 178; // 177 + (11+4)/8
    QTest::newRow("m3: 20.375 degC, up from 20")        << 0 << 163 << 181; // 177 + (33+4)/8
    QTest::newRow("m3: 20.875 degC, down from 21")      << 0 << 167 << 187; // 188 - (11+4)/8
    QTest::newRow("m3: -1.0 degC")                      << 0 << -8 << 45;
    QTest::newRow("m3: -0.125 degC, down from 0")       << 0 << -1 << 48;   // 49 - (4+4)/8
    QTest::newRow("m3: -20 degC, first row")            << 0 << -160 << 10;
    QTest::newRow("m3: +50 degC, last row")             << 0 << 400 << 942;
    QTest::newRow("m3: below -20 degC")                 << 0 << -161 << 5;
    QTest::newRow("m3: above +50 degC")                 << 0 << 401 << 1000;
    QTest::newRow("m3: lowest short")                   << 0 << -32768 << 5;
    QTest::newRow("m3: highest short")                  << 0 << 32767 << 1000;
    QTest::newRow("m3: 49.875 degC, down from 50")      << 0 << 399 << 936; // 942 - (49+4)/8

    // g/kg table
    QTest::newRow("kg: 20.0 degC, whole row")           << 1 << 160 << 147;
    QTest::newRow("kg: 20.5 degC, down from 21")        << 1 << 164 << 152; // 157 - (10*4+4)/8
    QTest::newRow("kg: 20.125 degC, up from 20")        << 1 << 161 << 148; // 147 + (10+4)/8
    QTest::newRow("kg: -0.125 degC, down from 0")       << 1 << -1 << 38;   // 38 - (3+4)/8
    QTest::newRow("kg: 44.5 degC, steep step to 45")    << 1 << 356 << 634; // 655 - (41*4+4)/8 = 655 - 21
    QTest::newRow("kg: -20 degC, first row")            << 1 << -160 << 7;
    QTest::newRow("kg: +50 degC, last row")             << 1 << 400 << 862;
    QTest::newRow("kg: below -20 degC")                 << 1 << -161 << 5;
    QTest::newRow("kg: above +50 degC")                 << 1 << 401 << 1000;

    QTest::newRow("unknown selector reads the m3 table") << 2 << 160 << 177;
}

void tst_SaturationHumidity::value()
{
    QFETCH(int, table);
    QFETCH(int, temp);
    QFETCH(int, expected);

    QCOMPARE(int(saturationHumidity(short(temp), table)), expected);
}

void tst_SaturationHumidity::absolute_data()
{
    QTest::addColumn<int>("relHum");
    QTest::addColumn<double>("temp");
    QTest::addColumn<double>("expected");

    QTest::newRow("50 % at 20 degC") << 50 << 20.0 << 8.85;      // 50 x 177 / 1000
    QTest::newRow("45 % at 22 degC") << 45 << 22.0 << 8.955;     // 45 x 199 / 1000
    QTest::newRow("85 % at -1 degC") << 85 << -1.0 << 3.825;     // 85 x 45 / 1000
    QTest::newRow("100 % at 20.5 degC") << 100 << 20.5 << 18.2;  // 100 x 182 / 1000
    QTest::newRow("0 %") << 0 << 20.0 << 0.0;
    QTest::newRow("far above the table") << 10 << 1.0e6 << 10.0; // 10 x 1000 / 1000
    QTest::newRow("far below the table") << 100 << -1.0e6 << 0.5; // 100 x 5 / 1000
}

void tst_SaturationHumidity::absolute()
{
    QFETCH(int, relHum);
    QFETCH(double, temp);
    QFETCH(double, expected);

    QCOMPARE(absoluteHumidity(relHum, temp), expected);
}

QTEST_GUILESS_MAIN(tst_SaturationHumidity)
#include "tst_SaturationHumidity.moc"
