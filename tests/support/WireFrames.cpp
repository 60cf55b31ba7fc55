#include "WireFrames.h"

#include "LLProtocolPacket.h"

namespace WireFrames {

UINT16 crc16(const QByteArray& data)
{
    UINT16 crc = 0xFFFF;
    for (char c : data) {
        crc ^= UINT16(UINT8(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? UINT16((crc << 1) ^ 0x1021) : UINT16(crc << 1);
    }
    return crc;
}

QByteArray frameWithCrc(UINT8 type, UINT8 flags, const QByteArray& data, UINT16 crc)
{
    QByteArray out("kdrw");
    out.append(char(type));
    out.append(char(flags));
    out.append(char(data.size() & 0xFF));
    out.append(char((data.size() >> 8) & 0xFF));
    out.append(data);
    out.append(char(crc & 0xFF));
    out.append(char(crc >> 8));
    return out;
}

QByteArray frame(UINT8 type, UINT8 flags, const QByteArray& data)
{
    return frameWithCrc(type, flags, data, crc16(data));
}

QByteArray ack(UINT8 type)
{
    return frame(type, 0x20, QByteArray());
}

QByteArray answer(const QByteArray& data)
{
    return frame(1, 0, data);
}

QByteArray debugText(const QByteArray& utf8)
{
    return frame(2, 0, QByteArray(1, '\x02') + utf8 + QByteArray(1, '\0'));
}

QByteArray debugNumber(qint32 value)
{
    QByteArray data(1, '\x01');
    const quint32 v = quint32(value);
    for (int i = 0; i < 4; ++i)
        data.append(char((v >> (8 * i)) & 0xFF));
    return frame(2, 0, data);
}

QByteArray bytes(const CLLProtocolPacket& packet)
{
    return packet.WireBytes();
}

} // namespace WireFrames
