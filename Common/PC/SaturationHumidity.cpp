#include "PC/SaturationHumidity.h"

#include <cmath>

namespace {

constexpr int kLowestTemp = -160; // -20 degC in 1/8 degC
constexpr int kHighestTemp = 400; // +50 degC in 1/8 degC
constexpr int kRows = 71;         // one row per whole degree

// Saturated air per whole degree from -20 degC: { 0.1 g/m3, 0.1 g/kg }.
constexpr quint16 kSaturation[kRows][2] = {
    { 10, 7 },    { 11, 8 },    { 12, 9 },    { 13, 9 },    { 14, 10 },   // -20 .. -16
    { 15, 11 },   { 17, 12 },   { 18, 13 },   { 20, 15 },   { 21, 16 },   // -15 .. -11
    { 23, 17 },   { 25, 19 },   { 27, 20 },   { 29, 22 },   { 32, 24 },   // -10 .. -6
    { 34, 26 },   { 37, 28 },   { 39, 30 },   { 42, 32 },   { 45, 35 },   // -5 .. -1
    { 49, 38 },   { 52, 41 },   { 56, 44 },   { 60, 47 },   { 64, 50 },   // 0 .. 4
    { 69, 54 },   { 73, 58 },   { 78, 62 },   { 84, 67 },   { 89, 71 },   // 5 .. 9
    { 95, 76 },   { 102, 82 },  { 108, 87 },  { 115, 93 },  { 123, 100 }, // 10 .. 14
    { 131, 107 }, { 139, 114 }, { 148, 121 }, { 157, 129 }, { 167, 138 }, // 15 .. 19
    { 177, 147 }, { 188, 157 }, { 199, 167 }, { 212, 178 }, { 224, 189 }, // 20 .. 24
    { 238, 201 }, { 252, 214 }, { 267, 227 }, { 283, 241 }, { 299, 256 }, // 25 .. 29
    { 317, 272 }, { 335, 289 }, { 354, 306 }, { 375, 325 }, { 396, 345 }, // 30 .. 34
    { 419, 366 }, { 442, 388 }, { 467, 411 }, { 494, 435 }, { 521, 461 }, // 35 .. 39
    { 550, 488 }, { 581, 517 }, { 613, 548 }, { 647, 580 }, { 683, 614 }, // 40 .. 44
    { 721, 655 }, { 760, 688 }, { 802, 728 }, { 846, 770 }, { 893, 815 }, // 45 .. 49
    { 942, 862 },                                                         // 50
};

} // namespace

quint16 saturationHumidity(short nTemp, int nTable)
{
    if (nTemp < kLowestTemp)
        return 5;
    if (nTemp > kHighestTemp)
        return 1000;

    const int column = nTable == 1 ? 1 : 0;
    // Counting from -20 degC keeps the offset non-negative; -160 is a multiple of 8,
    // so its low three bits are the eighths of nTemp itself.
    const int offset = nTemp - kLowestTemp;
    const int row = offset >> 3;
    const quint16 eighths = quint16(offset & 7);
    const quint16 lower = kSaturation[row][column];
    if (row == kRows - 1)
        return lower; // +50 degC exactly: the only temperature in the last row
    const quint16 upper = kSaturation[row + 1][column];

    // Interpolate from the nearer whole degree, rounding to the nearest 0.1.
    if (eighths < 4)
        return quint16(lower + quint16(((upper - lower) * eighths + 4) >> 3));
    return quint16(upper - quint16(((upper - lower) * (8 - eighths) + 4) >> 3));
}

double absoluteHumidity(int nRelHum, double dTemp)
{
    // Clamp before narrowing; the table saturates far inside the short range anyway.
    const double eighths = qBound(-32768.0, std::round(dTemp * 8.0), 32767.0);
    return nRelHum * saturationHumidity(short(eighths)) / 1000.0;
}
