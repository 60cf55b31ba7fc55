#ifndef SECLOGENTRY_H
#define SECLOGENTRY_H

// One secondary log entry of the 100 family (32 bytes): an aggregate over one
// period of its time span (CLogging::EMaxTimeSpan). The 5-bit durations count
// minutes, hours or days by span; the record itself carries no time stamp.
// Kept as its wire image; every field is read and written in place.

#include "BitField.h"

struct SSecLogEntry : SBitRecord<SSecLogEntry, 32>
{
    static constexpr int EntryStateNotStored = 3;

    enum EField {
        F_SupplyTemp,          // b0, degC, signed
        F_OutdoorTemp,         // b1, degC, signed
        F_OutdoorHum,          // b2, %, signed
        F_ExhaustTemp,         // b3, degC, signed
        F_ExtractTemp,         // b4, degC, signed
        F_ExtractHum,          // b5, %, signed
        F_CO2,                 // b6, ppm / 16
        F_ErrorCode,           // b7, software warning code, signed
        F_TimeSupCond,         // w8 bits 0-4
        F_TimeHumInp,          // w8 bits 5-9
        F_TimeComLev0,         // w8 bits 10-14 (comfort level 1)
        F_FilterSupplyFull,    // w8 bit 15
        F_TimeAbsDrying,       // w10 bits 0-4
        F_TimeRelDrying,       // w10 bits 5-9
        F_TimeComLev1,         // w10 bits 10-14
        F_FilterExtractFull,   // w10 bit 15
        F_TimeCooling,         // w12 bits 0-4
        F_TimeCO2Ventilation,  // w12 bits 5-9
        F_TimeComLev2,         // w12 bits 10-14
        F_HumRedModeSet,       // w12 bit 15
        F_TimeSleepMode,       // w14 bits 0-4
        F_TimeTurboMode,       // w14 bits 5-9
        F_TimeComLev3,         // w14 bits 10-14
        F_HumRedModeClr,       // w14 bit 15
        F_TimeAutoAlt,         // w16 bits 0-4
        F_TimeDefExh,          // w16 bits 5-9
        F_TimeMinAir,          // w16 bits 10-14
        F_Restarted,           // w16 bit 15
        F_EnergyExtracted,     // w18, signed
        F_EnergyRecovered,     // w20, signed
        F_EnergyCooled,        // w22, signed
        F_AirExchanged,        // w24 bits 0-9
        F_EntryState,          // w24 bits 10-12 (3 = not to be stored)
        F_ErrorState,          // w26 bits 0-4, error state code
        F_WaterRemoved,        // w26 bits 5-15, signed 11 bits
        F_AccCount,            // w28 bits 0-6
        F_PressureCode,        // w28 bits 7-14, pressure = 700 + 2 x code hPa
        F_NoCO2Sensor,         // w28 bit 15
        F_WarningLine,         // w30 bits 0-9
        F_WarningFile,         // w30 bits 10-15
        F_End
    };

    int field(EField eField) const;
    // Stores the low bits of nValue that the field holds (two's complement for negatives).
    void setField(EField eField, int nValue);

    int supplyTemp() const { return field(F_SupplyTemp); }
    int outdoorTemp() const { return field(F_OutdoorTemp); }
    int outdoorHum() const { return field(F_OutdoorHum); }
    int exhaustTemp() const { return field(F_ExhaustTemp); }
    int extractTemp() const { return field(F_ExtractTemp); }
    int extractHum() const { return field(F_ExtractHum); }
    int co2() const { return field(F_CO2); }
    int errorCode() const { return field(F_ErrorCode); }
    int timeSupCond() const { return field(F_TimeSupCond); }
    int timeHumInp() const { return field(F_TimeHumInp); }
    int timeComLev0() const { return field(F_TimeComLev0); }
    bool filterSupplyFull() const { return field(F_FilterSupplyFull) != 0; }
    int timeAbsDrying() const { return field(F_TimeAbsDrying); }
    int timeRelDrying() const { return field(F_TimeRelDrying); }
    int timeComLev1() const { return field(F_TimeComLev1); }
    bool filterExtractFull() const { return field(F_FilterExtractFull) != 0; }
    int timeCooling() const { return field(F_TimeCooling); }
    int timeCO2Ventilation() const { return field(F_TimeCO2Ventilation); }
    int timeComLev2() const { return field(F_TimeComLev2); }
    bool humRedModeSet() const { return field(F_HumRedModeSet) != 0; }
    int timeSleepMode() const { return field(F_TimeSleepMode); }
    int timeTurboMode() const { return field(F_TimeTurboMode); }
    int timeComLev3() const { return field(F_TimeComLev3); }
    bool humRedModeClr() const { return field(F_HumRedModeClr) != 0; }
    int timeAutoAlt() const { return field(F_TimeAutoAlt); }
    int timeDefExh() const { return field(F_TimeDefExh); }
    int timeMinAir() const { return field(F_TimeMinAir); }
    bool restarted() const { return field(F_Restarted) != 0; }
    int energyExtracted() const { return field(F_EnergyExtracted); }
    int energyRecovered() const { return field(F_EnergyRecovered); }
    int energyCooled() const { return field(F_EnergyCooled); }
    int airExchanged() const { return field(F_AirExchanged); }
    int entryState() const { return field(F_EntryState); }
    int errorStateCode() const { return field(F_ErrorState); }
    int waterRemoved() const { return field(F_WaterRemoved); }
    int accCount() const { return field(F_AccCount); }
    bool noCO2Sensor() const { return field(F_NoCO2Sensor) != 0; }
    int warningLine() const { return field(F_WarningLine); }
    int warningFile() const { return field(F_WarningFile); }

    // 700 + 2 x (w28 bits 7-14), hPa.
    int pressure() const { return 700 + 2 * field(F_PressureCode); }
    // The unit marks entries that must not be stored with entry state 3.
    bool isNotToBeStored() const { return entryState() == EntryStateNotStored; }
};

#endif // SECLOGENTRY_H
