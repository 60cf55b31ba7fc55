#include "PC/LogNames.h"

#include <iterator>

namespace {

const char* const kOperationModes[] = { "AutoStd", "AutoAlt", "Sleep", "Turbo", "TurboCool", "Service", "Test" };

const char* const kDefrost[] = { "None", "Bypa", "Supp", "Heat" };

const char* const kReasons[] = { "MinAir", "RelDry", "AbsDry", "SumCoo", "CO2Ven", "SupCon", "MinTOu", "HumInp" };

const char* const kErrorStates[] = {
    "OK", "Filter old", "Filter dirty", "General error", "Error TSup", "Error TOut", "Error HOut",
    "Error TExh", "Error TExt", "Error HExt", "Error CO2", "Error Pres", "Error Vent Extract",
    "Error Vent Bath", "Error Vent Supply", "Error Vent Bypass", "Error Fan Extract",
    "Error Fan Supply", "Error DIP switch", "?Detail on press??", "CO2 too high", "Fire", "Wlan Error"
};

// Codes 1 to 24 are run times "T 00" to "T 23"; 26 to 30 are opening angles.
const char* const kVentPositions[] = {
    "UNKN",
    "T 00", "T 01", "T 02", "T 03", "T 04", "T 05", "T 06", "T 07", "T 08", "T 09", "T 10", "T 11",
    "T 12", "T 13", "T 14", "T 15", "T 16", "T 17", "T 18", "T 19", "T 20", "T 21", "T 22", "T 23",
    "CLOS", " 15\xC2\xB0", " 30\xC2\xB0", " 45\xC2\xB0", " 60\xC2\xB0", " 75\xC2\xB0", "OPEN"
};
static_assert(std::size(kVentPositions) == 32, "a five-bit flap position code");

const int kRoomAreas[] = { 20, 25, 35, 45, 60, 75 };

template <class T, std::size_t N>
T pick(const T (&table)[N], int nCode, T other)
{
    return (nCode >= 0 && nCode < int(N)) ? table[nCode] : other;
}

} // namespace

const char* CLogNames::operationModeName(int nCode) { return pick(kOperationModes, nCode, "??"); }

const char* CLogNames::defrostName(int nCode) { return pick(kDefrost, nCode, ""); }

const char* CLogNames::reasonName(int nCode) { return pick(kReasons, nCode, "- ?? -"); }

const char* CLogNames::errorStateName(int nCode) { return pick(kErrorStates, nCode, "??"); }

const char* CLogNames::ventPositionName(int nCode) { return pick(kVentPositions, nCode, ""); }

int CLogNames::roomArea(int nCode) { return pick(kRoomAreas, nCode, 0); }
