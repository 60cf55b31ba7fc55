#include "PC/FanRecords_70.h"

#include "LittleEndian.h"

namespace {

enum : int { CS_MsgId = 0, CS_Reserved = CS_MsgId + 1, CS_Entry = CS_Reserved + 1,
             CS_End = CS_Entry + SPrimLogEntry_70::Size };
static_assert(CS_End == SHLP_CurrentState_70::Size, "SHLP_CurrentState_70 layout");

enum : int { PL_MsgId = 0, PL_Reserved = PL_MsgId + 1, PL_Remaining = PL_Reserved + 1,
             PL_Entries = PL_Remaining + 2,
             PL_End = PL_Entries + SHLP_GetPrimLog_70::EntryCount * SPrimLogEntry_70::Size };
static_assert(PL_End == SHLP_GetPrimLog_70::Size, "SHLP_GetPrimLog_70 layout");

} // namespace

void SHLP_CurrentState_70::encode(uint8_t* p) const
{
    LE::put8(p + CS_MsgId, m_MsgId);
    LE::put8(p + CS_Reserved, m_Reserved);
    m_Entry.encode(p + CS_Entry);
}

void SHLP_CurrentState_70::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + CS_MsgId);
    m_Reserved = LE::get8(p + CS_Reserved);
    m_Entry.decode(p + CS_Entry, SPrimLogEntry_70::Size);
}

void SHLP_GetPrimLog_70::encode(uint8_t* p) const
{
    LE::put8(p + PL_MsgId, m_MsgId);
    LE::put8(p + PL_Reserved, m_Reserved);
    LE::put16(p + PL_Remaining, m_Remaining);
    for (int i = 0; i < EntryCount; ++i)
        m_Entries[size_t(i)].encode(p + PL_Entries + i * SPrimLogEntry_70::Size);
}

void SHLP_GetPrimLog_70::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + PL_MsgId);
    m_Reserved = LE::get8(p + PL_Reserved);
    m_Remaining = LE::get16(p + PL_Remaining);
    for (int i = 0; i < EntryCount; ++i)
        m_Entries[size_t(i)].decode(p + PL_Entries + i * SPrimLogEntry_70::Size, SPrimLogEntry_70::Size);
}
