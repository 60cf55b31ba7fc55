// The simulator packs its records from its own reading of the bit tables;
// the PC side decodes with another. Random in-range values through both must
// come out unchanged, field by field, so a field misread on either side shows.

#include "PC/PrimLogEntry.h"
#include "PC/PrimLogEntry_70.h"
#include "PC/SecLogEntry.h"
#include "PC/SecLogEntry_70.h"
#include "SimRecords100.h"
#include "SimRecords70.h"

#include <QRandomGenerator>
#include <QtTest>
#include <utility>
#include <vector>

class tst_SimRecordsVsDecoders : public QObject
{
    Q_OBJECT
private slots:
    void primEntry100();
    void secEntry100();
    void primEntry70();
    void secEntry70();

private:
    int pick(int lo, int hi) { return m_Random.bounded(lo, hi + 1); }
    bool coin() { return m_Random.bounded(2) == 1; }
    void randomTimes(SSimPeriod& p);

    QRandomGenerator m_Random{20261211};
};

namespace {

constexpr int kRounds = 300;

template <class Record, class Field>
void compareFields(const Record& r, const std::vector<std::pair<Field, int>>& expected, int round)
{
    for (const auto& e : expected)
        QVERIFY2(r.field(e.first) == e.second,
                 qPrintable(QStringLiteral("round %1, field %2: decoded %3, packed %4")
                                .arg(round).arg(int(e.first)).arg(r.field(e.first)).arg(e.second)));
}

} // namespace

void tst_SimRecordsVsDecoders::randomTimes(SSimPeriod& p)
{
    for (int& t : p.time)
        t = pick(0, 31);
}

void tst_SimRecordsVsDecoders::primEntry100()
{
    using E = SPrimLogEntry;
    for (int round = 0; round < kRounds; ++round) {
        SSimSample s;
        const int t[5] = {pick(-1024, 1023), pick(-1024, 1023), pick(-1024, 1023), pick(-1024, 1023), pick(-1024, 1023)};
        s.supplyTemp = t[0] / 8.0;
        s.outdoorTemp = t[1] / 8.0;
        s.exhaustTemp = t[2] / 8.0;
        s.extractTemp = t[3] / 8.0;
        s.supplyTempVirt = t[4] / 8.0;
        s.errorState = pick(0, 22);
        s.pressureHpa = pick(700, 700 + 511);
        for (int i = 0; i < 4; ++i) {
            s.flapPos[i] = pick(0, 31);
            s.flapCtrl[i] = pick(0, 3);
        }
        s.deicing = coin();
        s.outdoorHum = pick(0, 100);
        s.extractHum = pick(0, 100);
        s.filterSupplyFull = coin();
        s.filterExtractFull = coin();
        s.co2Ppm = 16 * pick(0, 255);
        s.comfortLevel = pick(1, 5);
        s.operationMode = pick(0, 6);
        s.ventReason = pick(0, 7);
        s.avgFlowCode = pick(0, 31);
        s.fanRpmExtract = pick(0, 4095);
        s.fanFlow = 10 * pick(0, 15);
        s.fanRpmSupply = pick(0, 4095);
        s.humReduction = coin();
        s.fanLimited = coin();
        s.secondRoomAbove20 = coin();
        s.sumCoolBypassOpen = coin();
        s.dipSwitch = pick(0, 255);
        s.defrost = pick(0, 3);
        s.errorFileNr = coin() ? 0 : pick(1, 63);
        s.errorLineNr = pick(0, 1023);
        s.swMajor = pick(0, 7);
        s.swMinor = pick(0, 127);
        s.noCO2Sensor = coin();
        s.dipSwitch2 = pick(0, 7);
        s.errorCode = pick(-128, 127);

        SPrimLogEntry r;
        QVERIFY(r.decode(CSimRecords100::primEntry(s)));
        const int p = s.pressureHpa - 700;
        const int line = s.errorFileNr ? s.errorLineNr : (s.swMajor << 7) | s.swMinor;
        compareFields<E, E::EField>(r, {
            {E::F_SupplyTemp, t[0]}, {E::F_ErrorState, s.errorState}, {E::F_OutdoorTemp, t[1]},
            {E::F_PressureHigh, p >> 4}, {E::F_ExhaustTemp, t[2]}, {E::F_VentPosExtract, s.flapPos[0]},
            {E::F_ExtractTemp, t[3]}, {E::F_VentPosBypass, s.flapPos[3]}, {E::F_SupplyTempVirt, t[4]},
            {E::F_PressureLow, p & 15}, {E::F_Deicing, s.deicing}, {E::F_OutdoorHum, s.outdoorHum},
            {E::F_FilterSupplyFull, s.filterSupplyFull}, {E::F_ExtractHum, s.extractHum},
            {E::F_FilterExtractFull, s.filterExtractFull}, {E::F_CO2, s.co2Ppm / 16},
            {E::F_VentPosBath, s.flapPos[1]}, {E::F_ComfortLevel, s.comfortLevel - 1},
            {E::F_VentPosSupply, s.flapPos[2]}, {E::F_OperationMode, s.operationMode},
            {E::F_Reason, s.ventReason}, {E::F_AverageFlow, s.avgFlowCode}, {E::F_FanSpeedA, s.fanRpmExtract},
            {E::F_FanFlow, s.fanFlow / 10}, {E::F_FanSpeedB, s.fanRpmSupply},
            {E::F_HumReductionMode, s.humReduction}, {E::F_FanLimited, s.fanLimited},
            {E::F_SecondRoomOver20, s.secondRoomAbove20}, {E::F_SumCoolBypassOpen, s.sumCoolBypassOpen},
            {E::F_DIPSwitch, s.dipSwitch}, {E::F_SecondRoomFlowStep, s.dipSwitch & 3},
            {E::F_RoomArea, (s.dipSwitch >> 4) & 7}, {E::F_Defrost, s.defrost},
            {E::F_ErrorFileNr, s.errorFileNr}, {E::F_ErrorLineNr, line}, {E::F_NoCO2Sensor, s.noCO2Sensor},
            {E::F_DIPSwitch2, s.dipSwitch2}, {E::F_ErrorCode, s.errorCode},
            {E::F_VentCtrlSetExtract, s.flapCtrl[0]}, {E::F_VentCtrlSetBath, s.flapCtrl[1]},
            {E::F_VentCtrlSetSupply, s.flapCtrl[2]}, {E::F_VentCtrlSetBypass, s.flapCtrl[3]}}, round);
    }
}

void tst_SimRecordsVsDecoders::secEntry100()
{
    using E = SSecLogEntry;
    for (int round = 0; round < kRounds; ++round) {
        SSimPeriod p;
        p.supplyTemp = pick(-128, 127);
        p.outdoorTemp = pick(-128, 127);
        p.outdoorHum = pick(0, 100);
        p.exhaustTemp = pick(-128, 127);
        p.extractTemp = pick(-128, 127);
        p.extractHum = pick(0, 100);
        p.co2Div16 = pick(0, 255);
        p.warningCode = pick(-128, 127);
        randomTimes(p);
        p.filterSupplyFull = coin();
        p.filterExtractFull = coin();
        p.humRedModeSet = coin();
        p.humRedModeClr = coin();
        p.restarted = coin();
        p.energyExtracted = pick(-32768, 32767);
        p.energyRecovered = pick(-32768, 32767);
        p.energyCooled = pick(-32768, 32767);
        p.airExchanged = pick(0, 1023);
        p.entryState = pick(0, 7);
        p.errorState = pick(0, 22);
        p.waterRemoved = pick(-1024, 1023);
        p.count = pick(0, 127);
        p.pressureHpa = 700 + 2 * pick(0, 255);
        p.noCO2Sensor = coin();
        p.warningLine = pick(0, 1023);
        p.warningFile = pick(0, 63);

        SSecLogEntry r;
        QVERIFY(r.decode(CSimRecords100::secEntry(p)));
        const int* t = p.time;
        compareFields<E, E::EField>(r, {
            {E::F_SupplyTemp, p.supplyTemp}, {E::F_OutdoorTemp, p.outdoorTemp}, {E::F_OutdoorHum, p.outdoorHum},
            {E::F_ExhaustTemp, p.exhaustTemp}, {E::F_ExtractTemp, p.extractTemp}, {E::F_ExtractHum, p.extractHum},
            {E::F_CO2, p.co2Div16}, {E::F_ErrorCode, p.warningCode},
            {E::F_TimeSupCond, t[SSimPeriod::D_SupCond]}, {E::F_TimeHumInp, t[SSimPeriod::D_HumInp]},
            {E::F_TimeComLev0, t[SSimPeriod::D_ComLev0]}, {E::F_FilterSupplyFull, p.filterSupplyFull},
            {E::F_TimeAbsDrying, t[SSimPeriod::D_AbsDrying]}, {E::F_TimeRelDrying, t[SSimPeriod::D_RelDrying]},
            {E::F_TimeComLev1, t[SSimPeriod::D_ComLev1]}, {E::F_FilterExtractFull, p.filterExtractFull},
            {E::F_TimeCooling, t[SSimPeriod::D_Cooling]}, {E::F_TimeCO2Ventilation, t[SSimPeriod::D_CO2Ventilation]},
            {E::F_TimeComLev2, t[SSimPeriod::D_ComLev2]}, {E::F_HumRedModeSet, p.humRedModeSet},
            {E::F_TimeSleepMode, t[SSimPeriod::D_SleepMode]}, {E::F_TimeTurboMode, t[SSimPeriod::D_TurboMode]},
            {E::F_TimeComLev3, t[SSimPeriod::D_ComLev3]}, {E::F_HumRedModeClr, p.humRedModeClr},
            {E::F_TimeAutoAlt, t[SSimPeriod::D_AutoAlt]}, {E::F_TimeDefExh, t[SSimPeriod::D_DefExh]},
            {E::F_TimeMinAir, t[SSimPeriod::D_MinAir]}, {E::F_Restarted, p.restarted},
            {E::F_EnergyExtracted, p.energyExtracted}, {E::F_EnergyRecovered, p.energyRecovered},
            {E::F_EnergyCooled, p.energyCooled}, {E::F_AirExchanged, p.airExchanged},
            {E::F_EntryState, p.entryState}, {E::F_ErrorState, p.errorState}, {E::F_WaterRemoved, p.waterRemoved},
            {E::F_AccCount, p.count}, {E::F_PressureCode, (p.pressureHpa - 700) / 2},
            {E::F_NoCO2Sensor, p.noCO2Sensor}, {E::F_WarningLine, p.warningLine},
            {E::F_WarningFile, p.warningFile}}, round);
    }
}

void tst_SimRecordsVsDecoders::primEntry70()
{
    using E = SPrimLogEntry_70;
    for (int round = 0; round < kRounds; ++round) {
        SSimSample s;
        const int supply = pick(-1024, 1023);
        const int extract = pick(-1024, 1023);
        const int htExt = pick(-512, 511);
        const int htSup = pick(0, 1023);
        s.supplyTemp = supply / 8.0;
        s.extractTemp = extract / 8.0;
        s.hTExt70 = htExt / 4.0;
        s.hTSup70 = htSup / 4.0;
        s.errorState = pick(0, 31);
        s.hUEx70 = pick(0, 127);
        s.hUSu70 = pick(0, 127);
        s.errorFileNr = pick(0, 63);
        s.fanState70 = pick(0, 7);
        s.sbFlow70 = pick(0, 127);
        s.airFlow70 = pick(-128, 127);
        s.outdoorHum = pick(0, 127);
        s.extractHum = pick(0, 127);
        s.serviceStep70 = pick(0, 15);
        s.summer70 = coin();
        s.comfortLevel = pick(1, 5);
        s.operationMode = pick(0, 7);
        s.fanRpmExtract = pick(0, 4095);
        s.ventReason = pick(0, 15);
        s.extCO2UnCor70 = pick(0, 255);
        s.supCO2UnCor70 = pick(0, 255);
        s.extractCO270 = pick(0, 255);
        s.supplyCO270 = pick(0, 255);
        s.dipSwitch = pick(0, 255);
        s.flow70 = pick(-128, 127);
        s.errorLineNr = pick(0, 65535);
        s.errorCode = pick(-32768, 32767);

        SPrimLogEntry_70 r;
        QVERIFY(r.decode(CSimRecords70::primEntry(s)));
        compareFields<E, E::EField>(r, {
            {E::F_SupplyTemp70, supply}, {E::F_ErrorState, s.errorState}, {E::F_HUEx, s.hUEx70},
            {E::F_HUSu, s.hUSu70}, {E::F_HTExt, htExt}, {E::F_ErrorFileNr, s.errorFileNr},
            {E::F_ExtractTemp, extract}, {E::F_FanState, s.fanState70}, {E::F_SBFlow, s.sbFlow70},
            {E::F_AirFlow, s.airFlow70}, {E::F_OutdoorHum, s.outdoorHum}, {E::F_ExtractHum, s.extractHum},
            {E::F_ServiceStep, s.serviceStep70}, {E::F_SummerCooling, s.summer70},
            {E::F_ComfortLevel, s.comfortLevel - 1}, {E::F_OperationMode, s.operationMode},
            {E::F_HTSup, htSup}, {E::F_FanRPM70, s.fanRpmExtract}, {E::F_Reason, s.ventReason},
            {E::F_ExtCO2UnCor70, s.extCO2UnCor70}, {E::F_SupCO2UnCor70, s.supCO2UnCor70},
            {E::F_ExtractCO270, s.extractCO270}, {E::F_SupplyCO270, s.supplyCO270},
            {E::F_DIPSwitch, s.dipSwitch}, {E::F_SwitchSetting, s.dipSwitch & 7},
            {E::F_RoomArea, (s.dipSwitch >> 3) & 7}, {E::F_Flow, s.flow70},
            {E::F_ErrorLineNr, s.errorLineNr}, {E::F_ErrorCode, s.errorCode}}, round);
    }
}

void tst_SimRecordsVsDecoders::secEntry70()
{
    using E = SSecLogEntry_70;
    for (int round = 0; round < kRounds; ++round) {
        SSimPeriod p;
        p.supplyTemp = pick(-128, 127);
        p.extractTemp = pick(-128, 127);
        p.outdoorHum = pick(0, 100);
        p.extractHum = pick(0, 100);
        p.supplyCO270 = pick(0, 255);
        p.extractCO270 = pick(0, 255);
        randomTimes(p);
        p.restarted = coin();
        p.energyCooled = pick(-32768, 32767);
        p.airExchanged = pick(0, 2047);
        p.entryState = pick(0, 7);
        p.waterRemoved = pick(-1024, 1023);
        p.count = pick(0, 127);
        p.warningCode = pick(0, 255);
        p.warningLine = pick(0, 1023);
        p.warningFile = pick(0, 63);

        SSecLogEntry_70 r;
        QVERIFY(r.decode(CSimRecords70::secEntry(p)));
        const int* t = p.time;
        compareFields<E, E::EField>(r, {
            {E::F_SupplyTemp70, p.supplyTemp}, {E::F_ExtractTemp, p.extractTemp}, {E::F_OutdoorHum, p.outdoorHum},
            {E::F_ExtractHum, p.extractHum}, {E::F_SupplyCO270, p.supplyCO270}, {E::F_ExtractCO270, p.extractCO270},
            {E::F_TimeHumInp, t[SSimPeriod::D_HumInp]}, {E::F_TimeCO2Inp, t[SSimPeriod::D_CO2Inp]},
            {E::F_TimeHumCO2Inp, t[SSimPeriod::D_HumCO2Inp]}, {E::F_TimeComLev0, t[SSimPeriod::D_ComLev0]},
            {E::F_TimeAbsDrying, t[SSimPeriod::D_AbsDrying]}, {E::F_TimeRelDrying, t[SSimPeriod::D_RelDrying]},
            {E::F_TimeComLev1, t[SSimPeriod::D_ComLev1]}, {E::F_TimeCooling, t[SSimPeriod::D_Cooling]},
            {E::F_TimeCO2Ventilation, t[SSimPeriod::D_CO2Ventilation]}, {E::F_TimeComLev2, t[SSimPeriod::D_ComLev2]},
            {E::F_TimeServiceMode, t[SSimPeriod::D_ServiceMode]}, {E::F_TimeTurboMode, t[SSimPeriod::D_TurboMode]},
            {E::F_TimeComLev3, t[SSimPeriod::D_ComLev3]}, {E::F_TimeMinAir, t[SSimPeriod::D_MinAir]},
            {E::F_Restarted, p.restarted}, {E::F_EnergyCooled, p.energyCooled},
            {E::F_AirExchanged, p.airExchanged}, {E::F_EntryState, p.entryState},
            {E::F_WaterRemoved, p.waterRemoved}, {E::F_AccCount, p.count}, {E::F_ErrorCode, p.warningCode},
            {E::F_WarningLine, p.warningLine}, {E::F_WarningFile, p.warningFile}}, round);
    }
}

QTEST_GUILESS_MAIN(tst_SimRecordsVsDecoders)
#include "tst_SimRecordsVsDecoders.moc"
