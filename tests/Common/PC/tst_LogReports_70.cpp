#include "PC/PrimLogReport_70.h"
#include "PC/SecLogReport_70.h"

#include "../RecordCase.h"
#include "DebugCapture.h"

#include <QtTest>

Q_DECLARE_METATYPE(SPrimLogEntry_70)
Q_DECLARE_METATYPE(SSecLogEntry_70)

// The 70 family's log text reports on crafted entries. The entries are byte
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

// Supply 100/8, HUEx 50, HUSu 61, HTExt -6/4, file 5, extract -44/8, fan state
// CDown, SBFlow 33, air flow -1, humidities 40 and 45, service step 4 with
// summer cooling, comfort code 1 in mode 2 (Service), HTSup 90/4, 1500 rpm,
// reason 4, air qualities 120 and 110, DIP 0x21 (area 60), flow -20,
// error line 40000, code -300.
SPrimLogEntry_70 primA()
{
    // w0 0x0064, b2 0xB2, b3 0x1E, w4 0x17FA, w6 0x17D4, b8 0xA1, b9 0x7F, b10 0x28,
    // b11 0x2D, b13 0xA0, b14 0x91, b15 0x16, b16 0xDC, b17 0x45, b20 0x78, b21 0x6E,
    // b22 0x21, b23 0xEC, w24 0x9C40, w26 0xFED4
    return decoded<SPrimLogEntry_70>(QByteArray::fromHex("6400 B21E FA17 D417 A17F 282D 00A0 9116 DC45 0000 786E 21EC 409C D4FE"));
}
const char* const kPrimLineA =
    "  0: -5.500, 12.500,  45,  40,  120,  110, -1.500, 22.500,  50,  61,   5,   1,"
    "  -1,   -20,    33, 1500, Service,   CDown, VenCO2,   60,     5, 40000,  -300, \n";

// Fan state 6, mode 5 with comfort code 3, reason 8, summer-cooling bit set
// but DIP 0x36 (bits 1-3 = 3, area code 6).
SPrimLogEntry_70 primB()
{
    return decoded<SPrimLogEntry_70>(image(28, { { 7, "30" }, { 13, "802B" }, { 17, "80" }, { 22, "36" } }));
}
const char* const kPrimLineB =
    "  1:  0.000,  0.000,   0,   0,    0,    0,  0.000,  0.000,   0,   0,  4,  --,"
    "   0,     0,     0,    0,      ??,      ??, - ?? -,    0,     0,     0,     0, \n";

const char* const kPrimHeading =
    "Log,  TExt,    TOut,HExt,HSup,CO2Ex,CO2Su,  HTExt,  HTSup,HUEx,HUSu,Com, Sum, Fan,  Flow,SBFlow,  RPM,   State,   Fan    Ventil, Room,   IntEr, IntEr, IntEr, Error  \n"
    "   ,    \xC2\xB0" "C,      \xC2\xB0" "C,   %,   %,  ppm,  ppm,     \xC2\xB0" "C,     \xC2\xB0" "C,   %,   %,Lev, Coo, Speed,m\xC2\xB3/h,                         State, Reason, Area,   File , Line , Code ,         \n";

// Restarted; supply 18, extract 21, humidities 60 and -1, CO2 30 and 40 x 16;
// input times 1 2 3; comfort 3 4 2 1 (level 5 gets 5 of 15 minutes); service 1,
// turbo 2; min air 8; drying 4 and 5; cooling 6; CO2 ventilation 7; energy -7;
// air 1000 (66 after /15) in entry state 3; water -2 with set upper bits;
// count 12 with bit 7; warning code 200, file 9, line 123. Bytes 6-11 carry 0xAA.
SSecLogEntry_70 secA()
{
    // b0-b5 12 15 3C FF 1E 28; w12 0x0C41, w14 0x1483, w16 0x1CC4, w18 0x0822,
    // w20 0x8101, w22 0xFFF9, w24 0x1BE8, w26 0xAFFE, b28 0x8C, b29 0xC8, w30 0x247B
    return decoded<SSecLogEntry_70>(QByteArray::fromHex("12153CFF1E28 AAAAAAAAAAAA 410C 8314 C41C 2208 0181 F9FF E81B FEAF 8CC8 7B24"));
}
const char* const kSecLineA =
    "*  1,:   21,  18,  -1,  60,  640,  480, 3, 4, 2, 1, 5,  12,   1,   2,"
    "       1,       2,       3,   8,      4,      5,    6,   7,"
    "    66,    -2,    -7,  12,    9,  123,  200, \n";

// All zero, month: comfort level 5 and Auto take the whole 30 days.
const char* const kSecLineZero30 =
    "   0,:    0,   0,   0,   0,    0,    0, 0, 0, 0, 0,30,  30,   0,   0,"
    "       0,       0,       0,   0,      0,      0,    0,   0,"
    "     0,     0,     0,   0,    0,    0,    0, \n";

const char* const kSecHeading =
    " Log,  TExt,TSup,HExt,HOut, CO2E, CO2S, Comfort Level, Operation Mode, -- Reduced Ventilation , Ventilation Reason --------, Flow Values -------, Acc, --SW Warnings-- , Error\n"
    "                                        1, 2, 3, 4, 5, Auto, Ser, Trb, HumInp,HumCO2Inp,CO2Inp, Min,AbsHum,RelHum,Cool, CO2, Air  , Water, EnCol, Cnt, File, Line, Code,      \n";

} // namespace

class tst_LogReports_70 : public QObject
{
    Q_OBJECT

private slots:
    void primaryLine_data();
    void primaryLine();
    void primaryReport();
    void secondaryLine_data();
    void secondaryLine();
    void secondaryHeading_data();
    void secondaryHeading();
    void secondaryReport();
};

void tst_LogReports_70::primaryLine_data()
{
    QTest::addColumn<SPrimLogEntry_70>("entry");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("line");

    QTest::newRow("service mode: service step as comfort level") << primA() << 0 << QString::fromUtf8(kPrimLineA);
    QTest::newRow("DIP bits 1-3 = 3: no summer-cooling value") << primB() << 1 << QString::fromUtf8(kPrimLineB);
}

void tst_LogReports_70::primaryLine()
{
    QFETCH(SPrimLogEntry_70, entry);
    QFETCH(int, position);
    QFETCH(QString, line);
    QCOMPARE(CPrimLogReport_70::line(position, entry), line);
}

// Besides the text, every entry gives a debug line with its reason code.
void tst_LogReports_70::primaryReport()
{
    QVector<SPrimLogEntry_70> entries;
    entries << primA() << primB();
    CDebugCapture log;
    const QString report = CPrimLogReport_70::report(entries);
    QCOMPARE(log.lines(), QStringList({ "logEntries[ nLog ].ControlAuto = 4", "logEntries[ nLog ].ControlAuto = 8" }));

    const QStringList lines = report.split('\n');
    const QStringList expected = (QString("\nPrimary Log:\n") + QString::fromUtf8(kPrimHeading)
                                  + QString::fromUtf8(kPrimLineA) + QString::fromUtf8(kPrimLineB)).split('\n');
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines.at(i), expected.at(i));
}

void tst_LogReports_70::secondaryLine_data()
{
    QTest::addColumn<SSecLogEntry_70>("entry");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("span");
    QTest::addColumn<QString>("line");

    QTest::newRow("restarted, comfort durations 3 4 2 1") << secA() << 1 << 0 << QString::fromUtf8(kSecLineA);
    QTest::newRow("all zero, month") << SSecLogEntry_70() << 0 << 2 << QString::fromUtf8(kSecLineZero30);
}

void tst_LogReports_70::secondaryLine()
{
    QFETCH(SSecLogEntry_70, entry);
    QFETCH(int, position);
    QFETCH(int, span);
    QFETCH(QString, line);
    QCOMPARE(CSecLogReport_70::line(position, entry, span), line);
}

void tst_LogReports_70::secondaryHeading_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<QString>("units");

    QTest::newRow("15 min") << 0 << QString::fromUtf8(
        "    ,   \xC2\xB0" "C , \xC2\xB0" "C , %  ,  % ,  log,  log,    ,"
        "         Minutes      ,      Minutes        ,      Minutes     ,   1/4m\xC2\xB3,       g  ,  0.333Km\xC2\xB3      \n");
    QTest::newRow("1 day") << 1 << QString::fromUtf8(
        "    ,   \xC2\xB0" "C , \xC2\xB0" "C , %  ,  % ,  log,  log,    ,"
        "        Hours         ,     Hours           ,     Hours        ,    32m\xC2\xB3,    128g  ,   42.7Km\xC2\xB3      \n");
    QTest::newRow("30 days: air unit wider than 6") << 2 << QString::fromUtf8(
        "    ,   \xC2\xB0" "C , \xC2\xB0" "C , %  ,  % ,  log,  log,    ,"
        "         Days         ,      Days           ,      Days        ,   1024m\xC2\xB3,    4096g ,  1365Km\xC2\xB3       \n");
}

void tst_LogReports_70::secondaryHeading()
{
    QFETCH(int, span);
    QFETCH(QString, units);
    QCOMPARE(CSecLogReport_70::heading(span), QString::fromUtf8(kSecHeading) + units);
}

// Three entries print youngest (last fetched) first: positions 2, 1, 0.
void tst_LogReports_70::secondaryReport()
{
    QVector<SSecLogEntry_70> entries;
    entries << SSecLogEntry_70() << secA() << SSecLogEntry_70();
    const QString report = CSecLogReport_70::report(entries, 2, "30 days");
    const QStringList lines = report.split('\n');
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.at(1), QString("Secondary Log:30 days"));
    QVERIFY(lines.at(5).startsWith("   2,:    0,"));
    QVERIFY(lines.at(6).startsWith("*  1,:   21,  18,  -1,  60,  640,  480, 3, 4, 2, 1,20,  27,"));
    QCOMPARE(lines.at(7), QString::fromUtf8(kSecLineZero30).chopped(1));
    QCOMPARE(report.left(report.indexOf(lines.at(5))),
             "\nSecondary Log:30 days\n" + QString::fromUtf8(kSecHeading) + lines.at(4) + "\n");
}

QTEST_GUILESS_MAIN(tst_LogReports_70)
#include "tst_LogReports_70.moc"
