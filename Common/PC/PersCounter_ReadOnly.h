#ifndef PERSCOUNTER_READONLY_H
#define PERSCOUNTER_READONLY_H

// The unit's persistent counters. A counter's identifier is its position in
// the list the unit reports (message 13) and the identifier of message 27.

#include <QString>
#include <cstdint>

class CPersCounter_ReadOnly
{
public:
    enum ECntID : uint8_t {
        CNT_FlashWriteCycles = 0,
        CNT_TotalOperatingHours = 1,
        CNT_FilterOperatingHours = 2,
        CNT_BootCycles = 3,
        CNT_ComfortLevel = 11,
        CNT_SysFilterOperatingHours = 12,
        CNT_IllegalInstruction = 30,
        CNT_StackOverflow = 31,
        CNT_WatchdogExpired = 32,
        CNT_PreviousSwVersion = 33,
        CNT_CurrentSwVersion = 34,
        CNT_SecLog15MinErased = 35,
        CNT_SecLog1DayErased = 36,
        CNT_SecLog30DaysErased = 37,
        CNT_SysAirPressureSensor = 38,
        CNT_DeIcingMinSwitchOffTemp = 39,  // 1 to 9: de-icing switched on
        CNT_DeIcingMinExhaustTemp = 40,
        CNT_FanCommunicationFCF = 44,
        CNT_SysFlapBypassSpeedOpen = 73
    };
    // Identifiers with a name: 0 to 73.
    static constexpr int NamedCount = 74;

    // The counter's name in the current language: English texts translated in
    // the context "CFanBase", the "System value" names from the text catalogue.
    // Empty for 45 to 49 and for identifiers outside 0 to 73.
    static QString name(int nId);
};

#endif // PERSCOUNTER_READONLY_H
