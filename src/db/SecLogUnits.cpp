#include "db/SecLogUnits.h"

namespace {
const int SpanSeconds[] = { 900, 86400, 2592000 };
const int DurationUnit[] = { 60, 3600, 86400 };
const int WaterUnit[] = { 1, 128, 4096 };
// 100 family: K·m³ per energy count; 1290/3600 turns K·m³ into Wh.
const double Energy100Unit[] = { 0.333, 42.7, 1365.0 };
// 70 family: energy counts of 1290/3456 Wh, scaled like the water count.
const double Energy70Unit[] = { 1.0, 128.0, 4096.0 };

int cutTowardZero(double dValue)
{
    return int(dValue + 0.5);
}
}

bool CSecLogUnits::isValidSpan(int nSpan)
{
    return nSpan >= 0 && nSpan <= 2;
}

int CSecLogUnits::spanSeconds(int nSpan)
{
    return isValidSpan(nSpan) ? SpanSeconds[nSpan] : 0;
}

int CSecLogUnits::durationSeconds(int nCount, int nSpan)
{
    return isValidSpan(nSpan) ? nCount * DurationUnit[nSpan] : 0;
}

int CSecLogUnits::waterGrams(int nCount, int nSpan)
{
    return isValidSpan(nSpan) ? nCount * WaterUnit[nSpan] : 0;
}

QString CSecLogUnits::air100(int nCount, int nSpan)
{
    double dAir = 0.0;
    switch (nSpan) {
    case 0: dAir = nCount / 36.0; break;
    case 1: dAir = nCount * 3.556; break;
    case 2: dAir = nCount * 113.8; break;
    default: break;
    }
    return QString::number(dAir, 'f', 1);
}

// Day and month counts are whole multiples of 60 device units.
QString CSecLogUnits::air70(int nCount, int nSpan)
{
    double dAir = 0.0;
    switch (nSpan) {
    case 0: dAir = nCount / 60.0; break;
    case 1: dAir = (nCount / 60) * 128.0; break;
    case 2: dAir = (nCount / 60) * 4096.0; break;
    default: break;
    }
    return QString::number(dAir, 'f', 1);
}

int CSecLogUnits::energy100(int nCount, int nSpan)
{
    if (!isValidSpan(nSpan))
        return 0;
    return cutTowardZero(nCount * Energy100Unit[nSpan] * 1290.0 / 3600.0);
}

int CSecLogUnits::energy70(int nCount, int nSpan)
{
    if (!isValidSpan(nSpan))
        return 0;
    return cutTowardZero(nCount * Energy70Unit[nSpan] * 1290.0 / 3456.0);
}
