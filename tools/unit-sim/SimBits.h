#ifndef SIMBITS_H
#define SIMBITS_H

#include <QtGlobal>
#include <cmath>

// Small helpers shared by the record encoders: rounding physical values into
// the fixed-width two's-complement fields of the unit's records.
namespace SimBits {

inline int clampInt(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Signed value into a field of `bits` bits (two's complement), saturating.
inline quint16 signedField(int v, int bits)
{
    const int lo = -(1 << (bits - 1));
    const int hi = (1 << (bits - 1)) - 1;
    return quint16(clampInt(v, lo, hi) & ((1 << bits) - 1));
}

inline quint16 unsignedField(int v, int bits)
{
    return quint16(clampInt(v, 0, (1 << bits) - 1));
}

// Temperature in 1/8 °C, 11 bits two's complement.
inline quint16 temp11(double celsius) { return signedField(int(std::lround(celsius * 8.0)), 11); }

inline quint8 int8Byte(int v) { return quint8(signedField(v, 8)); }

} // namespace SimBits

#endif // SIMBITS_H
