#ifndef PRIMLOGENTRY_70_H
#define PRIMLOGENTRY_70_H

// One primary log entry of the 70 family (28 bytes), which is also the unit's
// current state. Kept as its wire image; every field is read and written in
// place. Temperatures at w0 and w6 are 11-bit two's complement in 1/8 degC.
// Fields only the text report prints are named after its column heading
// (HUEx, HUSu, HTExt, HTSup, SBFlow, Flow). Codes are raw; names in CLogNames_70.

#include "BitField.h"

struct SPrimLogEntry_70 : SBitRecord<SPrimLogEntry_70, 28>
{
    enum EField {
        F_SupplyTemp70,        // w0 bits 0-10, 1/8 degC, signed
        F_ErrorState,          // w0 bits 11-15, error state code 0-31
        F_HUEx,                // b2 bits 0-6, %
        F_HUSu,                // b2 bit 7 + b3 bits 0-5 (w2 bits 7-12), %
        F_HTExt,               // w4 bits 0-9, 1/4 degC, signed
        F_ErrorFileNr,         // w4 bits 10-15 (b5 bits 2-7)
        F_ExtractTemp,         // w6 bits 0-10, 1/8 degC, signed
        F_FanState,            // w6 bits 11-13 (b7 bits 3-5), fan state code
        F_SBFlow,              // b8 bits 0-6
        F_AirFlow,             // b8 bit 7 + b9 bits 0-6 (w8 bits 7-14), m3/h, signed 8 bits
        F_OutdoorHum,          // b10 bits 0-6, %
        F_ExtractHum,          // b11 bits 0-6, %
        F_ServiceStep,         // b13 bits 3-6
        F_SummerCooling,       // b13 bit 7 (column "Sum")
        F_ComfortLevel,        // b14 bits 0-2, comfort level minus 1
        F_OperationMode,       // b14 bits 3-5, operation mode code
        F_HTSup,               // b14 bits 6-7 + b15 (w14 bits 6-15), 1/4 degC, unsigned
        F_FanRPM70,            // b16 + 256 x (b17 bits 0-3), rpm
        F_Reason,              // b17 bits 4-7, ventilation reason code
        F_ExtCO2UnCor70,       // b18, value + 100 is the air quality
        F_SupCO2UnCor70,       // b19
        F_ExtractCO270,        // b20
        F_SupplyCO270,         // b21
        F_DIPSwitch,           // b22, the whole byte
        F_SwitchSetting,       // b22 bits 0-2
        F_RoomArea,            // b22 bits 3-5, room-area code
        F_Flow,                // b23, m3/h, signed
        F_ErrorLineNr,         // w24
        F_ErrorCode,           // w26, signed
        F_End
    };

    int field(EField eField) const;
    // Stores the low bits of nValue that the field holds (two's complement for negatives).
    void setField(EField eField, int nValue);

    int supplyTemp70() const { return field(F_SupplyTemp70); }
    int errorStateCode() const { return field(F_ErrorState); }
    int huEx() const { return field(F_HUEx); }
    int huSu() const { return field(F_HUSu); }
    int htExt() const { return field(F_HTExt); }
    int errorFileNr() const { return field(F_ErrorFileNr); }
    int extractTemp() const { return field(F_ExtractTemp); }
    int fanStateCode() const { return field(F_FanState); }
    int sbFlow() const { return field(F_SBFlow); }
    int airFlow() const { return field(F_AirFlow); }
    int outdoorHum() const { return field(F_OutdoorHum); }
    int extractHum() const { return field(F_ExtractHum); }
    int serviceStep() const { return field(F_ServiceStep); }
    bool summerCooling() const { return field(F_SummerCooling) != 0; }
    int comfortLevelCode() const { return field(F_ComfortLevel); }
    int operationModeCode() const { return field(F_OperationMode); }
    int htSup() const { return field(F_HTSup); }
    int fanRPM70() const { return field(F_FanRPM70); }
    int reasonCode() const { return field(F_Reason); }
    int extCO2UnCor70() const { return field(F_ExtCO2UnCor70); }
    int supCO2UnCor70() const { return field(F_SupCO2UnCor70); }
    int extractCO270() const { return field(F_ExtractCO270); }
    int supplyCO270() const { return field(F_SupplyCO270); }
    int dipSwitch() const { return field(F_DIPSwitch); }
    int switchSetting() const { return field(F_SwitchSetting); }
    int roomAreaCode() const { return field(F_RoomArea); }
    int flow() const { return field(F_Flow); }
    int errorLineNr() const { return field(F_ErrorLineNr); }
    int errorCode() const { return field(F_ErrorCode); }
};

#endif // PRIMLOGENTRY_70_H
