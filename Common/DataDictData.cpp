// The 142 rows of the field dictionary in field-index order. A row reads: key,
// column, storage type, tables, colour group, curve flag; abbreviation; description;
// unit. Texts given as a catalogue index carry the English catalogue text in a
// comment; the language is the catalogue's. Groups: 1 supply air, 2 extract air,
// 3 outdoor air, 4 exhaust air, 5 other.

#include "DataDictData.h"

#include "DataDict.h"

#include <QtGlobal>

namespace DataDictData {

namespace {
constexpr int VL = CDataDict::TM_ValueLogs;
constexpr int SL = CDataDict::TM_SecLogs;
constexpr int VL70 = CDataDict::TM_ValueLogs70;
constexpr int SL70 = CDataDict::TM_SecLogs70;
constexpr int DT_None = CDataDict::DT_None;
constexpr int DT_Int = CDataDict::DT_Int;
constexpr int DT_Real = CDataDict::DT_Real;
constexpr int DT_Flag = CDataDict::DT_Flag;
constexpr int DT_Text = CDataDict::DT_Text;
} // namespace

const SRow rows[DDF_Count] = {
    // 0
    { "LogTimestamp", "LogTimestamp", DT_Int, VL | SL | VL70 | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "TIM"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Timestamp of log entry"), -1,
      "" },
    // 1
    { "Restarted", "RES", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "RES"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Restarted"), -1,
      "" },
    // 2
    { "OperationMode", "OM", DT_Text, VL | VL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "OM"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Operation mode"), -1,
      "" },
    // 3
    { "OM_Standard", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "cmf"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Comfort"), -1,
      "" },
    // 4
    { "OM_Alternate", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "cm1"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Comfort (1st room)"), -1,
      "" },
    // 5
    { "OM_Auto", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "aut"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Auto"), -1,
      "" },
    // 6
    { "OM_Sleep", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "slp"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Sleep"), -1,
      "" },
    // 7
    { "OM_Turbo", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "trb"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Turbo"), -1,
      "" },
    // 8
    { "OM_TurboCool", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "trc"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Turbo Cool"), -1,
      "" },
    // 9
    { "OM_Service", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "svc"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Service"), -1,
      "" },
    // 10
    { "OM_Test", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "tst"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Test"), -1,
      "" },
    // 11
    { "OM_Manufacturer", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "mnu"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Manufacturer"), -1,
      "" },
    // 12
    { "Program", "PRG", DT_Text, VL | VL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "PRG"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Program"), -1,
      "" },
    // 13
    { "MinAir", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "mve"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Minimum Ventilation"), -1,
      "" },
    // 14
    { "RelDry", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "hrr"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Humidity Reduction (relative)"), -1,
      "" },
    // 15
    { "AbsDry", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "hra"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Humidity Reduction (absolute)"), -1,
      "" },
    // 16
    { "Cool", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "col"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Active Cooling"), -1,
      "" },
    // 17
    { "VenCO2", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "co2"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "CO2 Reduction"), -1,
      "" },
    // 18
    { "CO2Inp", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "CO2Inp"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "CO2 Input"), -1,
      "" },
    // 19
    { "HumUndCO2Inp", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "HCO2Inp"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "CO2 and Humidity Input"), -1,
      "" },
    // 20
    { "HumInp", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "HumInp"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Humidity Input"), -1,
      "" },
    // 21
    { "ReductionReason", "RED", DT_Text, VL | VL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "RED"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Reduction (mini)"), -1,
      "" },
    // 22
    { "DefrostBypass", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "dfr"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Defrosting"), -1,
      "" },
    // 23
    { "DefrostSupply", "", DT_None, 0, 1, false,
      QT_TRANSLATE_NOOP("CDataDict", "dfs"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Defrosting Supply"), -1,
      "" },
    // 24
    { "HumInput", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "hin"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Humidity Input"), -1,
      "" },
    // 25
    { "SupplyCondensing", "", DT_None, 0, 1, false,
      QT_TRANSLATE_NOOP("CDataDict", "win"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Water Insertion"), -1,
      "" },
    // 26
    { "MinTOut", "", DT_None, 0, 3, false,
      QT_TRANSLATE_NOOP("CDataDict", "otb"), -1,
      nullptr, 9 /* "Outside temperature below -22°C" */,
      "" },
    // 27
    { "MinTOutDeicing", "", DT_None, 0, 3, false,
      QT_TRANSLATE_NOOP("CDataDict", "dow"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Deicing outer wall"), -1,
      "" },
    // 28
    { "HumReductionMode", "HR", DT_Flag, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "HR"), -1,
      nullptr, 26 /* "Humidity reduction mode" */,
      "" },
    // 29
    { "SumCoolBypassOpen", "SC", DT_Flag, VL, 5, false,
      nullptr, 27 /* "CA" */,
      QT_TRANSLATE_NOOP("CDataDict", "Cooling"), -1,
      "" },
    // 30
    { "ComfortLevel", "CL", DT_Int, VL | VL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "CL"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Comfort Level"), -1,
      "" },
    // 31
    { "RoomArea", "RA", DT_Int, VL | VL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "RA"), -1,
      nullptr, 28 /* "Room area (minimal ventilation)" */,
      QT_TRANSLATE_NOOP("CDataDict", "m²") },
    // 32
    { "Max2ndRoomExtract", "A2", DT_Int, VL, 2, false,
      QT_TRANSLATE_NOOP("CDataDict", "2A"), -1,
      nullptr, 29 /* "2nd room adapter" */,
      QT_TRANSLATE_NOOP("CDataDict", "m³/h") },
    // 33
    { "FanRPM70", "FSP", DT_Int, VL70, 5, true,
      nullptr, 186 /* "FSP" */,
      nullptr, 187 /* "Fan speed" */,
      QT_TRANSLATE_NOOP("CDataDict", "1/min") },
    // 34
    { "FanSupplyRPM", "FSS", DT_Int, VL, 1, true,
      nullptr, 32 /* "FSS" */,
      nullptr, 30 /* "Fan speed supply air" */,
      QT_TRANSLATE_NOOP("CDataDict", "1/min") },
    // 35
    { "FanExtractRPM", "FSE", DT_Int, VL, 2, true,
      nullptr, 33 /* "FSE" */,
      nullptr, 31 /* "Fan speed extract air" */,
      QT_TRANSLATE_NOOP("CDataDict", "1/min") },
    // 36
    { "ExtractAirFlow", "AFL", DT_Int, VL | VL70, 2, true,
      QT_TRANSLATE_NOOP("CDataDict", "AFL"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Air flow"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "m³/h") },
    // 37
    { "ExtractTemp", "TET", DT_Real, VL | SL | VL70 | SL70, 2, true,
      nullptr, 11 /* "TEX" */,
      nullptr, 14 /* "Temperature extract air" */,
      QT_TRANSLATE_NOOP("CDataDict", "°C") },
    // 38
    { "SupplyTemp70", "TSU", DT_Real, VL70 | SL70, 1, true,
      QT_TRANSLATE_NOOP("CDataDict", "TSU"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Supply temperature"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "°C") },
    // 39
    { "ExtractHum", "HET", DT_Int, VL | SL | VL70 | SL70, 2, true,
      nullptr, 12 /* "HEX" */,
      nullptr, 13 /* "Humidity extract air (rel)" */,
      QT_TRANSLATE_NOOP("CDataDict", "%") },
    // 40
    { "ExtractHumAbs", "", DT_None, 0, 2, false,
      QT_TRANSLATE_NOOP("CDataDict", "HEA"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Extract humidity (abs)"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "g/m³") },
    // 41
    { "OutdoorTemp", "TOU", DT_Real, VL | SL, 3, true,
      nullptr, 10 /* "TOU" */,
      nullptr, 15 /* "Temperature outside air" */,
      QT_TRANSLATE_NOOP("CDataDict", "°C") },
    // 42
    { "OutdoorHum", "HOU", DT_Int, VL | SL | VL70 | SL70, 3, true,
      QT_TRANSLATE_NOOP("CDataDict", "HOU"), -1,
      nullptr, 16 /* "Humidity outside air (rel)" */,
      QT_TRANSLATE_NOOP("CDataDict", "%") },
    // 43
    { "CO2", "CO2", DT_Int, VL | SL, 2, true,
      QT_TRANSLATE_NOOP("CDataDict", "CO2"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "CO2"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "ppm") },
    // 44
    { "ExtractCO270", "AQE", DT_Int, VL70 | SL70, 2, true,
      nullptr, 178 /* "QEA" */,
      nullptr, 180 /* "Quality extract air" */,
      QT_TRANSLATE_NOOP("CDataDict", "VOC") },
    // 45
    { "SupplyCO270", "AQS", DT_Int, VL70 | SL70, 1, true,
      nullptr, 179 /* "QSA" */,
      nullptr, 181 /* "Quality supply air" */,
      QT_TRANSLATE_NOOP("CDataDict", "VOC") },
    // 46
    { "SupplyTemp", "TSU", DT_Real, VL | SL, 1, false,
      QT_TRANSLATE_NOOP("CDataDict", "TSU"), -1,
      nullptr, 17 /* "Temperature supply air (sens)" */,
      QT_TRANSLATE_NOOP("CDataDict", "°C") },
    // 47
    { "SupplyTempVirt", "TSC", DT_Real, VL, 1, true,
      QT_TRANSLATE_NOOP("CDataDict", "TSC"), -1,
      nullptr, 18 /* "Temperature supply air" */,
      QT_TRANSLATE_NOOP("CDataDict", "°C") },
    // 48
    { "OutdoorHumAbs", "", DT_None, 0, 3, false,
      QT_TRANSLATE_NOOP("CDataDict", "HOA"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Outdoor humidity (abs)"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "g/m³") },
    // 49
    { "ExhaustTemp", "TEH", DT_Real, VL | SL, 4, true,
      QT_TRANSLATE_NOOP("CDataDict", "TEH"), -1,
      nullptr, 19 /* "Temperature exhaust air" */,
      QT_TRANSLATE_NOOP("CDataDict", "°C") },
    // 50
    { "Pressure", "PRS", DT_Int, VL | SL, 5, true,
      QT_TRANSLATE_NOOP("CDataDict", "APR"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Air pressure"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "hPa") },
    // 51
    { "AirDensity", "", DT_Real, VL | SL, 5, true,
      QT_TRANSLATE_NOOP("CDataDict", "ADY"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Air density"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "kg/m³") },
    // 52
    { "RecoveryPercent", "", DT_Real, VL | SL, 5, true,
      QT_TRANSLATE_NOOP("CDataDict", "HRP"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Heat recovery (rel)"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "%") },
    // 53
    { "RecoveryWatt", "", DT_Real, VL, 5, true,
      QT_TRANSLATE_NOOP("CDataDict", "HRW"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Heat recovery (abs)"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "W") },
    // 54
    { "OperatingHours", "OPH", DT_Int, VL | VL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "OPH"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Operating hours"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "h") },
    // 55
    { "FilterHours", "FIH", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "FIH"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Filter hours"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "h") },
    // 56
    { "Deicing", "DEI", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DEI"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Deicing"), -1,
      "" },
    // 57
    { "SoftwareVersion", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "SWV"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Software version"), -1,
      "" },
    // 58
    { "BoardVersion", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "CBV"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Circuit board version"), -1,
      "" },
    // 59
    { "SerialNumber", "SNR", DT_Int, VL | SL | VL70 | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "SNR"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Serial number"), -1,
      "" },
    // 60
    { "SupplyAirFlow", "", DT_None, 0, 1, false,
      QT_TRANSLATE_NOOP("CDataDict", "AFL"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Supply Air flow"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "m³/h") },
    // 61
    { "RSSI", "RSSI", DT_Int, VL, 2, true,
      QT_TRANSLATE_NOOP("CDataDict", "RSSI"), -1,
      nullptr, 34 /* "WiFi-received signal strength" */,
      "" },
    // 62
    { "LogEntryTimeSpan", "LTS", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "LTS"), -1,
      "", -1,
      "" },
    // 63
    { "TimeComLev0", "DL1", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DL1"), -1,
      nullptr, 20 /* "Duration comfort level 1" */,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 64
    { "TimeComLev1", "DL2", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DL2"), -1,
      nullptr, 21 /* "Duration comfort level 2" */,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 65
    { "TimeComLev2", "DL3", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DL3"), -1,
      nullptr, 22 /* "Duration comfort level 3" */,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 66
    { "TimeComLev3", "DL4", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DL4"), -1,
      nullptr, 23 /* "Duration comfort level 4" */,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 67
    { "TimeComLev4", "DL5", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DL5"), -1,
      nullptr, 24 /* "Duration comfort level 5" */,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 68
    { "TimeSleepMode", "DSM", DT_Int, SL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DSM"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration sleep mode"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 69
    { "TimeTurboMode", "DTM", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DTM"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration turbo mode"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 70
    { "TimeServiceMode", "DSeM", DT_Int, SL70, 5, false,
      nullptr, 182 /* "DSE" */,
      nullptr, 183 /* "Duration service mode" */,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 71
    { "TimeAutoAlt", "D1R", DT_Int, SL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "D1R"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration Comfort (1st room)"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 72
    { "TimeDefExh", "DDF", DT_Int, SL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DDF"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration defrosting"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 73
    { "TimeMinAir", "DMV", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DMV"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration minimum ventilation"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 74
    { "TimeSupCond", "DWI", DT_Int, SL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DWI"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration water insertion"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 75
    { "TimeHumInp", "DHI", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DHI"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration humidity input"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 76
    { "TimeCO2Inp", "DCO2I", DT_Int, SL70, 5, false,
      nullptr, 184 /* "DC2I" */,
      QT_TRANSLATE_NOOP("CDataDict", "Duration CO2 insertion"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 77
    { "TimeHumCO2Inp", "DHuCO2I", DT_Int, SL70, 5, false,
      nullptr, 185 /* "DHCI" */,
      QT_TRANSLATE_NOOP("CDataDict", "Duration humidity and CO2 insertion"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 78
    { "TimeAbsDrying", "DRA", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DRA"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration humidity reduction (absolute)"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 79
    { "TimeRelDrying", "DRR", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DRR"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration humidity reduction (relative)"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 80
    { "TimeCooling", "DCO", DT_Int, SL | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DCO"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Duration cooling"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 81
    { "TimeCO2Ventilation", "DC2", DT_Int, SL | SL70, 5, false,
      nullptr, 25 /* "DC2R" */,
      QT_TRANSLATE_NOOP("CDataDict", "Duration CO2 reduction"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "H:M") },
    // 82
    { "HumRedModeSet", "HRU", DT_Int, SL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "HRU"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Humidity reduction mode used"), -1,
      "" },
    // 83
    { "HumRedModeClr", "HRN", DT_Int, SL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "HRN"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Humidity reduction mode not used"), -1,
      "" },
    // 84
    { "EnergyExtracted", "EXE", DT_Int, SL, 2, true,
      QT_TRANSLATE_NOOP("CDataDict", "EXE"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Extracted energy"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Wh") },
    // 85
    { "EnergyRecovered", "REE", DT_Int, SL, 5, true,
      QT_TRANSLATE_NOOP("CDataDict", "REE"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Recovered energy"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Wh") },
    // 86
    { "PowerConsumption", "", DT_Real, SL, 5, true,
      QT_TRANSLATE_NOOP("CDataDict", "PCO"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Power consumption"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Wh") },
    // 87
    { "EnergyCooled", "COE", DT_Int, SL | SL70, 5, true,
      QT_TRANSLATE_NOOP("CDataDict", "COE"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Cooling energy"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Wh") },
    // 88
    { "AirExchanged", "AEX", DT_Real, SL | SL70, 5, true,
      QT_TRANSLATE_NOOP("CDataDict", "AEX"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Air exchanged"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "m³") },
    // 89
    { "WaterRemoved", "WAR", DT_Int, SL | SL70, 5, true,
      QT_TRANSLATE_NOOP("CDataDict", "WAR"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Water removed"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "g") },
    // 90
    { "SW_Version", "SWV", DT_Text, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "SWV"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Software Version"), -1,
      "" },
    // 91
    { "ErrorState", "ES", DT_Text, VL | SL | VL70 | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "ES"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Error state"), -1,
      "" },
    // 92
    { "ERR_OK", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "ok"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "ok"), -1,
      "" },
    // 93
    { "ERR_FilterOld", "", DT_None, 0, 5, false,
      nullptr, 58 /* "Err-FiOH" */,
      nullptr, 40 /* "Filter operating hours" */,
      "" },
    // 94
    { "ERR_FilterDirty", "", DT_None, 0, 5, false,
      nullptr, 59 /* "Err-FiDI" */,
      nullptr, 41 /* "Filter dirty (air handicap)" */,
      "" },
    // 95
    { "ERR_General", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "ge1"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "general error"), -1,
      "" },
    // 96
    { "ERR_SensorTempOutdoor", "", DT_None, 0, 5, false,
      nullptr, 60 /* "Err-TOU" */,
      nullptr, 42 /* "Temperature sensor outside air" */,
      "" },
    // 97
    { "ERR_SensorTempExhaust", "", DT_None, 0, 5, false,
      nullptr, 61 /* "Err-TEH" */,
      nullptr, 43 /* "Temperature sensor exhaust air" */,
      "" },
    // 98
    { "ERR_SensorTempExtract", "", DT_None, 0, 5, false,
      nullptr, 62 /* "Err-TEX" */,
      nullptr, 44 /* "Temperature sensor extract air" */,
      "" },
    // 99
    { "ERR_SensorTempSupply", "", DT_None, 0, 5, false,
      nullptr, 63 /* "Err-TSU" */,
      nullptr, 45 /* "Temperature sensor supply air" */,
      "" },
    // 100
    { "ERR_SensorHumOutdoor", "", DT_None, 0, 5, false,
      nullptr, 64 /* "Err-HOU" */,
      nullptr, 46 /* "Humidity sensor outside air" */,
      "" },
    // 101
    { "ERR_SensorHumExtract", "", DT_None, 0, 5, false,
      nullptr, 65 /* "Err-HEX" */,
      nullptr, 47 /* "Humidity sensor extract air" */,
      "" },
    // 102
    { "ERR_SensorCO2", "", DT_None, 0, 5, false,
      nullptr, 66 /* "Err-CO2" */,
      nullptr, 48 /* "CO2 sensor" */,
      "" },
    // 103
    { "ERR_SensorPressure", "", DT_None, 0, 5, false,
      nullptr, 74 /* "Err-APR" */,
      nullptr, 56 /* "Air pressure sensor" */,
      "" },
    // 104
    { "ERR_VentExtract", "", DT_None, 0, 5, false,
      nullptr, 67 /* "Err-FE1" */,
      nullptr, 49 /* "Flap extract air" */,
      "" },
    // 105
    { "ERR_VentBath", "", DT_None, 0, 5, false,
      nullptr, 69 /* "Err-FE2" */,
      nullptr, 52 /* "Flap extract air 2nd room" */,
      "" },
    // 106
    { "ERR_VentSupply", "", DT_None, 0, 5, false,
      nullptr, 70 /* "Err-FSU" */,
      nullptr, 51 /* "Flap supply air" */,
      "" },
    // 107
    { "ERR_VentBypass", "", DT_None, 0, 5, false,
      nullptr, 68 /* "Err-FBY" */,
      nullptr, 50 /* "Flap bypass" */,
      "" },
    // 108
    { "ERR_FanExtract", "", DT_None, 0, 5, false,
      nullptr, 72 /* "Err-FSE" */,
      nullptr, 54 /* "Fan extract air" */,
      "" },
    // 109
    { "ERR_FanSupply", "", DT_None, 0, 5, false,
      nullptr, 71 /* "Err-FSS" */,
      nullptr, 53 /* "Fan supply air" */,
      "" },
    // 110
    { "ERR_DIPSwitch", "", DT_None, 0, 5, false,
      nullptr, 73 /* "Err-DIP" */,
      nullptr, 55 /* "DIP switch" */,
      "" },
    // 111
    { "ERR_DetailOnPress", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "ge2"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "general error 2"), -1,
      "" },
    // 112
    { "ERR_CO2TooHigh", "", DT_None, 0, 5, false,
      nullptr, 38 /* "CO2" */,
      nullptr, 36 /* "CO2 content" */,
      "" },
    // 113
    { "ERR_Fire", "", DT_None, 0, 5, false,
      nullptr, 37 /* "Fire" */,
      nullptr, 35 /* "Fire" */,
      "" },
    // 114
    { "ERR_SensorTemp", "", DT_None, 0, 5, false,
      nullptr, 193 /* "Err-TSE" */,
      nullptr, 192 /* "Temperature sesnsor" */,
      "" },
    // 115
    { "ERR_SensorHum", "", DT_None, 0, 5, false,
      nullptr, 195 /* "Err-HSE" */,
      nullptr, 194 /* "Humidity sensor" */,
      "" },
    // 116
    { "ERR_SenErr", "", DT_None, 0, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "se"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "sensor error"), -1,
      "" },
    // 117
    { "ERR_Fan", "", DT_None, 0, 5, false,
      nullptr, 191 /* "Err-FAN" */,
      nullptr, 190 /* "Fan" */,
      "" },
    // 118
    { "ERR_SensorVOC", "", DT_None, 0, 5, false,
      nullptr, 189 /* "Err-VOC" */,
      nullptr, 188 /* "VOC sensor" */,
      "" },
    // 119
    { "ERR_Wlan", "", DT_None, 0, 5, false,
      nullptr, 57 /* "Err-WiFi" */,
      nullptr, 39 /* "WiFi" */,
      "" },
    // 120
    { "ExtCO2UnCor70", "QEU", DT_Int, VL70, 2, false,
      QT_TRANSLATE_NOOP("CDataDict", "QEU"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Extract air quality (uncor.)"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "VOC") },
    // 121
    { "SupCO2UnCor70", "QSU", DT_Int, VL70, 1, false,
      QT_TRANSLATE_NOOP("CDataDict", " QSU"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "Supply air quality  (uncor.)"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "VOC") },
    // 122
    { "ErrorFileNr", "EFN", DT_Int, VL | SL | VL70 | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "EFN"), -1,
      "", -1,
      "" },
    // 123
    { "ErrorLineNr", "ELN", DT_Int, VL | SL | VL70 | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "ELN"), -1,
      "", -1,
      "" },
    // 124
    { "ErrorCode", "ECO", DT_Int, VL | SL | VL70 | SL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "ECO"), -1,
      "", -1,
      "" },
    // 125
    { "VentPosExtract", "VPE", DT_Int, VL, 2, false,
      QT_TRANSLATE_NOOP("CDataDict", "VPE"), -1,
      "", -1,
      "" },
    // 126
    { "VentPosBypass", "VBY", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "VBY"), -1,
      "", -1,
      "" },
    // 127
    { "VentPosBath", "VBA", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "VBA"), -1,
      "", -1,
      "" },
    // 128
    { "VentPosSupply", "VPS", DT_Int, VL, 1, false,
      QT_TRANSLATE_NOOP("CDataDict", "VPS"), -1,
      "", -1,
      "" },
    // 129
    { "VentCtrlSetExtract", "TPE", DT_Int, VL, 2, false,
      QT_TRANSLATE_NOOP("CDataDict", "TPE"), -1,
      "", -1,
      "" },
    // 130
    { "VentCtrlSetBypass", "TBY", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "TBY"), -1,
      "", -1,
      "" },
    // 131
    { "VentCtrlSetBath", "TBA", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "TBA"), -1,
      "", -1,
      "" },
    // 132
    { "VentCtrlSetSupply", "TPS", DT_Int, VL, 1, false,
      QT_TRANSLATE_NOOP("CDataDict", "TPS"), -1,
      "", -1,
      "" },
    // 133
    { "FilterSupplyFull", "FSF", DT_Int, VL | SL, 1, false,
      QT_TRANSLATE_NOOP("CDataDict", "FSF"), -1,
      "", -1,
      "" },
    // 134
    { "FilterExtractFull", "FEF", DT_Int, VL | SL, 2, false,
      QT_TRANSLATE_NOOP("CDataDict", "FEF"), -1,
      "", -1,
      "" },
    // 135
    { "DIPSwitch", "DIP", DT_Int, VL | VL70, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DIP"), -1,
      "", -1,
      "" },
    // 136
    { "DIPSwitch2", "DIP2", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "DIP2"), -1,
      "", -1,
      "" },
    // 137
    { "FanSupplyCharac", "FSC", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "FSC"), -1,
      "", -1,
      "" },
    // 138
    { "FanExtractCharac", "FEC", DT_Int, VL, 2, false,
      QT_TRANSLATE_NOOP("CDataDict", "FEC"), -1,
      "", -1,
      "" },
    // 139
    { "FanCmdsSucceeded", "CSU", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "CSU"), -1,
      "", -1,
      "" },
    // 140
    { "FanCmdsFailed", "CFA", DT_Int, VL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "CFA"), -1,
      "", -1,
      "" },
    // 141
    { "NoCO2Sensor", "NOCO2", DT_Flag, VL | SL, 5, false,
      QT_TRANSLATE_NOOP("CDataDict", "NOCO2"), -1,
      QT_TRANSLATE_NOOP("CDataDict", "NoCO2Sensor"), -1,
      "" },
};

} // namespace DataDictData
