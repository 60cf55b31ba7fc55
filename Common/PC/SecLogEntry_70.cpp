#include "PC/SecLogEntry_70.h"

#include <iterator>

namespace {

using BitField::SField;

// Indexed by SSecLogEntry_70::EField: byte offset, lowest bit, width, signed.
constexpr SField kFields[] = {
    { 0, 0, 8, true },    // F_SupplyTemp70
    { 1, 0, 8, true },    // F_ExtractTemp
    { 2, 0, 8, true },    // F_OutdoorHum
    { 3, 0, 8, true },    // F_ExtractHum
    { 4, 0, 8, false },   // F_SupplyCO270
    { 5, 0, 8, false },   // F_ExtractCO270
    { 12, 0, 5, false },  // F_TimeHumInp
    { 12, 5, 5, false },  // F_TimeCO2Inp
    { 12, 10, 5, false }, // F_TimeHumCO2Inp
    { 14, 0, 5, false },  // F_TimeComLev0
    { 14, 5, 5, false },  // F_TimeAbsDrying
    { 14, 10, 5, false }, // F_TimeRelDrying
    { 16, 0, 5, false },  // F_TimeComLev1
    { 16, 5, 5, false },  // F_TimeCooling
    { 16, 10, 5, false }, // F_TimeCO2Ventilation
    { 18, 0, 5, false },  // F_TimeComLev2
    { 18, 5, 5, false },  // F_TimeServiceMode
    { 18, 10, 5, false }, // F_TimeTurboMode
    { 20, 0, 5, false },  // F_TimeComLev3
    { 20, 5, 5, false },  // F_TimeMinAir
    { 20, 15, 1, false }, // F_Restarted
    { 22, 0, 16, true },  // F_EnergyCooled
    { 24, 0, 11, false }, // F_AirExchanged
    { 24, 11, 3, false }, // F_EntryState
    { 26, 0, 11, true },  // F_WaterRemoved
    { 28, 0, 7, false },  // F_AccCount
    { 29, 0, 8, false },  // F_ErrorCode
    { 30, 0, 10, false }, // F_WarningLine
    { 30, 10, 6, false }, // F_WarningFile
};
static_assert(std::size(kFields) == SSecLogEntry_70::F_End, "one layout row per field");
static_assert(BitField::allFit(kFields, SSecLogEntry_70::Size), "every field lies inside the 32 bytes");

} // namespace

int SSecLogEntry_70::field(EField eField) const
{
    if (eField < 0 || eField >= F_End)
        return 0;
    return int(get(kFields[eField]));
}

void SSecLogEntry_70::setField(EField eField, int nValue)
{
    if (eField >= 0 && eField < F_End)
        put(kFields[eField], nValue);
}
