#ifndef WIREFRAMES_H
#define WIREFRAMES_H

// Link packets as byte images, for scripting the unit side of a wire.
// The CRC here is a plain bitwise CRC-16/CCITT-FALSE written independently of
// CLLProtocolPacket, so tests do not check the code with itself.
//
//   WireFrames::ack()                          "kdrw" 01 20 00 00 FF FF
//   WireFrames::frame(1, 0, data)              a type-1 packet with data and correct CRC
//   WireFrames::frameWithCrc(1, 0, data, crc)  the same with any CRC (corrupt packets)
//   WireFrames::debugText("hello")             a type-2 text message (id 0x0202)

#include "LLTypes.h"

#include <QByteArray>

class CLLProtocolPacket;

namespace WireFrames {

UINT16 crc16(const QByteArray& data);

QByteArray frameWithCrc(UINT8 type, UINT8 flags, const QByteArray& data, UINT16 crc);
QByteArray frame(UINT8 type, UINT8 flags, const QByteArray& data);
// The unit's acknowledgement: no data, flags PF_ACK, CRC FF FF.
QByteArray ack(UINT8 type = 1);
// An answer of type 1 without flags, as the unit sends command answers.
QByteArray answer(const QByteArray& data);
// Unit debug messages (type 2): UTF-8 text with a terminating zero (id 0x0202),
// or a signed 32-bit LE number (id 0x0201).
QByteArray debugText(const QByteArray& utf8);
QByteArray debugNumber(qint32 value);
// The wire image of a packet built with CLLProtocolPacket.
QByteArray bytes(const CLLProtocolPacket& packet);

} // namespace WireFrames

#endif // WIREFRAMES_H
