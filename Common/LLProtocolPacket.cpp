#include "LLProtocolPacket.h"

#include "LittleEndian.h"

#include <QDebug>
#include <cstring>

namespace {

const UINT8 kSync[CLLProtocolPacket::SYNC_SIZE] = { 'k', 'd', 'r', 'w' };

// CRC of each 4-bit value under polynomial 0x1021; the CRC runs a nibble at a time.
const UINT16 kCrcNibbleTable[16] = {
    0x0000, 0x1021, 0x2042, 0x3063, 0x4084, 0x50A5, 0x60C6, 0x70E7,
    0x8108, 0x9129, 0xA14A, 0xB16B, 0xC18C, 0xD1AD, 0xE1CE, 0xF1EF
};

} // namespace

CLLProtocolPacket::CLLProtocolPacket()
{
    std::memset(m_Data, 0, sizeof m_Data);
    std::memset(m_WireHeader, 0, sizeof m_WireHeader);
    std::memset(m_WireCrc, 0, sizeof m_WireCrc);
    Reset();
}

void CLLProtocolPacket::Reset()
{
    std::memcpy(m_Sync, kSync, sizeof m_Sync);
    m_Type = 0;
    m_Flags = 0;
    m_Length = 0;
    m_Crc = 0;
    m_ReadIdx = 0;
    m_RxCrc = 0;
}

void CLLProtocolPacket::SetPacket(UINT8 type, bool user, bool ack, bool retry, UINT16 len, const void* data)
{
    if (!data)
        len = 0;
    if (len > MAX_DATA)
        return;
    m_Type = type;
    m_Flags = UINT8((user ? PF_USER : 0) | (ack ? PF_ACK : 0) | (retry ? PF_RETRY : 0));
    m_Length = len;
    if (len > 0)
        std::memcpy(m_Data, data, len);
    UpdateCrc();
}

void CLLProtocolPacket::SetSingleByte(UINT8 type, bool retry, UINT8 value)
{
    SetPacket(type, false, false, retry, 1, &value);
}

void CLLProtocolPacket::SetNoAckFlag()
{
    m_Flags |= PF_NOACK;
    UpdateCrc();
}

void CLLProtocolPacket::SetAckFlag()
{
    m_Flags |= PF_ACK;
    m_Length = 0;
    UpdateCrc();
}

UINT16 CLLProtocolPacket::GetId() const
{
    const UINT16 id = UINT16(m_Type << 8);
    return m_Length > 0 ? UINT16(id | m_Data[0]) : id;
}

const void* CLLProtocolPacket::GetBufferPart(int part, UINT16* len) const
{
    std::memcpy(m_WireHeader, m_Sync, SYNC_SIZE);
    m_WireHeader[4] = m_Type;
    m_WireHeader[5] = m_Flags;
    LE::put16(m_WireHeader + 6, m_Length);
    LE::put16(m_WireCrc, m_Crc);

    const bool hasData = m_Length > 0;
    if (part == 0) {
        *len = HEADER_SIZE;
        return m_WireHeader;
    }
    if (part == 1) {
        *len = hasData ? m_Length : UINT16(CRC_SIZE);
        return hasData ? static_cast<const void*>(m_Data) : m_WireCrc;
    }
    if (part == 2 && hasData) {
        *len = CRC_SIZE;
        return m_WireCrc;
    }
    *len = 0;
    return nullptr;
}

QByteArray CLLProtocolPacket::WireBytes() const
{
    QByteArray bytes;
    for (int part = 0; part < 3; ++part) {
        UINT16 len = 0;
        const void* p = GetBufferPart(part, &len);
        if (p && len > 0)
            bytes.append(static_cast<const char*>(p), len);
    }
    return bytes;
}

void CLLProtocolPacket::UpdateCrc()
{
    m_Crc = Crc16(m_Data, m_Length);
}

CLLProtocolPacket::EReadState CLLProtocolPacket::GetReadState() const
{
    const int i = m_ReadIdx;
    const int n = m_Length;
    if (i == 0)
        return RS_READING_NOT_STARTED;
    if (i <= 7)
        return RS_HEADER_STARTED;
    if (i == 8)
        return RS_HEADER_COMPLETED;
    if (n > 0 && i >= 9 && i <= n + 7)
        return RS_DATA_STARTED;
    if (n > 0 && i == n + 8)
        return RS_DATA_COMPLETED;
    if (i < n + 10)
        return RS_CRC_STARTED;
    return m_Crc == m_RxCrc ? RS_PACKET_COMPLETED_CRC_CORRECT : RS_PACKET_COMPLETED_CRC_INCORRECT;
}

void CLLProtocolPacket::PacketFromBuffer(const void* buf, UINT16& len)
{
    if (!buf || len == 0)
        return;
    const UINT8* bytes = static_cast<const UINT8*>(buf);
    const int complete = HEADER_SIZE + CRC_SIZE;  // plus m_Length, which may still arrive
    UINT16 k = 0;
    bool justCompleted = false;
    while (k < len && m_ReadIdx < complete + m_Length) {
        TakeByte(bytes[k++]);
        justCompleted = m_ReadIdx >= complete + m_Length;
    }
    if (justCompleted)
        UpdateCrc();
    len = UINT16(len - k);
}

void CLLProtocolPacket::TakeByte(UINT8 byte)
{
    if (m_ReadIdx < SYNC_SIZE) {
        if (byte == m_Sync[m_ReadIdx]) {
            ++m_ReadIdx;
        } else {
            // The mismatching byte is dropped, not tried again as a first sync byte.
            m_ReadIdx = 0;
            qDebug() << "-------------------- Byte lost";
        }
        return;
    }
    if (m_ReadIdx < HEADER_SIZE) {
        switch (m_ReadIdx) {
        case 4: m_Type = byte; break;
        case 5: m_Flags = byte; break;
        case 6: m_Length = byte; break;
        default: m_Length = UINT16(m_Length | (byte << 8)); break;
        }
        ++m_ReadIdx;
        if (m_ReadIdx == HEADER_SIZE && m_Length > MAX_DATA)
            DropOversizedHeader();
        return;
    }
    const int dataEnd = HEADER_SIZE + m_Length;
    if (m_ReadIdx < dataEnd)
        m_Data[m_ReadIdx - HEADER_SIZE] = byte;
    else if (m_ReadIdx == dataEnd)
        m_RxCrc = byte;
    else
        m_RxCrc = UINT16(m_RxCrc | (byte << 8));
    ++m_ReadIdx;
}

// No valid packet carries more than 200 data bytes, and the data area holds
// no more: forget the header and hunt for sync again from the next byte.
void CLLProtocolPacket::DropOversizedHeader()
{
    qDebug() << "Header announces too many data bytes, dropped:" << m_Length;
    Reset();
}

UINT16 CLLProtocolPacket::Crc16(const void* data, std::size_t len, UINT16 crc)
{
    const UINT8* bytes = static_cast<const UINT8*>(data);
    for (std::size_t i = 0; i < len; ++i) {
        const UINT8 b = bytes[i];
        crc = UINT16((crc << 4) ^ kCrcNibbleTable[((crc >> 12) ^ (b >> 4)) & 0x0F]);
        crc = UINT16((crc << 4) ^ kCrcNibbleTable[((crc >> 12) ^ (b & 0x0F)) & 0x0F]);
    }
    return crc;
}
