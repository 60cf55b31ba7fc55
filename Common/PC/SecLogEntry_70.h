#ifndef SECLOGENTRY_70_H
#define SECLOGENTRY_70_H

// One secondary log entry of the 70 family (32 bytes): an aggregate over one
// period of its time span (CLogging_70::EMaxTimeSpan). The 5-bit durations
// count minutes, hours or days by span. Kept as its wire image; every field is
// read and written in place. Bytes 6 to 11 are carried but not interpreted.

#include "BitField.h"

struct SSecLogEntry_70 : SBitRecord<SSecLogEntry_70, 32>
{
    static constexpr int EntryStateNotStored = 3;

    enum EField {
        F_SupplyTemp70,        // b0, degC, signed
        F_ExtractTemp,         // b1, degC, signed
        F_OutdoorHum,          // b2, %, signed
        F_ExtractHum,          // b3, %, signed
        F_SupplyCO270,         // b4
        F_ExtractCO270,        // b5
        F_TimeHumInp,          // w12 bits 0-4
        F_TimeCO2Inp,          // w12 bits 5-9
        F_TimeHumCO2Inp,       // w12 bits 10-14
        F_TimeComLev0,         // w14 bits 0-4 (comfort level 1)
        F_TimeAbsDrying,       // w14 bits 5-9
        F_TimeRelDrying,       // w14 bits 10-14
        F_TimeComLev1,         // w16 bits 0-4
        F_TimeCooling,         // w16 bits 5-9
        F_TimeCO2Ventilation,  // w16 bits 10-14
        F_TimeComLev2,         // w18 bits 0-4
        F_TimeServiceMode,     // w18 bits 5-9
        F_TimeTurboMode,       // w18 bits 10-14
        F_TimeComLev3,         // w20 bits 0-4
        F_TimeMinAir,          // w20 bits 5-9
        F_Restarted,           // w20 bit 15
        F_EnergyCooled,        // w22, signed
        F_AirExchanged,        // w24 bits 0-10
        F_EntryState,          // w24 bits 11-13 (3 = not to be stored)
        F_WaterRemoved,        // w26 bits 0-10, signed 11 bits
        F_AccCount,            // b28 bits 0-6
        F_ErrorCode,           // b29, software warning code
        F_WarningLine,         // w30 bits 0-9
        F_WarningFile,         // w30 bits 10-15
        F_End
    };

    int field(EField eField) const;
    // Stores the low bits of nValue that the field holds (two's complement for negatives).
    void setField(EField eField, int nValue);

    int supplyTemp70() const { return field(F_SupplyTemp70); }
    int extractTemp() const { return field(F_ExtractTemp); }
    int outdoorHum() const { return field(F_OutdoorHum); }
    int extractHum() const { return field(F_ExtractHum); }
    int supplyCO270() const { return field(F_SupplyCO270); }
    int extractCO270() const { return field(F_ExtractCO270); }
    int timeHumInp() const { return field(F_TimeHumInp); }
    int timeCO2Inp() const { return field(F_TimeCO2Inp); }
    int timeHumCO2Inp() const { return field(F_TimeHumCO2Inp); }
    int timeComLev0() const { return field(F_TimeComLev0); }
    int timeAbsDrying() const { return field(F_TimeAbsDrying); }
    int timeRelDrying() const { return field(F_TimeRelDrying); }
    int timeComLev1() const { return field(F_TimeComLev1); }
    int timeCooling() const { return field(F_TimeCooling); }
    int timeCO2Ventilation() const { return field(F_TimeCO2Ventilation); }
    int timeComLev2() const { return field(F_TimeComLev2); }
    int timeServiceMode() const { return field(F_TimeServiceMode); }
    int timeTurboMode() const { return field(F_TimeTurboMode); }
    int timeComLev3() const { return field(F_TimeComLev3); }
    int timeMinAir() const { return field(F_TimeMinAir); }
    bool restarted() const { return field(F_Restarted) != 0; }
    int energyCooled() const { return field(F_EnergyCooled); }
    int airExchanged() const { return field(F_AirExchanged); }
    int entryState() const { return field(F_EntryState); }
    int waterRemoved() const { return field(F_WaterRemoved); }
    int accCount() const { return field(F_AccCount); }
    int errorCode() const { return field(F_ErrorCode); }
    int warningLine() const { return field(F_WarningLine); }
    int warningFile() const { return field(F_WarningFile); }

    // The unit marks entries that must not be stored with entry state 3.
    bool isNotToBeStored() const { return entryState() == EntryStateNotStored; }
};

#endif // SECLOGENTRY_70_H
