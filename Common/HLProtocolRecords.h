#ifndef HLPROTOCOLRECORDS_H
#define HLPROTOCOLRECORDS_H

// The command records that travel in the data part of type-1 link packets.
// Byte 0 of every record is its message number; the rest is packed and
// little-endian. Each record is a plain struct whose encode() writes exactly
// Size bytes (every byte without a value is zero) and whose decode() refuses a
// buffer shorter than Size. Whether an answer has exactly the record's length
// is the receiving operation's check, not the record's.
// The records that carry log entries of a device family live in PC/FanRecords.h
// and PC/FanRecords_70.h.

#include "WireRecord.h"

#include <QString>
#include <array>
#include <cstdint>

// Message numbers (byte 0 of a command and of its answer).
enum EHLPMessage : uint8_t {
    MSG_IdentRequest = 1,
    MSG_IdentData = 2,               // answer to 1
    MSG_SetSerialNumber = 3,
    MSG_FlashImageBegin = 4,         // 4 to 11, 17 and 18: boot-loader transfer
    MSG_FlashImageEnd = 5,
    MSG_SwapBootloaders = 6,
    MSG_FlashPartitionStart = 7,
    MSG_FlashData = 8,
    MSG_FlashPartitionEnd = 9,
    MSG_SwapBootloadersAnswer = 10,  // answer to 6
    MSG_ReportPartitionTable = 11,
    MSG_ReportMemory = 12,
    MSG_PersCounters = 13,
    MSG_GetTimer = 14,
    MSG_GetPrimLog = 15,
    MSG_SetSimulationValues = 16,
    MSG_StartApplication = 17,       // sent without waiting for an acknowledgement
    MSG_SetStartupMode = 18,
    MSG_CurrentState = 19,
    MSG_ReportSecLog = 20,
    MSG_EraseSecLog = 21,
    MSG_CalcAveSenVal = 22,
    MSG_CheckSecLog = 23,
    MSG_GetSecLogCnt = 24,
    MSG_VentInfo = 25,
    MSG_WifiData = 26,
    MSG_ReadWriteSinglePersCounter = 27,
    MSG_MoveVent = 28,
    MSG_SetNetworkCredentials = 29
};

// Packet identifier of a type-1 answer with message number nMsg.
constexpr uint16_t hlpAnswerId(int nMsg) { return uint16_t(0x0100 + nMsg); }

// One request the unit understands: its size and what comes back.
struct SHLP_MessageInfo
{
    int nRequest;         // message number of the request
    const char* pszName;  // for debug lines
    int nRequestSize;     // bytes of the request
    int nAnswer;          // message number of the answer; 0 = acknowledgement only, -1 = unnumbered
    int nAnswerSize;      // bytes of one answer packet, 100 family; -1 = variable, 0 = none
    int nAnswerSize70;    // the same for the 70 family
    bool bMultiPacket;    // the answer may span several packets (remaining count)
    bool bNoAck;          // the request is sent without waiting for an acknowledgement
};

// The row of a request number; nullptr for numbers that are not requests (2, 10, others).
const SHLP_MessageInfo* hlpMessageInfo(int nRequest);

// 1 -> 2 answer, 3 request (39 bytes). Unit identity and versions.
struct SHLP_IdentData : SWireRecord<SHLP_IdentData, 39>
{
    uint8_t m_MsgId = MSG_IdentData;
    uint32_t m_SerialNr = 0;          // 0 = none assigned
    uint8_t m_Reserved5 = 0;
    uint8_t m_BoardVersion = 0;
    uint8_t m_RunningSystem = 0;      // 1, 2 or 3 (3 = application)
    uint8_t m_VersionFlag = 0;
    uint8_t m_BootVersionMajor = 0;
    uint8_t m_BootVersionMinor = 0;
    uint8_t m_AppVersionMajor = 0;
    uint8_t m_AppVersionMinor = 0;
    bool m_Family70 = false;          // word 13 bit 0
    uint8_t m_WifiVersionMajor = 0;   // word 13 bits 1-5
    uint8_t m_WifiVersionMinor = 0;   // word 13 bits 6-12
    uint8_t m_WifiReserved = 0;       // word 13 bits 13-15, carried
    std::array<uint8_t, 24> m_Reserved {}; // bytes 15-38, carried

    // The message-3 record: all zero but the message number and the serial number.
    static SHLP_IdentData serialNumberRecord(uint32_t nSerialNr);

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_IdentData, 39>;
    void decodeFrom(const uint8_t* p);
};

// 12 request (9 bytes). The answer is byte 12 followed by the memory bytes.
struct SHLP_ReportMemory : SWireRecord<SHLP_ReportMemory, 9>
{
    uint8_t m_MsgId = MSG_ReportMemory;
    int32_t m_StartAddress = 0;
    int32_t m_Length = 0;

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_ReportMemory, 9>;
    void decodeFrom(const uint8_t* p);
};

// 13 answer (37 bytes), one of several packets.
struct SHLP_PersCounters : SWireRecord<SHLP_PersCounters, 37>
{
    static constexpr int ValueCount = 8;
    uint8_t m_MsgId = MSG_PersCounters;
    uint32_t m_Remaining = 0;         // counters still to come, this packet's included
    std::array<uint32_t, ValueCount> m_Values {};

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_PersCounters, 37>;
    void decodeFrom(const uint8_t* p);
};

// 14 answer (8 bytes): the unit's running time.
struct SHLP_GetTimer : SWireRecord<SHLP_GetTimer, 8>
{
    uint8_t m_MsgId = MSG_GetTimer;
    uint16_t m_Milliseconds = 0;
    uint8_t m_Seconds = 0;
    uint8_t m_Minutes = 0;
    uint8_t m_Hours = 0;
    uint16_t m_Days = 0;

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_GetTimer, 8>;
    void decodeFrom(const uint8_t* p);
};

// 16 request, 100 family (22 bytes): simulated sensor values for the test panel.
struct SHLP_SetSimulationValues : SWireRecord<SHLP_SetSimulationValues, 22>
{
    static constexpr int ValueCount = 8;
    uint8_t m_MsgId = MSG_SetSimulationValues;
    uint8_t m_ComfortLevel = 0;       // comfort level minus 1
    uint8_t m_DIPSwitch = 0;          // encoded as byte 20 of SPrimLogEntry
    uint8_t m_Flag = 0;               // humidity reduction
    uint8_t m_Byte4 = 0;
    uint8_t m_Byte5 = 0;
    std::array<uint16_t, ValueCount> m_Values {}; // temperatures as degC x 8 (two's complement)

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_SetSimulationValues, 22>;
    void decodeFrom(const uint8_t* p);
};

// 16 request, 70 family (30 bytes).
struct SHLP_SetSimulationValues_70 : SWireRecord<SHLP_SetSimulationValues_70, 30>
{
    static constexpr int ValueCount = 12;
    uint8_t m_MsgId = MSG_SetSimulationValues;
    uint8_t m_ComfortLevel = 0;       // comfort level minus 1
    uint8_t m_DIPSwitch = 0;          // encoded as byte 22 of SPrimLogEntry_70
    uint8_t m_Setting3 = 0;
    uint8_t m_Setting4 = 0;
    uint8_t m_Reserved5 = 0;
    std::array<uint16_t, ValueCount> m_Values {};

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_SetSimulationValues_70, 30>;
    void decodeFrom(const uint8_t* p);
};

// 20 request and answer (166 bytes). The five entries are kept as their 32-byte
// images because their layout depends on the family (SSecLogEntry or SSecLogEntry_70).
struct SHLP_ReportSecLog : SWireRecord<SHLP_ReportSecLog, 166>
{
    static constexpr int EntryCount = 5;
    static constexpr int EntrySize = 32;
    uint8_t m_MsgId = MSG_ReportSecLog;
    uint8_t m_TimeSpan = 0;           // CLogging::EMaxTimeSpan / CLogging_70::EMaxTimeSpan
    uint16_t m_StartIndex = 0;        // request only
    uint16_t m_Count = 0;             // wanted (request) or remaining (answer)
    std::array<std::array<uint8_t, EntrySize>, EntryCount> m_Entries {}; // zero in the request

    static SHLP_ReportSecLog request(uint8_t nTimeSpan, uint16_t nStartIndex, uint16_t nCount);

    // Entry i (0-4) read as the family's record, e.g. entry<SSecLogEntry>(i);
    // a default record for an index outside the page.
    template <class TEntry>
    TEntry entry(int i) const
    {
        static_assert(TEntry::Size == EntrySize, "a secondary log entry has 32 bytes");
        TEntry result;
        if (i >= 0 && i < EntryCount)
            result.decode(m_Entries[size_t(i)].data(), EntrySize);
        return result;
    }
    // Stores the family's record as entry i (0-4); other indexes are ignored.
    template <class TEntry>
    void setEntry(int i, const TEntry& record)
    {
        static_assert(TEntry::Size == EntrySize, "a secondary log entry has 32 bytes");
        if (i >= 0 && i < EntryCount)
            record.encode(m_Entries[size_t(i)].data());
    }

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_ReportSecLog, 166>;
    void decodeFrom(const uint8_t* p);
};

// 21 request (2 bytes).
struct SHLP_EraseSecLog : SWireRecord<SHLP_EraseSecLog, 2>
{
    uint8_t m_MsgId = MSG_EraseSecLog;
    uint8_t m_TimeSpan = 0;

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_EraseSecLog, 2>;
    void decodeFrom(const uint8_t* p);
};

// 23 request and answer (3 bytes).
struct SHLP_CheckSecLog : SWireRecord<SHLP_CheckSecLog, 3>
{
    uint8_t m_MsgId = MSG_CheckSecLog;
    uint8_t m_TimeSpan = 0;
    uint8_t m_Result = 0;             // answer: 0 = intact, else the unit's error number

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_CheckSecLog, 3>;
    void decodeFrom(const uint8_t* p);
};

// 24 request and answer (20 bytes). Index t of each array is time span t.
struct SHLP_GetSecLogCnt : SWireRecord<SHLP_GetSecLogCnt, 20>
{
    static constexpr int SpanCount = 3;
    uint8_t m_MsgId = MSG_GetSecLogCnt;
    uint8_t m_Reserved = 0;
    std::array<uint16_t, SpanCount> m_Capacity {};
    std::array<uint16_t, SpanCount> m_Count {};
    std::array<uint16_t, SpanCount> m_Oldest {}; // ring index of the oldest entry

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_GetSecLogCnt, 20>;
    void decodeFrom(const uint8_t* p);
};

// 26 answer (170 bytes): WiFi module status and signal strength.
struct SHLP_WifiData : SWireRecord<SHLP_WifiData, 170>
{
    uint8_t m_MsgId = MSG_WifiData;
    uint8_t m_Status = 0;
    int8_t m_Signal = 0;
    std::array<uint8_t, 167> m_Rest {}; // bytes 3-169, carried

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_WifiData, 170>;
    void decodeFrom(const uint8_t* p);
};

// 27 request and answer (7 bytes): one persistent counter.
struct SHLP_ReadWriteSinglePersCounter : SWireRecord<SHLP_ReadWriteSinglePersCounter, 7>
{
    enum EAction : uint8_t { ERead = 0, EWrite = 1, EError = 2 };

    uint8_t m_MsgId = MSG_ReadWriteSinglePersCounter;
    uint8_t m_CounterId = 0;          // CPersCounter_ReadOnly::ECntID
    uint8_t m_Action = ERead;         // EAction; EError only in an answer
    uint32_t m_Value = 0;

    static SHLP_ReadWriteSinglePersCounter readRequest(uint8_t nCounterId);   // value 0xFFFFFFFF
    static SHLP_ReadWriteSinglePersCounter writeRequest(uint8_t nCounterId, uint32_t nValue);

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_ReadWriteSinglePersCounter, 7>;
    void decodeFrom(const uint8_t* p);
};

// 28 request (3 bytes).
struct SHLP_MoveVent : SWireRecord<SHLP_MoveVent, 3>
{
    uint8_t m_MsgId = MSG_MoveVent;
    uint8_t m_Vent = 0;               // 0 extract, 1 second room, 2 supply, 3 bypass
    uint8_t m_Command = 0;

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_MoveVent, 3>;
    void decodeFrom(const uint8_t* p);
};

// 29 request (200 bytes). Texts are Latin-1, zero-padded, no terminator when full.
struct SHLP_SetNetworkCredentials : SWireRecord<SHLP_SetNetworkCredentials, 200>
{
    static constexpr int NameSize = 25;
    static constexpr int PasswordSize = 25;
    static constexpr int KeySize = 20;
    static constexpr int UnitNameSize = 25;
    static constexpr int EmailSize = 49;

    uint8_t m_MsgId = MSG_SetNetworkCredentials;
    QString m_NetworkName;
    QString m_Password;
    QString m_Key;
    uint8_t m_CredType = 0;           // credential operation, as the WLAN tab passes it
    std::array<uint8_t, 4> m_Ip {};   // home controller IPv4, first octet first
    QString m_UnitName;
    QString m_Email1;
    QString m_Email2;

    // True when every text fits its field in Latin-1; encode() would cut the others.
    bool textsFit() const;

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_SetNetworkCredentials, 200>;
    void decodeFrom(const uint8_t* p);
};

#endif // HLPROTOCOLRECORDS_H
