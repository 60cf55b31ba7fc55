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

#endif // PAGEDANSWER_H
