#include "SimHomeModel.h"

#include "SimBits.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRecovery = 0.82;          // heat-recovery efficiency

// Repeatable small jitter in [-1, 1] from an integer seed (no hidden state,
// so a period can be rebuilt identically later).
double jitter(qint64 seed)
{
    quint64 x = quint64(seed) * 0x9E3779B97F4A7C15ull;
    x ^= x >> 29;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 32;
    return double(x % 2001) / 1000.0 - 1.0;
}

double cycle(double hour, double peakHour)
{
    return std::cos(2.0 * kPi * (hour - peakHour) / 24.0);
}

// Water content of air in g/m³ from temperature and relative humidity.
double absoluteHumidity(double celsius, double relHum)
{
    const double saturation = 6.112 * std::exp(17.62 * celsius / (243.12 + celsius));  // hPa
    return 216.7 * (relHum / 100.0) * saturation / (273.15 + celsius);
}

int roundInt(double v) { return int(std::lround(v)); }

} // namespace

int CSimHomeModel::flowForComfort(int comfortLevel)
{
    static const int flows[5] = {20, 40, 60, 80, 100};
    return flows[SimBits::clampInt(comfortLevel, 1, 5) - 1];
}

qint64 CSimHomeModel::periodSeconds(int span)
{
    static const qint64 seconds[3] = {900, 86400, 2592000};
    return seconds[SimBits::clampInt(span, 0, 2)];
}

SSimSample CSimHomeModel::sample(qint64 unixSec, const SSimSettings& st) const
{
    SSimSample s;
    const double hour = double(unixSec % 86400) / 3600.0;
    const double dayOfYear = double((unixSec / 86400) % 365);
    const double season = -8.0 * std::cos(2.0 * kPi * (dayOfYear - 15.0) / 365.0);

    s.outdoorTemp = 10.0 + season + 5.0 * cycle(hour, 15.0) + st.outdoorOffset + 0.3 * jitter(unixSec / 300);
    s.extractTemp = 21.0 + 0.6 * cycle(hour, 18.0) + 0.1 * jitter(unixSec / 600 + 7);
    s.co2Ppm = qMax(420, roundInt(700.0 + 350.0 * cycle(hour, 3.0) + 20.0 * jitter(unixSec / 120 + 3)));
    s.outdoorHum = SimBits::clampInt(roundInt(75.0 - 2.0 * (s.outdoorTemp - 10.0) + 10.0 * cycle(hour, 5.0)), 20, 100);
    s.extractHum = SimBits::clampInt(roundInt(40.0 + (s.co2Ppm - 400) / 60.0 + 3.0 * cycle(hour, 7.0)), 20, 90);
    s.pressureHpa = roundInt(1013.0 + 9.0 * std::sin(2.0 * kPi * double(unixSec) / (4.3 * 86400.0)));

    s.comfortLevel = SimBits::clampInt(st.comfortLevel, 1, 5);
    s.fanFlow = flowForComfort(s.comfortLevel);
    s.sumCoolBypassOpen = s.outdoorTemp < s.extractTemp - 2.0 && s.extractTemp > 23.5;
    const double eta = s.sumCoolBypassOpen ? 0.0 : kRecovery;
    s.supplyTemp = s.outdoorTemp + eta * (s.extractTemp - s.outdoorTemp);
    s.exhaustTemp = s.extractTemp - eta * (s.extractTemp - s.outdoorTemp) + 0.5;
    s.supplyTempVirt = s.supplyTemp + 0.25;
    s.deicing = s.outdoorTemp < -3.0;
    s.defrost = s.deicing ? 1 : 0;
    s.ventReason = s.co2Ppm > 1000 ? 4 : (s.extractHum > 65 ? 1 : (s.sumCoolBypassOpen ? 3 : 0));
    s.fanRpmExtract = 500 + 14 * s.fanFlow;
    s.fanRpmSupply = 480 + 14 * s.fanFlow;

    s.operationMode = st.operationMode;
    s.errorState = st.errorState;
    s.errorFileNr = st.errorFileNr;
    s.errorLineNr = st.errorLineNr;
    s.errorCode = st.errorCode;
    s.dipSwitch = st.dipSwitch;
    s.dipSwitch2 = st.dipSwitch2;
    s.filterSupplyFull = st.filterSupplyFull;
    s.filterExtractFull = st.filterExtractFull;
    s.noCO2Sensor = st.noCO2Sensor;
    s.swMajor = st.swMajor;
    s.swMinor = st.swMinor;
    for (int i = 0; i < 4; ++i)
        s.flapPos[i] = st.flapPos[i];
    if (s.sumCoolBypassOpen)
        s.flapPos[3] = 31;

    if (st.family70) {
        fill70(s);
        if (st.simActive)
            applySimulation70(s, st);
    } else if (st.simActive) {
        applySimulation100(s, st);
    }
    return s;
}

void CSimHomeModel::fill70(SSimSample& s) const
{
    // The 70 family runs one reversing fan: the direction swaps every 70 s.
    s.fanRpmExtract = 600 + 15 * s.fanFlow;
    s.airFlow70 = s.fanFlow;
    s.fanState70 = 0;
    s.flow70 = s.fanFlow;
    s.sbFlow70 = s.fanFlow & 0x7F;
    s.hUEx70 = s.extractHum;
    s.hUSu70 = s.outdoorHum;
    s.hTExt70 = s.extractTemp;
    s.hTSup70 = qMax(0.0, s.supplyTemp);
    s.extractCO270 = s.co2Ppm / 16;
    s.supplyCO270 = 420 / 16;
    s.extCO2UnCor70 = s.extractCO270 + 2;
    s.supCO2UnCor70 = s.supplyCO270 + 1;
    s.summer70 = s.sumCoolBypassOpen;
    s.ventReason = s.ventReason == 4 ? 4 : (s.ventReason == 1 ? 1 : 0);
}

// The simulated sensors replace the measured ones; what the unit derives
// from them (pressure, fans, flaps) stays the model's.
void CSimHomeModel::applySimulation100(SSimSample& s, const SSimSettings& st) const
{
    const quint16* v = st.simValues;
    s.supplyTemp = qint16(v[S100_SupplyTemp]) / 8.0;
    s.outdoorTemp = qint16(v[S100_OutdoorTemp]) / 8.0;
    s.exhaustTemp = qint16(v[S100_ExhaustTemp]) / 8.0;
    s.extractTemp = qint16(v[S100_ExtractTemp]) / 8.0;
    s.supplyTempVirt = s.supplyTemp;
    s.outdoorHum = v[S100_OutdoorHum];
    s.extractHum = v[S100_ExtractHum];
    s.co2Ppm = v[S100_CO2];
    s.humReduction = st.simHumReduction;
    s.comfortLevel = SimBits::clampInt(st.simComfortLevel, 1, 5);
    s.fanFlow = flowForComfort(s.comfortLevel);
    s.dipSwitch = st.simDipSwitch;
}

void CSimHomeModel::applySimulation70(SSimSample& s, const SSimSettings& st) const
{
    const quint16* v = st.simValues;
    s.supplyTemp = qint16(v[S70_SupplyTemp]) / 8.0;
    s.extractTemp = qint16(v[S70_ExtractTemp]) / 8.0;
    s.hTSup70 = qMax(0.0, s.supplyTemp);
    s.hTExt70 = s.extractTemp;
    // The supply sensor sits in the outdoor air before heat recovery.
    s.outdoorHum = v[S70_SupplyHum];
    s.extractHum = v[S70_ExtractHum];
    s.hUSu70 = s.outdoorHum;
    s.hUEx70 = s.extractHum;
    // Air-quality bytes carry about ppm / 16, as the model's own.
    s.supplyCO270 = v[S70_SupplyCO2] / 16;
    s.extractCO270 = v[S70_ExtractCO2] / 16;
    s.supCO2UnCor70 = s.supplyCO270;
    s.extCO2UnCor70 = s.extractCO270;
    s.comfortLevel = SimBits::clampInt(st.simComfortLevel, 1, 5);
    s.dipSwitch = st.simDipSwitch;
}

SSimPeriod CSimHomeModel::period(int span, qint64 endSec, const SSimSettings& st) const
{
    static const int units[3] = {15, 24, 30};
    static const qint64 unitSec[3] = {60, 3600, 86400};
    span = SimBits::clampInt(span, 0, 2);
    const int n = units[span];
    const qint64 start = endSec - periodSeconds(span);

    SSimPeriod p;
    double sup = 0, out = 0, exh = 0, ext = 0, outH = 0, extH = 0, co2 = 0, pres = 0;
    double m3 = 0, kM3Recovered = 0, kM3Cooled = 0, water = 0;
    for (int i = 0; i < n; ++i) {
        const SSimSample s = sample(start + qint64(i) * unitSec[span] + unitSec[span] / 2, st);
        sup += s.supplyTemp; out += s.outdoorTemp; exh += s.exhaustTemp; ext += s.extractTemp;
        outH += s.outdoorHum; extH += s.extractHum; co2 += s.co2Ppm; pres += s.pressureHpa;
        // Levels 1 to 4 have their own durations; level 5 is the rest of the period.
        static const int levelDuration[4] = {SSimPeriod::D_ComLev0, SSimPeriod::D_ComLev1,
                                             SSimPeriod::D_ComLev2, SSimPeriod::D_ComLev3};
        if (s.comfortLevel <= 4)
            ++p.time[levelDuration[s.comfortLevel - 1]];
        static const int reasonDuration[8] = {SSimPeriod::D_MinAir, SSimPeriod::D_RelDrying,
            SSimPeriod::D_AbsDrying, SSimPeriod::D_Cooling, SSimPeriod::D_CO2Ventilation,
            SSimPeriod::D_SupCond, SSimPeriod::D_MinAir, SSimPeriod::D_HumInp};
        ++p.time[reasonDuration[s.ventReason & 7]];
        if (s.deicing)
            ++p.time[SSimPeriod::D_DefExh];
        const double volume = s.fanFlow * double(unitSec[span]) / 3600.0;
        m3 += volume;
        kM3Recovered += (s.supplyTemp - s.outdoorTemp) * volume;
        if (s.sumCoolBypassOpen)
            kM3Cooled += (s.extractTemp - s.outdoorTemp) * volume;
        water += (absoluteHumidity(s.extractTemp, s.extractHum)
                  - absoluteHumidity(s.outdoorTemp, s.outdoorHum)) * volume;
    }
    p.supplyTemp = roundInt(sup / n);
    p.outdoorTemp = roundInt(out / n);
    p.exhaustTemp = roundInt(exh / n);
    p.extractTemp = roundInt(ext / n);
    p.outdoorHum = roundInt(outH / n);
    p.extractHum = roundInt(extH / n);
    p.co2Div16 = roundInt(co2 / n / 16.0);
    p.extractCO270 = p.co2Div16;
    p.supplyCO270 = 420 / 16;
    p.pressureHpa = roundInt(pres / n);
    p.errorState = st.errorState;
    p.filterSupplyFull = st.filterSupplyFull;
    p.filterExtractFull = st.filterExtractFull;
    p.noCO2Sensor = st.noCO2Sensor;
    scalePeriod(p, span, st.family70, m3, kM3Recovered, kM3Cooled, water);
    return p;
}

void CSimHomeModel::scalePeriod(SSimPeriod& p, int span, bool family70, double m3, double kM3Recovered,
                                double kM3Cooled, double gramsWater) const
{
    static const double waterUnit[3] = {1.0, 128.0, 4096.0};            // g
    static const double air100[3] = {1.0 / 36.0, 3.556, 113.8};         // m³
    static const double energy100[3] = {0.333, 42.7, 1365.0};           // K·m³
    static const double scale70[3] = {1.0, 128.0, 4096.0};
    p.waterRemoved = roundInt(gramsWater / waterUnit[span]);
    if (family70) {
        // Air: count ÷ 60 m³ per scale step; energy: 1290/3456 Wh per step.
        p.airExchanged = roundInt(m3 / scale70[span] * 60.0);
        const double wh = kM3Cooled * 1290.0 / 3600.0;
        p.energyCooled = roundInt(wh / (scale70[span] * 1290.0 / 3456.0));
        return;
    }
    p.airExchanged = roundInt(m3 / air100[span]);
    p.energyExtracted = roundInt((kM3Recovered / kRecovery) / energy100[span]);
    p.energyRecovered = roundInt(kM3Recovered / energy100[span]);
    p.energyCooled = roundInt(kM3Cooled / energy100[span]);
}
