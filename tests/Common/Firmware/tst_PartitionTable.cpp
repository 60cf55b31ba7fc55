#include "Firmware/PartitionTable.h"

#include <QtTest>

class tst_PartitionTable : public QObject
{
    Q_OBJECT
private slots:
    void entryBytes();
};

// Start 0x00008800, size 0x77FE, application 2.25, CRC and mirror CRC good, bytes 10/11 0xBEEF.
static const QByteArray ENTRY("\x00\x88\x00\x00\xFE\x77\x03\x02\x19\x05\xEF\xBE", 12);

void tst_PartitionTable::entryBytes()
{
    const auto entry = CPartitionTable::SPartition::fromBytes(reinterpret_cast<const uint8_t*>(ENTRY.constData()));
    QCOMPARE(entry.m_Start, quint32(34816));
    QCOMPARE(entry.m_Size, quint16(0x77FE));
    QCOMPARE(int(entry.m_PartType), int(CPartitionTable::PT_APPLICATION));
    QCOMPARE(entry.m_MainVer, quint8(2));
    QCOMPARE(entry.m_SubVer, quint8(25));
    QCOMPARE(int(entry.m_CrcFlags), CPartitionTable::CF_CRC16OK | CPartitionTable::CF_CRC16_MIROK);

    QByteArray written(CPartitionTable::ENTRY_SIZE, '\x55');
    entry.toBytes(reinterpret_cast<uint8_t*>(written.data()));
    QCOMPARE(written, ENTRY);
}

QTEST_GUILESS_MAIN(tst_PartitionTable)
#include "tst_PartitionTable.moc"
