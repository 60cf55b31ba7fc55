#include "PC/FanValues70.h"

#include "DataDictField.h"
#include "PC/FieldCodeMap.h"

#include <cstdlib>

namespace {

constexpr double kDegCPerStep = 0.125; // record temperatures count 1/8 degC

// Air-quality bytes are sent 100 below their value so that they fit a byte.
constexpr int kAirQualityOffset = 100;

// Room area in m2 by room-area code; codes 6 and 7 are not set.
constexpr int kRoomArea[] = { 20, 25, 35, 45, 60, 75, 0, 0 };

constexpr int kOperationModeField[] = {
    DDF_OM_Auto, DDF_OM_Turbo, DDF_OM_Service, DDF_OM_Test, DDF_OM_Manufacturer,
};

constexpr int kProgramField[] = {
    DDF_MinAir, DDF_RelDry, DDF_AbsDry, DDF_Cool, DDF_VenCO2, DDF_HumInp, DDF_CO2Inp, DDF_HumUndCO2Inp,
};

// The family reports fewer, coarser errors; the gaps are codes it does not use.
constexpr int kErrorField[] = {
    DDF_ERR_OK, DDF_ERR_General, -1, DDF_ERR_SensorTemp, -1, DDF_ERR_SensorHum, -1,
    DDF_ERR_SensorVOC, -1, -1, -1, -1, -1, -1, DDF_ERR_Fan, DDF_ERR_DIPSwitch,
    DDF_ERR_DetailOnPress, DDF_ERR_CO2TooHigh, DDF_ERR_Fire,
};

} // namespace

CFanValues70::CFanValues70(const SPrimLogEntry_70& entry)
    : m_dExtractTemp(entry.extractTemp() * kDegCPerStep)
    , m_dSupplyTemp(entry.supplyTemp70() * kDegCPerStep)
    , m_nExtractHum(entry.extractHum())
    , m_nOutdoorHum(entry.outdoorHum())
    , m_nExtractAirQuality(entry.extractCO270() + kAirQualityOffset)
    , m_nSupplyAirQuality(entry.supplyCO270() + kAirQualityOffset)
    , m_nExtractAirQualityRaw(entry.extCO2UnCor70() + kAirQualityOffset)
    , m_nSupplyAirQualityRaw(entry.supCO2UnCor70() + kAirQualityOffset)
    , m_nComfortLevel(entry.comfortLevelCode() + 1)
    , m_nAirFlow(entry.airFlow())
    , m_nRoomArea(kRoomArea[entry.roomAreaCode() & 0x07])
    , m_nFanRPM(entry.fanRPM70())
    , m_nOperationModeCode(entry.operationModeCode())
    , m_nProgramCode(entry.reasonCode())
    , m_nErrorStateCode(entry.errorStateCode())
    , m_nDipSwitch(entry.dipSwitch())
    , m_nErrorFileNr(entry.errorFileNr())
    , m_nErrorLineNr(entry.errorLineNr())
    , m_nErrorCode(entry.errorCode())
{
}

int CFanValues70::registerMetaType()
{
    return qRegisterMetaType<CFanValues70>("CFanValues70");
}

QVariant CFanValues70::value(int nDataDictField) const
{
    switch (nDataDictField) {
    case DDF_ExtractTemp: return m_dExtractTemp;
    case DDF_SupplyTemp70: return m_dSupplyTemp;
    case DDF_ErrorFileNr: return unsigned(m_nErrorFileNr);
    case DDF_ErrorLineNr: return unsigned(m_nErrorLineNr);
    // Signed: the unit's error codes are negative as often as positive.
    case DDF_ErrorCode: return m_nErrorCode;
    case DDF_ComfortLevel: return m_nComfortLevel;
    case DDF_RoomArea: return m_nRoomArea;
    case DDF_FanRPM70: return m_nFanRPM;
    // The log keeps the amount of air moved; the direction is not stored.
    case DDF_ExtractAirFlow: return std::abs(m_nAirFlow);
    case DDF_ExtractHum: return m_nExtractHum;
    case DDF_OutdoorHum: return m_nOutdoorHum;
    case DDF_ExtractCO270: return m_nExtractAirQuality;
    case DDF_SupplyCO270: return m_nSupplyAirQuality;
    case DDF_ExtCO2UnCor70: return m_nExtractAirQualityRaw;
    case DDF_SupCO2UnCor70: return m_nSupplyAirQualityRaw;
    case DDF_DIPSwitch: return m_nDipSwitch;
    default: return textValue(nDataDictField);
    }
}

QVariant CFanValues70::textValue(int nDataDictField) const
{
    switch (nDataDictField) {
    case DDF_OperationMode: return FieldCodeMap::abbreviation(operationModeField());
    case DDF_Program: return FieldCodeMap::abbreviation(programField());
    case DDF_ErrorState: return FieldCodeMap::abbreviation(errorField());
    default: return QVariant();
    }
}

int CFanValues70::operationModeField() const
{
    return FieldCodeMap::field(kOperationModeField, m_nOperationModeCode);
}

int CFanValues70::programField() const
{
    return FieldCodeMap::field(kProgramField, m_nProgramCode);
}

int CFanValues70::errorField() const
{
    return FieldCodeMap::field(kErrorField, m_nErrorStateCode);
}

QString CFanValues70::operationModeText() const
{
    return FieldCodeMap::description(operationModeField());
}
