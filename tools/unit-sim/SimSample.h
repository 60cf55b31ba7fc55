#ifndef SIMSAMPLE_H
#define SIMSAMPLE_H

// One moment of the simulated unit in physical units: what the home model
// produces and what the record encoders turn into primary-log bytes. Fields
// that only one family reports are marked; the other family ignores them.
struct SSimSample
{
    // Temperatures in °C.
    double supplyTemp = 0;
    double outdoorTemp = 0;
    double exhaustTemp = 0;
    double extractTemp = 0;
    double supplyTempVirt = 0;

    int outdoorHum = 0;         // % relative humidity
    int extractHum = 0;         // %
    int co2Ppm = 0;
    int pressureHpa = 1013;

    int comfortLevel = 3;       // 1 to 5
    int errorState = 0;         // error state code (100: 0-22, 70: 0-31)
    int operationMode = 0;
    int ventReason = 0;
    int avgFlowCode = 20;       // 100 family: 20 means "equal to the fan flow"
    int fanRpmExtract = 0;      // 100: fan A; 70: the single fan
    int fanRpmSupply = 0;       // 100: fan B
    int fanFlow = 0;            // m³/h
    int dipSwitch = 0;          // raw DIP byte of the family's encoding
    int dipSwitch2 = 0;         // 100 family, 3 bits
    int defrost = 0;            // 100 family, 0-3
    int errorFileNr = 0;
    int errorLineNr = 0;
    int errorCode = 0;
    int swMajor = 0;            // carried in place of the error line while no error is set
    int swMinor = 0;

    bool deicing = false;
    bool filterSupplyFull = false;
    bool filterExtractFull = false;
    bool humReduction = false;
    bool fanLimited = false;
    bool secondRoomAbove20 = false;
    bool sumCoolBypassOpen = false;
    bool noCO2Sensor = false;

    // 100 family flaps: extract, second room (bath), supply, bypass.
    int flapPos[4] = {25, 25, 25, 25};   // position codes 0-31 (25 = closed)
    int flapCtrl[4] = {0, 0, 0, 0};      // 2-bit control states

    // 70 family only.
    int airFlow70 = 0;          // signed m³/h, sign = direction
    int fanState70 = 0;
    int serviceStep70 = 0;
    bool summer70 = false;
    int sbFlow70 = 0;           // 7-bit flow value of the report column "SBFlow"
    int flow70 = 0;             // INT8 flow of the report column "Flow"
    double hTExt70 = 0;         // °C, 1/4 °C resolution on the wire
    double hTSup70 = 0;         // °C, unsigned on the wire
    int hUEx70 = 0;             // %
    int hUSu70 = 0;             // %
    int extCO2UnCor70 = 0;      // air-quality bytes (about ppm / 16); the PC stores them + 100
    int supCO2UnCor70 = 0;
    int extractCO270 = 0;
    int supplyCO270 = 0;
};

#endif // SIMSAMPLE_H
