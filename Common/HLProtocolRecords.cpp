#include "HLProtocolRecords.h"

#include "LittleEndian.h"

// Each record's layout is an enumeration of chained offsets: a field starts
// where the previous one ends, and the end must be the record's size. The
// encoder and the decoder use only these offsets.

namespace {

const SHLP_MessageInfo kMessages[] = {
    // request, name, request size, answer, answer size (100, 70), several packets, no ack
    { MSG_IdentRequest, "ident request", 1, MSG_IdentData, 39, 39, false, false },
    { MSG_SetSerialNumber, "set serial number", 39, 0, 0, 0, false, false },
    { MSG_FlashImageBegin, "flash image begin", 1, 0, 0, 0, false, false },
    { MSG_FlashImageEnd, "flash image end", 1, 0, 0, 0, false, false },
    { MSG_SwapBootloaders, "swap boot loaders", 1, MSG_SwapBootloadersAnswer, -1, -1, false, false },
    { MSG_FlashPartitionStart, "flash partition start", 16, 0, 0, 0, false, false },
    { MSG_FlashData, "flash data", 200, 0, 0, 0, false, false },
    { MSG_FlashPartitionEnd, "flash partition end", 1, 0, 0, 0, false, false },
    { MSG_ReportPartitionTable, "report partition table", 1, -1, 120, 120, true, false },
    { MSG_ReportMemory, "report memory", 9, MSG_ReportMemory, -1, -1, false, false },
    { MSG_PersCounters, "persistent counters", 1, MSG_PersCounters, 37, 37, true, false },
    { MSG_GetTimer, "get timer", 1, MSG_GetTimer, 8, 8, false, false },
    { MSG_GetPrimLog, "primary log", 1, MSG_GetPrimLog, 186, 200, true, false },
    { MSG_SetSimulationValues, "set simulation values", 22, 0, 0, 0, false, false },
    { MSG_StartApplication, "start application", 1, 0, 0, 0, false, true },
    { MSG_SetStartupMode, "set startup mode", 2, 0, 0, 0, false, false },
    { MSG_CurrentState, "current state", 1, MSG_CurrentState, 28, 30, false, false },
    { MSG_ReportSecLog, "secondary log", 166, MSG_ReportSecLog, 166, 166, true, false },
    { MSG_EraseSecLog, "erase secondary log", 2, 0, 0, 0, false, false },
    { MSG_CalcAveSenVal, "calculate average sensor values", 1, 0, 0, 0, false, false },
    { MSG_CheckSecLog, "check secondary log", 3, MSG_CheckSecLog, 3, 3, false, false },
    { MSG_GetSecLogCnt, "secondary log count", 20, MSG_GetSecLogCnt, 20, 20, false, false },
    { MSG_VentInfo, "vent info", 1, MSG_VentInfo, 146, 0, false, false },
    { MSG_WifiData, "wifi data", 1, MSG_WifiData, 170, 0, false, false },
    { MSG_ReadWriteSinglePersCounter, "single persistent counter", 7, MSG_ReadWriteSinglePersCounter, 7, 7, false, false },
    { MSG_MoveVent, "move vent", 3, 0, 0, 0, false, false },
    { MSG_SetNetworkCredentials, "set network credentials", 200, 0, 0, 0, false, false },
};

// SHLP_IdentData
enum : int {
    ID_MsgId = 0, ID_SerialNr = ID_MsgId + 1, ID_Reserved5 = ID_SerialNr + 4,
    ID_BoardVersion = ID_Reserved5 + 1, ID_RunningSystem = ID_BoardVersion + 1,
    ID_VersionFlag = ID_RunningSystem + 1, ID_BootMajor = ID_VersionFlag + 1,
    ID_BootMinor = ID_BootMajor + 1, ID_AppMajor = ID_BootMinor + 1, ID_AppMinor = ID_AppMajor + 1,
    ID_FamilyWord = ID_AppMinor + 1, ID_Reserved = ID_FamilyWord + 2, ID_End = ID_Reserved + 24
};
static_assert(ID_BootMajor == 9 && ID_AppMajor == 11 && ID_FamilyWord == 13, "versions at bytes 9 to 13");
static_assert(ID_End == SHLP_IdentData::Size, "SHLP_IdentData layout");

// SHLP_ReportMemory
enum : int { RM_MsgId = 0, RM_Start = RM_MsgId + 1, RM_Length = RM_Start + 4, RM_End = RM_Length + 4 };
static_assert(RM_End == SHLP_ReportMemory::Size, "SHLP_ReportMemory layout");

// SHLP_PersCounters
enum : int { PC_MsgId = 0, PC_Remaining = PC_MsgId + 1, PC_Values = PC_Remaining + 4,
             PC_End = PC_Values + 4 * SHLP_PersCounters::ValueCount };
static_assert(PC_End == SHLP_PersCounters::Size, "SHLP_PersCounters layout");

// SHLP_GetTimer
enum : int { TI_MsgId = 0, TI_Ms = TI_MsgId + 1, TI_Sec = TI_Ms + 2, TI_Min = TI_Sec + 1,
             TI_Hour = TI_Min + 1, TI_Days = TI_Hour + 1, TI_End = TI_Days + 2 };
static_assert(TI_End == SHLP_GetTimer::Size, "SHLP_GetTimer layout");

// SHLP_SetSimulationValues and _70
enum : int { SV_MsgId = 0, SV_Comfort = SV_MsgId + 1, SV_DIP = SV_Comfort + 1, SV_Byte3 = SV_DIP + 1,
             SV_Byte4 = SV_Byte3 + 1, SV_Byte5 = SV_Byte4 + 1, SV_Values = SV_Byte5 + 1 };
static_assert(SV_Values + 2 * SHLP_SetSimulationValues::ValueCount == SHLP_SetSimulationValues::Size,
              "SHLP_SetSimulationValues layout");
static_assert(SV_Values + 2 * SHLP_SetSimulationValues_70::ValueCount == SHLP_SetSimulationValues_70::Size,
              "SHLP_SetSimulationValues_70 layout");

// SHLP_ReportSecLog
enum : int { RS_MsgId = 0, RS_Span = RS_MsgId + 1, RS_Start = RS_Span + 1, RS_Count = RS_Start + 2,
             RS_Entries = RS_Count + 2,
             RS_End = RS_Entries + SHLP_ReportSecLog::EntryCount * SHLP_ReportSecLog::EntrySize };
static_assert(RS_End == SHLP_ReportSecLog::Size, "SHLP_ReportSecLog layout");

// SHLP_EraseSecLog, SHLP_CheckSecLog
enum : int { ES_MsgId = 0, ES_Span = ES_MsgId + 1, ES_End = ES_Span + 1 };
static_assert(ES_End == SHLP_EraseSecLog::Size, "SHLP_EraseSecLog layout");
enum : int { CS_MsgId = 0, CS_Span = CS_MsgId + 1, CS_Result = CS_Span + 1, CS_End = CS_Result + 1 };
static_assert(CS_End == SHLP_CheckSecLog::Size, "SHLP_CheckSecLog layout");

// SHLP_GetSecLogCnt
enum : int { SC_MsgId = 0, SC_Reserved = SC_MsgId + 1, SC_Capacity = SC_Reserved + 1,
             SC_Count = SC_Capacity + 2 * SHLP_GetSecLogCnt::SpanCount,
             SC_Oldest = SC_Count + 2 * SHLP_GetSecLogCnt::SpanCount,
             SC_End = SC_Oldest + 2 * SHLP_GetSecLogCnt::SpanCount };
static_assert(SC_End == SHLP_GetSecLogCnt::Size, "SHLP_GetSecLogCnt layout");

// SHLP_WifiData
enum : int { WD_MsgId = 0, WD_Status = WD_MsgId + 1, WD_Signal = WD_Status + 1, WD_Rest = WD_Signal + 1,
             WD_End = WD_Rest + int(std::tuple_size<decltype(SHLP_WifiData::m_Rest)>::value) };
static_assert(WD_End == SHLP_WifiData::Size, "SHLP_WifiData layout");

// SHLP_ReadWriteSinglePersCounter
enum : int { RW_MsgId = 0, RW_Id = RW_MsgId + 1, RW_Action = RW_Id + 1, RW_Value = RW_Action + 1,
             RW_End = RW_Value + 4 };
static_assert(RW_End == SHLP_ReadWriteSinglePersCounter::Size, "SHLP_ReadWriteSinglePersCounter layout");

// SHLP_MoveVent
enum : int { MV_MsgId = 0, MV_Vent = MV_MsgId + 1, MV_Command = MV_Vent + 1, MV_End = MV_Command + 1 };
static_assert(MV_End == SHLP_MoveVent::Size, "SHLP_MoveVent layout");

// SHLP_SetNetworkCredentials
using SNC = SHLP_SetNetworkCredentials;
enum : int {
    NC_MsgId = 0, NC_Zero = NC_MsgId + 1, NC_Name = NC_Zero + 1, NC_Password = NC_Name + SNC::NameSize,
    NC_Key = NC_Password + SNC::PasswordSize, NC_CredType = NC_Key + SNC::KeySize,
    NC_Ip = NC_CredType + 1, NC_UnitName = NC_Ip + 4, NC_Email1 = NC_UnitName + SNC::UnitNameSize,
    NC_Email2 = NC_Email1 + SNC::EmailSize, NC_End = NC_Email2 + SNC::EmailSize
};
static_assert(NC_Key == 52 && NC_CredType == 72 && NC_UnitName == 77 && NC_Email2 == 151,
              "credential fields at their wire offsets");
static_assert(NC_End == SNC::Size, "SHLP_SetNetworkCredentials layout");

int latin1Length(const QString& text) { return text.toLatin1().size(); }

} // namespace

const SHLP_MessageInfo* hlpMessageInfo(int nRequest)
{
    for (const SHLP_MessageInfo& info : kMessages)
        if (info.nRequest == nRequest)
            return &info;
    return nullptr;
}

// --- SHLP_IdentData ---------------------------------------------------------

SHLP_IdentData SHLP_IdentData::serialNumberRecord(uint32_t nSerialNr)
{
    SHLP_IdentData record;
    record.m_MsgId = MSG_SetSerialNumber;
    record.m_SerialNr = nSerialNr;
    return record;
}

void SHLP_IdentData::encode(uint8_t* p) const
{
    LE::put8(p + ID_MsgId, m_MsgId);
    LE::put32(p + ID_SerialNr, m_SerialNr);
    LE::put8(p + ID_Reserved5, m_Reserved5);
    LE::put8(p + ID_BoardVersion, m_BoardVersion);
    LE::put8(p + ID_RunningSystem, m_RunningSystem);
    LE::put8(p + ID_VersionFlag, m_VersionFlag);
    LE::put8(p + ID_BootMajor, m_BootVersionMajor);
    LE::put8(p + ID_BootMinor, m_BootVersionMinor);
    LE::put8(p + ID_AppMajor, m_AppVersionMajor);
    LE::put8(p + ID_AppMinor, m_AppVersionMinor);
    const uint16_t word = uint16_t((m_Family70 ? 1u : 0u)
                                   | ((m_WifiVersionMajor & 0x1Fu) << 1)
                                   | ((m_WifiVersionMinor & 0x7Fu) << 6)
                                   | ((m_WifiReserved & 0x07u) << 13));
    LE::put16(p + ID_FamilyWord, word);
    for (int i = 0; i < int(m_Reserved.size()); ++i)
        LE::put8(p + ID_Reserved + i, m_Reserved[size_t(i)]);
}

void SHLP_IdentData::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + ID_MsgId);
    m_SerialNr = LE::get32(p + ID_SerialNr);
    m_Reserved5 = LE::get8(p + ID_Reserved5);
    m_BoardVersion = LE::get8(p + ID_BoardVersion);
    m_RunningSystem = LE::get8(p + ID_RunningSystem);
    m_VersionFlag = LE::get8(p + ID_VersionFlag);
    m_BootVersionMajor = LE::get8(p + ID_BootMajor);
    m_BootVersionMinor = LE::get8(p + ID_BootMinor);
    m_AppVersionMajor = LE::get8(p + ID_AppMajor);
    m_AppVersionMinor = LE::get8(p + ID_AppMinor);
    const uint16_t word = LE::get16(p + ID_FamilyWord);
    m_Family70 = (word & 1u) != 0;
    m_WifiVersionMajor = uint8_t((word >> 1) & 0x1Fu);
    m_WifiVersionMinor = uint8_t((word >> 6) & 0x7Fu);
    m_WifiReserved = uint8_t((word >> 13) & 0x07u);
    for (int i = 0; i < int(m_Reserved.size()); ++i)
        m_Reserved[size_t(i)] = LE::get8(p + ID_Reserved + i);
}

// --- SHLP_ReportMemory ------------------------------------------------------

void SHLP_ReportMemory::encode(uint8_t* p) const
{
    LE::put8(p + RM_MsgId, m_MsgId);
    LE::put32(p + RM_Start, uint32_t(m_StartAddress));
    LE::put32(p + RM_Length, uint32_t(m_Length));
}

void SHLP_ReportMemory::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + RM_MsgId);
    m_StartAddress = LE::getS32(p + RM_Start);
    m_Length = LE::getS32(p + RM_Length);
}

// --- SHLP_PersCounters ------------------------------------------------------

void SHLP_PersCounters::encode(uint8_t* p) const
{
    LE::put8(p + PC_MsgId, m_MsgId);
    LE::put32(p + PC_Remaining, m_Remaining);
    for (int i = 0; i < ValueCount; ++i)
        LE::put32(p + PC_Values + 4 * i, m_Values[size_t(i)]);
}

void SHLP_PersCounters::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + PC_MsgId);
    m_Remaining = LE::get32(p + PC_Remaining);
    for (int i = 0; i < ValueCount; ++i)
        m_Values[size_t(i)] = LE::get32(p + PC_Values + 4 * i);
}

// --- SHLP_GetTimer ----------------------------------------------------------

void SHLP_GetTimer::encode(uint8_t* p) const
{
    LE::put8(p + TI_MsgId, m_MsgId);
    LE::put16(p + TI_Ms, m_Milliseconds);
    LE::put8(p + TI_Sec, m_Seconds);
    LE::put8(p + TI_Min, m_Minutes);
    LE::put8(p + TI_Hour, m_Hours);
    LE::put16(p + TI_Days, m_Days);
}

void SHLP_GetTimer::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + TI_MsgId);
    m_Milliseconds = LE::get16(p + TI_Ms);
    m_Seconds = LE::get8(p + TI_Sec);
    m_Minutes = LE::get8(p + TI_Min);
    m_Hours = LE::get8(p + TI_Hour);
    m_Days = LE::get16(p + TI_Days);
}

// --- SHLP_SetSimulationValues -----------------------------------------------

void SHLP_SetSimulationValues::encode(uint8_t* p) const
{
    LE::put8(p + SV_MsgId, m_MsgId);
    LE::put8(p + SV_Comfort, m_ComfortLevel);
    LE::put8(p + SV_DIP, m_DIPSwitch);
    LE::put8(p + SV_Byte3, m_Flag);
    LE::put8(p + SV_Byte4, m_Byte4);
    LE::put8(p + SV_Byte5, m_Byte5);
    for (int i = 0; i < ValueCount; ++i)
        LE::put16(p + SV_Values + 2 * i, m_Values[size_t(i)]);
}

void SHLP_SetSimulationValues::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + SV_MsgId);
    m_ComfortLevel = LE::get8(p + SV_Comfort);
    m_DIPSwitch = LE::get8(p + SV_DIP);
    m_Flag = LE::get8(p + SV_Byte3);
    m_Byte4 = LE::get8(p + SV_Byte4);
    m_Byte5 = LE::get8(p + SV_Byte5);
    for (int i = 0; i < ValueCount; ++i)
        m_Values[size_t(i)] = LE::get16(p + SV_Values + 2 * i);
}

void SHLP_SetSimulationValues_70::encode(uint8_t* p) const
{
    LE::put8(p + SV_MsgId, m_MsgId);
    LE::put8(p + SV_Comfort, m_ComfortLevel);
    LE::put8(p + SV_DIP, m_DIPSwitch);
    LE::put8(p + SV_Byte3, m_Setting3);
    LE::put8(p + SV_Byte4, m_Setting4);
    LE::put8(p + SV_Byte5, m_Reserved5);
    for (int i = 0; i < ValueCount; ++i)
        LE::put16(p + SV_Values + 2 * i, m_Values[size_t(i)]);
}

void SHLP_SetSimulationValues_70::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + SV_MsgId);
    m_ComfortLevel = LE::get8(p + SV_Comfort);
    m_DIPSwitch = LE::get8(p + SV_DIP);
    m_Setting3 = LE::get8(p + SV_Byte3);
    m_Setting4 = LE::get8(p + SV_Byte4);
    m_Reserved5 = LE::get8(p + SV_Byte5);
    for (int i = 0; i < ValueCount; ++i)
        m_Values[size_t(i)] = LE::get16(p + SV_Values + 2 * i);
}

// --- SHLP_ReportSecLog ------------------------------------------------------

SHLP_ReportSecLog SHLP_ReportSecLog::request(uint8_t nTimeSpan, uint16_t nStartIndex, uint16_t nCount)
{
    SHLP_ReportSecLog record;
    record.m_TimeSpan = nTimeSpan;
    record.m_StartIndex = nStartIndex;
    record.m_Count = nCount;
    return record;
}

void SHLP_ReportSecLog::encode(uint8_t* p) const
{
    LE::put8(p + RS_MsgId, m_MsgId);
    LE::put8(p + RS_Span, m_TimeSpan);
    LE::put16(p + RS_Start, m_StartIndex);
    LE::put16(p + RS_Count, m_Count);
    for (int e = 0; e < EntryCount; ++e)
        for (int i = 0; i < EntrySize; ++i)
            LE::put8(p + RS_Entries + e * EntrySize + i, m_Entries[size_t(e)][size_t(i)]);
}

void SHLP_ReportSecLog::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + RS_MsgId);
    m_TimeSpan = LE::get8(p + RS_Span);
    m_StartIndex = LE::get16(p + RS_Start);
    m_Count = LE::get16(p + RS_Count);
    for (int e = 0; e < EntryCount; ++e)
        for (int i = 0; i < EntrySize; ++i)
            m_Entries[size_t(e)][size_t(i)] = LE::get8(p + RS_Entries + e * EntrySize + i);
}

// --- SHLP_EraseSecLog, SHLP_CheckSecLog -------------------------------------

void SHLP_EraseSecLog::encode(uint8_t* p) const
{
    LE::put8(p + ES_MsgId, m_MsgId);
    LE::put8(p + ES_Span, m_TimeSpan);
}

void SHLP_EraseSecLog::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + ES_MsgId);
    m_TimeSpan = LE::get8(p + ES_Span);
}

void SHLP_CheckSecLog::encode(uint8_t* p) const
{
    LE::put8(p + CS_MsgId, m_MsgId);
    LE::put8(p + CS_Span, m_TimeSpan);
    LE::put8(p + CS_Result, m_Result);
}

void SHLP_CheckSecLog::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + CS_MsgId);
    m_TimeSpan = LE::get8(p + CS_Span);
    m_Result = LE::get8(p + CS_Result);
}

// --- SHLP_GetSecLogCnt ------------------------------------------------------

void SHLP_GetSecLogCnt::encode(uint8_t* p) const
{
    LE::put8(p + SC_MsgId, m_MsgId);
    LE::put8(p + SC_Reserved, m_Reserved);
    for (int t = 0; t < SpanCount; ++t) {
        LE::put16(p + SC_Capacity + 2 * t, m_Capacity[size_t(t)]);
        LE::put16(p + SC_Count + 2 * t, m_Count[size_t(t)]);
        LE::put16(p + SC_Oldest + 2 * t, m_Oldest[size_t(t)]);
    }
}

void SHLP_GetSecLogCnt::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + SC_MsgId);
    m_Reserved = LE::get8(p + SC_Reserved);
    for (int t = 0; t < SpanCount; ++t) {
        m_Capacity[size_t(t)] = LE::get16(p + SC_Capacity + 2 * t);
        m_Count[size_t(t)] = LE::get16(p + SC_Count + 2 * t);
        m_Oldest[size_t(t)] = LE::get16(p + SC_Oldest + 2 * t);
    }
}

// --- SHLP_WifiData ----------------------------------------------------------

void SHLP_WifiData::encode(uint8_t* p) const
{
    LE::put8(p + WD_MsgId, m_MsgId);
    LE::put8(p + WD_Status, m_Status);
    LE::put8(p + WD_Signal, uint8_t(m_Signal));
    for (int i = 0; i < int(m_Rest.size()); ++i)
        LE::put8(p + WD_Rest + i, m_Rest[size_t(i)]);
}

void SHLP_WifiData::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + WD_MsgId);
    m_Status = LE::get8(p + WD_Status);
    m_Signal = LE::getS8(p + WD_Signal);
    for (int i = 0; i < int(m_Rest.size()); ++i)
        m_Rest[size_t(i)] = LE::get8(p + WD_Rest + i);
}

// --- SHLP_ReadWriteSinglePersCounter ----------------------------------------

SHLP_ReadWriteSinglePersCounter SHLP_ReadWriteSinglePersCounter::readRequest(uint8_t nCounterId)
{
    SHLP_ReadWriteSinglePersCounter record;
    record.m_CounterId = nCounterId;
    record.m_Action = ERead;
    record.m_Value = 0xFFFFFFFFu;
    return record;
}

SHLP_ReadWriteSinglePersCounter SHLP_ReadWriteSinglePersCounter::writeRequest(uint8_t nCounterId,
                                                                              uint32_t nValue)
{
    SHLP_ReadWriteSinglePersCounter record;
    record.m_CounterId = nCounterId;
    record.m_Action = EWrite;
    record.m_Value = nValue;
    return record;
}

void SHLP_ReadWriteSinglePersCounter::encode(uint8_t* p) const
{
    LE::put8(p + RW_MsgId, m_MsgId);
    LE::put8(p + RW_Id, m_CounterId);
    LE::put8(p + RW_Action, m_Action);
    LE::put32(p + RW_Value, m_Value);
}

void SHLP_ReadWriteSinglePersCounter::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + RW_MsgId);
    m_CounterId = LE::get8(p + RW_Id);
    m_Action = LE::get8(p + RW_Action);
    m_Value = LE::get32(p + RW_Value);
}

// --- SHLP_MoveVent ----------------------------------------------------------

void SHLP_MoveVent::encode(uint8_t* p) const
{
    LE::put8(p + MV_MsgId, m_MsgId);
    LE::put8(p + MV_Vent, m_Vent);
    LE::put8(p + MV_Command, m_Command);
}

void SHLP_MoveVent::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + MV_MsgId);
    m_Vent = LE::get8(p + MV_Vent);
    m_Command = LE::get8(p + MV_Command);
}

// --- SHLP_SetNetworkCredentials ---------------------------------------------

bool SHLP_SetNetworkCredentials::textsFit() const
{
    return latin1Length(m_NetworkName) <= NameSize && latin1Length(m_Password) <= PasswordSize
        && latin1Length(m_Key) <= KeySize && latin1Length(m_UnitName) <= UnitNameSize
        && latin1Length(m_Email1) <= EmailSize && latin1Length(m_Email2) <= EmailSize;
}

void SHLP_SetNetworkCredentials::encode(uint8_t* p) const
{
    LE::put8(p + NC_MsgId, m_MsgId);
    LE::put8(p + NC_Zero, 0);
    LE::putText(p + NC_Name, NameSize, m_NetworkName);
    LE::putText(p + NC_Password, PasswordSize, m_Password);
    LE::putText(p + NC_Key, KeySize, m_Key);
    LE::put8(p + NC_CredType, m_CredType);
    for (int i = 0; i < 4; ++i)
        LE::put8(p + NC_Ip + i, m_Ip[size_t(i)]);
    LE::putText(p + NC_UnitName, UnitNameSize, m_UnitName);
    LE::putText(p + NC_Email1, EmailSize, m_Email1);
    LE::putText(p + NC_Email2, EmailSize, m_Email2);
}

void SHLP_SetNetworkCredentials::decodeFrom(const uint8_t* p)
{
    m_MsgId = LE::get8(p + NC_MsgId);
    m_NetworkName = LE::getText(p + NC_Name, NameSize);
    m_Password = LE::getText(p + NC_Password, PasswordSize);
    m_Key = LE::getText(p + NC_Key, KeySize);
    m_CredType = LE::get8(p + NC_CredType);
    for (int i = 0; i < 4; ++i)
        m_Ip[size_t(i)] = LE::get8(p + NC_Ip + i);
    m_UnitName = LE::getText(p + NC_UnitName, UnitNameSize);
    m_Email1 = LE::getText(p + NC_Email1, EmailSize);
    m_Email2 = LE::getText(p + NC_Email2, EmailSize);
}
