#ifndef LLPROTOCOLPACKET_H
#define LLPROTOCOLPACKET_H

#include "LLTypes.h"

#include <QByteArray>
#include <cstddef>

// One link packet: "kdrw", type, flags, 16-bit length (LE), up to 200 data
// bytes, CRC-16/CCITT-FALSE of the data (LE). The same object builds a packet
// for sending (Reset, SetPacket, GetBufferPart) and parses one from received
// bytes fed in arbitrary slices (Reset, PacketFromBuffer until state 6 or 7).
// Copied by value; no allocation.
class CLLProtocolPacket
{
public:
    enum EReadState {
        RS_READING_NOT_STARTED = 0,
        RS_HEADER_STARTED = 1,
        RS_HEADER_COMPLETED = 2,
        RS_DATA_STARTED = 3,
        RS_DATA_COMPLETED = 4,
        RS_CRC_STARTED = 5,
        RS_PACKET_COMPLETED_CRC_CORRECT = 6,
        RS_PACKET_COMPLETED_CRC_INCORRECT = 7
    };

    enum EFlags {
        PF_USER = 0x01,   // passed through for the receiver, never interpreted here
        PF_RETRY = 0x10,  // sender makes up to three attempts
        PF_ACK = 0x20,    // this packet acknowledges one of its type
        PF_NOACK = 0x40   // receiver sends no acknowledgement
    };

    enum {
        SYNC_SIZE = 4,
        HEADER_SIZE = 8,
        CRC_SIZE = 2,
        MAX_DATA = 200,
        MAX_WIRE_SIZE = HEADER_SIZE + MAX_DATA + CRC_SIZE
    };

    static constexpr UINT16 CRC_INIT = 0xFFFF;

    CLLProtocolPacket();

    // Sync "kdrw"; type, flags, length, CRC, receive progress zero. Data bytes stay.
    void Reset();

    // A null data pointer means no data. More than 200 bytes: the packet is left unchanged.
    void SetPacket(UINT8 type, bool user, bool ack, bool retry, UINT16 len, const void* data);
    void SetSingleByte(UINT8 type, bool retry, UINT8 value);
    void SetNoAckFlag();
    // Turns the packet into an acknowledgement of its own type (no data).
    void SetAckFlag();

    bool IsUserFlag() const { return m_Flags & PF_USER; }
    bool IsRetry() const { return m_Flags & PF_RETRY; }
    bool IsAck() const { return m_Flags & PF_ACK; }
    bool IsNoAck() const { return m_Flags & PF_NOACK; }

    // type * 256 + first data byte (the message number), or type * 256 without data.
    UINT16 GetId() const;

    UINT8 GetType() const { return m_Type; }
    UINT8 GetFlags() const { return m_Flags; }
    UINT16 GetLength() const { return m_Length; }
    const UINT8* GetData() const { return m_Data; }
    UINT16 GetCrc() const { return m_Crc; }
    UINT16 GetRxCrc() const { return m_RxCrc; }

    // Pieces to write in ascending order: 0 header, 1 data (or the CRC when
    // there is no data), 2 CRC (or nothing). Empty parts give null and *len 0.
    // The pointers stay valid until the packet is next changed.
    const void* GetBufferPart(int part, UINT16* len) const;
    // All parts joined: the packet as it appears on the wire.
    QByteArray WireBytes() const;

    void UpdateCrc();
    EReadState GetReadState() const;

    // Consumes received bytes up to the end of this packet; on return len is
    // the number of bytes NOT consumed (they belong to what follows).
    void PacketFromBuffer(const void* buf, UINT16& len);

    // CRC-16/CCITT-FALSE (poly 0x1021, MSB first, no reflection, no final
    // XOR). Pass a previous result as crc to continue over further bytes.
    static UINT16 Crc16(const void* data, std::size_t len, UINT16 crc = CRC_INIT);

private:
    void TakeByte(UINT8 byte);
    void DropOversizedHeader();

    UINT8 m_Sync[SYNC_SIZE];
    UINT8 m_Type;
    UINT8 m_Flags;
    UINT16 m_Length;
    UINT16 m_Crc;
    UINT8 m_Data[MAX_DATA];
    UINT16 m_ReadIdx;
    UINT16 m_RxCrc;

    // Wire images of header and CRC, filled by GetBufferPart so that the
    // fields above are never cast onto the wire (byte order, padding).
    mutable UINT8 m_WireHeader[HEADER_SIZE];
    mutable UINT8 m_WireCrc[CRC_SIZE];
};

#endif // LLPROTOCOLPACKET_H
