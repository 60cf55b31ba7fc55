#include "PC/PrimLogReport.h"
#include "PC/SecLogReport.h"

#include "../RecordCase.h"

#include <QtTest>

Q_DECLARE_METATYPE(SPrimLogEntry)
Q_DECLARE_METATYPE(SSecLogEntry)

// The 100 family's log text reports on crafted entries. The entries are byte
// images worked out by hand from the record tables (comments give the words);
// the expected lines are written by hand, column by column.

namespace {

template <class T>
T decoded(const QByteArray& bytes)
{
    T entry;
    entry.decode(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size());
    return entry;
}

// ExtractTemp -44/8, SupplyTemp 20.0, OutdoorTemp -1.0, ExhaustTemp 5.0,
// pressure 700 + 16 x 19 + 5, CO2 50 x 16, TVirt 18.0, comfort code 2,
// flaps CLOS / T 11 / 15 deg / OPEN, mode AutoAlt, reason CO2Ven, average-flow
// code 1, fan flow 9, speeds 1234 and 1300, DIP 0x32 (area 45, 2nd flow 60),
// defrost Bypa, error line 389, code -3, control states 1 2 3 0.
SPrimLogEntry primA()
{
    // w0 0x00A0, w2 0x9FF8, w4 0xC828, w6 0xFFD4, w8 0x2890, b10 0xB7, b11 0x2D,
    // b12 0x32, b13 0x4C, b14 0x3A, b15 0x0C, w16 0x94D2, w18 0x5514, b20 0x32,
    // b21 0x01, w22 0x0185, b24 0xFD, b25 0x39
    return decoded<SPrimLogEntry>(QByteArray::fromHex("A000F89F28C8D4FF9028B72D324C3A0CD294145532018501FD39"));
}
const char* const kPrimLineA =
    "  0,:  -5.500, 20.000, -1.000,  5.000,   45,   55, 1009,  800, 18.000,"
    "   3,   1,   0,  90,  20/60 ,   0,   1, 1234, 1300,"
    " CLOS, T 11,  15\xC2\xB0, OPEN,   1,   2,   3,   0,"
    " AutoAlt, CO2Ven,   Bypa , FUL,  OK,   45,       60,     0,   389,    -3, OK,\n";

// Error state 22, Fil Ext full, mode 7, reason 7, average-flow code 20 with
// fan flow 9, DIP 0x80 (area code 8), defrost Heat, file 63, code 127.
SPrimLogEntry primB()
{
    return decoded<SPrimLogEntry>(image(26, { { 0, "00B0" }, { 11, "80" }, { 14, "E0A70090" }, { 20, "80FF" }, { 24, "7F" } }));
}
const char* const kPrimLineB =
    "  1,:   0.000,  0.000,  0.000,  0.000,    0,    0,  700,    0,  0.000,"
    "   1,   0,   0,  90,     90 ,   0,   0,    0,    0,"
    " UNKN, UNKN, UNKN, UNKN,   0,   0,   0,   0,"
    "      ??, HumInp,   Heat ,  OK, FUL,    0,        0,    63,     0,   127, Wlan Error,\n";

// All zero but the average-flow code 7 (b15 = 0x38).
SPrimLogEntry primC()
{
    return decoded<SPrimLogEntry>(image(26, { { 15, "38" } }));
}
const char* const kPrimLineC =
    "  2,:   0.000,  0.000,  0.000,  0.000,    0,    0,  700,    0,  0.000,"
    "   1,   0,   0,   0,      7 ,   0,   0,    0,    0,"
    " UNKN, UNKN, UNKN, UNKN,   0,   0,   0,   0,"
    " AutoStd, MinAir,   None ,  OK,  OK,   20,        0,     0,     0,     0, OK,\n";

const char* const kPrimHeading =
    "Log,   TExt  , TSup  , TOut  , TExh  , HExt, HOut, Pres,  CO2, TVirt , Com, Hum, Sum, Fan, AveFlow, Fan, 2nd, RPM , RPM , Vent, Vent, Vent, Vent, TPE, TBA, TPS, TBY, TState , Ventil, Defrost, Fil, Fil, Room, 2nd Room, IntEr, IntEr, IntEr, Error  \n"
    "   ,    \xC2\xB0" "C   ,  \xC2\xB0" "C   ,  \xC2\xB0" "C   ,  \xC2\xB0" "C   ,  %  ,   % ,  hPa,  ppm,  \xC2\xB0" "C   , Lev, Red, Coo,m\xC2\xB3/h,  m\xC2\xB3/h  , Lim, o20,Suppl, Extr, Extr,  2nd, Supp, Bypa,                            , Reason, Exhaust, Sup, Ext, Area, Flow    , File , Line , Code ,   \n";

// Restarted; temperatures 19 -7 3 22, humidities 85 48, CO2 40 x 16; comfort
// 3 6 2 1 (level 5 gets 3 of 15 minutes); AutoAlt 4, sleep 2, turbo 3; both
// humidity-reduction bits; energies -100 300 -5; air 500; water -3; error
// state 4; count 9; pressure 700 + 2 x 150; warning file 7 line 300 code -2.
SSecLogEntry secA()
{
    // b0-b7 13 F9 55 03 16 30 28 FE; w8 0x8C41, w10 0x18A4, w12 0x8907, w14 0x8462,
    // w16 0x98A4, w18 0xFF9C, w20 0x012C, w22 0xFFFB, w24 0x01F4, w26 0xFFA4,
    // w28 0x4B09, w30 0x1D2C
    return decoded<SSecLogEntry>(QByteArray::fromHex("13F955031630 28FE 418C A418 0789 6284 A498 9CFF 2C01 FBFF F401 A4FF 094B 2C1D"));
}
const char* const kSecLineA =
    "*  2,:    22,   19,   -7,    3,   48,   85, 1000,  640,"
    " 3, 6, 2, 1, 3,   6,   4,   2,   3, X ,"
    "       5,        1,       2,   6,      4,      5,    7,   8,"
    "   500,    -3,  -100,   300,    -5, Ful,  Ok,   9,    7,  300,   -2, Error TSup,\n";

// All zero, quarter hour: comfort level 5 and Std take the whole 15 minutes.
const char* const kSecLineZero15 =
    "   1,:     0,    0,    0,    0,    0,    0,  700,    0,"
    " 0, 0, 0, 0,15,  15,   0,   0,   0,???,"
    "       0,        0,       0,   0,      0,      0,    0,   0,"
    "     0,     0,     0,     0,     0,  Ok,  Ok,   0,    0,    0,    0, OK,\n";

// CO2 byte 200 (3200 ppm), day span: the period is 24 hours.
SSecLogEntry secCO2()
{
    return decoded<SSecLogEntry>(image(32, { { 6, "C8" } }));
}
const char* const kSecLineCO2Day =
    "   0,:     0,    0,    0,    0,    0,    0,  700, 3200,"
    " 0, 0, 0, 0,24,  24,   0,   0,   0,???,"
    "       0,        0,       0,   0,      0,      0,    0,   0,"
    "     0,     0,     0,     0,     0,  Ok,  Ok,   0,    0,    0,    0, OK,\n";

const char* const kSecHeading =
    " Log,   TExt, TSup, TOut, TExh, HExt, HOut, Pres,  CO2, Comfort Level, --- Operation Mode ---, -- Reduced Ventilation--  ,  Ventilation Reason --------  ,  -------- Flow Values --------   , Filter  , Acc, --SW Warnings-- , Error\n"
    "                                                        1, 2, 3, 4, 5, Std, Alt, Slp, Trb Hum, Def Exh, Sup cond, Hum Inp, Min, AbsHum, RelHum, Cool, CO2, Air  , Water, EnExt, EnRec, EnCol, Sup, Ext, Cnt, File, Line, Code,      \n";

} // namespace

class tst_LogReports : public QObject
{
    Q_OBJECT

private slots:
    void primaryLine_data();
    void primaryLine();
    void primaryReport();
    void primaryReportEmpty();
    void secondaryLine_data();
    void secondaryLine();
    void humidityReduction_data();
    void humidityReduction();
    void secondaryHeading_data();
    void secondaryHeading();
    void secondaryReport();
};

void tst_LogReports::primaryLine_data()
{
    QTest::addColumn<SPrimLogEntry>("entry");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("line");

    QTest::newRow("TExt -44 eighths, average-flow code 1") << primA() << 0 << QString::fromUtf8(kPrimLineA);
    QTest::newRow("average-flow code 20, unknown mode, area bit 7") << primB() << 1 << QString::fromUtf8(kPrimLineB);
    QTest::newRow("average-flow code 7, all defaults") << primC() << 2 << QString::fromUtf8(kPrimLineC);
}

void tst_LogReports::primaryLine()
{
    QFETCH(SPrimLogEntry, entry);
    QFETCH(int, position);
    QFETCH(QString, line);
    QCOMPARE(CPrimLogReport::line(position, entry), line);
}

void tst_LogReports::primaryReport()
{
    QVector<SPrimLogEntry> entries;
    entries << primA() << primB() << primC();
    const QString report = CPrimLogReport::report(entries);
    const QStringList lines = report.split('\n');
    const QStringList expected = (QString("\nPrimary Log:\n") + QString::fromUtf8(kPrimHeading)
                                  + QString::fromUtf8(kPrimLineA) + QString::fromUtf8(kPrimLineB)
                                  + QString::fromUtf8(kPrimLineC)).split('\n');
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines.at(i), expected.at(i));
}

void tst_LogReports::primaryReportEmpty()
{
    QCOMPARE(CPrimLogReport::report({}), QString("\nPrimary Log:\n") + QString::fromUtf8(kPrimHeading));
}

void tst_LogReports::secondaryLine_data()
{
    QTest::addColumn<SSecLogEntry>("entry");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("span");
    QTest::addColumn<QString>("line");

    QTest::newRow("restarted, comfort durations summing to 12") << secA() << 2 << 0 << QString::fromUtf8(kSecLineA);
    QTest::newRow("all zero, quarter hour") << SSecLogEntry() << 1 << 0 << QString::fromUtf8(kSecLineZero15);
    QTest::newRow("CO2 byte 200 is 3200 ppm, day") << secCO2() << 0 << 1 << QString::fromUtf8(kSecLineCO2Day);
}

void tst_LogReports::secondaryLine()
{
    QFETCH(SSecLogEntry, entry);
    QFETCH(int, position);
    QFETCH(int, span);
    QFETCH(QString, line);
    QCOMPARE(CSecLogReport::line(position, entry, span), line);
}

void tst_LogReports::humidityReduction_data()
{
    QTest::addColumn<QByteArray>("w12w14");
    QTest::addColumn<QString>("text");

    QTest::newRow("set and cleared") << QByteArray::fromHex("00800080") << QString(" X ,");
    QTest::newRow("only set (w12 bit 15)") << QByteArray::fromHex("00800000") << QString(" 1 ,");
    QTest::newRow("only cleared (w14 bit 15)") << QByteArray::fromHex("00000080") << QString(" 0 ,");
    QTest::newRow("neither") << QByteArray::fromHex("00000000") << QString("???,");
}

void tst_LogReports::humidityReduction()
{
    QFETCH(QByteArray, w12w14);
    QFETCH(QString, text);
    QByteArray bytes(32, 0);
    bytes.replace(12, 4, w12w14);
    // Prefix 7, eight values of 6, five comfort levels of 3, four modes of 5.
    const int nColumn = 7 + 8 * 6 + 5 * 3 + 4 * 5;
    QCOMPARE(CSecLogReport::line(0, decoded<SSecLogEntry>(bytes), 0).mid(nColumn, 4), text);
}

void tst_LogReports::secondaryHeading_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<QString>("units");

    QTest::newRow("15 min") << 0 << QString::fromUtf8(
        "    ,    \xC2\xB0" "C ,  \xC2\xB0" "C ,  \xC2\xB0" "C ,  \xC2\xB0" "C ,  %  ,   % , hPa ,  ppm,"
        "   Minutes    ,          Minutes      ,      Minutes              ,      Minutes                  ,"
        "1/36m\xC2\xB3,   g  ,     0.333Km\xC2\xB3      \n");
    QTest::newRow("1 day") << 1 << QString::fromUtf8(
        "    ,    \xC2\xB0" "C ,  \xC2\xB0" "C ,  \xC2\xB0" "C ,  \xC2\xB0" "C ,  %  ,   % , hPa ,  ppm,"
        "  Hours       ,         Hours         ,     Hours                 ,     Hours                     ,"
        "3.55m\xC2\xB3,128g  ,      42.7Km\xC2\xB3      \n");
    QTest::newRow("30 days") << 2 << QString::fromUtf8(
        "    ,    \xC2\xB0" "C ,  \xC2\xB0" "C ,  \xC2\xB0" "C ,  \xC2\xB0" "C ,  %  ,   % , hPa ,  ppm,"
        "   Days       ,          Days         ,      Days                 ,      Days                     ,"
        " 114m\xC2\xB3,4096g ,     1365Km\xC2\xB3       \n");
}

void tst_LogReports::secondaryHeading()
{
    QFETCH(int, span);
    QFETCH(QString, units);
    QCOMPARE(CSecLogReport::heading(span), QString::fromUtf8(kSecHeading) + units);
}

// Three entries print youngest (last fetched) first: positions 2, 1, 0.
void tst_LogReports::secondaryReport()
{
    QVector<SSecLogEntry> entries;
    entries << secCO2() << SSecLogEntry() << secA();
    const QString report = CSecLogReport::report(entries, 0, "15 min");
    const QStringList lines = report.split('\n');
    QCOMPARE(lines.size(), 1 + 1 + 3 + 3 + 1);
    QCOMPARE(lines.at(0), QString());
    QCOMPARE(lines.at(1), QString("Secondary Log:15 min"));
    QCOMPARE(lines.at(5), QString::fromUtf8(kSecLineA).chopped(1));
    QCOMPARE(lines.at(6), QString::fromUtf8(kSecLineZero15).chopped(1));
    QVERIFY(lines.at(7).startsWith("   0,:     0,    0,    0,    0,    0,    0,  700, 3200, 0, 0, 0, 0,15,  15,"));
    QCOMPARE(lines.at(8), QString());
    QCOMPARE(report, "\nSecondary Log:15 min\n" + CSecLogReport::heading(0) + lines.mid(5, 3).join('\n') + "\n");
}

QTEST_GUILESS_MAIN(tst_LogReports)
#include "tst_LogReports.moc"
