#include "PC/SecLogEntry.h"

#include <iterator>

namespace {

using BitField::SField;

// Indexed by SSecLogEntry::EField: byte offset, lowest bit, width, signed.
constexpr SField kFields[] = {
    { 0, 0, 8, true },    // F_SupplyTemp
    { 1, 0, 8, true },    // F_OutdoorTemp
    { 2, 0, 8, true },    // F_OutdoorHum
    { 3, 0, 8, true },    // F_ExhaustTemp
    { 4, 0, 8, true },    // F_ExtractTemp
    { 5, 0, 8, true },    // F_ExtractHum
    { 6, 0, 8, false },   // F_CO2
    { 7, 0, 8, true },    // F_ErrorCode
    { 8, 0, 5, false },   // F_TimeSupCond
    { 8, 5, 5, false },   // F_TimeHumInp
    { 8, 10, 5, false },  // F_TimeComLev0
    { 8, 15, 1, false },  // F_FilterSupplyFull
    { 10, 0, 5, false },  // F_TimeAbsDrying
    { 10, 5, 5, false },  // F_TimeRelDrying
    { 10, 10, 5, false }, // F_TimeComLev1
    { 10, 15, 1, false }, // F_FilterExtractFull
    { 12, 0, 5, false },  // F_TimeCooling
    { 12, 5, 5, false },  // F_TimeCO2Ventilation
    { 12, 10, 5, false }, // F_TimeComLev2
    { 12, 15, 1, false }, // F_HumRedModeSet
    { 14, 0, 5, false },  // F_TimeSleepMode
    { 14, 5, 5, false },  // F_TimeTurboMode
    { 14, 10, 5, false }, // F_TimeComLev3
    { 14, 15, 1, false }, // F_HumRedModeClr
    { 16, 0, 5, false },  // F_TimeAutoAlt
    { 16, 5, 5, false },  // F_TimeDefExh
    { 16, 10, 5, false }, // F_TimeMinAir
    { 16, 15, 1, false }, // F_Restarted
    { 18, 0, 16, true },  // F_EnergyExtracted
    { 20, 0, 16, true },  // F_EnergyRecovered
    { 22, 0, 16, true },  // F_EnergyCooled
    { 24, 0, 10, false }, // F_AirExchanged
    { 24, 10, 3, false }, // F_EntryState
    { 26, 0, 5, false },  // F_ErrorState
    { 26, 5, 11, true },  // F_WaterRemoved
    { 28, 0, 7, false },  // F_AccCount
    { 28, 7, 8, false },  // F_PressureCode
    { 28, 15, 1, false }, // F_NoCO2Sensor
    { 30, 0, 10, false }, // F_WarningLine
    { 30, 10, 6, false }, // F_WarningFile
};
static_assert(std::size(kFields) == SSecLogEntry::F_End, "one layout row per field");
static_assert(BitField::allFit(kFields, SSecLogEntry::Size), "every field lies inside the 32 bytes");

} // namespace

int SSecLogEntry::field(EField eField) const
{
    if (eField < 0 || eField >= F_End)
        return 0;
    return int(get(kFields[eField]));
}

void SSecLogEntry::setField(EField eField, int nValue)
{
    if (eField >= 0 && eField < F_End)
        put(kFields[eField], nValue);
}
