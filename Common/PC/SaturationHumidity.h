#ifndef SATURATIONHUMIDITY_H
#define SATURATIONHUMIDITY_H

// Water content of saturated air, interpolated between whole degrees from
// -20 degC to +50 degC; below that range 5, above it 1000.
//
// nTemp is the temperature in 1/8 degC. nTable 0 gives 0.1 g/m3 (absolute
// humidity in g/m3 = rel. humidity % x saturationHumidity(t x 8) / 1000);
// nTable 1 gives 0.1 g/kg (the test panels' mixing ratio). Any other
// selector is treated as 0.

#include <QtGlobal>

quint16 saturationHumidity(short nTemp, int nTable = 0);

// Absolute humidity in g/m3 of air at dTemp degC with nRelHum % relative humidity,
// as the overview shows it for extract and outdoor air. The temperature is taken
// in whole eighths of a degree, as the unit measures it.
double absoluteHumidity(int nRelHum, double dTemp);

#endif // SATURATIONHUMIDITY_H
