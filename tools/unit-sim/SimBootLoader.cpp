#include "SimBootLoader.h"

#include "HLProtocolRecords.h"
#include "LLProtocolPacket.h"
#include "LittleEndian.h"

#include <QDebug>
#include <algorithm>

namespace {

constexpr int kStartSize = 16;
constexpr int kDataSize = 200;
constexpr int kDataHeader = 8;
constexpr int kMaxChunk = 192;
constexpr quint16 kFlashSecurityBits = 0x00A5;
constexpr quint8 kSwapDone = 0;
constexpr quint8 kSwapRefused = 1;          // the other boot loader is not intact
constexpr quint8 kIntact = CPartitionTable::CF_CRC16OK | CPartitionTable::CF_CRC16_MIROK;
constexpr quint8 kBroken = CPartitionTable::CF_CRC16KO | CPartitionTable::CF_CRC16_MIRKO;

const uint8_t* bytes(const QByteArray& a) { return reinterpret_cast<const uint8_t*>(a.constData()); }

CPartitionTable::SPartition entry(quint32 start, quint16 size, quint8 type, int major, int minor)
{
    CPartitionTable::SPartition p;
    p.m_Start = start;
    p.m_Size = size;
    p.m_PartType = type;
    p.m_MainVer = quint8(major);
    p.m_SubVer = quint8(minor);
    p.m_CrcFlags = kIntact;
    return p;
}

} // namespace

CSimBootLoader::CSimBootLoader(const SSimIdentity& identity)
    : m_Table(CPartitionTable::ENTRY_COUNT)
{
    m_nActive = identity.runningSystem == SSimIdentity::RS_Boot2 ? 2 : 1;
    // MSP430 flash: boot loaders below the application at 34816; the WiFi
    // module's serial flash has its own address space (size saturates at 16 bits).
    m_Table[E_Boot1] = entry(1024, 20480, CPartitionTable::PT_BOOTLOADER1, identity.bootMajor, identity.bootMinor);
    m_Table[E_Boot2] = entry(21504, 12800, CPartitionTable::PT_BOOTLOADER2, identity.bootMajor, identity.bootMinor);
    m_Table[E_Application] = entry(34816, 30720, CPartitionTable::PT_APPLICATION, identity.appMajor, identity.appMinor);
    m_Table[E_Wifi] = entry(0, 0xFFFF, CPartitionTable::PT_WIFI, identity.wifiMajor, identity.wifiMinor);
}

int CSimBootLoader::entryOf(int partType)
{
    return partType >= 1 && partType <= 4 ? partType - 1 : -1;
}

int CSimBootLoader::systemAfterStart() const
{
    if (m_Table[E_Application].m_CrcFlags & CPartitionTable::CF_CRC16OK)
        return SSimIdentity::RS_Application;
    return m_nActive;
}

void CSimBootLoader::runBootLoader(SSimIdentity& identity, int system)
{
    m_nActive = system == 2 ? 2 : 1;
    identity.runningSystem = m_nActive;
    identity.bootMajor = m_Table[entryOf(m_nActive)].m_MainVer;
    identity.bootMinor = m_Table[entryOf(m_nActive)].m_SubVer;
}

QVector<SSimStoredBlock> CSimBootLoader::storedBlocks(int partType) const
{
    return partType >= 1 && partType <= 4 ? m_Stored[partType] : QVector<SSimStoredBlock>();
}

void CSimBootLoader::violation(const QString& text)
{
    qDebug().noquote() << "unit: boot loader:" << text;
    m_Violations << text;
    m_bImageBad = true;
    if (m_bPartitionOpen)
        m_Open.block.ok = false;
}

void CSimBootLoader::onImageBegin(const QByteArray&)
{
    // Also the PC's retry after a failed image: whatever was open is abandoned.
    if (m_bPartitionOpen || (m_bImageOpen && !isRepeat(MSG_FlashImageBegin)))
        qDebug() << "unit: boot loader: image upload started again";
    m_bImageOpen = true;
    m_bImageBad = false;
    m_bPartitionOpen = false;
    m_nImageType = 0;
    m_nImageUserFlag = -1;
    noteCommand(MSG_FlashImageBegin);
}

void CSimBootLoader::onImageEnd(SSimIdentity& identity, const QByteArray&)
{
    if (!m_bImageOpen) {
        if (!isRepeat(MSG_FlashImageEnd))
            violation(QStringLiteral("command 5 without an image upload"));
        noteCommand(MSG_FlashImageEnd);
        return;
    }
    if (m_bPartitionOpen)
        violation(QStringLiteral("command 5 while a partition is open"));
    m_bImageOpen = false;
    m_bPartitionOpen = false;
    noteCommand(MSG_FlashImageEnd);
    const int e = entryOf(m_nImageType);
    if (e < 0)
        return;
    CPartitionTable::SPartition& p = m_Table[e];
    p.m_MainVer = m_nImageMain;
    p.m_SubVer = m_nImageSub;
    p.m_CrcFlags = m_bImageBad ? kBroken : kIntact;
    if (m_bImageBad)
        return;
    if (m_nImageType == CPartitionTable::PT_APPLICATION) {
        identity.appMajor = m_nImageMain;
        identity.appMinor = m_nImageSub;
    } else if (m_nImageType == CPartitionTable::PT_WIFI) {
        identity.wifiMajor = m_nImageMain;
        identity.wifiMinor = m_nImageSub;
    }
}

void CSimBootLoader::onSwap(SSimIdentity& identity, QList<QByteArray>& answers)
{
    noteCommand(MSG_SwapBootloaders);
    const int other = 3 - m_nActive;
    const bool intact = m_Table[entryOf(other)].m_CrcFlags & CPartitionTable::CF_CRC16OK;
    if (intact)
        runBootLoader(identity, other);
    QByteArray answer(4, '\0');
    answer[0] = char(MSG_SwapBootloadersAnswer);
    answer[1] = char(intact ? kSwapDone : kSwapRefused);
    answer[2] = char(kFlashSecurityBits & 0xFF);
    answer[3] = char(kFlashSecurityBits >> 8);
    answers << answer;
}

void CSimBootLoader::onReportTable(QList<QByteArray>& answers) const
{
    for (int first = 0; first < CPartitionTable::ENTRY_COUNT; first += CPartitionTable::ENTRIES_PER_PACKET) {
        QByteArray packet(CPartitionTable::ENTRIES_PER_PACKET * CPartitionTable::ENTRY_SIZE, '\0');
        for (int i = 0; i < CPartitionTable::ENTRIES_PER_PACKET; ++i)
            m_Table[first + i].toBytes(reinterpret_cast<uint8_t*>(packet.data()) + i * CPartitionTable::ENTRY_SIZE);
        answers << packet;
    }
}

// Type byte: partition type 1 to 4 in the low nibble; for the WiFi module the
// plain length's bits 16 to 19 in the high nibble, else zero.
bool CSimBootLoader::checkStartRecord(const QByteArray& req, quint8* type, quint32* plainLen)
{
    if (req.size() != kStartSize) {
        violation(QStringLiteral("start record of %1 bytes").arg(req.size()));
        return false;
    }
    const quint8 typeByte = LE::get8(bytes(req) + 7);
    *type = typeByte & 0x0F;
    *plainLen = LE::get16(bytes(req) + 5) | (quint32(typeByte >> 4) << 16);
    if (entryOf(*type) < 0 || (*type != CPartitionTable::PT_WIFI && (typeByte >> 4) != 0)) {
        violation(QStringLiteral("start record with type byte 0x%1").arg(typeByte, 2, 16, QLatin1Char('0')));
        return false;
    }
    if (*type == m_nActive) {
        violation(QStringLiteral("the running boot loader %1 cannot be overwritten").arg(m_nActive));
        return false;
    }
    const quint32 adr = LE::get32(bytes(req) + 1);
    if (*type != CPartitionTable::PT_WIFI && quint64(adr) + *plainLen > 0x10000) {
        violation(QStringLiteral("block at %1 of %2 bytes leaves the address space").arg(adr).arg(*plainLen));
        return false;
    }
    return true;
}

void CSimBootLoader::beginImageType(quint8 type)
{
    if (m_nImageType == 0) {
        m_nImageType = type;
        m_Stored[type].clear();
        // Being rewritten: no longer intact until the image is complete.
        m_Table[entryOf(type)].m_CrcFlags = kBroken;
    } else if (m_nImageType != type) {
        violation(QStringLiteral("partition type %1 inside an image of type %2").arg(type).arg(m_nImageType));
    }
}

void CSimBootLoader::onPartitionStart(const QByteArray& req)
{
    if (m_bPartitionOpen && req == m_Open.startRecord && m_Open.block.data.isEmpty())
        return;                                     // repeated: its ACK got lost
    if (!m_bImageOpen) {
        violation(QStringLiteral("partition start without command 4"));
        m_bImageOpen = true;                        // take it as the image's start, marked bad
        m_nImageType = 0;
        m_nImageUserFlag = -1;
    }
    if (m_bPartitionOpen)
        violation(QStringLiteral("partition start while a partition is open"));
    noteCommand(MSG_FlashPartitionStart);
    quint8 type = 0;
    quint32 plainLen = 0;
    m_Open = SOpenPartition();
    m_Open.startRecord = req;
    m_bPartitionOpen = true;
    if (!checkStartRecord(req, &type, &plainLen)) {
        m_Open.block.ok = false;                    // its chunks and command 9 are swallowed
        // A partition the record names is spoilt; with no valid type none is.
        if (entryOf(type) >= 0 && type != m_nActive)
            beginImageType(type);
        return;
    }
    beginImageType(type);
    m_Open.type = type;
    m_Open.block.memAdr = LE::get32(bytes(req) + 1);
    m_Open.block.plainLen = plainLen;
    m_Open.block.crc16 = LE::get16(bytes(req) + 14);
    m_Open.block.ok = true;
    m_nImageMain = LE::get8(bytes(req) + 8);
    m_nImageSub = LE::get8(bytes(req) + 9);
}

void CSimBootLoader::onData(const QByteArray& req)
{
    noteCommand(MSG_FlashData);
    if (!m_bPartitionOpen) {
        violation(QStringLiteral("data record outside a partition"));
        return;
    }
    if (req.size() != kDataSize) {
        violation(QStringLiteral("data record of %1 bytes").arg(req.size()));
        return;
    }
    const int beyond = LE::get8(bytes(req) + 1);
    const int len = LE::get16(bytes(req) + 2);
    const quint32 adr = LE::get32(bytes(req) + 4);
    if (!m_Open.block.ok)
        return;                                     // the partition's breach is already noted
    if (len < 1 || len > kMaxChunk) {
        violation(QStringLiteral("data record with chunk length %1").arg(len));
        return;
    }
    storeChunk(req, adr, len, beyond);
}

void CSimBootLoader::storeChunk(const QByteArray& req, quint32 adr, int len, int beyond)
{
    SSimStoredBlock& block = m_Open.block;
    const QByteArray chunk = req.mid(kDataHeader, len);
    const bool repeated = m_Open.lastChunkLen > 0 && adr == m_Open.lastChunkAdr && len == m_Open.lastChunkLen;
    if (repeated) {                                 // its ACK got lost: write it again
        block.data.replace(block.data.size() - len, len, chunk);
        return;
    }
    const quint32 expected = block.memAdr + quint32(block.data.size());
    if (adr != expected) {
        violation(QStringLiteral("chunk at %1, expected %2").arg(adr).arg(expected));
        return;
    }
    const qint64 end = qint64(block.data.size()) + len;
    const int wantBeyond = int(qBound<qint64>(0, end - qint64(block.plainLen), len));
    if (beyond != wantBeyond)
        violation(QStringLiteral("chunk at %1 counts %2 bytes beyond the plain length, expected %3")
                      .arg(adr).arg(beyond).arg(wantBeyond));
    const int userFlag = (m_nPacketFlags & CLLProtocolPacket::PF_USER) ? 1 : 0;
    if (m_nImageUserFlag < 0)
        m_nImageUserFlag = userFlag;
    else if (m_nImageUserFlag != userFlag)
        violation(QStringLiteral("user flag changes inside an image at %1").arg(adr));
    block.enciphered = userFlag == 1;
    block.data += chunk;
    m_Open.beyond += quint32(beyond);
    m_Open.lastChunkAdr = adr;
    m_Open.lastChunkLen = len;
}

void CSimBootLoader::onPartitionEnd(const QByteArray&)
{
    if (!m_bPartitionOpen) {
        if (!isRepeat(MSG_FlashPartitionEnd))
            violation(QStringLiteral("command 9 without an open partition"));
        noteCommand(MSG_FlashPartitionEnd);
        return;
    }
    noteCommand(MSG_FlashPartitionEnd);
    SSimStoredBlock& block = m_Open.block;
    // One breach per partition is enough: after the first the rest follows from it.
    const quint32 plainReceived = quint32(block.data.size()) - m_Open.beyond;
    if (block.ok && plainReceived != block.plainLen)
        violation(QStringLiteral("partition at %1: %2 plain bytes received, %3 announced")
                      .arg(block.memAdr).arg(plainReceived).arg(block.plainLen));
    else if (block.ok && !block.enciphered
             && CLLProtocolPacket::Crc16(block.data.constData(), block.plainLen) != block.crc16)
        violation(QStringLiteral("partition at %1: CRC-16 differs").arg(block.memAdr));
    m_bPartitionOpen = false;
    if (m_Open.type != 0)
        m_Stored[m_Open.type] << block;
}
