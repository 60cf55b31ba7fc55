#ifndef PAGEDANSWER_H
#define PAGEDANSWER_H

// Answers that span several packets (counters, primary and secondary logs)
// carry a remaining count that includes the packet's own entries: a page
// holds nPerPage entries, and a count above that means another packet follows.
//   0            nothing more, take none
//   1..nPerPage  the last page: take that many
//   more         a full page, then the next packet

#include <cstdint>

struct SPageStep
{
    int nTake;
    bool bMore;
};

constexpr SPageStep pageStep(uint32_t nRemaining, int nPerPage)
{
    return nRemaining > uint32_t(nPerPage) ? SPageStep { nPerPage, true }
                                           : SPageStep { int(nRemaining), false };
}

// The remaining counts of one answer fall by a full page from packet to
// packet (74, 66, ..., 2). The link carries no sequence numbers: after a
// request went out twice (PF_RETRY after a lost ACK) or an earlier answer was
// abandoned, packets of two answers to the same command can follow each
// other, and without this check a page would be taken twice. The first
// packet may carry any count; the unit decides how much it sends.
class CPageSequence
{
public:
    explicit constexpr CPageSequence(int nPerPage) : m_nPerPage(nPerPage) {}

    // True when a packet with this count may follow the packets taken so far.
    constexpr bool follows(uint32_t nRemaining) const { return m_bFirst || nRemaining == m_nExpected; }
    // The count the next packet must carry (after the first).
    constexpr uint32_t expected() const { return m_nExpected; }

    // Takes a packet that follows: what to append and whether more come.
    SPageStep take(uint32_t nRemaining)
    {
        const SPageStep step = pageStep(nRemaining, m_nPerPage);
        m_bFirst = false;
        m_nExpected = nRemaining - uint32_t(step.nTake);
        return step;
    }

private:
    int m_nPerPage;
    bool m_bFirst = true;
    uint32_t m_nExpected = 0;
};

#endif // PAGEDANSWER_H
