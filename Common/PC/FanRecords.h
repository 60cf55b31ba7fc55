#ifndef FANRECORDS_H
#define FANRECORDS_H

// The 100 family's answer records that carry log entries or flap statistics.
// Like the command records they encode exactly Size bytes and refuse to decode
// from a shorter buffer.

#include "HLProtocolRecords.h"
#include "PC/PrimLogEntry.h"
#include "PC/Vents.h"

#include <array>

// 19 answer (28 bytes): the current state as one primary log entry.
struct SHLP_CurrentState : SWireRecord<SHLP_CurrentState, 28>
{
    uint8_t m_MsgId = MSG_CurrentState;
    uint8_t m_Reserved = 0;
    SPrimLogEntry m_Entry;

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_CurrentState, 28>;
    void decodeFrom(const uint8_t* p);
};

// 15 answer (186 bytes), one of several packets: up to seven stored entries.
struct SHLP_GetPrimLog : SWireRecord<SHLP_GetPrimLog, 186>
{
    static constexpr int EntryCount = 7;
    uint8_t m_MsgId = MSG_GetPrimLog;
    uint8_t m_Reserved = 0;
    uint16_t m_Remaining = 0;         // entries still to come, this packet's included
    std::array<SPrimLogEntry, EntryCount> m_Entries {};

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_GetPrimLog, 186>;
    void decodeFrom(const uint8_t* p);
};

// 25 answer (146 bytes): flap statistics in the order of CVents::EVent.
struct SHLP_VentInfo : SWireRecord<SHLP_VentInfo, 146>
{
    uint8_t m_MsgId = MSG_VentInfo;
    uint8_t m_Reserved = 0;
    std::array<CVents::SVentInfo, CVents::V_Count> m_Vents {};

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_VentInfo, 146>;
    void decodeFrom(const uint8_t* p);
};

#endif // FANRECORDS_H
