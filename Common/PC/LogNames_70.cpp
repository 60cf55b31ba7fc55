#include "PC/LogNames_70.h"

#include "PC/LogNames.h"

#include <cstddef>

namespace {

const char* const kOperationModes[] = { "Auto", "Turbo", "Service", "Test", "Manufacturer" };

const char* const kFanStates[] = { "Normal", "Back", "CDown", "CDownB", "NorNoM", "BackNoM" };

const char* const kReasons[] = { "MinAir", "RelDry", "AbsDry", "SumCoo", "VenCO2", "HumInp", "CO2Inp", "HCO2In" };

template <std::size_t N>
const char* pick(const char* const (&table)[N], int nCode, const char* other)
{
    return (nCode >= 0 && nCode < int(N)) ? table[nCode] : other;
}

} // namespace

const char* CLogNames_70::operationModeName(int nCode) { return pick(kOperationModes, nCode, "??"); }

const char* CLogNames_70::fanStateName(int nCode) { return pick(kFanStates, nCode, "??"); }

const char* CLogNames_70::reasonName(int nCode) { return pick(kReasons, nCode, "- ?? -"); }

// Both families share the room-area steps.
int CLogNames_70::roomArea(int nCode) { return CLogNames::roomArea(nCode); }
