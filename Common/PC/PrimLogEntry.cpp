#include "PC/PrimLogEntry.h"

#include <iterator>

namespace {

using BitField::SField;

// Indexed by SPrimLogEntry::EField: byte offset, lowest bit, width, signed.
constexpr SField kFields[] = {
    { 0, 0, 11, true },   // F_SupplyTemp
    { 0, 11, 5, false },  // F_ErrorState
    { 2, 0, 11, true },   // F_OutdoorTemp
    { 2, 11, 5, false },  // F_PressureHigh
    { 4, 0, 11, true },   // F_ExhaustTemp
    { 4, 11, 5, false },  // F_VentPosExtract
    { 6, 0, 11, true },   // F_ExtractTemp
    { 6, 11, 5, false },  // F_VentPosBypass
    { 8, 0, 11, true },   // F_SupplyTempVirt
    { 8, 11, 4, false },  // F_PressureLow
    { 8, 15, 1, false },  // F_Deicing
    { 10, 0, 7, false },  // F_OutdoorHum
    { 10, 7, 1, false },  // F_FilterSupplyFull
    { 11, 0, 7, false },  // F_ExtractHum
    { 11, 7, 1, false },  // F_FilterExtractFull
    { 12, 0, 8, false },  // F_CO2
    { 13, 0, 5, false },  // F_VentPosBath
    { 13, 5, 3, false },  // F_ComfortLevel
    { 14, 0, 5, false },  // F_VentPosSupply
    { 14, 5, 3, false },  // F_OperationMode
    { 15, 0, 3, false },  // F_Reason
    { 15, 3, 5, false },  // F_AverageFlow
    { 16, 0, 12, false }, // F_FanSpeedA
    { 16, 12, 4, false }, // F_FanFlow
    { 18, 0, 12, false }, // F_FanSpeedB
    { 18, 12, 1, false }, // F_HumReductionMode
    { 18, 13, 1, false }, // F_FanLimited
    { 18, 14, 1, false }, // F_SecondRoomOver20
    { 18, 15, 1, false }, // F_SumCoolBypassOpen
    { 20, 0, 8, false },  // F_DIPSwitch
    { 20, 0, 2, false },  // F_SecondRoomFlowStep
    { 20, 4, 3, false },  // F_RoomArea
    { 21, 0, 2, false },  // F_Defrost
    { 21, 2, 6, false },  // F_ErrorFileNr
    { 22, 0, 10, false }, // F_ErrorLineNr
    { 22, 12, 1, false }, // F_NoCO2Sensor
    { 22, 13, 3, false }, // F_DIPSwitch2
    { 24, 0, 8, true },   // F_ErrorCode
    { 25, 0, 2, false },  // F_VentCtrlSetExtract
    { 25, 2, 2, false },  // F_VentCtrlSetBath
    { 25, 4, 2, false },  // F_VentCtrlSetSupply
    { 25, 6, 2, false },  // F_VentCtrlSetBypass
};
static_assert(std::size(kFields) == SPrimLogEntry::F_End, "one layout row per field");
static_assert(BitField::allFit(kFields, SPrimLogEntry::Size), "every field lies inside the 26 bytes");

} // namespace

int SPrimLogEntry::field(EField eField) const
{
    if (eField < 0 || eField >= F_End)
        return 0;
    return int(get(kFields[eField]));
}

void SPrimLogEntry::setField(EField eField, int nValue)
{
    if (eField >= 0 && eField < F_End)
        put(kFields[eField], nValue);
}

int SPrimLogEntry::pressure() const
{
    return 700 + 16 * field(F_PressureHigh) + field(F_PressureLow);
}

int SPrimLogEntry::swVersionMajor() const
{
    return hasSoftwareVersion() ? (errorLineNr() >> 7) & 0x07 : 0;
}

int SPrimLogEntry::swVersionMinor() const
{
    return hasSoftwareVersion() ? errorLineNr() & 0x7F : 0;
}
