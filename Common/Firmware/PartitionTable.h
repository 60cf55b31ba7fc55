#ifndef PARTITIONTABLE_H
#define PARTITIONTABLE_H

// The unit's flash partitions as its boot loader reports them (command 11):
// 20 entries of 12 bytes, little-endian, sent as two packets of ten entries.
// The device object reads the table, the simulator writes it, the update
// dialog and the firmware images speak of partitions by EPartType.

#include "LittleEndian.h"

#include <QtGlobal>

class CPartitionTable
{
public:
    // Partition type of a partition in the unit and of a firmware image.
    enum EPartType {
        PT_BOOTLOADER1 = 1,
        PT_BOOTLOADER2 = 2,
        PT_APPLICATION = 3,
        PT_WIFI = 4,         // CC3200 WiFi module firmware
        PT_WIFI_BRIDGE = 5   // WiFi bridge firmware; uploaded into a partition of type 4
    };

    // Bits of SPartition::m_CrcFlags: the unit's own check of the partition and its mirror.
    enum ECrcFlag {
        CF_CRC16OK = 0x01,
        CF_CRC16KO = 0x02,
        CF_CRC16_MIROK = 0x04,
        CF_CRC16_MIRKO = 0x08
    };

    static constexpr int ENTRY_COUNT = 20;
    static constexpr int ENTRY_SIZE = 12;
    static constexpr int ENTRIES_PER_PACKET = 10;

    // One table entry. Bytes 10 and 11 mean nothing to the PC; they are kept
    // so that an entry survives reading and writing unchanged.
    struct SPartition {
        quint32 m_Start = 0;
        quint16 m_Size = 0;
        quint8 m_PartType = 0;
        quint8 m_MainVer = 0;
        quint8 m_SubVer = 0;
        quint8 m_CrcFlags = 0;
        quint16 m_Reserved = 0;

        // p points to ENTRY_SIZE readable bytes.
        static SPartition fromBytes(const uint8_t* p)
        {
            SPartition entry;
            entry.m_Start = LE::get32(p);
            entry.m_Size = LE::get16(p + 4);
            entry.m_PartType = LE::get8(p + 6);
            entry.m_MainVer = LE::get8(p + 7);
            entry.m_SubVer = LE::get8(p + 8);
            entry.m_CrcFlags = LE::get8(p + 9);
            entry.m_Reserved = LE::get16(p + 10);
            return entry;
        }

        // p points to ENTRY_SIZE writable bytes.
        void toBytes(uint8_t* p) const
        {
            LE::put32(p, m_Start);
            LE::put16(p + 4, m_Size);
            LE::put8(p + 6, m_PartType);
            LE::put8(p + 7, m_MainVer);
            LE::put8(p + 8, m_SubVer);
            LE::put8(p + 9, m_CrcFlags);
            LE::put16(p + 10, m_Reserved);
        }
    };
};

#endif // PARTITIONTABLE_H
