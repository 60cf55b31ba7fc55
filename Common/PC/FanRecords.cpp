#include "PC/FanRecords.h"

#include "LittleEndian.h"

namespace {

enum : int { CS_MsgId = 0, CS_Reserved = CS_MsgId + 1, CS_Entry = CS_Reserved + 1,
             CS_End = CS_Entry + SPrimLogEntry::Size };
static_assert(CS_End == SHLP_CurrentState::Size, "SHLP_CurrentState layout");

enum : int { PL_MsgId = 0, PL_Reserved = PL_MsgId + 1, PL_Remaining = PL_Reserved + 1,
             PL_Entries = PL_Remaining + 2,
             PL_End = PL_Entries + SHLP_GetPrimLog::EntryCount * SPrimLogEntry::Size };
static_assert(PL_End == SHLP_GetPrimLog::Size, "SHLP_GetPrimLog layout");

enum : int { VI_MsgId = 0, VI_Reserved = VI_MsgId + 1, VI_Vents = VI_Reserved + 1,
             VI_End = VI_Vents + CVents::V_Count * CVents::SVentInfo::Size };
static_assert(VI_End == SHLP_VentInfo::Size, "SHLP_VentInfo layout");

} // namespace

void SHLP_CurrentState::encode(uint8_t* p) const
{
    LE::put8(p + CS_MsgId, m_MsgId);
    LE::put8(p + CS_Reserved, m_Reserved);
    m_Entry.encode(p + CS_Entry);
}

void SHLP_CurrentState::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + CS_MsgId);
    m_Reserved = LE::get8(p + CS_Reserved);
    m_Entry.decode(p + CS_Entry, SPrimLogEntry::Size);
}

void SHLP_GetPrimLog::encode(uint8_t* p) const
{
    LE::put8(p + PL_MsgId, m_MsgId);
    LE::put8(p + PL_Reserved, m_Reserved);
    LE::put16(p + PL_Remaining, m_Remaining);
    for (int i = 0; i < EntryCount; ++i)
        m_Entries[size_t(i)].encode(p + PL_Entries + i * SPrimLogEntry::Size);
}

void SHLP_GetPrimLog::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + PL_MsgId);
    m_Reserved = LE::get8(p + PL_Reserved);
    m_Remaining = LE::get16(p + PL_Remaining);
    for (int i = 0; i < EntryCount; ++i)
        m_Entries[size_t(i)].decode(p + PL_Entries + i * SPrimLogEntry::Size, SPrimLogEntry::Size);
}

void SHLP_VentInfo::encode(uint8_t* p) const
{
    LE::put8(p + VI_MsgId, m_MsgId);
    LE::put8(p + VI_Reserved, m_Reserved);
    for (int i = 0; i < CVents::V_Count; ++i)
        m_Vents[size_t(i)].encode(p + VI_Vents + i * CVents::SVentInfo::Size);
}

void SHLP_VentInfo::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + VI_MsgId);
    m_Reserved = LE::get8(p + VI_Reserved);
    for (int i = 0; i < CVents::V_Count; ++i)
        m_Vents[size_t(i)].decode(p + VI_Vents + i * CVents::SVentInfo::Size, CVents::SVentInfo::Size);
}
