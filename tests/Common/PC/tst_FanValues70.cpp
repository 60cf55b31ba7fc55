#include "DataDict.h"
#include "PC/FanValues70.h"

#include <QtTest>

#include <initializer_list>
#include <utility>

// Byte images of SPrimLogEntry_70 are written by hand from the record layout
// (bN = byte N, wN = little-endian word at N); expected values are worked out
// from the field tables, never taken from the code under test.

namespace {

using ByteList = std::initializer_list<std::pair<int, int>>;

QByteArray image(ByteList bytes)
{
    QByteArray b(28, '\0');
    for (const auto& byte : bytes)
        b[byte.first] = char(byte.second);
    return b;
}

// Every field distinct, and the bits this record does not use set as noise:
//  w0 0x70A0: supply 0x0A0 = 20.0 degC, error state 14
//  b2 0x3C, b3 0x15: report-only humidities; w4 0x2555: report-only
//     temperature 0x155, error file 9
//  w6 0x17F8: extract 0x7F8 = -1.0 degC, fan state 2
//  b8 0x95, b9 0x7F: air flow 0xFF = -1 (b8 bits 0-6 report-only)
//  b10 0xBC: outdoor hum 60 under a stray bit 7; b11 0x37: extract hum 55
//  b12 0xAA, b13 0x5B: not used here; b14 0x54: comfort code 4, mode 2, stray bit 6
//  b15 0x33: report-only; w16 0x73E8: fan 1000 rpm, program 7
//  b18..b21 0x05 0x0A 0xC8 0x00: qualities 105, 110, 300, 100 after +100
//  b22 0xA5: DIP (room-area code 4); b23 0xEC: report-only flow
//  w24 0xC350: error line 50000; w26 0xFFFE: error code -2
const QByteArray RichImage =
    QByteArray::fromHex("A0703C155525F817957FBC37AA5B5433E873050AC800A5EC50C3FEFF");

CFanValues70 valuesOf(const QByteArray& bytes)
{
    SPrimLogEntry_70 entry;
    if (!entry.decode(bytes))
        qFatal("test image of %d bytes", int(bytes.size()));
    return CFanValues70(entry);
}

QVariantMap members(const CFanValues70& v)
{
    return {
        { "extractTemp", v.extractTemp() }, { "supplyTemp", v.supplyTemp() },
        { "extractHum", v.extractHum() }, { "outdoorHum", v.outdoorHum() },
        { "extractAirQuality", v.extractAirQuality() }, { "supplyAirQuality", v.supplyAirQuality() },
        { "extractAirQualityRaw", v.extractAirQualityRaw() },
        { "supplyAirQualityRaw", v.supplyAirQualityRaw() }, { "comfortLevel", v.comfortLevel() },
        { "airFlow", v.airFlow() }, { "roomArea", v.roomArea() }, { "fanRPM", v.fanRPM() },
        { "operationModeCode", v.operationModeCode() }, { "programCode", v.programCode() },
        { "errorStateCode", v.errorStateCode() }, { "dipSwitch", v.dipSwitch() },
        { "errorFileNr", v.errorFileNr() }, { "errorLineNr", v.errorLineNr() },
        { "errorCode", v.errorCode() },
        // the mappings and texts that follow from the codes
        { "operationModeField", v.operationModeField() }, { "programField", v.programField() },
        { "errorField", v.errorField() }, { "operationModeText", v.operationModeText() },
        { "flowValue", v.value(36) }, { "modeText", v.value(2) }, { "programText", v.value(12) },
        { "errorText", v.value(91) },
    };
}

} // namespace

// Delivers values the way the window receives them: through a queued call by type name.
class CValues70Receiver : public QObject
{
    Q_OBJECT

public:
    QList<CFanValues70> received;

public slots:
    void onValues(const CFanValues70& values) { received.append(values); }
};

class tst_FanValues70 : public QObject
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
    void defaultValues();
    void travelsThroughQueuedCall();
};

void tst_FanValues70::initTestCase()
{
    QCOMPARE(RichImage.size(), 28);
    QVERIFY(CDataDict::instance() != nullptr);
}

void tst_FanValues70::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QVariantMap>("expected");

    QTest::newRow("every field distinct") << RichImage << QVariantMap {
        { "extractTemp", -1.0 }, { "supplyTemp", 20.0 }, { "extractHum", 55 }, { "outdoorHum", 60 },
        { "extractAirQuality", 300 }, { "supplyAirQuality", 100 }, { "extractAirQualityRaw", 105 },
        { "supplyAirQualityRaw", 110 }, { "comfortLevel", 5 }, { "airFlow", -1 }, { "roomArea", 60 },
        { "fanRPM", 1000 }, { "operationModeCode", 2 }, { "programCode", 7 },
        { "errorStateCode", 14 }, { "dipSwitch", 165 }, { "errorFileNr", 9 },
        { "errorLineNr", 50000 }, { "errorCode", -2 },
        { "operationModeField", 9 }, { "programField", 19 }, { "errorField", 117 },
        { "operationModeText", "Service" }, { "flowValue", 1 }, { "modeText", "svc" },
        { "programText", "HCO2Inp" }, { "errorText", "Err-FAN" },
    };
    QTest::newRow("all zero") << image({}) << QVariantMap {
        { "extractTemp", 0.0 }, { "supplyTemp", 0.0 }, { "comfortLevel", 1 }, { "roomArea", 20 },
        { "extractAirQuality", 100 }, { "supplyAirQualityRaw", 100 }, { "airFlow", 0 },
        { "operationModeText", "Auto" }, { "programText", "mve" }, { "errorText", "ok" },
    };

    QTest::newRow("supply 0x7F8 is -1.0") << image({ { 0, 0xF8 }, { 1, 0x07 } })
        << QVariantMap { { "supplyTemp", -1.0 }, { "errorStateCode", 0 } };
    QTest::newRow("extract 0x0A0 is 20.0 beside fan state") << image({ { 6, 0xA0 }, { 7, 0x38 } })
        << QVariantMap { { "extractTemp", 20.0 } };

    // Air flow: bit 0 from b8 bit 7, bits 1-7 from b9 bits 0-6.
    QTest::newRow("air flow -1") << image({ { 8, 0x80 }, { 9, 0x7F } })
        << QVariantMap { { "airFlow", -1 }, { "flowValue", 1 } };
    QTest::newRow("air flow +30") << image({ { 8, 0x00 }, { 9, 0x0F } })
        << QVariantMap { { "airFlow", 30 }, { "flowValue", 30 } };
    QTest::newRow("air flow -30") << image({ { 8, 0x00 }, { 9, 0x71 } })
        << QVariantMap { { "airFlow", -30 }, { "flowValue", 30 } };
    QTest::newRow("air flow +31 ignores b9 bit 7 and b8 bits 0-6") << image({ { 8, 0xFF }, { 9, 0x8F } })
        << QVariantMap { { "airFlow", 31 } };

    QTest::newRow("room-area code 5 is 75") << image({ { 22, 0x28 } }) << QVariantMap { { "roomArea", 75 } };
    QTest::newRow("room-area code 6 is 0") << image({ { 22, 0x30 } })
        << QVariantMap { { "roomArea", 0 }, { "dipSwitch", 0x30 } };
    QTest::newRow("room-area code 7 is 0") << image({ { 22, 0x38 } }) << QVariantMap { { "roomArea", 0 } };

    QTest::newRow("comfort code 7 is level 8") << image({ { 14, 0x07 } }) << QVariantMap { { "comfortLevel", 8 } };
    QTest::newRow("quality bytes 255") << image({ { 18, 0xFF }, { 19, 0xFF }, { 20, 0xFF }, { 21, 0xFF } })
        << QVariantMap { { "extractAirQualityRaw", 355 }, { "supplyAirQualityRaw", 355 },
                         { "extractAirQuality", 355 }, { "supplyAirQuality", 355 } };
    QTest::newRow("fan speed uses 12 bits") << image({ { 16, 0xFF }, { 17, 0x0F } })
        << QVariantMap { { "fanRPM", 4095 }, { "programCode", 0 } };

    QTest::newRow("mode 4 is Manufacturer") << image({ { 14, 4 << 3 } })
        << QVariantMap { { "operationModeField", 11 }, { "operationModeText", "Manufacturer" } };
    QTest::newRow("mode 5 has no text") << image({ { 14, 5 << 3 } })
        << QVariantMap { { "operationModeField", -1 }, { "operationModeText", "" }, { "modeText", "" } };
    QTest::newRow("mode 7 has no text") << image({ { 14, 7 << 3 } })
        << QVariantMap { { "operationModeField", -1 }, { "modeText", "" } };

    QTest::newRow("program 5 is humidity input") << image({ { 17, 5 << 4 } })
        << QVariantMap { { "programField", 20 }, { "programText", "HumInp" } };
    QTest::newRow("program 6 is CO2 input") << image({ { 17, 6 << 4 } })
        << QVariantMap { { "programField", 18 }, { "programText", "CO2Inp" } };
    QTest::newRow("program 8 has no text") << image({ { 17, 8 << 4 } })
        << QVariantMap { { "programCode", 8 }, { "programField", -1 }, { "programText", "" } };
    QTest::newRow("program 15 has no text") << image({ { 17, 0xF0 } })
        << QVariantMap { { "programCode", 15 }, { "programField", -1 } };

    QTest::newRow("error 1 is general") << image({ { 1, 1 << 3 } }) << QVariantMap { { "errorField", 95 } };
    QTest::newRow("error 15 is DIP switch") << image({ { 1, 15 << 3 } }) << QVariantMap { { "errorField", 110 } };
    QTest::newRow("error 18 is fire") << image({ { 1, 18 << 3 } })
        << QVariantMap { { "errorField", 113 }, { "errorText", "Fire" } };
    for (int code : { 2, 4, 6, 8, 9, 10, 11, 12, 13, 19, 31 }) {
        QTest::newRow(qPrintable(QStringLiteral("error %1 has no text").arg(code)))
            << image({ { 1, code << 3 } })
            << QVariantMap { { "errorStateCode", code }, { "errorField", -1 }, { "errorText", "" } };
    }
}

void tst_FanValues70::decode()
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

void tst_FanValues70::value_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QVariant>("expected");

    // The rich image, field by field, with the variant type the minute log binds.
    QTest::newRow("37 ExtractTemp") << 37 << QVariant(-1.0);
    QTest::newRow("38 SupplyTemp70") << 38 << QVariant(20.0);
    QTest::newRow("122 ErrorFileNr") << 122 << QVariant(9u);
    QTest::newRow("123 ErrorLineNr") << 123 << QVariant(50000u);
    QTest::newRow("124 ErrorCode keeps its sign") << 124 << QVariant(-2);
    QTest::newRow("30 ComfortLevel") << 30 << QVariant(5);
    QTest::newRow("31 RoomArea") << 31 << QVariant(60);
    QTest::newRow("33 FanRPM70") << 33 << QVariant(1000);
    QTest::newRow("36 ExtractAirFlow without sign") << 36 << QVariant(1);
    QTest::newRow("39 ExtractHum") << 39 << QVariant(55);
    QTest::newRow("42 OutdoorHum") << 42 << QVariant(60);
    QTest::newRow("44 ExtractCO270") << 44 << QVariant(300);
    QTest::newRow("45 SupplyCO270") << 45 << QVariant(100);
    QTest::newRow("120 ExtCO2UnCor70") << 120 << QVariant(105);
    QTest::newRow("121 SupCO2UnCor70") << 121 << QVariant(110);
    QTest::newRow("135 DIPSwitch") << 135 << QVariant(165);
    QTest::newRow("2 OperationMode") << 2 << QVariant(QStringLiteral("svc"));
    QTest::newRow("12 Program") << 12 << QVariant(QStringLiteral("HCO2Inp"));
    QTest::newRow("91 ErrorState") << 91 << QVariant(QStringLiteral("Err-FAN"));
}

void tst_FanValues70::value()
{
    QFETCH(int, field);
    QFETCH(QVariant, expected);

    const QVariant actual = valuesOf(RichImage).value(field);
    QCOMPARE(actual.userType(), expected.userType());
    QCOMPARE(actual, expected);
}

void tst_FanValues70::valueOfFieldsNotCarried_data()
{
    QTest::addColumn<int>("field");
    // Among them the 100 family's fields that this record has no source for.
    for (int field : { -1, 0, 21, 28, 29, 34, 35, 41, 43, 46, 47, 49, 50, 56, 90, 125, 136, 141, 142 })
        QTest::newRow(qPrintable(QString::number(field))) << field;
}

void tst_FanValues70::valueOfFieldsNotCarried()
{
    QFETCH(int, field);
    QVERIFY(!valuesOf(RichImage).value(field).isValid());
}

void tst_FanValues70::defaultValues()
{
    const CFanValues70 values;
    QCOMPARE(values.comfortLevel(), 0);
    QCOMPARE(values.roomArea(), 0);
    QCOMPARE(values.extractAirQuality(), 0);
    QCOMPARE(values.supplyTemp(), 0.0);
    QCOMPARE(values.operationModeField(), 5);
}

void tst_FanValues70::travelsThroughQueuedCall()
{
    const int id = CFanValues70::registerMetaType();
    QCOMPARE(QMetaType::type("CFanValues70"), id);

    CValues70Receiver receiver;
    const CFanValues70 sent = valuesOf(RichImage);
    QVERIFY(QMetaObject::invokeMethod(&receiver, "onValues", Qt::QueuedConnection, Q_ARG(CFanValues70, sent)));
    QVERIFY(receiver.received.isEmpty());
    QTRY_COMPARE(receiver.received.size(), 1);
    QCOMPARE(members(receiver.received.first()), members(sent));
}

QTEST_GUILESS_MAIN(tst_FanValues70)
#include "tst_FanValues70.moc"
