#ifndef SIMBOOTLOADER_H
#define SIMBOOTLOADER_H

#include "Firmware/PartitionTable.h"
#include "SimIdentity.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVector>

// One memory block as the simulated boot loader stored it: every data byte
// received (beyond-plain padding included), the start record's values and
// whether the block passed the checks at command 9.
struct SSimStoredBlock
{
    quint32 memAdr = 0;
    quint32 plainLen = 0;
    quint16 crc16 = 0;
    bool enciphered = false;
    bool ok = false;
    QByteArray data;
};

// The unit's two boot loaders: the partition table (command 11), the swap
// (6 -> 10) and the upload sequence 4 / 7 / 8... / 9 / 5 with the checks a
// careful boot loader makes. The link acknowledges every record before it
// arrives here, so a record that breaks the sequence is not refused: it is
// noted as a violation and the image is marked bad (CRC16KO), as the unit's
// own check after writing would find it. A record repeated with the same
// content (the PC re-sends when an acknowledgement got lost) is taken once.
// Enciphered data (packet user flag) cannot be deciphered here: such blocks
// are checked for sequence and lengths, not for their CRC.
// Not thread-safe: CUnitSimulator serialises access.
class CSimBootLoader
{
public:
    // Table entries of the four partitions; the other 16 entries are empty.
    enum EEntry { E_Boot1 = 0, E_Boot2 = 1, E_Application = 2, E_Wifi = 3 };

    explicit CSimBootLoader(const SSimIdentity& identity);

    // Boot loader 1 or 2, the one the unit starts into and reports when it runs.
    int activeBootLoader() const { return m_nActive; }
    // The running part after a start: the application when its partition is
    // intact, otherwise the active boot loader.
    int systemAfterStart() const;
    // Makes boot loader 1 or 2 the running part (identity updated).
    void runBootLoader(SSimIdentity& identity, int system);

    // The packet flags of the record handed to the next handler (user bit 0).
    void setPacketFlags(quint8 flags) { m_nPacketFlags = flags; }

    void onImageBegin(const QByteArray& req);
    void onImageEnd(SSimIdentity& identity, const QByteArray& req);
    void onSwap(SSimIdentity& identity, QList<QByteArray>& answers);
    void onPartitionStart(const QByteArray& req);
    void onData(const QByteArray& req);
    void onPartitionEnd(const QByteArray& req);
    void onReportTable(QList<QByteArray>& answers) const;

    QVector<CPartitionTable::SPartition> table() const { return m_Table; }
    // The blocks of the last upload into the partition of this type (1 to 4).
    QVector<SSimStoredBlock> storedBlocks(int partType) const;
    QStringList violations() const { return m_Violations; }
    void clearViolations() { m_Violations.clear(); }

private:
    struct SOpenPartition {
        QByteArray startRecord;
        SSimStoredBlock block;
        quint8 type = 0;
        quint8 mainVer = 0;
        quint8 subVer = 0;
        quint32 beyond = 0;         // padding bytes announced by the chunks
        quint32 lastChunkAdr = 0;
        int lastChunkLen = 0;
    };

    void violation(const QString& text);
    static int entryOf(int partType);
    bool checkStartRecord(const QByteArray& req, quint8* type, quint32* plainLen);
    void beginImageType(quint8 type);
    bool isRepeat(quint8 number) const { return m_nLastCommand == number; }
    void noteCommand(quint8 number) { m_nLastCommand = number; }
    void storeChunk(const QByteArray& req, quint32 adr, int len, int beyond);

    QVector<CPartitionTable::SPartition> m_Table;
    QVector<SSimStoredBlock> m_Stored[5];          // index = partition type 1 to 4
    QStringList m_Violations;
    int m_nActive = 1;
    quint8 m_nPacketFlags = 0;
    quint8 m_nLastCommand = 0;
    bool m_bImageOpen = false;
    bool m_bImageBad = false;
    int m_nImageType = 0;
    int m_nImageUserFlag = -1;                     // -1 until the first chunk
    quint8 m_nImageMain = 0;
    quint8 m_nImageSub = 0;
    bool m_bPartitionOpen = false;
    SOpenPartition m_Open;
};

#endif // SIMBOOTLOADER_H
