// The simulator's own record packing against byte images worked out by hand
// from the record tables (each byte's derivation in the comments).

#include "SimIdentity.h"
#include "SimRecords100.h"
#include "SimRecords70.h"

#include <QtTest>

Q_DECLARE_METATYPE(SSimSample)

class tst_CSimRecords : public QObject
{
    Q_OBJECT
private slots:
    void primEntry100_data();
    void primEntry100();
    void secEntry100();
    void primEntry70_data();
    void primEntry70();
    void secEntry70();
    void identity_data();
    void identity();
};

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

SSimSample sample100()
{
    SSimSample s;
    s.supplyTemp = 18.5;        // 148 = 0x094
    s.errorState = 2;
    s.outdoorTemp = -3.25;      // -26 -> 0x7E6
    s.pressureHpa = 1013;       // 313 above 700: high 19, low 9
    s.exhaustTemp = 1.0;
    s.extractTemp = 21.125;     // 169 = 0xA9
    s.supplyTempVirt = 18.75;   // 150 = 0x96
    s.deicing = true;
    s.outdoorHum = 85;
    s.filterSupplyFull = true;
    s.extractHum = 45;
    s.co2Ppm = 800;             // /16 = 50
    s.flapPos[0] = 31;          // extract
    s.flapPos[1] = 26;          // bath
    s.flapPos[2] = 31;          // supply
    s.flapPos[3] = 25;          // bypass
    s.comfortLevel = 4;
    s.operationMode = 2;
    s.ventReason = 4;
    s.avgFlowCode = 20;
    s.fanRpmExtract = 1340;     // 0x53C
    s.fanFlow = 60;
    s.fanRpmSupply = 1320;      // 0x528
    s.humReduction = true;
    s.secondRoomAbove20 = true;
    s.dipSwitch = 0x21;
    s.defrost = 1;
    s.swMajor = 3;
    s.swMinor = 5;
    s.noCO2Sensor = true;
    s.dipSwitch2 = 2;
    s.errorCode = -5;
    s.flapCtrl[0] = 1;
    s.flapCtrl[1] = 2;
    s.flapCtrl[2] = 3;
    s.flapCtrl[3] = 0;
    return s;
}

} // namespace

void tst_CSimRecords::primEntry100_data()
{
    QTest::addColumn<SSimSample>("sample");
    QTest::addColumn<QByteArray>("expected");

    // w0 0x1094, w2 0x9FE6, w4 0xF808, w6 0xC8A9, w8 0xC896, b10 0xD5, b11 0x2D, b12 0x32,
    // b13 0x7A, b14 0x5F, b15 0xA4, w16 0x653C, w18 0x5528, b20 0x21, b21 0x01,
    // w22 0x5185 (version 3.5 = 0x185), b24 0xFB, b25 0x39.
    QTest::newRow("software version in the line bits")
        << sample100() << hex("94 10 E6 9F 08 F8 A9 C8 96 C8 D5 2D 32 7A 5F A4 3C 65 28 55 21 01 85 51 FB 39");

    // Internal error: file 12 in b21 bits 2-7 (0x31 with defrost 1), line 517 = 0x205 in w22.
    SSimSample s = sample100();
    s.errorFileNr = 12;
    s.errorLineNr = 517;
    QTest::newRow("internal error file and line")
        << s << hex("94 10 E6 9F 08 F8 A9 C8 96 C8 D5 2D 32 7A 5F A4 3C 65 28 55 21 31 05 52 FB 39");

    // Out-of-range values saturate instead of wrapping into neighbouring fields:
    // supply 200 °C -> 1023 (0x3FF), CO2 9000 ppm -> 255, pressure 1300 -> 700 + 511.
    s = sample100();
    s.supplyTemp = 200.0;
    s.co2Ppm = 9000;
    s.pressureHpa = 1300;
    QTest::newRow("saturating fields")
        << s << hex("FF 13 E6 FF 08 F8 A9 C8 96 F8 D5 2D FF 7A 5F A4 3C 65 28 55 21 01 85 51 FB 39");
}

void tst_CSimRecords::primEntry100()
{
    QFETCH(SSimSample, sample);
    QFETCH(QByteArray, expected);
    QCOMPARE(CSimRecords100::primEntry(sample).toHex(' '), expected.toHex(' '));
}

void tst_CSimRecords::secEntry100()
{
    SSimPeriod p;
    p.supplyTemp = 18;
    p.outdoorTemp = -4;
    p.outdoorHum = 88;
    p.exhaustTemp = 0;
    p.extractTemp = 21;
    p.extractHum = 47;
    p.co2Div16 = 45;
    p.warningCode = -1;
    for (int d = SSimPeriod::D_SupCond; d <= SSimPeriod::D_MinAir; ++d)
        p.time[d] = d + 1;          // 1 to 15 in bit order
    p.filterSupplyFull = true;
    p.humRedModeSet = true;
    p.restarted = true;
    p.energyExtracted = 1000;
    p.energyRecovered = -200;
    p.airExchanged = 540;
    p.entryState = 3;
    p.errorState = 2;
    p.waterRemoved = -20;
    p.count = 130;                  // only 7 bits travel: 2
    p.pressureHpa = 1013;           // (1013 - 700) / 2 = 156
    p.noCO2Sensor = true;
    p.warningLine = 300;
    p.warningFile = 9;
    // w8 0x8C41, w10 0x18A4, w12 0xA507, w14 0x316A, w16 0xBDCD, w18 1000, w20 -200,
    // w22 0, w24 0x0E1C, w26 0xFD82, w28 0xCE02, w30 0x252C.
    const QByteArray expected = hex("12 FC 58 00 15 2F 2D FF 41 8C A4 18 07 A5 6A 31 CD BD "
                                    "E8 03 38 FF 00 00 1C 0E 82 FD 02 CE 2C 25");
    QCOMPARE(CSimRecords100::secEntry(p).toHex(' '), expected.toHex(' '));
}

void tst_CSimRecords::primEntry70_data()
{
    QTest::addColumn<SSimSample>("sample");
    QTest::addColumn<QByteArray>("expected");

    SSimSample s;
    s.supplyTemp = 17.0;        // 136 = 0x88, error 9 -> w0 0x4888
    s.errorState = 9;
    s.hUEx70 = 44;
    s.hUSu70 = 71;              // bit 0 into b2 bit 7, 35 into b3
    s.hTExt70 = 20.5;           // 82 quarter degrees, file 5 -> w4 0x1452
    s.errorFileNr = 5;
    s.extractTemp = 21.0;       // 168, fan state 1 -> w6 0x08A8
    s.fanState70 = 1;
    s.sbFlow70 = 60;
    s.airFlow70 = -1;           // b8 bit 7 set, b9 0x7F
    s.outdoorHum = 80;
    s.extractHum = 44;
    s.serviceStep70 = 5;
    s.summer70 = true;          // b13 0xA8
    s.comfortLevel = 3;
    s.operationMode = 1;
    s.hTSup70 = 18.25;          // 73 quarter degrees: b14 bits 6-7 = 1, b15 = 18
    s.fanRpmExtract = 1500;     // 0x5DC
    s.ventReason = 7;
    s.extCO2UnCor70 = 52;
    s.supCO2UnCor70 = 27;
    s.extractCO270 = 50;
    s.supplyCO270 = 26;
    s.dipSwitch = 0x30;
    s.flow70 = -30;
    s.errorLineNr = 1234;
    s.errorCode = -2;
    QTest::newRow("air flow -1")
        << s << hex("88 48 AC 23 52 14 A8 08 BC 7F 50 2C 00 A8 4A 12 DC 75 34 1B 32 1A 30 E2 D2 04 FE FF");

    s.airFlow70 = 30;           // b8 bit 7 clear, b9 0x0F
    QTest::newRow("air flow +30")
        << s << hex("88 48 AC 23 52 14 A8 08 3C 0F 50 2C 00 A8 4A 12 DC 75 34 1B 32 1A 30 E2 D2 04 FE FF");

    s.hTExt70 = -2.0;           // -8 quarter degrees in 10 bits: 0x3F8, file 5 -> w4 0x17F8
    QTest::newRow("negative report temperature")
        << s << hex("88 48 AC 23 F8 17 A8 08 3C 0F 50 2C 00 A8 4A 12 DC 75 34 1B 32 1A 30 E2 D2 04 FE FF");
}

void tst_CSimRecords::primEntry70()
{
    QFETCH(SSimSample, sample);
    QFETCH(QByteArray, expected);
    QCOMPARE(CSimRecords70::primEntry(sample).toHex(' '), expected.toHex(' '));
}

void tst_CSimRecords::secEntry70()
{
    SSimPeriod p;
    p.supplyTemp = 17;
    p.extractTemp = 21;
    p.outdoorHum = 80;
    p.extractHum = 44;
    p.supplyCO270 = 26;
    p.extractCO270 = 50;
    p.time[SSimPeriod::D_HumInp] = 1;
    p.time[SSimPeriod::D_CO2Inp] = 2;
    p.time[SSimPeriod::D_HumCO2Inp] = 3;
    p.time[SSimPeriod::D_ComLev0] = 3;
    p.time[SSimPeriod::D_AbsDrying] = 4;
    p.time[SSimPeriod::D_RelDrying] = 5;
    p.time[SSimPeriod::D_ComLev1] = 4;
    p.time[SSimPeriod::D_Cooling] = 6;
    p.time[SSimPeriod::D_CO2Ventilation] = 7;
    p.time[SSimPeriod::D_ComLev2] = 2;
    p.time[SSimPeriod::D_ServiceMode] = 8;
    p.time[SSimPeriod::D_TurboMode] = 9;
    p.time[SSimPeriod::D_ComLev3] = 1;
    p.time[SSimPeriod::D_MinAir] = 10;
    p.restarted = true;
    p.energyCooled = -3;
    p.airExchanged = 900;
    p.entryState = 3;
    p.waterRemoved = -1;
    p.count = 200;                  // 7 bits: 72
    p.warningCode = 7;
    p.warningLine = 1023;
    p.warningFile = 63;
    // w12 0x0C41, w14 0x1483, w16 0x1CC4, w18 0x2502, w20 0x8141, w22 0xFFFD,
    // w24 0x1B84, w26 0x07FF, b28 0x48, b29 7, w30 0xFFFF.
    const QByteArray expected = hex("11 15 50 2C 1A 32 00 00 00 00 00 00 41 0C 83 14 C4 1C "
                                    "02 25 41 81 FD FF 84 1B FF 07 48 07 FF FF");
    QCOMPARE(CSimRecords70::secEntry(p).toHex(' '), expected.toHex(' '));
}

void tst_CSimRecords::identity_data()
{
    QTest::addColumn<bool>("family70");
    QTest::addColumn<QByteArray>("expected");
    // Serial 1234567 = 0x0012D687; board 4, application running, boot 1.07, app 3.05;
    // byte 13: family bit, WiFi 2 in bits 1-5, 11 in bits 6-12 -> 0x02C4 / 0x02C5.
    const QByteArray head = hex("02 87 D6 12 00 00 04 03 00 01 07 03 05");
    QTest::newRow("100 family") << false << head + hex("C4 02") + QByteArray(24, '\0');
    QTest::newRow("70 family") << true << head + hex("C5 02") + QByteArray(24, '\0');
}

void tst_CSimRecords::identity()
{
    QFETCH(bool, family70);
    QFETCH(QByteArray, expected);
    SSimIdentity id;
    id.serialNr = 1234567;
    id.boardVersion = 4;
    id.runningSystem = SSimIdentity::RS_Application;
    id.bootMajor = 1;
    id.bootMinor = 7;
    id.appMajor = 3;
    id.appMinor = 5;
    id.wifiMajor = 2;
    id.wifiMinor = 11;
    id.family70 = family70;
    QCOMPARE(id.record().toHex(' '), expected.toHex(' '));
}

QTEST_GUILESS_MAIN(tst_CSimRecords)
#include "tst_CSimRecords.moc"
