#include "PC/SecLogSelection.h"

CSecLogSelection::CSecLogSelection(UINT16 nCapacity, UINT16 nCount, UINT16 nOldest)
    : m_nCapacity(nCapacity), m_nCount(nCount), m_nOldest(nOldest)
{
}

CSecLogSelection::ESelection CSecLogSelection::fromFlags(bool b10Youngest, bool b100Youngest,
                                                         bool b10Oldest, bool b100Oldest)
{
    if (b10Youngest)
        return SEL_10Youngest;
    if (b100Youngest)
        return SEL_100Youngest;
    if (b10Oldest)
        return SEL_10Oldest;
    if (b100Oldest)
        return SEL_100Oldest;
    return SEL_All;
}

int CSecLogSelection::endIndex() const
{
    const int nEnd = m_nOldest + m_nCount;
    return nEnd >= m_nCapacity ? nEnd - m_nCapacity : nEnd;
}

CSecLogSelection::SRequest CSecLogSelection::request(ESelection eSelection) const
{
    switch (eSelection) {
    case SEL_10Youngest:
        return { UINT16(m_nOldest), 10 };
    case SEL_100Youngest:
        return { UINT16(m_nOldest), 100 };
    case SEL_10Oldest:
        return { UINT16(wrapBelowZero(endIndex() - 9)), 10 };
    case SEL_100Oldest:
        return { UINT16(wrapBelowZero(endIndex() - 99)), 100 };
    case SEL_All:
        break;
    }
    return { UINT16(m_nOldest), UINT16(m_nCount) };
}

int CSecLogSelection::wrapBelowZero(int nIndex) const
{
    if (nIndex >= 0)
        return nIndex;
    // Adding the capacity once is enough for any ring of at least 100 slots;
    // a smaller ring (or none, as a faulty count answer may claim) must still
    // give an index inside it rather than one wrapped round 65536.
    if (m_nCapacity <= 0)
        return 0;
    return (nIndex % m_nCapacity + m_nCapacity) % m_nCapacity;
}
