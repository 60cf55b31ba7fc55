#ifndef LITTLEENDIAN_H
#define LITTLEENDIAN_H

// Byte-by-byte access to little-endian wire and file records. Records are
// never cast onto buffers: every field is read and written through these
// helpers so that alignment, padding and host byte order play no part.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstring>

namespace LE {

inline uint8_t  get8 (const uint8_t* p) { return p[0]; }
inline uint16_t get16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t get32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline int8_t   getS8 (const uint8_t* p) { return int8_t(p[0]); }
inline int16_t  getS16(const uint8_t* p) { return int16_t(get16(p)); }
inline int32_t  getS32(const uint8_t* p) { return int32_t(get32(p)); }

inline void put8 (uint8_t* p, uint8_t v)  { p[0] = v; }
inline void put16(uint8_t* p, uint16_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
inline void put32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); p[2] = uint8_t(v >> 16); p[3] = uint8_t(v >> 24);
}

// Fixed text fields: Latin-1, zero-padded, no terminator when the text fills the field.
// Characters outside Latin-1 become '?' (QString::toLatin1's rule).
inline void putText(uint8_t* p, int fieldSize, const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    const int n = qMin(fieldSize, bytes.size());
    std::memset(p, 0, size_t(fieldSize));
    std::memcpy(p, bytes.constData(), size_t(n));
}
inline QString getText(const uint8_t* p, int fieldSize)
{
    int n = 0;
    while (n < fieldSize && p[n] != 0)
        ++n;
    return QString::fromLatin1(reinterpret_cast<const char*>(p), n);
}

} // namespace LE

#endif // LITTLEENDIAN_H
