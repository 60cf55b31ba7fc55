#ifndef FANRECORDS_70_H
#define FANRECORDS_70_H

// The 70 family's answer records that carry log entries. Their sizes differ
// from the 100 family's (30 and 200 bytes), so an answer of the other family
// never fits.

#include "HLProtocolRecords.h"
#include "PC/PrimLogEntry_70.h"

#include <array>

// 19 answer (30 bytes): the current state as one primary log entry.
struct SHLP_CurrentState_70 : SWireRecord<SHLP_CurrentState_70, 30>
{
    uint8_t m_MsgId = MSG_CurrentState;
    uint8_t m_Reserved = 0;
    SPrimLogEntry_70 m_Entry;

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_CurrentState_70, 30>;
    void decodeFrom(const uint8_t* p);
};

// 15 answer (200 bytes), one of several packets: up to seven stored entries.
struct SHLP_GetPrimLog_70 : SWireRecord<SHLP_GetPrimLog_70, 200>
{
    static constexpr int EntryCount = 7;
    uint8_t m_MsgId = MSG_GetPrimLog;
    uint8_t m_Reserved = 0;
    uint16_t m_Remaining = 0;         // entries still to come, this packet's included
    std::array<SPrimLogEntry_70, EntryCount> m_Entries {};

    void encode(uint8_t* p) const;
private:
    friend struct SWireRecord<SHLP_GetPrimLog_70, 200>;
    void decodeFrom(const uint8_t* p);
};

#endif // FANRECORDS_70_H
