#include "PC/FanValues.h"

#include "DataDictField.h"
#include "PC/FieldCodeMap.h"

#include <QDebug>
#include <cmath>

namespace {

constexpr double kDegCPerStep = 0.125; // record temperatures count 1/8 degC

// The average-flow code 20 stands for "equal to the fan flow", 1 for the
// "20/60" alternation, which the unit reports as no steady flow.
constexpr int kFlowCodeFanFlow = 20;
constexpr int kFlowCodeAlternating = 1;

// Room area in m2 by room-area code; codes 6 and 7 are the small settings 1 and 2.
constexpr int kRoomArea[] = { 20, 25, 35, 45, 60, 75, 1, 2 };

constexpr int kOperationModeField[] = {
    DDF_OM_Standard, DDF_OM_Alternate, DDF_OM_Sleep, DDF_OM_Turbo,
    DDF_OM_TurboCool, DDF_OM_Service, DDF_OM_Test, DDF_OM_Manufacturer,
};

constexpr int kProgramField[] = { DDF_MinAir, DDF_RelDry, DDF_AbsDry, DDF_Cool, DDF_VenCO2 };

constexpr int kErrorField[] = {
    DDF_ERR_OK, DDF_ERR_FilterOld, DDF_ERR_FilterDirty, DDF_ERR_General,
    DDF_ERR_SensorTempSupply, DDF_ERR_SensorTempOutdoor, DDF_ERR_SensorHumOutdoor,
    DDF_ERR_SensorTempExhaust, DDF_ERR_SensorTempExtract, DDF_ERR_SensorHumExtract,
    DDF_ERR_SensorCO2, DDF_ERR_SensorPressure, DDF_ERR_VentExtract, DDF_ERR_VentBath,
    DDF_ERR_VentSupply, DDF_ERR_VentBypass, DDF_ERR_FanExtract, DDF_ERR_FanSupply,
    DDF_ERR_DIPSwitch, DDF_ERR_DetailOnPress, DDF_ERR_CO2TooHigh, DDF_ERR_Fire, DDF_ERR_Wlan,
};

// Program codes 5 to 7 are reductions the unit applies on its own.
constexpr int kProgramSupplyCondensing = 5;
constexpr int kProgramMinTOut = 6;
constexpr int kProgramHumInput = 7;
constexpr int kDefrostBypass = 1;
constexpr int kDefrostSupply = 2;

// Heat recovery needs a clear indoor-outdoor difference to mean anything.
constexpr double kMinTempDifference = 2.0;
// Heating air costs 1/3 Wh per m3 and kelvin.
constexpr double kM3KelvinPerWh = 3.0;

double degC(int nEighths) { return nEighths * kDegCPerStep; }

int eighths(double dDegC) { return int(dDegC * 8.0); }

} // namespace

CFanValues::CFanValues()
{
    m_nChecksum = calcChecksum();
}

CFanValues::CFanValues(const SPrimLogEntry& entry)
{
    decodeTemperatures(entry);
    decodeAirAndFans(entry);
    decodeStates(entry);
    decodeFlaps(entry);
    decodeErrorAndVersion(entry);
    m_nChecksum = calcChecksum();
}

int CFanValues::registerMetaType()
{
    return qRegisterMetaType<CFanValues>("CFanValues");
}

void CFanValues::decodeTemperatures(const SPrimLogEntry& entry)
{
    m_dExtractTemp = degC(entry.extractTemp());
    m_dOutdoorTemp = degC(entry.outdoorTemp());
    m_dExhaustTemp = degC(entry.exhaustTemp());
    m_dSupplyTemp = degC(entry.supplyTemp());
    m_dSupplyTempVirt = degC(entry.supplyTempVirt());
}

void CFanValues::decodeAirAndFans(const SPrimLogEntry& entry)
{
    m_nExtractHum = entry.extractHum();
    m_nOutdoorHum = entry.outdoorHum();
    m_nCO2 = entry.co2() * 16;
    m_nPressure = entry.pressure();
    m_nFanFlow = entry.fanFlowCode() * 10;
    const int flowCode = entry.averageFlowCode();
    if (flowCode == kFlowCodeFanFlow)
        m_nExtractAirFlow = m_nFanFlow;
    else if (flowCode == kFlowCodeAlternating)
        m_nExtractAirFlow = 0;
    else
        m_nExtractAirFlow = flowCode;
    m_nFanSupplyRPM = entry.fanSpeedB();
    m_nFanExtractRPM = entry.fanSpeedA();
    m_bFanLimited = entry.fanLimited();
    m_bSecondRoomOver20 = entry.secondRoomOver20();
}

void CFanValues::decodeStates(const SPrimLogEntry& entry)
{
    m_nComfortLevel = entry.comfortLevelCode() + 1;
    m_nOperationModeCode = entry.operationModeCode();
    m_nProgramCode = entry.reasonCode();
    m_nDefrostCode = entry.defrostCode();
    m_nErrorStateCode = entry.errorStateCode();
    m_bDeicing = entry.deicing();
    m_bHumReductionMode = entry.humReductionMode();
    m_bSumCoolBypassOpen = entry.sumCoolBypassOpen();
    m_nDipSwitch = entry.dipSwitch();
    m_nRoomArea = kRoomArea[entry.roomAreaCode() & 0x07];
    m_nMax2ndRoomExtract = entry.secondRoomFlowStep() * 30;
    m_uDipSwitch2 = unsigned(entry.dipSwitch2());
    m_bNoCO2Sensor = entry.noCO2Sensor();
    m_nFilterSupplyFull = entry.filterSupplyFull() ? 1 : 0;
    m_nFilterExtractFull = entry.filterExtractFull() ? 1 : 0;
}

void CFanValues::decodeFlaps(const SPrimLogEntry& entry)
{
    m_nVentPosExtract = entry.ventPosExtract();
    m_nVentPosBypass = entry.ventPosBypass();
    m_nVentPosBath = entry.ventPosBath();
    m_nVentPosSupply = entry.ventPosSupply();
    m_nVentCtrlSetExtract = entry.ventCtrlSetExtract();
    m_nVentCtrlSetBath = entry.ventCtrlSetBath();
    m_nVentCtrlSetSupply = entry.ventCtrlSetSupply();
    m_nVentCtrlSetBypass = entry.ventCtrlSetBypass();
}

void CFanValues::decodeErrorAndVersion(const SPrimLogEntry& entry)
{
    m_uErrorFileNr = unsigned(entry.errorFileNr());
    m_nErrorCode = entry.errorCode();
    if (entry.hasSoftwareVersion()) {
        // Without an internal error the error-line bits carry the firmware version.
        qDebug() << "SW_Version Prim Log" << entry.errorLineNr();
        m_nSwVersionMajor = entry.swVersionMajor();
        m_nSwVersionMinor = entry.swVersionMinor();
        m_uErrorLineNr = 0;
    } else {
        m_uErrorLineNr = unsigned(entry.errorLineNr());
    }
}

QVariant CFanValues::value(int nDataDictField) const
{
    switch (nDataDictField) {
    case DDF_HumReductionMode: return m_bHumReductionMode;
    case DDF_SumCoolBypassOpen: return m_bSumCoolBypassOpen;
    case DDF_NoCO2Sensor: return m_bNoCO2Sensor;
    case DDF_ExtractTemp: return m_dExtractTemp;
    case DDF_OutdoorTemp: return m_dOutdoorTemp;
    case DDF_SupplyTemp: return m_dSupplyTemp;
    case DDF_SupplyTempVirt: return m_dSupplyTempVirt;
    case DDF_ExhaustTemp: return m_dExhaustTemp;
    case DDF_ErrorFileNr: return m_uErrorFileNr;
    case DDF_ErrorLineNr: return m_uErrorLineNr;
    case DDF_DIPSwitch2: return m_uDipSwitch2;
    // Signed: the unit's error codes are negative as often as positive.
    case DDF_ErrorCode: return m_nErrorCode;
    case DDF_ComfortLevel: return m_nComfortLevel;
    case DDF_RoomArea: return m_nRoomArea;
    case DDF_Max2ndRoomExtract: return m_nMax2ndRoomExtract;
    case DDF_FanSupplyRPM: return m_nFanSupplyRPM;
    case DDF_FanExtractRPM: return m_nFanExtractRPM;
    case DDF_ExtractAirFlow: return m_nExtractAirFlow;
    case DDF_ExtractHum: return m_nExtractHum;
    case DDF_OutdoorHum: return m_nOutdoorHum;
    case DDF_CO2: return m_nCO2;
    case DDF_Pressure: return m_nPressure;
    case DDF_Deicing: return m_bDeicing ? 1 : 0;
    case DDF_VentPosExtract: return m_nVentPosExtract;
    case DDF_VentPosBypass: return m_nVentPosBypass;
    case DDF_VentPosBath: return m_nVentPosBath;
    case DDF_VentPosSupply: return m_nVentPosSupply;
    case DDF_VentCtrlSetExtract: return m_nVentCtrlSetExtract;
    case DDF_VentCtrlSetBypass: return m_nVentCtrlSetBypass;
    case DDF_VentCtrlSetBath: return m_nVentCtrlSetBath;
    case DDF_VentCtrlSetSupply: return m_nVentCtrlSetSupply;
    case DDF_FilterSupplyFull: return m_nFilterSupplyFull;
    case DDF_FilterExtractFull: return m_nFilterExtractFull;
    case DDF_DIPSwitch: return m_nDipSwitch;
    default: return textValue(nDataDictField);
    }
}

QVariant CFanValues::textValue(int nDataDictField) const
{
    switch (nDataDictField) {
    case DDF_OperationMode: return FieldCodeMap::abbreviation(operationModeField());
    case DDF_Program: return FieldCodeMap::abbreviation(programField());
    case DDF_ReductionReason: return FieldCodeMap::abbreviation(reductionReasonField());
    case DDF_ErrorState: return FieldCodeMap::abbreviation(errorField(m_nErrorStateCode));
    case DDF_SW_Version:
        return QStringLiteral("%1.%2").arg(m_nSwVersionMajor).arg(m_nSwVersionMinor);
    default: return QVariant();
    }
}

int CFanValues::operationModeField() const
{
    return FieldCodeMap::field(kOperationModeField, m_nOperationModeCode);
}

int CFanValues::programField() const
{
    return FieldCodeMap::field(kProgramField, m_nProgramCode);
}

int CFanValues::reductionReasonField() const
{
    // The program's own reductions take precedence over defrosting.
    if (m_nProgramCode == kProgramMinTOut)
        return DDF_MinTOut;
    if (m_nProgramCode == kProgramHumInput)
        return DDF_HumInput;
    if (m_nProgramCode == kProgramSupplyCondensing)
        return DDF_SupplyCondensing;
    if (m_nDefrostCode == kDefrostBypass)
        return DDF_DefrostBypass;
    if (m_nDefrostCode == kDefrostSupply)
        return DDF_DefrostSupply;
    return -1;
}

int CFanValues::errorField(int nCode)
{
    return FieldCodeMap::field(kErrorField, nCode);
}

QString CFanValues::operationModeText() const
{
    if (m_bHumReductionMode && m_nOperationModeCode == 0)
        return tr("Humidity reduction");
    if (m_bHumReductionMode && m_nOperationModeCode == 1)
        return tr("Humidity reduction (1st room)");
    return FieldCodeMap::description(operationModeField());
}

QString CFanValues::minVentilationText() const
{
    // Minimum ventilation in m3/h set by the two low bits of the second DIP field.
    static const char* const texts[] = { "Off", "40", "50", "60" };
    return QString::fromLatin1(texts[m_uDipSwitch2 & 0x03]);
}

int CFanValues::heatRecoveryPercent() const
{
    if (m_nExtractAirFlow == 0)
        return 100;
    const double difference = m_dExtractTemp - m_dOutdoorTemp;
    if (std::fabs(difference) < kMinTempDifference)
        return 100;
    const int percent = int((1.0 - (m_dExtractTemp - m_dSupplyTempVirt) / difference) * 100.0 + 0.5);
    return qMin(percent, 100);
}

int CFanValues::heatRecoveryWatt() const
{
    if (std::fabs(m_dExtractTemp - m_dOutdoorTemp) < kMinTempDifference)
        return 0;
    return int(m_nExtractAirFlow * (m_dSupplyTempVirt - m_dOutdoorTemp) / kM3KelvinPerWh + 0.5);
}

int CFanValues::coolingPower() const
{
    return int(m_nExtractAirFlow * (m_dExtractTemp - m_dSupplyTempVirt) / kM3KelvinPerWh + 0.5);
}

int CFanValues::calcChecksum() const
{
    int sum = eighths(m_dExtractTemp) + eighths(m_dOutdoorTemp) + eighths(m_dExhaustTemp)
        + eighths(m_dSupplyTemp) + eighths(m_dSupplyTempVirt);
    sum += m_nExtractHum + m_nOutdoorHum + m_nCO2 + m_nComfortLevel + m_nFanFlow
        + m_nExtractAirFlow + m_nRoomArea + m_nMax2ndRoomExtract + m_nFanSupplyRPM
        + m_nFanExtractRPM + m_nOperationModeCode + m_nProgramCode + m_nDefrostCode
        + m_nErrorStateCode;
    sum += m_nVentPosExtract + m_nVentPosBypass + m_nPressure + m_nVentPosBath + m_nVentPosSupply
        + m_nFilterSupplyFull + m_nFilterExtractFull + m_nDipSwitch + int(m_uErrorFileNr)
        + int(m_uErrorLineNr) + m_nErrorCode + m_nVentCtrlSetExtract + m_nVentCtrlSetBath
        + m_nVentCtrlSetSupply + m_nVentCtrlSetBypass;
    sum += int(m_bDeicing) + int(m_bHumReductionMode) + int(m_bFanLimited)
        + int(m_bSecondRoomOver20) + int(m_bSumCoolBypassOpen);
    return sum;
}
