#ifndef VENTS_H
#define VENTS_H

// Flap statistics of the 100 family (message 25). The unit reports one
// SVentInfo per flap, in the order of EVent. Unlabelled bytes are carried but
// not interpreted.

#include "BitField.h"

class CVents
{
public:
    // Flap numbers, also the flap byte of SHLP_MoveVent.
    enum EVent { V_Extract = 0, V_Bath = 1, V_Supply = 2, V_Bypass = 3, V_Count = 4 };

    struct SVentInfo : SBitRecord<SVentInfo, 36>
    {
        enum EField {
            F_SpeedSumOpen,      // bytes 12-15, speed sum while opening
            F_SpeedSumClose,     // bytes 16-19, speed sum while closing
            F_ShakeLooseCycles,  // b25 bits 0-3
            F_Stops,             // b25 bits 4-7
            F_RunTimeOpen,       // b27, quarter units
            F_RunTimeClose,      // b28, quarter units
            F_MaxIMean,          // bytes 32-33, maximum mean current
            F_End
        };

        uint32_t field(EField eField) const;
        void setField(EField eField, uint32_t nValue);

        uint32_t speedSumOpen() const { return field(F_SpeedSumOpen); }
        uint32_t speedSumClose() const { return field(F_SpeedSumClose); }
        int shakeLooseCycles() const { return int(field(F_ShakeLooseCycles)); }
        int stops() const { return int(field(F_Stops)); }
        int runTimeOpenQuarters() const { return int(field(F_RunTimeOpen)); }
        int runTimeCloseQuarters() const { return int(field(F_RunTimeClose)); }
        int maxIMean() const { return int(field(F_MaxIMean)); }
    };
};

#endif // VENTS_H
