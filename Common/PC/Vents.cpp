#include "PC/Vents.h"

#include <iterator>

namespace {

using BitField::SField;

// Indexed by CVents::SVentInfo::EField: byte offset, lowest bit, width, signed.
constexpr SField kFields[] = {
    { 12, 0, 32, false }, // F_SpeedSumOpen
    { 16, 0, 32, false }, // F_SpeedSumClose
    { 25, 0, 4, false },  // F_ShakeLooseCycles
    { 25, 4, 4, false },  // F_Stops
    { 27, 0, 8, false },  // F_RunTimeOpen
    { 28, 0, 8, false },  // F_RunTimeClose
    { 32, 0, 16, false }, // F_MaxIMean
};
static_assert(std::size(kFields) == CVents::SVentInfo::F_End, "one layout row per field");
static_assert(BitField::allFit(kFields, CVents::SVentInfo::Size), "every field lies inside the 36 bytes");

} // namespace

uint32_t CVents::SVentInfo::field(EField eField) const
{
    if (eField < 0 || eField >= F_End)
        return 0;
    return BitField::getRaw(m_Bytes, kFields[eField]);
}

void CVents::SVentInfo::setField(EField eField, uint32_t nValue)
{
    if (eField >= 0 && eField < F_End)
        put(kFields[eField], nValue);
}
