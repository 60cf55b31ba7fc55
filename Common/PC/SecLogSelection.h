#ifndef SECLOGSELECTION_H
#define SECLOGSELECTION_H

// Which entries of one secondary-log ring the debug report reads. The unit
// keeps each span's entries in a ring of `capacity` slots; `oldest` is the
// ring index of the oldest entry and `count` the number stored, so the end
// index (one past the youngest) is oldest + count, wrapped once at capacity.
//
// The panel's names are the unit tool's own: "10 Youngest" and "100 Youngest"
// start at the oldest index, "10 Oldest" and "100 Oldest" end at the end index.

#include "LLTypes.h"

class CSecLogSelection
{
public:
    enum ESelection {
        SEL_All,          // "Report All": every stored entry from the oldest
        SEL_10Youngest,   // 10 entries from the oldest index
        SEL_100Youngest,  // 100 entries from the oldest index
        SEL_10Oldest,     // 10 entries ending at the end index
        SEL_100Oldest     // 100 entries ending at the end index
    };

    // One getSecLog request: `count` entries from ring index `startIndex`.
    struct SRequest
    {
        UINT16 startIndex;
        UINT16 count;
    };

    CSecLogSelection(UINT16 nCapacity, UINT16 nCount, UINT16 nOldest);

    // The checked radio buttons of the debug panel; the first set flag wins,
    // none set means "Report All".
    static ESelection fromFlags(bool b10Youngest, bool b100Youngest, bool b10Oldest, bool b100Oldest);

    // oldest + count, less capacity when it reaches capacity or more.
    int endIndex() const;
    SRequest request(ESelection eSelection) const;

private:
    // A start index before slot 0 continues at the top of the ring.
    int wrapBelowZero(int nIndex) const;

    int m_nCapacity;
    int m_nCount;
    int m_nOldest;
};

#endif // SECLOGSELECTION_H
