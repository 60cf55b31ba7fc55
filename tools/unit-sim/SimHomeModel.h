#ifndef SIMHOMEMODEL_H
#define SIMHOMEMODEL_H

#include "SimPeriod.h"
#include "SimSample.h"
#include "SimSettings.h"

// A ventilation unit in a lived-in home: outdoor temperature and humidity
// with a day cycle, extract air around 21 °C, CO2 that rises while people
// are at home, slow air-pressure swings, fans and flow that follow the
// comfort level and heat recovery on the supply side. Pure function of the
// clock and the settings, so a past period can be rebuilt at any time.
class CSimHomeModel
{
public:
    // Slots of the simulation-value record (message 16) as the family test
    // panels fill them: temperatures in 1/8 °C, humidities in %, CO2 in ppm.
    // 100 family; the eighth slot is not used.
    enum ESimSlot100 { S100_SupplyTemp, S100_OutdoorTemp, S100_OutdoorHum, S100_ExhaustTemp,
                       S100_ExtractTemp, S100_ExtractHum, S100_CO2 };
    // 70 family; slots 6 to 11 are not used.
    enum ESimSlot70 { S70_SupplyTemp, S70_ExtractTemp, S70_SupplyHum, S70_ExtractHum,
                      S70_SupplyCO2, S70_ExtractCO2 };

    static int flowForComfort(int comfortLevel);     // m³/h

    SSimSample sample(qint64 unixSec, const SSimSettings& settings) const;

    // Aggregate of the period that ends at `endSec` for time span 0, 1 or 2.
    SSimPeriod period(int span, qint64 endSec, const SSimSettings& settings) const;

    static qint64 periodSeconds(int span);

private:
    void applySimulation100(SSimSample& s, const SSimSettings& settings) const;
    void applySimulation70(SSimSample& s, const SSimSettings& settings) const;
    void fill70(SSimSample& s) const;
    void scalePeriod(SSimPeriod& p, int span, bool family70, double m3, double kM3Recovered,
                     double kM3Cooled, double gramsWater) const;
};

#endif // SIMHOMEMODEL_H
