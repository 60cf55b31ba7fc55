#include "PC/FanRecords.h"
#include "PC/FanRecords_70.h"
#include "PC/Logging.h"
#include "PC/Logging_70.h"
#include "PC/Vents.h"

#include "../RecordCase.h"

#include <QtTest>

// Filled examples of the log records; the byte images are worked out by hand
// from the bit tables, word by word (comments show the little-endian words).

static SPrimLogEntry primEntry()
{
    SPrimLogEntry e;
    e.setField(SPrimLogEntry::F_SupplyTemp, 160);        // 20.0 degC
    e.setField(SPrimLogEntry::F_ErrorState, 3);          // w0 = 0x18A0
    e.setField(SPrimLogEntry::F_OutdoorTemp, -8);        // -1.0 degC
    e.setField(SPrimLogEntry::F_PressureHigh, 19);       // w2 = 0x9FF8
    e.setField(SPrimLogEntry::F_ExhaustTemp, 40);
    e.setField(SPrimLogEntry::F_VentPosExtract, 25);     // w4 = 0xC828
    e.setField(SPrimLogEntry::F_ExtractTemp, 172);
    e.setField(SPrimLogEntry::F_VentPosBypass, 31);      // w6 = 0xF8AC
    e.setField(SPrimLogEntry::F_SupplyTempVirt, 144);
    e.setField(SPrimLogEntry::F_PressureLow, 5);
    e.setField(SPrimLogEntry::F_Deicing, 1);             // w8 = 0xA890
    e.setField(SPrimLogEntry::F_OutdoorHum, 55);
    e.setField(SPrimLogEntry::F_FilterSupplyFull, 1);    // b10 = 0xB7
    e.setField(SPrimLogEntry::F_ExtractHum, 45);         // b11 = 0x2D
    e.setField(SPrimLogEntry::F_CO2, 50);                // b12 = 0x32
    e.setField(SPrimLogEntry::F_VentPosBath, 12);
    e.setField(SPrimLogEntry::F_ComfortLevel, 2);        // b13 = 0x4C
    e.setField(SPrimLogEntry::F_VentPosSupply, 26);
    e.setField(SPrimLogEntry::F_OperationMode, 1);       // b14 = 0x3A
    e.setField(SPrimLogEntry::F_Reason, 4);
    e.setField(SPrimLogEntry::F_AverageFlow, 20);        // b15 = 0xA4
    e.setField(SPrimLogEntry::F_FanSpeedA, 1234);
    e.setField(SPrimLogEntry::F_FanFlow, 6);             // w16 = 0x64D2
    e.setField(SPrimLogEntry::F_FanSpeedB, 1300);
    e.setField(SPrimLogEntry::F_HumReductionMode, 1);
    e.setField(SPrimLogEntry::F_SecondRoomOver20, 1);    // w18 = 0x5514
    e.setField(SPrimLogEntry::F_SecondRoomFlowStep, 2);
    e.setField(SPrimLogEntry::F_RoomArea, 3);            // b20 = 0x32
    e.setField(SPrimLogEntry::F_Defrost, 1);             // b21 = 0x01
    e.setField(SPrimLogEntry::F_ErrorLineNr, 0x185);
    e.setField(SPrimLogEntry::F_NoCO2Sensor, 1);
    e.setField(SPrimLogEntry::F_DIPSwitch2, 5);          // w22 = 0xB185
    e.setField(SPrimLogEntry::F_ErrorCode, -3);          // b24 = 0xFD
    e.setField(SPrimLogEntry::F_VentCtrlSetExtract, 1);
    e.setField(SPrimLogEntry::F_VentCtrlSetBath, 2);
    e.setField(SPrimLogEntry::F_VentCtrlSetSupply, 3);   // b25 = 0x39
    return e;
}
static const char* const kPrimImage = "A018 F89F 28C8 ACF8 90A8 B7 2D 32 4C 3A A4 D264 1455 32 01 85B1 FD 39";

static SSecLogEntry secEntry()
{
    SSecLogEntry e;
    e.setField(SSecLogEntry::F_SupplyTemp, 19);
    e.setField(SSecLogEntry::F_OutdoorTemp, -7);
    e.setField(SSecLogEntry::F_OutdoorHum, 85);
    e.setField(SSecLogEntry::F_ExhaustTemp, 3);
    e.setField(SSecLogEntry::F_ExtractTemp, 22);
    e.setField(SSecLogEntry::F_ExtractHum, 48);
    e.setField(SSecLogEntry::F_CO2, 40);
    e.setField(SSecLogEntry::F_ErrorCode, -2);
    e.setField(SSecLogEntry::F_TimeSupCond, 1);
    e.setField(SSecLogEntry::F_TimeHumInp, 2);
    e.setField(SSecLogEntry::F_TimeComLev0, 3);
    e.setField(SSecLogEntry::F_FilterSupplyFull, 1);     // w8 = 0x8C41
    e.setField(SSecLogEntry::F_TimeAbsDrying, 4);
    e.setField(SSecLogEntry::F_TimeRelDrying, 5);
    e.setField(SSecLogEntry::F_TimeComLev1, 6);          // w10 = 0x18A4
    e.setField(SSecLogEntry::F_TimeCooling, 7);
    e.setField(SSecLogEntry::F_TimeCO2Ventilation, 8);
    e.setField(SSecLogEntry::F_TimeComLev2, 9);
    e.setField(SSecLogEntry::F_HumRedModeSet, 1);        // w12 = 0xA507
    e.setField(SSecLogEntry::F_TimeSleepMode, 10);
    e.setField(SSecLogEntry::F_TimeTurboMode, 11);
    e.setField(SSecLogEntry::F_TimeComLev3, 12);         // w14 = 0x316A
    e.setField(SSecLogEntry::F_TimeAutoAlt, 13);
    e.setField(SSecLogEntry::F_TimeDefExh, 14);
    e.setField(SSecLogEntry::F_TimeMinAir, 15);
    e.setField(SSecLogEntry::F_Restarted, 1);            // w16 = 0xBDCD
    e.setField(SSecLogEntry::F_EnergyExtracted, 1000);
    e.setField(SSecLogEntry::F_EnergyRecovered, -500);
    e.setField(SSecLogEntry::F_EnergyCooled, 32767);
    e.setField(SSecLogEntry::F_AirExchanged, 900);
    e.setField(SSecLogEntry::F_EntryState, 3);           // w24 = 0x0F84
    e.setField(SSecLogEntry::F_ErrorState, 2);
    e.setField(SSecLogEntry::F_WaterRemoved, -1);        // w26 = 0xFFE2
    e.setField(SSecLogEntry::F_AccCount, 100);
    e.setField(SSecLogEntry::F_PressureCode, 150);
    e.setField(SSecLogEntry::F_NoCO2Sensor, 1);          // w28 = 0xCB64
    e.setField(SSecLogEntry::F_WarningLine, 513);
    e.setField(SSecLogEntry::F_WarningFile, 33);         // w30 = 0x8601
    return e;
}
static const char* const kSecImage =
    "13 F9 55 03 16 30 28 FE 418C A418 07A5 6A31 CDBD E803 0CFE FF7F 840F E2FF 64CB 0186";

static SPrimLogEntry_70 prim70Entry()
{
    SPrimLogEntry_70 e;
    e.setField(SPrimLogEntry_70::F_SupplyTemp70, -20);   // -2.5 degC
    e.setField(SPrimLogEntry_70::F_ErrorState, 17);      // w0 = 0x8FEC
    e.setField(SPrimLogEntry_70::F_HUEx, 60);
    e.setField(SPrimLogEntry_70::F_HUSu, 77);            // w2 = 0x26BC
    e.setField(SPrimLogEntry_70::F_HTExt, -6);
    e.setField(SPrimLogEntry_70::F_ErrorFileNr, 9);      // w4 = 0x27FA
    e.setField(SPrimLogEntry_70::F_ExtractTemp, 176);
    e.setField(SPrimLogEntry_70::F_FanState, 3);         // w6 = 0x18B0
    e.setField(SPrimLogEntry_70::F_SBFlow, 45);
    e.setField(SPrimLogEntry_70::F_AirFlow, -1);         // w8 = 0x7FAD
    e.setField(SPrimLogEntry_70::F_OutdoorHum, 40);
    e.setField(SPrimLogEntry_70::F_ExtractHum, 52);
    e.setField(SPrimLogEntry_70::F_ServiceStep, 5);
    e.setField(SPrimLogEntry_70::F_SummerCooling, 1);    // b13 = 0xA8
    e.setField(SPrimLogEntry_70::F_ComfortLevel, 2);
    e.setField(SPrimLogEntry_70::F_OperationMode, 2);
    e.setField(SPrimLogEntry_70::F_HTSup, 90);           // w14 = 0x1692
    e.setField(SPrimLogEntry_70::F_FanRPM70, 1500);
    e.setField(SPrimLogEntry_70::F_Reason, 7);           // w16 = 0x75DC
    e.setField(SPrimLogEntry_70::F_ExtCO2UnCor70, 12);
    e.setField(SPrimLogEntry_70::F_SupCO2UnCor70, 3);
    e.setField(SPrimLogEntry_70::F_ExtractCO270, 15);
    e.setField(SPrimLogEntry_70::F_SupplyCO270, 4);
    e.setField(SPrimLogEntry_70::F_SwitchSetting, 5);
    e.setField(SPrimLogEntry_70::F_RoomArea, 4);         // b22 = 0x25
    e.setField(SPrimLogEntry_70::F_Flow, -30);
    e.setField(SPrimLogEntry_70::F_ErrorLineNr, 0xBEEF);
    e.setField(SPrimLogEntry_70::F_ErrorCode, -1234);
    return e;
}
static const char* const kPrim70Image = "EC8F BC26 FA27 B018 AD7F 28 34 00 A8 9216 DC75 0C 03 0F 04 25 E2 EFBE 2EFB";

static SSecLogEntry_70 sec70Entry()
{
    SSecLogEntry_70 e;
    e.m_Bytes[6] = 0xAA;                                 // not interpreted, but carried
    e.setField(SSecLogEntry_70::F_SupplyTemp70, 18);
    e.setField(SSecLogEntry_70::F_ExtractTemp, 21);
    e.setField(SSecLogEntry_70::F_OutdoorHum, 70);
    e.setField(SSecLogEntry_70::F_ExtractHum, 44);
    e.setField(SSecLogEntry_70::F_SupplyCO270, 25);
    e.setField(SSecLogEntry_70::F_ExtractCO270, 30);
    e.setField(SSecLogEntry_70::F_TimeHumInp, 1);
    e.setField(SSecLogEntry_70::F_TimeCO2Inp, 2);
    e.setField(SSecLogEntry_70::F_TimeHumCO2Inp, 3);     // w12 = 0x0C41
    e.setField(SSecLogEntry_70::F_TimeComLev0, 3);
    e.setField(SSecLogEntry_70::F_TimeAbsDrying, 4);
    e.setField(SSecLogEntry_70::F_TimeRelDrying, 5);     // w14 = 0x1483
    e.setField(SSecLogEntry_70::F_TimeComLev1, 2);
    e.setField(SSecLogEntry_70::F_TimeCooling, 6);
    e.setField(SSecLogEntry_70::F_TimeCO2Ventilation, 7); // w16 = 0x1CC2
    e.setField(SSecLogEntry_70::F_TimeComLev2, 1);
    e.setField(SSecLogEntry_70::F_TimeServiceMode, 8);
    e.setField(SSecLogEntry_70::F_TimeTurboMode, 9);     // w18 = 0x2501
    e.setField(SSecLogEntry_70::F_TimeComLev3, 4);
    e.setField(SSecLogEntry_70::F_TimeMinAir, 10);
    e.setField(SSecLogEntry_70::F_Restarted, 1);         // w20 = 0x8144
    e.setField(SSecLogEntry_70::F_EnergyCooled, -100);
    e.setField(SSecLogEntry_70::F_AirExchanged, 1500);
    e.setField(SSecLogEntry_70::F_EntryState, 3);        // w24 = 0x1DDC
    e.setField(SSecLogEntry_70::F_WaterRemoved, -2);     // w26 = 0x07FE
    e.setField(SSecLogEntry_70::F_AccCount, 99);
    e.setField(SSecLogEntry_70::F_ErrorCode, 200);
    e.setField(SSecLogEntry_70::F_WarningLine, 7);
    e.setField(SSecLogEntry_70::F_WarningFile, 2);       // w30 = 0x0807
    return e;
}
static const char* const kSec70Image =
    "12 15 46 2C 19 1E AA 00 00 00 00 00 410C 8314 C21C 0125 4481 9CFF DC1D FE07 63 C8 0708";

static CVents::SVentInfo ventInfo()
{
    CVents::SVentInfo v;
    v.m_Bytes[0] = 0x5A;                                 // unlabelled, carried
    v.setField(CVents::SVentInfo::F_SpeedSumOpen, 0x01020304);
    v.setField(CVents::SVentInfo::F_SpeedSumClose, 100000);
    v.setField(CVents::SVentInfo::F_Stops, 3);
    v.setField(CVents::SVentInfo::F_ShakeLooseCycles, 2);
    v.setField(CVents::SVentInfo::F_RunTimeOpen, 37);
    v.setField(CVents::SVentInfo::F_RunTimeClose, 41);
    v.setField(CVents::SVentInfo::F_MaxIMean, 550);
    return v;
}
static const char* const kVentImage = "5A";
static QByteArray ventImage()
{
    return image(36, { { 0, kVentImage }, { 12, "04030201 A0860100" }, { 25, "32 00 25 29" }, { 32, "2602" } });
}

static SHLP_CurrentState currentState()
{
    SHLP_CurrentState r;
    r.m_Entry = primEntry();
    return r;
}

static SHLP_CurrentState_70 currentState70()
{
    SHLP_CurrentState_70 r;
    r.m_Entry = prim70Entry();
    return r;
}

static SHLP_GetPrimLog primLogPage()
{
    SHLP_GetPrimLog r;
    r.m_Remaining = 15;
    r.m_Entries[0] = primEntry();
    r.m_Entries[6] = primEntry();
    return r;
}

static SHLP_GetPrimLog_70 primLogPage70()
{
    SHLP_GetPrimLog_70 r;
    r.m_Remaining = 8;
    r.m_Entries[0] = prim70Entry();
    r.m_Entries[6] = prim70Entry();
    return r;
}

static SHLP_ReportSecLog secLogPage()
{
    SHLP_ReportSecLog r;
    r.m_TimeSpan = 1;
    r.m_Count = 12;
    r.setEntry(0, secEntry());
    r.setEntry(4, sec70Entry());
    r.setEntry(5, secEntry()); // outside the page: ignored
    return r;
}

static SHLP_VentInfo ventInfoAnswer()
{
    SHLP_VentInfo r;
    r.m_Vents[CVents::V_Extract] = ventInfo();
    r.m_Vents[CVents::V_Bypass].setField(CVents::SVentInfo::F_MaxIMean, 1);
    return r;
}

// Field rows: an image with only that field set, decoded and encoded both ways,
// and the all-ones image, which shows each field's width and sign.
template <class R>
void addOnly(const char* name, int field, int offset, const char* hex, int value)
{
    QTest::addRow("%s", name) << field << image(R::Size, { { offset, hex } }) << value << true;
}
template <class R>
void addAllOnes(const char* name, int field, int value)
{
    QTest::addRow("%s all ones", name) << field << QByteArray(R::Size, char(0xFF)) << value << false;
}

template <class R>
void checkField()
{
    QFETCH(int, field);
    QFETCH(QByteArray, bytes);
    QFETCH(int, value);
    QFETCH(bool, onlyThisField);

    R decoded;
    QVERIFY(decoded.decode(bytes));
    QCOMPARE(int(decoded.field(typename R::EField(field))), value);
    if (onlyThisField) {
        R encoded;
        encoded.setField(typename R::EField(field), value);
        QCOMPARE(encoded.toBytes().toHex(' '), bytes.toHex(' '));
    }
}

static void addFieldColumns()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("onlyThisField");
}

class tst_LogRecords : public QObject
{
    Q_OBJECT
private slots:
    void bothWays_data();
    void bothWays();
    void primFields_data();
    void primFields() { checkField<SPrimLogEntry>(); }
    void secFields_data();
    void secFields() { checkField<SSecLogEntry>(); }
    void prim70Fields_data();
    void prim70Fields() { checkField<SPrimLogEntry_70>(); }
    void sec70Fields_data();
    void sec70Fields() { checkField<SSecLogEntry_70>(); }
    void ventFields_data();
    void ventFields();
    void primDerived_data();
    void primDerived();
    void secDerived_data();
    void secDerived();
    void setFieldKeepsNeighbours();
    void secLogPageEntries();
    void otherFamilySizeRefused();
    void timeSpans_data();
    void timeSpans();
};

void tst_LogRecords::bothWays_data()
{
    QTest::addColumn<SRecordCase>("record");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("SPrimLogEntry, 26") << recordCase<SPrimLogEntry, primEntry>() << image(26, { { 0, kPrimImage } });
    QTest::newRow("SSecLogEntry, 32") << recordCase<SSecLogEntry, secEntry>() << image(32, { { 0, kSecImage } });
    QTest::newRow("SPrimLogEntry_70, 28")
        << recordCase<SPrimLogEntry_70, prim70Entry>() << image(28, { { 0, kPrim70Image } });
    QTest::newRow("SSecLogEntry_70, 32")
        << recordCase<SSecLogEntry_70, sec70Entry>() << image(32, { { 0, kSec70Image } });
    QTest::newRow("CVents::SVentInfo, 36") << recordCase<CVents::SVentInfo, ventInfo>() << ventImage();
    QTest::newRow("SHLP_CurrentState, 28")
        << recordCase<SHLP_CurrentState, currentState>() << image(28, { { 0, "13 00" }, { 2, kPrimImage } });
    QTest::newRow("SHLP_CurrentState_70, 30")
        << recordCase<SHLP_CurrentState_70, currentState70>() << image(30, { { 0, "13 00" }, { 2, kPrim70Image } });
    QTest::newRow("SHLP_GetPrimLog, 186")
        << recordCase<SHLP_GetPrimLog, primLogPage>()
        << image(186, { { 0, "0F 00 0F00" }, { 4, kPrimImage }, { 160, kPrimImage } });
    QTest::newRow("SHLP_GetPrimLog_70, 200")
        << recordCase<SHLP_GetPrimLog_70, primLogPage70>()
        << image(200, { { 0, "0F 00 0800" }, { 4, kPrim70Image }, { 172, kPrim70Image } });
    QTest::newRow("SHLP_ReportSecLog with entries, 166")
        << recordCase<SHLP_ReportSecLog, secLogPage>()
        << image(166, { { 0, "14 01 0000 0C00" }, { 6, kSecImage }, { 134, kSec70Image } });
    QByteArray ventAnswer = image(146, { { 0, "19 00" }, { 142, "0100" } });
    ventAnswer.replace(2, 36, ventImage());
    QTest::newRow("SHLP_VentInfo, 146") << recordCase<SHLP_VentInfo, ventInfoAnswer>() << ventAnswer;
}

void tst_LogRecords::bothWays()
{
    QFETCH(SRecordCase, record);
    QFETCH(QByteArray, bytes);
    const QString problem = checkBothWays(record, bytes);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_LogRecords::primFields_data()
{
    using E = SPrimLogEntry;
    addFieldColumns();
    addOnly<E>("w0 0x7F8: SupplyTemp -1.0 degC", E::F_SupplyTemp, 0, "F807", -8);
    addOnly<E>("w0 bits 11-15: error state 22", E::F_ErrorState, 0, "00B0", 22);
    addOnly<E>("w2 0x0A0: OutdoorTemp 20.0 degC", E::F_OutdoorTemp, 2, "A000", 160);
    addOnly<E>("w2 bits 11-15: pressure high 17", E::F_PressureHigh, 2, "0088", 17);
    addOnly<E>("w4 0x400: ExhaustTemp -128.0 degC", E::F_ExhaustTemp, 4, "0004", -1024);
    addOnly<E>("w4 bits 11-15: VentPosExtract 31", E::F_VentPosExtract, 4, "00F8", 31);
    addOnly<E>("w6 0x3FF: ExtractTemp 127.875 degC", E::F_ExtractTemp, 6, "FF03", 1023);
    addOnly<E>("w6 bits 11-15: VentPosBypass 1", E::F_VentPosBypass, 6, "0008", 1);
    addOnly<E>("w8 0x0A0: SupplyTempVirt 20.0 degC", E::F_SupplyTempVirt, 8, "A000", 160);
    addOnly<E>("w8 bits 11-14: pressure low 15", E::F_PressureLow, 8, "0078", 15);
    addOnly<E>("w8 bit 15: Deicing", E::F_Deicing, 8, "0080", 1);
    addOnly<E>("b10 bits 0-6: OutdoorHum 100", E::F_OutdoorHum, 10, "64", 100);
    addOnly<E>("b10 bit 7: FilterSupplyFull", E::F_FilterSupplyFull, 10, "80", 1);
    addOnly<E>("b11 bits 0-6: ExtractHum 127", E::F_ExtractHum, 11, "7F", 127);
    addOnly<E>("b11 bit 7: FilterExtractFull", E::F_FilterExtractFull, 11, "80", 1);
    addOnly<E>("b12: CO2 255", E::F_CO2, 12, "FF", 255);
    addOnly<E>("b13 bits 0-4: VentPosBath 30", E::F_VentPosBath, 13, "1E", 30);
    addOnly<E>("b13 bits 5-7: comfort code 4", E::F_ComfortLevel, 13, "80", 4);
    addOnly<E>("b14 bits 0-4: VentPosSupply 7", E::F_VentPosSupply, 14, "07", 7);
    addOnly<E>("b14 bits 5-7: operation mode 6", E::F_OperationMode, 14, "C0", 6);
    addOnly<E>("b15 bits 0-2: reason 5", E::F_Reason, 15, "05", 5);
    addOnly<E>("b15 bits 3-7: average flow 25", E::F_AverageFlow, 15, "C8", 25);
    addOnly<E>("w16 bits 0-11: fan speed A 4095", E::F_FanSpeedA, 16, "FF0F", 4095);
    addOnly<E>("w16 bits 12-15: fan flow 9", E::F_FanFlow, 16, "0090", 9);
    addOnly<E>("w18 bits 0-11: fan speed B 2048", E::F_FanSpeedB, 18, "0008", 2048);
    addOnly<E>("w18 bit 12: HumReductionMode", E::F_HumReductionMode, 18, "0010", 1);
    addOnly<E>("w18 bit 13: fan limited", E::F_FanLimited, 18, "0020", 1);
    addOnly<E>("w18 bit 14: second room above 20", E::F_SecondRoomOver20, 18, "0040", 1);
    addOnly<E>("w18 bit 15: SumCoolBypassOpen", E::F_SumCoolBypassOpen, 18, "0080", 1);
    addOnly<E>("b20: DIPSwitch 0xA5", E::F_DIPSwitch, 20, "A5", 0xA5);
    addOnly<E>("b20 bits 0-1: second-room flow step 3", E::F_SecondRoomFlowStep, 20, "03", 3);
    addOnly<E>("b20 bits 4-6: room-area code 7", E::F_RoomArea, 20, "70", 7);
    addOnly<E>("b21 bits 0-1: defrost 2", E::F_Defrost, 21, "02", 2);
    addOnly<E>("b21 bits 2-7: ErrorFileNr 63", E::F_ErrorFileNr, 21, "FC", 63);
    addOnly<E>("w22 bits 0-9: ErrorLineNr 0x185", E::F_ErrorLineNr, 22, "8501", 0x185);
    addOnly<E>("w22 bit 12: NoCO2Sensor", E::F_NoCO2Sensor, 22, "0010", 1);
    addOnly<E>("w22 bits 13-15: DIPSwitch2 7", E::F_DIPSwitch2, 22, "00E0", 7);
    addOnly<E>("b24: ErrorCode -128", E::F_ErrorCode, 24, "80", -128);
    addOnly<E>("b25 bits 0-1: VentCtrlSetExtract 3", E::F_VentCtrlSetExtract, 25, "03", 3);
    addOnly<E>("b25 bits 2-3: VentCtrlSetBath 1", E::F_VentCtrlSetBath, 25, "04", 1);
    addOnly<E>("b25 bits 4-5: VentCtrlSetSupply 2", E::F_VentCtrlSetSupply, 25, "20", 2);
    addOnly<E>("b25 bits 6-7: VentCtrlSetBypass 3", E::F_VentCtrlSetBypass, 25, "C0", 3);

    addAllOnes<E>("SupplyTemp", E::F_SupplyTemp, -1);
    addAllOnes<E>("error state", E::F_ErrorState, 31);
    addAllOnes<E>("OutdoorTemp", E::F_OutdoorTemp, -1);
    addAllOnes<E>("pressure high", E::F_PressureHigh, 31);
    addAllOnes<E>("ExhaustTemp", E::F_ExhaustTemp, -1);
    addAllOnes<E>("VentPosExtract", E::F_VentPosExtract, 31);
    addAllOnes<E>("ExtractTemp", E::F_ExtractTemp, -1);
    addAllOnes<E>("VentPosBypass", E::F_VentPosBypass, 31);
    addAllOnes<E>("SupplyTempVirt", E::F_SupplyTempVirt, -1);
    addAllOnes<E>("pressure low", E::F_PressureLow, 15);
    addAllOnes<E>("Deicing", E::F_Deicing, 1);
    addAllOnes<E>("OutdoorHum", E::F_OutdoorHum, 127);
    addAllOnes<E>("ExtractHum", E::F_ExtractHum, 127);
    addAllOnes<E>("CO2", E::F_CO2, 255);
    addAllOnes<E>("VentPosBath", E::F_VentPosBath, 31);
    addAllOnes<E>("comfort code", E::F_ComfortLevel, 7);
    addAllOnes<E>("VentPosSupply", E::F_VentPosSupply, 31);
    addAllOnes<E>("operation mode", E::F_OperationMode, 7);
    addAllOnes<E>("reason", E::F_Reason, 7);
    addAllOnes<E>("average flow", E::F_AverageFlow, 31);
    addAllOnes<E>("fan speed A", E::F_FanSpeedA, 4095);
    addAllOnes<E>("fan flow", E::F_FanFlow, 15);
    addAllOnes<E>("fan speed B", E::F_FanSpeedB, 4095);
    addAllOnes<E>("DIPSwitch", E::F_DIPSwitch, 255);
    addAllOnes<E>("second-room flow step", E::F_SecondRoomFlowStep, 3);
    addAllOnes<E>("room-area code", E::F_RoomArea, 7);
    addAllOnes<E>("defrost", E::F_Defrost, 3);
    addAllOnes<E>("ErrorFileNr", E::F_ErrorFileNr, 63);
    addAllOnes<E>("ErrorLineNr", E::F_ErrorLineNr, 1023);
    addAllOnes<E>("DIPSwitch2", E::F_DIPSwitch2, 7);
    addAllOnes<E>("ErrorCode", E::F_ErrorCode, -1);
    addAllOnes<E>("VentCtrlSetBypass", E::F_VentCtrlSetBypass, 3);
}

void tst_LogRecords::secFields_data()
{
    using E = SSecLogEntry;
    addFieldColumns();
    addOnly<E>("b0: SupplyTemp -1", E::F_SupplyTemp, 0, "FF", -1);
    addOnly<E>("b1: OutdoorTemp -20", E::F_OutdoorTemp, 1, "EC", -20);
    addOnly<E>("b2: OutdoorHum 90", E::F_OutdoorHum, 2, "5A", 90);
    addOnly<E>("b3: ExhaustTemp -128", E::F_ExhaustTemp, 3, "80", -128);
    addOnly<E>("b4: ExtractTemp 127", E::F_ExtractTemp, 4, "7F", 127);
    addOnly<E>("b5: ExtractHum 50", E::F_ExtractHum, 5, "32", 50);
    addOnly<E>("b6: CO2 200, unsigned", E::F_CO2, 6, "C8", 200);
    addOnly<E>("b7: ErrorCode -5", E::F_ErrorCode, 7, "FB", -5);
    addOnly<E>("w8 bits 0-4: TimeSupCond 31", E::F_TimeSupCond, 8, "1F00", 31);
    addOnly<E>("w8 bits 5-9: TimeHumInp 31", E::F_TimeHumInp, 8, "E003", 31);
    addOnly<E>("w8 bits 10-14: TimeComLev0 3", E::F_TimeComLev0, 8, "000C", 3);
    addOnly<E>("w8 bit 15: FilterSupplyFull", E::F_FilterSupplyFull, 8, "0080", 1);
    addOnly<E>("w10 bits 0-4: TimeAbsDrying 17", E::F_TimeAbsDrying, 10, "1100", 17);
    addOnly<E>("w10 bits 5-9: TimeRelDrying 1", E::F_TimeRelDrying, 10, "2000", 1);
    addOnly<E>("w10 bits 10-14: TimeComLev1 16", E::F_TimeComLev1, 10, "0040", 16);
    addOnly<E>("w10 bit 15: FilterExtractFull", E::F_FilterExtractFull, 10, "0080", 1);
    addOnly<E>("w12 bits 0-4: TimeCooling 2", E::F_TimeCooling, 12, "0200", 2);
    addOnly<E>("w12 bits 5-9: TimeCO2Ventilation 16", E::F_TimeCO2Ventilation, 12, "0002", 16);
    addOnly<E>("w12 bits 10-14: TimeComLev2 31", E::F_TimeComLev2, 12, "007C", 31);
    addOnly<E>("w12 bit 15: HumRedModeSet", E::F_HumRedModeSet, 12, "0080", 1);
    addOnly<E>("w14 bits 0-4: TimeSleepMode 15", E::F_TimeSleepMode, 14, "0F00", 15);
    addOnly<E>("w14 bits 5-9: TimeTurboMode 3", E::F_TimeTurboMode, 14, "6000", 3);
    addOnly<E>("w14 bits 10-14: TimeComLev3 1", E::F_TimeComLev3, 14, "0004", 1);
    addOnly<E>("w14 bit 15: HumRedModeClr", E::F_HumRedModeClr, 14, "0080", 1);
    addOnly<E>("w16 bits 0-4: TimeAutoAlt 24", E::F_TimeAutoAlt, 16, "1800", 24);
    addOnly<E>("w16 bits 5-9: TimeDefExh 30", E::F_TimeDefExh, 16, "C003", 30);
    addOnly<E>("w16 bits 10-14: TimeMinAir 15", E::F_TimeMinAir, 16, "003C", 15);
    addOnly<E>("w16 bit 15: Restarted", E::F_Restarted, 16, "0080", 1);
    addOnly<E>("w18: EnergyExtracted -32768", E::F_EnergyExtracted, 18, "0080", -32768);
    addOnly<E>("w20: EnergyRecovered 258", E::F_EnergyRecovered, 20, "0201", 258);
    addOnly<E>("w22: EnergyCooled -2", E::F_EnergyCooled, 22, "FEFF", -2);
    addOnly<E>("w24 bits 0-9: AirExchanged 1023", E::F_AirExchanged, 24, "FF03", 1023);
    addOnly<E>("w24 bits 10-12: entry state 3", E::F_EntryState, 24, "000C", 3);
    addOnly<E>("w26 bits 0-4: error state 21", E::F_ErrorState, 26, "1500", 21);
    addOnly<E>("w26 bits 5-15: WaterRemoved -1024", E::F_WaterRemoved, 26, "0080", -1024);
    addOnly<E>("w26 bits 5-15: WaterRemoved 1", E::F_WaterRemoved, 26, "2000", 1);
    addOnly<E>("w28 bits 0-6: count 127", E::F_AccCount, 28, "7F00", 127);
    addOnly<E>("w28 bits 7-14: pressure code 255", E::F_PressureCode, 28, "807F", 255);
    addOnly<E>("w28 bit 15: NoCO2Sensor", E::F_NoCO2Sensor, 28, "0080", 1);
    addOnly<E>("w30 bits 0-9: warning line 1023", E::F_WarningLine, 30, "FF03", 1023);
    addOnly<E>("w30 bits 10-15: warning file 63", E::F_WarningFile, 30, "00FC", 63);

    addAllOnes<E>("SupplyTemp", E::F_SupplyTemp, -1);
    addAllOnes<E>("CO2", E::F_CO2, 255);
    addAllOnes<E>("TimeSupCond", E::F_TimeSupCond, 31);
    addAllOnes<E>("TimeComLev3", E::F_TimeComLev3, 31);
    addAllOnes<E>("EnergyRecovered", E::F_EnergyRecovered, -1);
    addAllOnes<E>("AirExchanged", E::F_AirExchanged, 1023);
    addAllOnes<E>("entry state", E::F_EntryState, 7);
    addAllOnes<E>("error state", E::F_ErrorState, 31);
    addAllOnes<E>("WaterRemoved 0x7FF is -1", E::F_WaterRemoved, -1);
    addAllOnes<E>("count", E::F_AccCount, 127);
    addAllOnes<E>("pressure code", E::F_PressureCode, 255);
    addAllOnes<E>("warning line", E::F_WarningLine, 1023);
    addAllOnes<E>("warning file", E::F_WarningFile, 63);
}

void tst_LogRecords::prim70Fields_data()
{
    using E = SPrimLogEntry_70;
    addFieldColumns();
    addOnly<E>("w0 0x7F8: SupplyTemp70 -1.0 degC", E::F_SupplyTemp70, 0, "F807", -8);
    addOnly<E>("w0 bits 11-15: error state 31", E::F_ErrorState, 0, "00F8", 31);
    addOnly<E>("b2 bits 0-6: HUEx 99", E::F_HUEx, 2, "63", 99);
    addOnly<E>("b2 bit 7: HUSu bit 0", E::F_HUSu, 2, "80", 1);
    addOnly<E>("b3 bits 0-5: HUSu bits 1-6", E::F_HUSu, 3, "3F", 126);
    addOnly<E>("w4 bits 0-9: HTExt -512", E::F_HTExt, 4, "0002", -512);
    addOnly<E>("w4 bits 0-9: HTExt 86 (21.5 degC)", E::F_HTExt, 4, "5600", 86);
    addOnly<E>("b5 bits 2-7: ErrorFileNr 33", E::F_ErrorFileNr, 5, "84", 33);
    addOnly<E>("w6 0x0A0: ExtractTemp 20.0 degC", E::F_ExtractTemp, 6, "A000", 160);
    addOnly<E>("b7 bits 3-5: fan state 5", E::F_FanState, 7, "28", 5);
    addOnly<E>("b8 bits 0-6: SBFlow 127", E::F_SBFlow, 8, "7F", 127);
    addOnly<E>("b8 0x80 b9 0x7F: air flow -1", E::F_AirFlow, 8, "807F", -1);
    addOnly<E>("b9 0x0F: air flow +30", E::F_AirFlow, 8, "000F", 30);
    addOnly<E>("b9 0x40: air flow -128", E::F_AirFlow, 8, "0040", -128);
    addOnly<E>("b10 bits 0-6: OutdoorHum 65", E::F_OutdoorHum, 10, "41", 65);
    addOnly<E>("b11 bits 0-6: ExtractHum 127", E::F_ExtractHum, 11, "7F", 127);
    addOnly<E>("b13 bits 3-6: service step 15", E::F_ServiceStep, 13, "78", 15);
    addOnly<E>("b13 bit 7: summer cooling", E::F_SummerCooling, 13, "80", 1);
    addOnly<E>("b14 bits 0-2: comfort code 4", E::F_ComfortLevel, 14, "04", 4);
    addOnly<E>("b14 bits 3-5: operation mode 7", E::F_OperationMode, 14, "38", 7);
    addOnly<E>("b14 bits 6-7: HTSup bits 0-1", E::F_HTSup, 14, "C0", 3);
    addOnly<E>("b15: HTSup bits 2-9, no sign", E::F_HTSup, 15, "FF", 1020);
    addOnly<E>("b16 + b17 bits 0-3: FanRPM70 2049", E::F_FanRPM70, 16, "0108", 2049);
    addOnly<E>("b17 bits 4-7: reason 15", E::F_Reason, 17, "F0", 15);
    addOnly<E>("b18: ExtCO2UnCor70 200", E::F_ExtCO2UnCor70, 18, "C8", 200);
    addOnly<E>("b19: SupCO2UnCor70 1", E::F_SupCO2UnCor70, 19, "01", 1);
    addOnly<E>("b20: ExtractCO270 255", E::F_ExtractCO270, 20, "FF", 255);
    addOnly<E>("b21: SupplyCO270 128", E::F_SupplyCO270, 21, "80", 128);
    addOnly<E>("b22: DIPSwitch 0x30", E::F_DIPSwitch, 22, "30", 0x30);
    addOnly<E>("b22 0x30: room-area code 6", E::F_RoomArea, 22, "30", 6);
    addOnly<E>("b22 bits 0-2: switch setting 7", E::F_SwitchSetting, 22, "07", 7);
    addOnly<E>("b23: Flow -1", E::F_Flow, 23, "FF", -1);
    addOnly<E>("w24: ErrorLineNr 65535, unsigned", E::F_ErrorLineNr, 24, "FFFF", 65535);
    addOnly<E>("w26: ErrorCode -32768", E::F_ErrorCode, 26, "0080", -32768);

    addAllOnes<E>("SupplyTemp70", E::F_SupplyTemp70, -1);
    addAllOnes<E>("HUEx", E::F_HUEx, 127);
    addAllOnes<E>("HUSu", E::F_HUSu, 127);
    addAllOnes<E>("HTExt", E::F_HTExt, -1);
    addAllOnes<E>("ErrorFileNr", E::F_ErrorFileNr, 63);
    addAllOnes<E>("fan state", E::F_FanState, 7);
    addAllOnes<E>("air flow", E::F_AirFlow, -1);
    addAllOnes<E>("OutdoorHum", E::F_OutdoorHum, 127);
    addAllOnes<E>("service step", E::F_ServiceStep, 15);
    addAllOnes<E>("HTSup", E::F_HTSup, 1023);
    addAllOnes<E>("FanRPM70", E::F_FanRPM70, 4095);
    addAllOnes<E>("reason", E::F_Reason, 15);
    addAllOnes<E>("room-area code", E::F_RoomArea, 7);
    addAllOnes<E>("ErrorLineNr", E::F_ErrorLineNr, 65535);
    addAllOnes<E>("ErrorCode", E::F_ErrorCode, -1);
}

void tst_LogRecords::sec70Fields_data()
{
    using E = SSecLogEntry_70;
    addFieldColumns();
    addOnly<E>("b0: SupplyTemp70 -3", E::F_SupplyTemp70, 0, "FD", -3);
    addOnly<E>("b1: ExtractTemp 23", E::F_ExtractTemp, 1, "17", 23);
    addOnly<E>("b2: OutdoorHum -1", E::F_OutdoorHum, 2, "FF", -1);
    addOnly<E>("b3: ExtractHum 60", E::F_ExtractHum, 3, "3C", 60);
    addOnly<E>("b4: SupplyCO270 250, unsigned", E::F_SupplyCO270, 4, "FA", 250);
    addOnly<E>("b5: ExtractCO270 129, unsigned", E::F_ExtractCO270, 5, "81", 129);
    addOnly<E>("w12 bits 0-4: TimeHumInp 31", E::F_TimeHumInp, 12, "1F00", 31);
    addOnly<E>("w12 bits 5-9: TimeCO2Inp 31", E::F_TimeCO2Inp, 12, "E003", 31);
    addOnly<E>("w12 bits 10-14: TimeHumCO2Inp 31", E::F_TimeHumCO2Inp, 12, "007C", 31);
    addOnly<E>("w14 bits 0-4: TimeComLev0 3", E::F_TimeComLev0, 14, "0300", 3);
    addOnly<E>("w14 bits 5-9: TimeAbsDrying 4", E::F_TimeAbsDrying, 14, "8000", 4);
    addOnly<E>("w14 bits 10-14: TimeRelDrying 2", E::F_TimeRelDrying, 14, "0008", 2);
    addOnly<E>("w16 bits 0-4: TimeComLev1 4", E::F_TimeComLev1, 16, "0400", 4);
    addOnly<E>("w16 bits 5-9: TimeCooling 9", E::F_TimeCooling, 16, "2001", 9);
    addOnly<E>("w16 bits 10-14: TimeCO2Ventilation 24", E::F_TimeCO2Ventilation, 16, "0060", 24);
    addOnly<E>("w18 bits 0-4: TimeComLev2 2", E::F_TimeComLev2, 18, "0200", 2);
    addOnly<E>("w18 bits 5-9: TimeServiceMode 5", E::F_TimeServiceMode, 18, "A000", 5);
    addOnly<E>("w18 bits 10-14: TimeTurboMode 6", E::F_TimeTurboMode, 18, "0018", 6);
    addOnly<E>("w20 bits 0-4: TimeComLev3 1", E::F_TimeComLev3, 20, "0100", 1);
    addOnly<E>("w20 bits 5-9: TimeMinAir 30", E::F_TimeMinAir, 20, "C003", 30);
    addOnly<E>("w20 bit 15: Restarted", E::F_Restarted, 20, "0080", 1);
    addOnly<E>("w22: EnergyCooled -32768", E::F_EnergyCooled, 22, "0080", -32768);
    addOnly<E>("w24 bits 0-10: AirExchanged 2047", E::F_AirExchanged, 24, "FF07", 2047);
    addOnly<E>("b25 bits 3-5: entry state 3", E::F_EntryState, 24, "0018", 3);
    addOnly<E>("w26 bits 0-10: WaterRemoved 0x7FF is -1", E::F_WaterRemoved, 26, "FF07", -1);
    addOnly<E>("w26 bits 0-10: WaterRemoved 1023", E::F_WaterRemoved, 26, "FF03", 1023);
    addOnly<E>("b28 bits 0-6: count 100", E::F_AccCount, 28, "64", 100);
    addOnly<E>("b29: ErrorCode 255, unsigned", E::F_ErrorCode, 29, "FF", 255);
    addOnly<E>("w30 bits 0-9: warning line 512", E::F_WarningLine, 30, "0002", 512);
    addOnly<E>("w30 bits 10-15: warning file 1", E::F_WarningFile, 30, "0004", 1);

    addAllOnes<E>("SupplyTemp70", E::F_SupplyTemp70, -1);
    addAllOnes<E>("SupplyCO270", E::F_SupplyCO270, 255);
    addAllOnes<E>("TimeHumCO2Inp", E::F_TimeHumCO2Inp, 31);
    addAllOnes<E>("TimeMinAir", E::F_TimeMinAir, 31);
    addAllOnes<E>("EnergyCooled", E::F_EnergyCooled, -1);
    addAllOnes<E>("AirExchanged", E::F_AirExchanged, 2047);
    addAllOnes<E>("entry state", E::F_EntryState, 7);
    addAllOnes<E>("WaterRemoved", E::F_WaterRemoved, -1);
    addAllOnes<E>("count", E::F_AccCount, 127);
    addAllOnes<E>("ErrorCode", E::F_ErrorCode, 255);
}

void tst_LogRecords::ventFields_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("value");

    using V = CVents::SVentInfo;
    QTest::newRow("bytes 12-15: speed sum opening") << int(V::F_SpeedSumOpen) << image(36, { { 12, "FEFFFFFF" } }) << 0xFFFFFFFEu;
    QTest::newRow("bytes 16-19: speed sum closing") << int(V::F_SpeedSumClose) << image(36, { { 16, "78563412" } }) << 0x12345678u;
    QTest::newRow("b25 low nibble: shake-loose cycles") << int(V::F_ShakeLooseCycles) << image(36, { { 25, "0F" } }) << 15u;
    QTest::newRow("b25 high nibble: stops") << int(V::F_Stops) << image(36, { { 25, "A0" } }) << 10u;
    QTest::newRow("b27: run time open") << int(V::F_RunTimeOpen) << image(36, { { 27, "FF" } }) << 255u;
    QTest::newRow("b28: run time close") << int(V::F_RunTimeClose) << image(36, { { 28, "07" } }) << 7u;
    QTest::newRow("bytes 32-33: maximum mean current") << int(V::F_MaxIMean) << image(36, { { 32, "3412" } }) << 0x1234u;
}

void tst_LogRecords::ventFields()
{
    QFETCH(int, field);
    QFETCH(QByteArray, bytes);
    QFETCH(uint, value);

    CVents::SVentInfo decoded;
    QVERIFY(decoded.decode(bytes));
    QCOMPARE(uint(decoded.field(CVents::SVentInfo::EField(field))), value);
    CVents::SVentInfo encoded;
    encoded.setField(CVents::SVentInfo::EField(field), value);
    QCOMPARE(encoded.toBytes().toHex(' '), bytes.toHex(' '));
}

void tst_LogRecords::primDerived_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pressure");
    QTest::addColumn<int>("swMajor");
    QTest::addColumn<int>("swMinor");

    QTest::newRow("all zero: 700 hPa, version 0.0") << image(26, {}) << 700 << 0 << 0;
    QTest::newRow("w2 high 19, w8 low 5: 1009 hPa") << image(26, { { 3, "98" }, { 9, "28" } }) << 1009 << 0 << 0;
    QTest::newRow("no error file, w22 0x185: version 3.5") << image(26, { { 22, "8501" } }) << 700 << 3 << 5;
    QTest::newRow("error file 1, w22 0x185: no version") << image(26, { { 21, "04 8501" } }) << 700 << 0 << 0;
    QTest::newRow("w22 0x3FF: version 7.127") << image(26, { { 22, "FF03" } }) << 700 << 7 << 127;
}

void tst_LogRecords::primDerived()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pressure);
    QFETCH(int, swMajor);
    QFETCH(int, swMinor);

    SPrimLogEntry entry;
    QVERIFY(entry.decode(bytes));
    QCOMPARE(entry.pressure(), pressure);
    QCOMPARE(entry.swVersionMajor(), swMajor);
    QCOMPARE(entry.swVersionMinor(), swMinor);
}

void tst_LogRecords::secDerived_data()
{
    QTest::addColumn<QByteArray>("bytes100");
    QTest::addColumn<QByteArray>("bytes70");
    QTest::addColumn<bool>("notToBeStored");

    // Entry state: 100 family w24 bits 10-12, 70 family w24 bits 11-13.
    QTest::newRow("state 0") << image(32, {}) << image(32, {}) << false;
    QTest::newRow("state 3") << image(32, { { 25, "0C" } }) << image(32, { { 25, "18" } }) << true;
    QTest::newRow("state 7") << image(32, { { 25, "1C" } }) << image(32, { { 25, "38" } }) << false;
    QTest::newRow("state 1") << image(32, { { 25, "04" } }) << image(32, { { 25, "08" } }) << false;
}

void tst_LogRecords::secDerived()
{
    QFETCH(QByteArray, bytes100);
    QFETCH(QByteArray, bytes70);
    QFETCH(bool, notToBeStored);

    SSecLogEntry entry;
    QVERIFY(entry.decode(bytes100));
    QCOMPARE(entry.isNotToBeStored(), notToBeStored);
    SSecLogEntry_70 entry70;
    QVERIFY(entry70.decode(bytes70));
    QCOMPARE(entry70.isNotToBeStored(), notToBeStored);

    SSecLogEntry pressure;
    QVERIFY(pressure.decode(image(32, { { 28, "0019" } }))); // w28 bits 7-14 = 50
    QCOMPARE(pressure.pressure(), 800);
}

void tst_LogRecords::setFieldKeepsNeighbours()
{
    // Writing one field over an all-ones image must clear only that field's bits.
    SPrimLogEntry entry;
    QVERIFY(entry.decode(QByteArray(26, char(0xFF))));
    entry.setField(SPrimLogEntry::F_ErrorState, 0);       // w0 bits 11-15
    entry.setField(SPrimLogEntry::F_HumReductionMode, 0); // w18 bit 12
    entry.setField(SPrimLogEntry::F_RoomArea, 0);         // b20 bits 4-6
    entry.setField(SPrimLogEntry::F_ExtractTemp, 0);      // w6 bits 0-10
    QCOMPARE(entry.toBytes().toHex(' '),
             image(26, { { 1, "07" }, { 6, "00F8" }, { 19, "EF 8F" } }, char(0xFF)).toHex(' '));

    SPrimLogEntry_70 entry70;
    QVERIFY(entry70.decode(QByteArray(28, char(0xFF))));
    entry70.setField(SPrimLogEntry_70::F_AirFlow, 30); // b8 bit 7 = 0, b9 bits 0-6 = 0x0F
    QCOMPARE(entry70.toBytes().toHex(' '), image(28, { { 8, "7F 8F" } }, char(0xFF)).toHex(' '));
    QCOMPARE(entry70.airFlow(), 30);
}

void tst_LogRecords::secLogPageEntries()
{
    const SHLP_ReportSecLog page = secLogPage();
    QVERIFY(page.entry<SSecLogEntry>(0) == secEntry());
    QVERIFY(page.entry<SSecLogEntry_70>(4) == sec70Entry());
    QVERIFY(page.entry<SSecLogEntry>(1) == SSecLogEntry());
    QVERIFY(page.entry<SSecLogEntry>(5) == SSecLogEntry());
    QVERIFY(page.entry<SSecLogEntry>(-1) == SSecLogEntry());
}

void tst_LogRecords::otherFamilySizeRefused()
{
    // A 70-family device reading a 100-family current state (28 bytes) must not misread it.
    SHLP_CurrentState_70 state70;
    QVERIFY(!state70.decode(QByteArray(SHLP_CurrentState::Size, '\x13')));
    SHLP_GetPrimLog_70 page70;
    QVERIFY(!page70.decode(QByteArray(SHLP_GetPrimLog::Size, '\x0F')));
}

void tst_LogRecords::timeSpans_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("durationUnit");

    QTest::newRow("MTS_15Min")  << int(CLogging::MTS_15Min)  << 900     << 60;
    QTest::newRow("MTS_1Day")   << int(CLogging::MTS_1Day)   << 86400   << 3600;
    QTest::newRow("MTS_30Days") << int(CLogging::MTS_30Days) << 2592000 << 86400;
    QTest::newRow("3 is no span") << 3 << 0 << 0;
    QTest::newRow("-1 is no span") << -1 << 0 << 0;
}

void tst_LogRecords::timeSpans()
{
    QFETCH(int, span);
    QFETCH(int, period);
    QFETCH(int, durationUnit);

    QCOMPARE(CLogging::periodSeconds(span), period);
    QCOMPARE(CLogging_70::periodSeconds(span), period);
    QCOMPARE(CLogging::durationUnitSeconds(span), durationUnit);
    QCOMPARE(CLogging_70::durationUnitSeconds(span), durationUnit);
}

QTEST_GUILESS_MAIN(tst_LogRecords)
#include "tst_LogRecords.moc"
