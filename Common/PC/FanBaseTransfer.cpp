// CFanBase: the firmware transfer through the unit's boot loader (commands 4
// to 11): partition table, boot-loader swap, block and image uploads.

#include "PC/FanBase.h"

#include "Firmware/FlashImageList.h"
#include "LLProtocolWire.h"
#include "LittleEndian.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProgressBar>
#include <algorithm>

namespace {

constexpr int START_RECORD_SIZE = 16;
constexpr int DATA_RECORD_SIZE = 200;
constexpr int DATA_HEADER_SIZE = 8;
constexpr int SWAP_ANSWER_MIN_SIZE = 4;    // 10, return code, 16-bit flash security bits

uint8_t* bytes(QByteArray& a) { return reinterpret_cast<uint8_t*>(a.data()); }

// The start record's type byte: partition type in the low nibble; a WiFi
// block carries bits 16 to 19 of its plain length in the high nibble.
UINT8 startTypeByte(CPartitionTable::EPartType type, UINT32 nPlainLen)
{
    if (type == CPartitionTable::PT_WIFI)
        return UINT8(((nPlainLen >> 16) << 4) | CPartitionTable::PT_WIFI);
    return UINT8(type);
}

// The plain length must fit the start record: 16 bits, 20 for a WiFi block.
bool plainLengthFits(CPartitionTable::EPartType type, UINT32 nPlainLen)
{
    return nPlainLen <= (type == CPartitionTable::PT_WIFI ? 0xFFFFFu : 0xFFFFu);
}

QByteArray startRecord(UINT32 nMemAdr, UINT32 nPlainLen, CPartitionTable::EPartType type, UINT8 nMainVer,
                       UINT8 nSubVer, UINT32 nStartAdr, UINT16 nCrc16)
{
    QByteArray record(START_RECORD_SIZE, '\0');
    uint8_t* p = bytes(record);
    LE::put8(p, MSG_FlashPartitionStart);
    LE::put32(p + 1, nMemAdr);
    LE::put16(p + 5, UINT16(nPlainLen & 0xFFFF));
    LE::put8(p + 7, startTypeByte(type, nPlainLen));
    LE::put8(p + 8, nMainVer);
    LE::put8(p + 9, nSubVer);
    LE::put32(p + 10, nStartAdr);
    LE::put16(p + 14, nCrc16);
    return record;
}

// nEnd: offset just after this chunk. Counts only this chunk's own bytes that
// lie after the plain length, so it never exceeds the chunk length.
QByteArray dataRecord(UINT32 nMemAdr, UINT32 nOffset, UINT32 nLen, UINT32 nPlainLen, const UINT8* pChunk)
{
    QByteArray record(DATA_RECORD_SIZE, '\0');
    uint8_t* p = bytes(record);
    const UINT32 nEnd = nOffset + nLen;
    const UINT32 nBeyond = nEnd > nPlainLen ? std::min(nLen, nEnd - nPlainLen) : 0;
    LE::put8(p, MSG_FlashData);
    LE::put8(p + 1, UINT8(nBeyond));
    LE::put16(p + 2, UINT16(nLen));
    LE::put32(p + 4, nMemAdr + nOffset);
    std::copy(pChunk, pChunk + nLen, p + DATA_HEADER_SIZE);
    return record;
}

// The image CFlashImageList().findImage(type, system) gives: the first of the
// built-in images in catalogue order with this type and a family bit in common.
// Only the images up to it are loaded (parsing all six costs more than
// sending a boot loader image).
bool findBuiltInImage(int type, CFlashImage::ESystem system, CFlashImage& image)
{
    for (const CFlashImageList::SSource& source : CFlashImageList::builtInSources()) {
        if ((source.system & system) == 0)
            continue;
        if (image.load(source.fileName, source.system) != CFlashImage::LOAD_OK) {
            qDebug() << "CFanBase::uploadImage: Could not read from Resources:" << source.fileName;
            continue;
        }
        if (image.type() == type)
            return true;
    }
    return false;
}

} // namespace

void CFanBase::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void CFanBase::transferPause(int nMs)
{
    if (nMs > 0)
        wire()->Sleep(UINT16(std::min(nMs, 0xFFFF)));
}

// Boot-loader records: type 1, PF_RETRY, the user flag marks enciphered data.
bool CFanBase::sendTransferRecord(CLLProtocol& link, const QByteArray& record, bool bUser)
{
    CLLProtocolPacket packet;
    packet.SetPacket(1, bUser, false, true, UINT16(record.size()), record.constData());
    discardLeftovers();
    return link.Send(packet) == CLLProtocol::RC_OK;
}

bool CFanBase::receiveTablePart(CLLProtocol& link, CPartitionTable::SPartition* pEntries)
{
    CLLProtocolPacket packet;
    if (link.Receive(packet) != CLLProtocol::RC_OK) {
        emit signalUserInfo(tr("%1 did not (correctly) respond - ").arg(familyName()));
        return false;
    }
    constexpr int nSize = CPartitionTable::ENTRIES_PER_PACKET * CPartitionTable::ENTRY_SIZE;
    if (packet.GetType() != 1 || packet.GetLength() != nSize) {
        qDebug() << "CFanBase::getPartitionTable: Received wrong packet, type" << packet.GetType();
        qDebug().nospace() << "Expected: " << nSize << ", got: " << packet.GetLength();
        emit signalUserInfo(tr("%1 did respond with the wrong packet - ").arg(familyName()));
        return false;
    }
    for (int i = 0; i < CPartitionTable::ENTRIES_PER_PACKET; ++i) {
        pEntries[i] = CPartitionTable::SPartition::fromBytes(packet.GetData() + i * CPartitionTable::ENTRY_SIZE);
        qDebug() << "m_Start: " << pEntries[i].m_Start;
    }
    return true;
}

bool CFanBase::getPartitionTable(CPartitionTable::SPartition (&table)[CPartitionTable::ENTRY_COUNT])
{
    if (!isPortBound() || !sendCommand(MSG_ReportPartitionTable))
        return false;
    CLLProtocol link = linkProtocol();
    return receiveTablePart(link, table)
           && receiveTablePart(link, table + CPartitionTable::ENTRIES_PER_PACKET);
}

bool CFanBase::swapBootloaders()
{
    if (!isPortBound() || !sendCommand(MSG_SwapBootloaders))
        return false;
    CLLProtocol link = linkProtocol();
    CLLProtocolPacket answer;
    if (link.Receive(answer) != CLLProtocol::RC_OK) {
        emit signalUserInfo(tr("%1 did not (correctly) respond - ").arg(familyName()));
        return false;
    }
    // Too short to hold the return code and the security bits: never read past its end.
    if (answer.GetId() != 0x0100 + MSG_SwapBootloadersAnswer || answer.GetLength() < SWAP_ANSWER_MIN_SIZE) {
        emit signalUserInfo(tr("%1 did respond with the wrong packet - ").arg(familyName()));
        return false;
    }
    qDebug() << "Swap return code: " << LE::get8(answer.GetData() + 1);
    qDebug() << "Flah security bits: " << LE::get16(answer.GetData() + 2);
    return true;
}

bool CFanBase::sendChunks(CLLProtocol& link, UINT32 nMemAdr, UINT32 nDataLen, UINT32 nPlainLen, bool bEnciphered,
                          const UINT8* pData, QProgressBar* pProgress, bool bSlowMode)
{
    for (UINT32 nPos = 0; nPos < nDataLen;) {
        const UINT32 nLen = std::min<UINT32>(TRANSFER_CHUNK, nDataLen - nPos);
        const QByteArray record = dataRecord(nMemAdr, nPos, nLen, nPlainLen, pData + nPos);
        if (!sendTransferRecord(link, record, bEnciphered))
            return false;
        nPos += nLen;
        if (bSlowMode)
            transferPause(m_TransferPauses.slowChunkMs);
        if (pProgress)
            pProgress->setValue(int(qint64(nPos) * 100 / nDataLen));
        if (m_EventPump)
            m_EventPump();
    }
    return true;
}

bool CFanBase::uploadPartition(UINT32 nMemAdr, UINT32 nDataLen, UINT32 nPlainLen, CPartitionTable::EPartType type,
                               UINT8 nMainVer, UINT8 nSubVer, UINT32 nStartAdr, UINT16 nCrc16, bool bEnciphered,
                               const UINT8* pData, QProgressBar* pProgress, bool bSlowMode)
{
    if (!isPortBound())
        return false;
    qDebug().nospace() << "Start Upload, address: " << nStartAdr << ", length:" << nPlainLen;
    if (pProgress) {
        pProgress->setValue(0);
        pProgress->repaint();
    }
    // A length the start record cannot carry would be cut short on the unit.
    if (!plainLengthFits(type, nPlainLen) || (nDataLen > 0 && !pData)) {
        qDebug() << "CFanBase::uploadPartition: block does not fit the start record, plain length" << nPlainLen;
        emit signalUserInfo(tr("Error sending data to %1.").arg(familyName()));
        return false;
    }
    CLLProtocol link = linkProtocol();
    const QByteArray start = startRecord(nMemAdr, nPlainLen, type, nMainVer, nSubVer, nStartAdr, nCrc16);
    if (!sendTransferRecord(link, start, false)) {
        emit signalUserInfo(tr("Error sending data to %1.").arg(familyName()));
        return false;
    }
    if (bSlowMode)
        transferPause(m_TransferPauses.slowStartMs);
    if (!sendChunks(link, nMemAdr, nDataLen, nPlainLen, bEnciphered, pData, pProgress, bSlowMode)
        || !sendTransferRecord(link, QByteArray(1, char(MSG_FlashPartitionEnd)), false)) {
        emit signalUserInfo(tr("Error sending data to %1.").arg(familyName()));
        return false;
    }
    transferPause(m_TransferPauses.settleMs);
    return true;
}

bool CFanBase::uploadImage(CFlashImage::ESystem system, CPartitionTable::EPartType type, QProgressBar* pProgress,
                           bool bSlowMode)
{
    if (!isPortBound() || !sendCommand(MSG_FlashImageBegin))
        return false;
    if (bSlowMode)
        transferPause(m_TransferPauses.slowStartMs);
    CFlashImage image;
    if (!findBuiltInImage(type, system, image))
        return false;
    // The bridge firmware lives in the WiFi module's partition.
    const CPartitionTable::EPartType target =
        type == CPartitionTable::PT_WIFI_BRIDGE ? CPartitionTable::PT_WIFI : type;
    for (const SMemBlock& block : image.blocks()) {
        qDebug() << "Upload Partion, Adr: " << block.memAdr;
        if (!uploadPartition(block.memAdr, UINT32(block.data.size()), block.plainLen, target, image.mainVer(),
                             image.subVer(), image.startAdr(), block.crc16, image.encryption() == 1,
                             reinterpret_cast<const UINT8*>(block.data.constData()), pProgress, bSlowMode)) {
            emit signalUserInfo(tr("The update process failed. Please switch off your %1.\n"
                                   "Then switch in on again and retry the update.").arg(familyName()));
            return false;
        }
    }
    return sendCommand(MSG_FlashImageEnd);
}
