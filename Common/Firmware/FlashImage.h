#ifndef FLASHIMAGE_H
#define FLASHIMAGE_H

#include "Firmware/MemBlock.h"

#include <QString>
#include <QVector>

class QSettings;

// One firmware image as the maker ships it: an INI file (QSettings format) with
// the partition type, version and start address in [General] and the memory
// blocks in the array "MemBlocks". The PC never deciphers or checks the blocks;
// it only hands them to the unit's boot loader (CFanBase::uploadImage).
class CFlashImage
{
public:
    // Bit mask of the unit families an image is for.
    enum ESystem {
        SYS_ZYVENT100 = 1,
        SYS_ZYVENT70 = 2,  // "Zyvent plus"
        SYS_BOTH = 3
    };

    // Results of load: 0, or the first check that failed; the checks run in this order.
    enum ELoadResult {
        LOAD_OK = 0,
        ERR_TYPE_MISSING = -1,
        ERR_TYPE_BELOW_1 = -2,
        ERR_TYPE_ABOVE_5 = -3,
        ERR_MAINVER_MISSING = -4,
        ERR_MAINVER_RANGE = -5,
        ERR_SUBVER_MISSING = -6,
        ERR_SUBVER_RANGE = -7,
        ERR_STARTADR_MISSING = -8,
        ERR_ENCRYPTION_MISSING = -9,
        ERR_ENCRYPTION_RANGE = -10,
        ERR_BLOCKCOUNT_INVALID = -11,  // negative or no number
        ERR_MEMADR_MISSING = -12,
        ERR_PLAINLEN_MISSING = -13,
        ERR_DATA_MISSING = -14,
        ERR_CRC16_MISSING = -15,
        ERR_CRC16_RANGE = -16
    };

    // Reads the image file (a resource path or a file); returns an ELoadResult.
    // A failed load leaves a half-loaded image: what was read before the failing
    // key stays. Integer keys must hold decimal integers: text that is no number
    // fails the key's range check, or counts as missing where the key has none
    // (StartAdr, MemAdr, PlainLen: 0 to 4294967295). "Data" must be a byte array.
    int load(const QString& fileName, ESystem system);

    int type() const { return m_type; }  // a CPartitionTable::EPartType
    ESystem system() const { return m_system; }
    quint8 mainVer() const { return m_mainVer; }
    quint8 subVer() const { return m_subVer; }
    quint32 startAdr() const { return m_startAdr; }
    int encryption() const { return m_encryption; }  // 1: the block data are enciphered
    const QVector<SMemBlock>& blocks() const { return m_blocks; }

private:
    int loadHeader(const QSettings& settings);
    int loadBlocks(QSettings& settings);
    static int loadBlock(const QSettings& settings, SMemBlock& block);

    int m_type = 0;
    ESystem m_system = SYS_BOTH;
    quint8 m_mainVer = 0;
    quint8 m_subVer = 0;
    QVector<SMemBlock> m_blocks;
    int m_encryption = 0;
    quint32 m_startAdr = 0;
};

#endif // FLASHIMAGE_H
