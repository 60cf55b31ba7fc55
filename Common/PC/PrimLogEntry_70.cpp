#include "PC/PrimLogEntry_70.h"

#include <iterator>

namespace {

using BitField::SField;

// Indexed by SPrimLogEntry_70::EField: byte offset, lowest bit, width, signed.
constexpr SField kFields[] = {
    { 0, 0, 11, true },   // F_SupplyTemp70
    { 0, 11, 5, false },  // F_ErrorState
    { 2, 0, 7, false },   // F_HUEx
    { 2, 7, 7, false },   // F_HUSu
    { 4, 0, 10, true },   // F_HTExt
    { 4, 10, 6, false },  // F_ErrorFileNr
    { 6, 0, 11, true },   // F_ExtractTemp
    { 6, 11, 3, false },  // F_FanState
    { 8, 0, 7, false },   // F_SBFlow
    { 8, 7, 8, true },    // F_AirFlow
    { 10, 0, 7, false },  // F_OutdoorHum
    { 11, 0, 7, false },  // F_ExtractHum
    { 13, 3, 4, false },  // F_ServiceStep
    { 13, 7, 1, false },  // F_SummerCooling
    { 14, 0, 3, false },  // F_ComfortLevel
    { 14, 3, 3, false },  // F_OperationMode
    { 14, 6, 10, false }, // F_HTSup
    { 16, 0, 12, false }, // F_FanRPM70
    { 16, 12, 4, false }, // F_Reason
    { 18, 0, 8, false },  // F_ExtCO2UnCor70
    { 19, 0, 8, false },  // F_SupCO2UnCor70
    { 20, 0, 8, false },  // F_ExtractCO270
    { 21, 0, 8, false },  // F_SupplyCO270
    { 22, 0, 8, false },  // F_DIPSwitch
    { 22, 0, 3, false },  // F_SwitchSetting
    { 22, 3, 3, false },  // F_RoomArea
    { 23, 0, 8, true },   // F_Flow
    { 24, 0, 16, false }, // F_ErrorLineNr
    { 26, 0, 16, true },  // F_ErrorCode
};
static_assert(std::size(kFields) == SPrimLogEntry_70::F_End, "one layout row per field");
static_assert(BitField::allFit(kFields, SPrimLogEntry_70::Size), "every field lies inside the 28 bytes");

} // namespace

int SPrimLogEntry_70::field(EField eField) const
{
    if (eField < 0 || eField >= F_End)
        return 0;
    return int(get(kFields[eField]));
}

void SPrimLogEntry_70::setField(EField eField, int nValue)
{
    if (eField >= 0 && eField < F_End)
        put(kFields[eField], nValue);
}
