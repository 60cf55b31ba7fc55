#ifndef SECLOGUNITS_H
#define SECLOGUNITS_H

#include <QString>

// Device units of the secondary-log records by time span (0 quarter hour,
// 1 day, 2 thirty-day month), so that rows of all spans share one scale:
// seconds, grams, cubic metres, watt-hours. A span outside 0..2 has no units.
class CSecLogUnits
{
public:
    static bool isValidSpan(int nSpan);
    // 900, 86400 or 2592000 s; 0 for any other span.
    static int spanSeconds(int nSpan);

    // 5-bit durations count minutes, hours or days.
    static int durationSeconds(int nCount, int nSpan);
    // Water count, signed (both families).
    static int waterGrams(int nCount, int nSpan);
    // Air exchanged in m³, written with one decimal.
    static QString air100(int nCount, int nSpan);
    static QString air70(int nCount, int nSpan);
    // Energies in Wh: computed in floating point, plus 0.5, cut toward zero.
    static int energy100(int nCount, int nSpan);
    static int energy70(int nCount, int nSpan);
};

#endif // SECLOGUNITS_H
