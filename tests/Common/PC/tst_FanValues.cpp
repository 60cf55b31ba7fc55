#include "DataDict.h"
#include "PC/FanValues.h"
#include "TranslationInstaller.h"

#include <QTranslator>
#include <QtTest>

#include <initializer_list>
#include <utility>

// Byte images of SPrimLogEntry are written by hand from the record layout
// (bN = byte N, wN = little-endian word at N); expected values are worked out
// from the field tables, never taken from the code under test.

namespace {

using ByteList = std::initializer_list<std::pair<int, int>>;

QByteArray image(ByteList bytes)
{
    QByteArray b(26, '\0');
    for (const auto& byte : bytes)
        b[byte.first] = char(byte.second);
    return b;
}

// Every byte of this record holds a distinct field value:
//  w0 0x18A0: supply 0x0A0 = 20.0 degC, error state 3
//  w2 0x9FF8: outdoor 0x7F8 = -1.0 degC, pressure high part 19
//  w4 0xC82C: exhaust 44/8 = 5.5 degC, extract flap 25
//  w6 0xF8B0: extract 176/8 = 22.0 degC, bypass flap 31
//  w8 0xA890: virtual supply 144/8 = 18.0 degC, pressure low part 5, de-icing
//  b10 0xD5: outdoor hum 85, supply filter full; b11 0x2D: extract hum 45
//  b12 0x32: CO2 50 x 16; b13 0x47: bath flap 7, comfort code 2
//  b14 0x2C: supply flap 12, operation mode 1; b15 0xA2: program 2, flow code 20
//  w16 0x94D2: fan A 1234 rpm, fan flow 9; w18 0x5567: fan B 1383 rpm,
//     humidity reduction, second room above 20
//  b20 0xB2: DIP (reserved bit 7, room-area code 3, second-room step 2)
//  b21 0x01: defrost 1, error file 0; w22 0xB185: version bits 0x185,
//     no CO2 sensor, DIP2 5; b24 0xFD: error code -3; b25 0x39: flap control 1, 2, 3, 0
const QByteArray RichImage = QByteArray::fromHex("A018F89F2CC8B0F890A8D52D32472CA2D2946755B20185B1FD39");

SPrimLogEntry entryOf(const QByteArray& bytes)
{
    SPrimLogEntry entry;
    if (!entry.decode(bytes))
        qFatal("test image of %d bytes", int(bytes.size()));
    return entry;
}

CFanValues valuesOf(const QByteArray& bytes) { return CFanValues(entryOf(bytes)); }

// A temperature in 1/8 degC in bits 0-10 of the word at nOffset.
void putTemp(QByteArray& b, int nOffset, int nEighths)
{
    b[nOffset] = char(nEighths & 0xFF);
    b[nOffset + 1] = char((b[nOffset + 1] & 0xF8) | ((nEighths >> 8) & 0x07));
}

QVariantMap members(const CFanValues& v)
{
    return {
        { "extractTemp", v.extractTemp() }, { "outdoorTemp", v.outdoorTemp() },
        { "exhaustTemp", v.exhaustTemp() }, { "extractHum", v.extractHum() },
        { "outdoorHum", v.outdoorHum() }, { "co2", v.co2() },
        { "comfortLevel", v.comfortLevel() }, { "fanFlow", v.fanFlow() },
        { "extractAirFlow", v.extractAirFlow() }, { "roomArea", v.roomArea() },
        { "max2ndRoomExtract", v.max2ndRoomExtract() }, { "fanSupplyRPM", v.fanSupplyRPM() },
        { "fanExtractRPM", v.fanExtractRPM() }, { "operationModeCode", v.operationModeCode() },
        { "programCode", v.programCode() }, { "defrostCode", v.defrostCode() },
        { "errorStateCode", v.errorStateCode() }, { "deicing", v.deicing() },
        { "humReductionMode", v.humReductionMode() }, { "fanLimited", v.fanLimited() },
        { "secondRoomOver20", v.secondRoomOver20() }, { "ventPosExtract", v.ventPosExtract() },
        { "ventPosBypass", v.ventPosBypass() }, { "sumCoolBypassOpen", v.sumCoolBypassOpen() },
        { "pressure", v.pressure() }, { "ventPosBath", v.ventPosBath() },
        { "ventPosSupply", v.ventPosSupply() }, { "filterSupplyFull", v.filterSupplyFull() },
        { "filterExtractFull", v.filterExtractFull() }, { "dipSwitch", v.dipSwitch() },
        { "dipSwitch2", v.dipSwitch2() }, { "errorFileNr", v.errorFileNr() },
        { "errorLineNr", v.errorLineNr() }, { "errorCode", v.errorCode() },
        { "ventCtrlSetExtract", v.ventCtrlSetExtract() }, { "ventCtrlSetBath", v.ventCtrlSetBath() },
        { "ventCtrlSetSupply", v.ventCtrlSetSupply() }, { "ventCtrlSetBypass", v.ventCtrlSetBypass() },
        { "noCO2Sensor", v.noCO2Sensor() }, { "swVersionMajor", v.swVersionMajor() },
        { "swVersionMinor", v.swVersionMinor() }, { "supplyTemp", v.supplyTemp() },
        { "supplyTempVirt", v.supplyTempVirt() },
        // the mappings and texts that follow from the codes
        { "operationModeField", v.operationModeField() }, { "programField", v.programField() },
        { "reductionReasonField", v.reductionReasonField() },
        { "errorField", CFanValues::errorField(v.errorStateCode()) },
        { "operationModeText", v.operationModeText() },
        { "minVentilationText", v.minVentilationText() },
        { "hasEnthalpyExchanger", v.hasEnthalpyExchanger() },
        { "isAirFlowActive", v.isAirFlowActive() },
        { "swVersion", v.value(90) }, { "errorText", v.value(91) },
    };
}

} // namespace

// Delivers values the way the window receives them: through a queued call by type name.
class CValuesReceiver : public QObject
{
    Q_OBJECT

public:
    QList<CFanValues> received;

public slots:
    void onValues(const CFanValues& values) { received.append(values); }
};

class tst_FanValues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decode_data();
    void decode();
    void value_data();
    void value();
    void valueOfFieldsNotCarried_data();
    void valueOfFieldsNotCarried();
    void derived_data();
    void derived();
    void checksum_data();
    void checksum();
    void alteredChecksumIsDetected();
    void defaultValues();
    void travelsThroughQueuedCall();
    void humidityReductionTextInGerman();
};

void tst_FanValues::initTestCase()
{
    // The dictionary fixes its description language when first built: English here.
    QVERIFY(CDataDict::instance() != nullptr);
}

void tst_FanValues::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QVariantMap>("expected");

    QTest::newRow("every field distinct") << RichImage << QVariantMap {
        { "extractTemp", 22.0 }, { "outdoorTemp", -1.0 }, { "exhaustTemp", 5.5 },
        { "extractHum", 45 }, { "outdoorHum", 85 }, { "co2", 800 }, { "comfortLevel", 3 },
        { "fanFlow", 90 }, { "extractAirFlow", 90 }, { "roomArea", 45 },
        { "max2ndRoomExtract", 60 }, { "fanSupplyRPM", 1383 }, { "fanExtractRPM", 1234 },
        { "operationModeCode", 1 }, { "programCode", 2 }, { "defrostCode", 1 },
        { "errorStateCode", 3 }, { "deicing", true }, { "humReductionMode", true },
        { "fanLimited", false }, { "secondRoomOver20", true }, { "ventPosExtract", 25 },
        { "ventPosBypass", 31 }, { "sumCoolBypassOpen", false }, { "pressure", 1009 },
        { "ventPosBath", 7 }, { "ventPosSupply", 12 }, { "filterSupplyFull", 1 },
        { "filterExtractFull", 0 }, { "dipSwitch", 178 }, { "dipSwitch2", 5u },
        { "errorFileNr", 0u }, { "errorLineNr", 0u }, { "errorCode", -3 },
        { "ventCtrlSetExtract", 1 }, { "ventCtrlSetBath", 2 }, { "ventCtrlSetSupply", 3 },
        { "ventCtrlSetBypass", 0 }, { "noCO2Sensor", true }, { "swVersionMajor", 3 },
        { "swVersionMinor", 5 }, { "supplyTemp", 20.0 }, { "supplyTempVirt", 18.0 },
        { "operationModeField", 4 }, { "programField", 15 }, { "reductionReasonField", 22 },
        { "errorField", 95 }, { "operationModeText", "Humidity reduction (1st room)" },
        { "minVentilationText", "40" }, { "hasEnthalpyExchanger", true },
        { "isAirFlowActive", true }, { "swVersion", "3.5" }, { "errorText", "ge1" },
    };
    QTest::newRow("all zero") << image({}) << QVariantMap {
        { "extractTemp", 0.0 }, { "comfortLevel", 1 }, { "roomArea", 20 }, { "pressure", 700 },
        { "extractAirFlow", 0 }, { "operationModeText", "Comfort" }, { "swVersion", "0.0" },
        { "minVentilationText", "Off" }, { "hasEnthalpyExchanger", false },
        { "isAirFlowActive", false }, { "reductionReasonField", -1 }, { "errorText", "ok" },
    };

    // 11-bit temperatures with the sign in bit 10; the upper word bits belong elsewhere.
    QTest::newRow("extract 0x7F8 is -1.0") << image({ { 6, 0xF8 }, { 7, 0x07 } })
        << QVariantMap { { "extractTemp", -1.0 }, { "ventPosBypass", 0 } };
    QTest::newRow("extract 0x0A0 is 20.0") << image({ { 6, 0xA0 }, { 7, 0x00 } })
        << QVariantMap { { "extractTemp", 20.0 } };
    QTest::newRow("extract 0x400 is -128.0 under flap bits") << image({ { 6, 0x00 }, { 7, 0xFC } })
        << QVariantMap { { "extractTemp", -128.0 }, { "ventPosBypass", 31 } };

    QTest::newRow("flow code 20 is the fan flow") << image({ { 15, 20 << 3 }, { 17, 0x60 } })
        << QVariantMap { { "fanFlow", 60 }, { "extractAirFlow", 60 }, { "isAirFlowActive", true } };
    QTest::newRow("flow code 1 is no flow") << image({ { 15, 1 << 3 }, { 17, 0x60 } })
        << QVariantMap { { "fanFlow", 60 }, { "extractAirFlow", 0 }, { "isAirFlowActive", false } };
    QTest::newRow("flow code 25 is 25") << image({ { 15, 25 << 3 }, { 17, 0x60 } })
        << QVariantMap { { "fanFlow", 60 }, { "extractAirFlow", 25 } };

    QTest::newRow("room-area code 5 is 75") << image({ { 20, 0x50 } })
        << QVariantMap { { "roomArea", 75 }, { "dipSwitch", 0x50 } };
    QTest::newRow("room-area code 6 is 1") << image({ { 20, 0x60 } })
        << QVariantMap { { "roomArea", 1 }, { "max2ndRoomExtract", 0 } };
    QTest::newRow("room-area code 7 is 2, step 3") << image({ { 20, 0x73 } })
        << QVariantMap { { "roomArea", 2 }, { "max2ndRoomExtract", 90 }, { "dipSwitch", 0x73 } };

    // w22 bits 0-9 = 0x185: 2 x 1 + 1 = 3 and 5.
    QTest::newRow("version 3.5 without error file") << image({ { 22, 0x85 }, { 23, 0x01 } })
        << QVariantMap { { "swVersionMajor", 3 }, { "swVersionMinor", 5 }, { "swVersion", "3.5" },
                         { "errorLineNr", 0u }, { "errorFileNr", 0u } };
    QTest::newRow("error file 5 keeps the line") << image({ { 21, (5 << 2) | 2 }, { 22, 0x85 }, { 23, 0x01 } })
        << QVariantMap { { "swVersionMajor", 0 }, { "swVersionMinor", 0 }, { "swVersion", "0.0" },
                         { "errorLineNr", 389u }, { "errorFileNr", 5u }, { "defrostCode", 2 },
                         { "reductionReasonField", 23 } };
    QTest::newRow("version 7.127") << image({ { 22, 0xFF }, { 23, 0x03 } })
        << QVariantMap { { "swVersion", "7.127" } };

    QTest::newRow("error 22 is WiFi") << image({ { 1, 22 << 3 } })
        << QVariantMap { { "errorStateCode", 22 }, { "errorField", 119 }, { "errorText", "Err-WiFi" } };
    QTest::newRow("error 23 has no text") << image({ { 1, 23 << 3 } })
        << QVariantMap { { "errorStateCode", 23 }, { "errorField", -1 }, { "errorText", "" } };
    QTest::newRow("error 31 has no text") << image({ { 1, 0xF8 } })
        << QVariantMap { { "errorStateCode", 31 }, { "errorField", -1 }, { "errorText", "" } };

    QTest::newRow("mode 0 with humidity reduction") << image({ { 19, 0x10 } })
        << QVariantMap { { "operationModeText", "Humidity reduction" }, { "operationModeField", 3 } };
    QTest::newRow("mode 1 without humidity reduction") << image({ { 14, 1 << 5 } })
        << QVariantMap { { "operationModeText", "Comfort (1st room)" } };
    QTest::newRow("mode 2 with humidity reduction stays Sleep") << image({ { 14, 2 << 5 }, { 19, 0x10 } })
        << QVariantMap { { "operationModeText", "Sleep" }, { "operationModeField", 6 } };
    QTest::newRow("mode 7 is Manufacturer") << image({ { 14, 7 << 5 } })
        << QVariantMap { { "operationModeText", "Manufacturer" }, { "operationModeField", 11 } };

    // Program codes 5 to 7 are reductions and win over defrosting.
    QTest::newRow("program 4 is CO2 reduction") << image({ { 15, 4 } })
        << QVariantMap { { "programField", 17 }, { "reductionReasonField", -1 } };
    QTest::newRow("program 5 over defrost 1") << image({ { 15, 5 }, { 21, 1 } })
        << QVariantMap { { "programField", -1 }, { "reductionReasonField", 25 } };
    QTest::newRow("program 6 over defrost 2") << image({ { 15, 6 }, { 21, 2 } })
        << QVariantMap { { "reductionReasonField", 26 } };
    QTest::newRow("program 7") << image({ { 15, 7 } })
        << QVariantMap { { "reductionReasonField", 24 } };
    QTest::newRow("defrost 3 has no reason") << image({ { 21, 3 } })
        << QVariantMap { { "reductionReasonField", -1 } };

    QTest::newRow("DIP2 2: 50 m3/h, no enthalpy") << image({ { 23, 2 << 5 } })
        << QVariantMap { { "minVentilationText", "50" }, { "hasEnthalpyExchanger", false },
                         { "dipSwitch2", 2u } };
    QTest::newRow("DIP2 7: 60 m3/h, enthalpy") << image({ { 23, 7 << 5 } })
        << QVariantMap { { "minVentilationText", "60" }, { "hasEnthalpyExchanger", true } };

    QTest::newRow("fan speeds use 12 bits, flags stay apart")
        << image({ { 16, 0xFF }, { 17, 0x0F }, { 18, 0xFF }, { 19, 0xAF } })
        << QVariantMap { { "fanExtractRPM", 4095 }, { "fanSupplyRPM", 4095 }, { "fanFlow", 0 },
                         { "humReductionMode", false }, { "fanLimited", true },
                         { "secondRoomOver20", false }, { "sumCoolBypassOpen", true } };
    QTest::newRow("highest pressure") << image({ { 3, 0xF8 }, { 9, 0x78 } })
        << QVariantMap { { "pressure", 700 + 16 * 31 + 15 }, { "deicing", false },
                         { "outdoorTemp", 0.0 } };
    QTest::newRow("humidities without filter bits") << image({ { 10, 0x7F }, { 11, 0x80 } })
        << QVariantMap { { "outdoorHum", 127 }, { "filterSupplyFull", 0 }, { "extractHum", 0 },
                         { "filterExtractFull", 1 } };
    QTest::newRow("error code -128") << image({ { 24, 0x80 } })
        << QVariantMap { { "errorCode", -128 } };
}

void tst_FanValues::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QVariantMap, expected);

    const QVariantMap actual = members(valuesOf(bytes));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(actual.contains(it.key()), qPrintable(it.key()));
        const QVariant got = actual.value(it.key());
        QVERIFY2(got == it.value(), qPrintable(QStringLiteral("%1: got %2, expected %3")
                                                   .arg(it.key(), got.toString(), it.value().toString())));
    }
}

void tst_FanValues::value_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QVariant>("expected");

    // The rich image, field by field, with the variant type the minute log binds.
    QTest::newRow("28 HumReductionMode") << 28 << QVariant(true);
    QTest::newRow("29 SumCoolBypassOpen") << 29 << QVariant(false);
    QTest::newRow("141 NoCO2Sensor") << 141 << QVariant(true);
    QTest::newRow("37 ExtractTemp") << 37 << QVariant(22.0);
    QTest::newRow("41 OutdoorTemp") << 41 << QVariant(-1.0);
    QTest::newRow("46 SupplyTemp") << 46 << QVariant(20.0);
    QTest::newRow("47 SupplyTempVirt") << 47 << QVariant(18.0);
    QTest::newRow("49 ExhaustTemp") << 49 << QVariant(5.5);
    QTest::newRow("122 ErrorFileNr") << 122 << QVariant(0u);
    QTest::newRow("123 ErrorLineNr") << 123 << QVariant(0u);
    QTest::newRow("124 ErrorCode keeps its sign") << 124 << QVariant(-3);
    QTest::newRow("136 DIPSwitch2") << 136 << QVariant(5u);
    QTest::newRow("30 ComfortLevel") << 30 << QVariant(3);
    QTest::newRow("31 RoomArea") << 31 << QVariant(45);
    QTest::newRow("32 Max2ndRoomExtract") << 32 << QVariant(60);
    QTest::newRow("34 FanSupplyRPM") << 34 << QVariant(1383);
    QTest::newRow("35 FanExtractRPM") << 35 << QVariant(1234);
    QTest::newRow("36 ExtractAirFlow") << 36 << QVariant(90);
    QTest::newRow("39 ExtractHum") << 39 << QVariant(45);
    QTest::newRow("42 OutdoorHum") << 42 << QVariant(85);
    QTest::newRow("43 CO2") << 43 << QVariant(800);
    QTest::newRow("50 Pressure") << 50 << QVariant(1009);
    QTest::newRow("56 Deicing as a number") << 56 << QVariant(1);
    QTest::newRow("125 VentPosExtract") << 125 << QVariant(25);
    QTest::newRow("126 VentPosBypass") << 126 << QVariant(31);
    QTest::newRow("127 VentPosBath") << 127 << QVariant(7);
    QTest::newRow("128 VentPosSupply") << 128 << QVariant(12);
    QTest::newRow("129 VentCtrlSetExtract") << 129 << QVariant(1);
    QTest::newRow("130 VentCtrlSetBypass") << 130 << QVariant(0);
    QTest::newRow("131 VentCtrlSetBath") << 131 << QVariant(2);
    QTest::newRow("132 VentCtrlSetSupply") << 132 << QVariant(3);
    QTest::newRow("133 FilterSupplyFull") << 133 << QVariant(1);
    QTest::newRow("134 FilterExtractFull") << 134 << QVariant(0);
    QTest::newRow("135 DIPSwitch") << 135 << QVariant(178);
    QTest::newRow("2 OperationMode") << 2 << QVariant(QStringLiteral("cm1"));
    QTest::newRow("12 Program") << 12 << QVariant(QStringLiteral("hra"));
    QTest::newRow("21 ReductionReason") << 21 << QVariant(QStringLiteral("dfr"));
    QTest::newRow("91 ErrorState") << 91 << QVariant(QStringLiteral("ge1"));
    QTest::newRow("90 SW_Version") << 90 << QVariant(QStringLiteral("3.5"));
}

void tst_FanValues::value()
{
    QFETCH(int, field);
    QFETCH(QVariant, expected);

    const QVariant actual = valuesOf(RichImage).value(field);
    QCOMPARE(actual.userType(), expected.userType());
    QCOMPARE(actual, expected);
}

void tst_FanValues::valueOfFieldsNotCarried_data()
{
    QTest::addColumn<int>("field");
    for (int field : { -1, 0, 1, 3, 33, 38, 40, 44, 48, 51, 52, 53, 59, 61, 137, 140, 142 })
        QTest::newRow(qPrintable(QString::number(field))) << field;
}

void tst_FanValues::valueOfFieldsNotCarried()
{
    QFETCH(int, field);
    QVERIFY(!valuesOf(RichImage).value(field).isValid());
}

void tst_FanValues::derived_data()
{
    QTest::addColumn<int>("extract");    // 1/8 degC
    QTest::addColumn<int>("outdoor");
    QTest::addColumn<int>("supplyVirt");
    QTest::addColumn<int>("flowCode");   // average-flow code
    QTest::addColumn<int>("fanFlowCode"); // x 10 m3/h
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("watt");
    QTest::addColumn<int>("cooling");

    // 21.0/20.0: difference below 2 K. Cooling 60 x 0.5 / 3 = 10.
    QTest::newRow("difference below 2 K") << 168 << 160 << 164 << 20 << 6 << 100 << 0 << 10;
    QTest::newRow("negative difference below 2 K") << 160 << 172 << 164 << 20 << 6 << 100 << 0 << -9;
    // 22/2/18: (1 - 4/20) x 100 = 80; 60 x 16 / 3 = 320; 60 x 4 / 3 = 80.
    QTest::newRow("80 percent") << 176 << 16 << 144 << 20 << 6 << 80 << 320 << 80;
    // 21/0/15, flow 60: 60 x 15 / 3 = 300; (1 - 6/21) x 100 + 0.5 = 71.9.
    QTest::newRow("300 watts") << 168 << 0 << 120 << 20 << 6 << 71 << 300 << 120;
    // 22/2/24: 110 clamped; cooling 60 x -2 / 3 + 0.5 = -39.5 cut to -39.
    QTest::newRow("clamped at 100") << 176 << 16 << 192 << 20 << 6 << 100 << 440 << -39;
    // 22/2/0: (1 - 22/20) x 100 + 0.5 = -9.5 cut to -9; no lower bound.
    QTest::newRow("below zero") << 176 << 16 << 0 << 20 << 6 << -9 << -39 << 440;
    QTest::newRow("no flow") << 176 << 16 << 144 << 0 << 6 << 100 << 0 << 0;
    // 21/-1/17.5, flow 25: (1 - 3.5/22) x 100 + 0.5 = 84.6; 25 x 18.5 / 3 = 154.2; 25 x 3.5 / 3 = 29.2.
    QTest::newRow("frost outside, flow code 25") << 168 << -8 << 140 << 25 << 0 << 84 << 154 << 29;
    // 26/30/20, flow 90: 250 clamped; 90 x -10 / 3 + 0.5 = -299.5 cut to -299; 90 x 6 / 3 = 180.
    QTest::newRow("summer cooling") << 208 << 240 << 160 << 20 << 9 << 100 << -299 << 180;
}

void tst_FanValues::derived()
{
    QFETCH(int, extract);
    QFETCH(int, outdoor);
    QFETCH(int, supplyVirt);
    QFETCH(int, flowCode);
    QFETCH(int, fanFlowCode);

    QByteArray bytes = image({ { 15, flowCode << 3 }, { 17, fanFlowCode << 4 } });
    putTemp(bytes, 6, extract);
    putTemp(bytes, 2, outdoor);
    putTemp(bytes, 8, supplyVirt);
    const CFanValues values = valuesOf(bytes);

    QTEST(values.heatRecoveryPercent(), "percent");
    QTEST(values.heatRecoveryWatt(), "watt");
    QTEST(values.coolingPower(), "cooling");
}

void tst_FanValues::checksum_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected");

    // Temperatures x 8: 176 - 8 + 44 + 160 + 144 = 516; the int members from
    // extractHum to errorStateCode: 3842; flaps, pressure, filters, DIP, error
    // and flap control: 1266; flags 1 + 1 + 0 + 1 + 0 = 3.
    QTest::newRow("every field distinct") << RichImage << 516 + 3842 + 1266 + 3;
    // Comfort level 1, room area 20 and pressure 700 are there even in zeros.
    QTest::newRow("all zero") << image({}) << 721;
    QTest::newRow("version, DIP2 and CO2 flag not counted") << image({ { 22, 0x85 }, { 23, 0xF1 } }) << 721;
    QTest::newRow("error file and line counted") << image({ { 21, 0x04 }, { 22, 0x85 }, { 23, 0x01 } })
                                                  << 721 + 1 + 389;
    QTest::newRow("each flag counts 1") << image({ { 9, 0x80 }, { 19, 0xF0 } }) << 721 + 5;
    QTest::newRow("negative temperature truncated") << image({ { 2, 0xFF }, { 3, 0x07 } }) << 721 - 1;
}

void tst_FanValues::checksum()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);

    const CFanValues values = valuesOf(bytes);
    QCOMPARE(values.calcChecksum(), expected);
    QCOMPARE(values.checksum(), expected);
    QVERIFY(values.hasValidChecksum());
}

void tst_FanValues::alteredChecksumIsDetected()
{
    CFanValues values = valuesOf(RichImage);
    values.setChecksum(values.checksum() + 1);
    QVERIFY(!values.hasValidChecksum());

    const CFanValues copy = values;
    QVERIFY(!copy.hasValidChecksum());
    QCOMPARE(copy.calcChecksum(), 5627);
}

void tst_FanValues::defaultValues()
{
    const CFanValues values;
    QCOMPARE(values.checksum(), 0);
    QVERIFY(values.hasValidChecksum());
    QCOMPARE(values.comfortLevel(), 0);
    QCOMPARE(values.roomArea(), 0);
    QCOMPARE(values.pressure(), 0);
    QCOMPARE(values.extractTemp(), 0.0);
    QCOMPARE(values.value(90), QVariant(QStringLiteral("0.0")));
}

void tst_FanValues::travelsThroughQueuedCall()
{
    const int id = CFanValues::registerMetaType();
    QCOMPARE(QMetaType::type("CFanValues"), id);

    CValuesReceiver receiver;
    const CFanValues sent = valuesOf(RichImage);
    QVERIFY(QMetaObject::invokeMethod(&receiver, "onValues", Qt::QueuedConnection, Q_ARG(CFanValues, sent)));
    QVERIFY(receiver.received.isEmpty());
    QTRY_COMPARE(receiver.received.size(), 1);
    QCOMPARE(members(receiver.received.first()), members(sent));
    QVERIFY(receiver.received.first().hasValidChecksum());
}

void tst_FanValues::humidityReductionTextInGerman()
{
    QTranslator german;
    QVERIFY(CTranslationInstaller::loadCommon(german, QStringLiteral("de")));
    QCoreApplication::installTranslator(&german);
    const QString mode0 = valuesOf(image({ { 19, 0x10 } })).operationModeText();
    const QString mode1 = valuesOf(image({ { 14, 1 << 5 }, { 19, 0x10 } })).operationModeText();
    QCoreApplication::removeTranslator(&german);

    QCOMPARE(mode0, QStringLiteral("Entfeuchtung"));
    QCOMPARE(mode1, QStringLiteral("Entfeuchtung (Erstraum)"));
}

QTEST_GUILESS_MAIN(tst_FanValues)
#include "tst_FanValues.moc"
