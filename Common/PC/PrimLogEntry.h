#ifndef PRIMLOGENTRY_H
#define PRIMLOGENTRY_H

// One primary log entry of the 100 family (26 bytes), which is also the unit's
// current state. Kept as its wire image; every field is read and written in
// place through its bit position. Temperatures are 11-bit two's complement in
// 1/8 degC. Codes are returned raw; their names are in CLogNames.

#include "BitField.h"

struct SPrimLogEntry : SBitRecord<SPrimLogEntry, 26>
{
    enum EField {
        F_SupplyTemp,          // w0 bits 0-10, 1/8 degC, signed
        F_ErrorState,          // w0 bits 11-15, error state code 0-22
        F_OutdoorTemp,         // w2 bits 0-10, 1/8 degC, signed
        F_PressureHigh,        // w2 bits 11-15
        F_ExhaustTemp,         // w4 bits 0-10, 1/8 degC, signed
        F_VentPosExtract,      // w4 bits 11-15, flap position code
        F_ExtractTemp,         // w6 bits 0-10, 1/8 degC, signed
        F_VentPosBypass,       // w6 bits 11-15, flap position code
        F_SupplyTempVirt,      // w8 bits 0-10, 1/8 degC, signed
        F_PressureLow,         // w8 bits 11-14
        F_Deicing,             // w8 bit 15
        F_OutdoorHum,          // b10 bits 0-6, %
        F_FilterSupplyFull,    // b10 bit 7
        F_ExtractHum,          // b11 bits 0-6, %
        F_FilterExtractFull,   // b11 bit 7
        F_CO2,                 // b12, ppm / 16
        F_VentPosBath,         // b13 bits 0-4, flap position code
        F_ComfortLevel,        // b13 bits 5-7, comfort level minus 1
        F_VentPosSupply,       // b14 bits 0-4, flap position code
        F_OperationMode,       // b14 bits 5-7, operation mode code
        F_Reason,              // b15 bits 0-2, ventilation reason code
        F_AverageFlow,         // b15 bits 3-7, average-flow code
        F_FanSpeedA,           // w16 bits 0-11, rpm (FanExtractRPM)
        F_FanFlow,             // w16 bits 12-15, x 10 m3/h
        F_FanSpeedB,           // w18 bits 0-11, rpm (FanSupplyRPM)
        F_HumReductionMode,    // w18 bit 12
        F_FanLimited,          // w18 bit 13
        F_SecondRoomOver20,    // w18 bit 14
        F_SumCoolBypassOpen,   // w18 bit 15
        F_DIPSwitch,           // b20, the whole byte
        F_SecondRoomFlowStep,  // b20 bits 0-1, x 30 m3/h
        F_RoomArea,            // b20 bits 4-6, room-area code
        F_Defrost,             // b21 bits 0-1, defrost code
        F_ErrorFileNr,         // b21 bits 2-7
        F_ErrorLineNr,         // w22 bits 0-9 (software version when ErrorFileNr is 0)
        F_NoCO2Sensor,         // w22 bit 12
        F_DIPSwitch2,          // w22 bits 13-15
        F_ErrorCode,           // b24, signed
        F_VentCtrlSetExtract,  // b25 bits 0-1
        F_VentCtrlSetBath,     // b25 bits 2-3
        F_VentCtrlSetSupply,   // b25 bits 4-5
        F_VentCtrlSetBypass,   // b25 bits 6-7
        F_End
    };

    int field(EField eField) const;
    // Stores the low bits of nValue that the field holds (two's complement for negatives).
    void setField(EField eField, int nValue);

    int supplyTemp() const { return field(F_SupplyTemp); }
    int errorStateCode() const { return field(F_ErrorState); }
    int outdoorTemp() const { return field(F_OutdoorTemp); }
    int exhaustTemp() const { return field(F_ExhaustTemp); }
    int ventPosExtract() const { return field(F_VentPosExtract); }
    int extractTemp() const { return field(F_ExtractTemp); }
    int ventPosBypass() const { return field(F_VentPosBypass); }
    int supplyTempVirt() const { return field(F_SupplyTempVirt); }
    bool deicing() const { return field(F_Deicing) != 0; }
    int outdoorHum() const { return field(F_OutdoorHum); }
    bool filterSupplyFull() const { return field(F_FilterSupplyFull) != 0; }
    int extractHum() const { return field(F_ExtractHum); }
    bool filterExtractFull() const { return field(F_FilterExtractFull) != 0; }
    int co2() const { return field(F_CO2); }
    int ventPosBath() const { return field(F_VentPosBath); }
    int comfortLevelCode() const { return field(F_ComfortLevel); }
    int ventPosSupply() const { return field(F_VentPosSupply); }
    int operationModeCode() const { return field(F_OperationMode); }
    int reasonCode() const { return field(F_Reason); }
    int averageFlowCode() const { return field(F_AverageFlow); }
    int fanSpeedA() const { return field(F_FanSpeedA); }
    int fanFlowCode() const { return field(F_FanFlow); }
    int fanSpeedB() const { return field(F_FanSpeedB); }
    bool humReductionMode() const { return field(F_HumReductionMode) != 0; }
    bool fanLimited() const { return field(F_FanLimited) != 0; }
    bool secondRoomOver20() const { return field(F_SecondRoomOver20) != 0; }
    bool sumCoolBypassOpen() const { return field(F_SumCoolBypassOpen) != 0; }
    int dipSwitch() const { return field(F_DIPSwitch); }
    int secondRoomFlowStep() const { return field(F_SecondRoomFlowStep); }
    int roomAreaCode() const { return field(F_RoomArea); }
    int defrostCode() const { return field(F_Defrost); }
    int errorFileNr() const { return field(F_ErrorFileNr); }
    int errorLineNr() const { return field(F_ErrorLineNr); }
    bool noCO2Sensor() const { return field(F_NoCO2Sensor) != 0; }
    int dipSwitch2() const { return field(F_DIPSwitch2); }
    int errorCode() const { return field(F_ErrorCode); }
    int ventCtrlSetExtract() const { return field(F_VentCtrlSetExtract); }
    int ventCtrlSetBath() const { return field(F_VentCtrlSetBath); }
    int ventCtrlSetSupply() const { return field(F_VentCtrlSetSupply); }
    int ventCtrlSetBypass() const { return field(F_VentCtrlSetBypass); }

    // 700 + 16 x (w2 bits 11-15) + (w8 bits 11-14), hPa.
    int pressure() const;
    // Without an internal error (ErrorFileNr 0) the ten error-line bits carry the
    // software version: bits 7-9 major, bits 0-6 minor. Both are 0 otherwise.
    bool hasSoftwareVersion() const { return errorFileNr() == 0; }
    int swVersionMajor() const;
    int swVersionMinor() const;
};

#endif // PRIMLOGENTRY_H
