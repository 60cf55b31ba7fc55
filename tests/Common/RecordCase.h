#ifndef RECORDCASE_H
#define RECORDCASE_H

// Shared by the record tests: hand-written byte images and one uniform check of
// a wire record in both directions against such an image.

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <utility>

// A byte image of nSize bytes: zeros (or fill) with the given hex bytes at the given offsets.
inline QByteArray image(int nSize, std::initializer_list<std::pair<int, const char*>> parts, char fill = 0)
{
    QByteArray bytes(nSize, fill);
    for (const auto& part : parts) {
        const QByteArray hex = QByteArray::fromHex(part.second);
        bytes.replace(part.first, hex.size(), hex);
    }
    return bytes.left(nSize);
}

inline QByteArray bytesFrom(const uint8_t* p, int n) { return QByteArray(reinterpret_cast<const char*>(p), n); }

// One record type with one filled example, reduced to functions so rows of
// different types share a table.
struct SRecordCase
{
    int nSize = 0;
    QByteArray (*encodeFilled)() = nullptr;
    // Encodes into a buffer of Size + 4 bytes pre-set to 0xEE and returns all of it.
    QByteArray (*encodeGuarded)() = nullptr;
    // Decodes the bytes; true when that succeeds and gives the filled example.
    bool (*decodesToFilled)(const QByteArray&) = nullptr;
    // True when decoding the bytes fails and leaves a filled record unchanged.
    bool (*refusesAndKeeps)(const QByteArray&) = nullptr;
};
Q_DECLARE_METATYPE(SRecordCase)

template <class R, R (*Fill)()>
SRecordCase recordCase()
{
    SRecordCase c;
    c.nSize = R::Size;
    c.encodeFilled = +[] { return Fill().toBytes(); };
    c.encodeGuarded = +[] {
        uint8_t buffer[R::Size + 4];
        for (uint8_t& b : buffer)
            b = 0xEE;
        Fill().encode(buffer);
        return bytesFrom(buffer, R::Size + 4);
    };
    c.decodesToFilled = +[](const QByteArray& bytes) {
        R record;
        return record.decode(bytes) && record == Fill();
    };
    c.refusesAndKeeps = +[](const QByteArray& bytes) {
        R record = Fill();
        const bool bDecoded = record.decode(bytes);
        return !bDecoded && record == Fill();
    };
    return c;
}

// Empty when the record and the image agree both ways, else what went wrong.
inline QString checkBothWays(const SRecordCase& c, const QByteArray& expected)
{
    if (expected.size() != c.nSize)
        return QString("image has %1 bytes, record %2").arg(expected.size()).arg(c.nSize);
    const QByteArray encoded = c.encodeFilled();
    if (encoded != expected)
        return QString("encoded %1\nexpected %2").arg(QString(encoded.toHex(' ')), QString(expected.toHex(' ')));
    const QByteArray guarded = c.encodeGuarded();
    if (guarded.mid(c.nSize) != QByteArray(4, char(0xEE)))
        return "encode wrote past the record";
    if (!c.decodesToFilled(expected))
        return "decoding the image does not give the filled record";
    if (!c.decodesToFilled(expected + QByteArray(3, char(0xEE))))
        return "decoding from a longer buffer does not give the filled record";
    if (!c.refusesAndKeeps(expected.left(c.nSize - 1)))
        return "a buffer one byte short was accepted";
    if (!c.refusesAndKeeps(QByteArray()))
        return "an empty buffer was accepted";
    return QString();
}

#endif // RECORDCASE_H
