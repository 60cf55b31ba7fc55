#ifndef BITFIELD_H
#define BITFIELD_H

// Bit fields of the packed log records. A field is nBits bits from bit nLow
// upward in the little-endian number that starts at byte nOffset: bits 0-7 are
// that byte, bits 8-15 the next one. So "w6 bits 11-15" is {6, 11, 5} and
// "b8 bit 7, b9 bits 0-6" is {8, 7, 8}. Fields are read and written in place
// in the record's wire image, byte by byte; nothing is cast onto the buffer.

#include "WireRecord.h"

#include <cstddef>
#include <cstdint>

namespace BitField {

struct SField
{
    int nOffset;
    int nLow;
    int nBits;
    bool bSigned; // two's complement of nBits bits
};

constexpr int byteCount(const SField& f) { return (f.nLow + f.nBits + 7) / 8; }

constexpr bool fits(const SField& f, int nRecordSize)
{
    return f.nOffset >= 0 && f.nLow >= 0 && f.nBits >= 1 && f.nLow + f.nBits <= 32
        && f.nOffset + byteCount(f) <= nRecordSize;
}

template <std::size_t N>
constexpr bool allFit(const SField (&fields)[N], int nRecordSize)
{
    for (std::size_t i = 0; i < N; ++i)
        if (!fits(fields[i], nRecordSize))
            return false;
    return true;
}

inline uint64_t mask(const SField& f) { return (uint64_t(1) << f.nBits) - 1; }

inline uint64_t span(const uint8_t* rec, const SField& f)
{
    uint64_t v = 0;
    for (int i = byteCount(f) - 1; i >= 0; --i)
        v = (v << 8) | rec[f.nOffset + i];
    return v;
}

inline uint32_t getRaw(const uint8_t* rec, const SField& f)
{
    return uint32_t((span(rec, f) >> f.nLow) & mask(f));
}

// The field's value; signed fields are sign-extended from their top bit.
inline int64_t get(const uint8_t* rec, const SField& f)
{
    const uint32_t raw = getRaw(rec, f);
    if (f.bSigned && (raw >> (f.nBits - 1)) & 1u)
        return int64_t(raw) - (int64_t(1) << f.nBits);
    return raw;
}

// Stores the low nBits bits of the value (two's complement for negatives); other bits stay.
inline void set(uint8_t* rec, const SField& f, int64_t value)
{
    uint64_t v = span(rec, f);
    v &= ~(mask(f) << f.nLow);
    v |= (uint64_t(value) & mask(f)) << f.nLow;
    for (int i = 0; i < byteCount(f); ++i)
        rec[f.nOffset + i] = uint8_t(v >> (8 * i));
}

} // namespace BitField

// A bit-packed record kept as its wire image; the derived record names its fields.
template <class Derived, int N>
struct SBitRecord : SWireRecord<Derived, N>
{
    uint8_t m_Bytes[N] = {};

    void encode(uint8_t* p) const
    {
        for (int i = 0; i < N; ++i)
            p[i] = m_Bytes[i];
    }

protected:
    friend struct SWireRecord<Derived, N>;
    void decodeFrom(const uint8_t* p)
    {
        for (int i = 0; i < N; ++i)
            m_Bytes[i] = p[i];
    }
    int64_t get(const BitField::SField& f) const { return BitField::get(m_Bytes, f); }
    void put(const BitField::SField& f, int64_t value) { BitField::set(m_Bytes, f, value); }
};

#endif // BITFIELD_H
