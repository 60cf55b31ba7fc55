#ifndef SIMPERIOD_H
#define SIMPERIOD_H

#include <QtGlobal>

// One secondary-log period (quarter hour, day or 30 days) aggregated by the
// home model, before it is packed into a family's 32-byte entry. Durations
// count units of the span (minutes, hours, days); quantities are already in
// the raw units of the span (grams ÷ scale, energy units, air units).
struct SSimPeriod
{
    enum EDuration {
        D_SupCond, D_HumInp, D_ComLev0, D_AbsDrying, D_RelDrying, D_ComLev1,
        D_Cooling, D_CO2Ventilation, D_ComLev2, D_SleepMode, D_TurboMode, D_ComLev3,
        D_AutoAlt, D_DefExh, D_MinAir, D_CO2Inp, D_HumCO2Inp, D_ServiceMode,
        D_Count
    };

    int supplyTemp = 0;         // °C, whole degrees
    int outdoorTemp = 0;
    int exhaustTemp = 0;
    int extractTemp = 0;
    int outdoorHum = 0;         // %
    int extractHum = 0;
    int co2Div16 = 0;           // ppm / 16
    int supplyCO270 = 0;        // 70 family air-quality values (raw byte)
    int extractCO270 = 0;
    int warningCode = 0;
    int warningLine = 0;
    int warningFile = 0;

    int time[D_Count] = {};

    bool filterSupplyFull = false;
    bool filterExtractFull = false;
    bool humRedModeSet = false;
    bool humRedModeClr = false;
    bool restarted = false;
    bool noCO2Sensor = false;

    int energyExtracted = 0;    // raw units of the span
    int energyRecovered = 0;
    int energyCooled = 0;
    int airExchanged = 0;       // raw units of the span and family
    int entryState = 0;         // 3 = not to be stored
    int errorState = 0;
    int waterRemoved = 0;       // raw units, signed
    int count = 0;              // running entry number, 7 bits on the wire
    int pressureHpa = 1013;
};

#endif // SIMPERIOD_H
