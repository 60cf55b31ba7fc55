#ifndef SIMSETTINGS_H
#define SIMSETTINGS_H

#include <QtGlobal>

// What a user, a test or a command can set on the simulated unit; the home
// model turns these plus the clock into readings.
struct SSimSettings
{
    bool family70 = false;
    int comfortLevel = 3;           // 1 to 5
    int operationMode = 0;
    int errorState = 0;
    int errorFileNr = 0;
    int errorLineNr = 0;
    int errorCode = 0;
    int dipSwitch = 0x21;           // 100: second-room step 1, room area 35 m²
    int dipSwitch2 = 0;
    bool filterSupplyFull = false;
    bool filterExtractFull = false;
    bool noCO2Sensor = false;
    int swMajor = 3;
    int swMinor = 5;
    int flapPos[4] = {31, 25, 31, 25};   // extract open, bath closed, supply open, bypass closed
    double outdoorOffset = 0;       // °C added to the day cycle (a cold or hot day)

    // Simulation values (message 16) replace sensor readings until the unit restarts.
    bool simActive = false;
    int simComfortLevel = 3;
    int simDipSwitch = 0;
    bool simHumReduction = false;   // 100 family, byte 3
    quint16 simValues[12] = {};
};

#endif // SIMSETTINGS_H
