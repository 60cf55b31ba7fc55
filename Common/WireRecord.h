#ifndef WIRERECORD_H
#define WIRERECORD_H

// Common frame of every fixed-size binary record on the wire: the size as a
// compile-time constant, and decoding that refuses a buffer shorter than the
// record. Records derive as  struct SFoo : SWireRecord<SFoo, 12>  and provide
//   void encode(uint8_t* p) const;    // writes exactly Size bytes
//   void decodeFrom(const uint8_t* p); // private, p holds at least Size bytes
// with  friend struct SWireRecord<SFoo, 12>;  for the second one.

#include <QByteArray>
#include <cstdint>

template <class Derived, int N>
struct SWireRecord
{
    static constexpr int Size = N;

    // The wire image, exactly Size bytes.
    QByteArray toBytes() const
    {
        uint8_t buffer[N] = {};
        static_cast<const Derived*>(this)->encode(buffer);
        return QByteArray(reinterpret_cast<const char*>(buffer), N);
    }

    // Reads the first Size bytes; false, and the record unchanged, when fewer are given.
    bool decode(const uint8_t* p, int nLen)
    {
        if (p == nullptr || nLen < N)
            return false;
        static_cast<Derived*>(this)->decodeFrom(p);
        return true;
    }
    bool decode(const QByteArray& bytes)
    {
        return decode(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size());
    }

    // Two records are equal when their wire images are.
    bool operator==(const Derived& other) const { return toBytes() == other.toBytes(); }
    bool operator!=(const Derived& other) const { return !(*this == other); }
};

#endif // WIRERECORD_H
