#ifndef DEVICESIMFIXTURE_H
#define DEVICESIMFIXTURE_H

// Device objects of both families against the in-process simulated unit over
// a real pseudo-terminal. The unit's clock stands still (clockSpeed 0), so
// what it reports is exactly its truth for as long as a test runs.

#include "PC/Fan.h"
#include "PC/Fan_70_PC.h"
#include "UnitSimThread.h"

#include <QDateTime>
#include <QVector>
#include <memory>

namespace DeviceSim {

inline SSimConfig frozenConfig(bool family70)
{
    SSimConfig c;
    c.startUnixSec = QDateTime(QDate(2026, 2, 3), QTime(7, 30), Qt::UTC).toSecsSinceEpoch();
    c.clockSpeed = 0.0;
    c.identity.family70 = family70;
    return c;
}

// A device object of the family with its own serial port (not yet opened).
inline std::unique_ptr<CFanBase> makeDevice(bool family70)
{
    if (family70)
        return std::make_unique<CFan_70_PC>();
    return std::make_unique<CFan>(false);
}

inline QByteArray bytesOf(const uint8_t* p, int n)
{
    return QByteArray(reinterpret_cast<const char*>(p), n);
}

// Wire images of decoded entries, for comparison with the unit's own bytes.
template <class TEntry>
QVector<QByteArray> imagesOf(const QVector<TEntry>& entries)
{
    QVector<QByteArray> images;
    for (const TEntry& e : entries)
        images << e.toBytes();
    return images;
}

// Reads a whole secondary log as the connection supervisor does: count, then
// pages of at most 10 from the oldest entry, the start index wrapping at the
// ring's capacity. starts receives each page's start index; false on any failure.
template <class TFan, class TEntry, class TSpan>
bool readWholeRing(TFan& fan, TSpan span, QVector<TEntry>& all, QVector<int>* starts = nullptr)
{
    UINT16 capacity[3] = {};
    UINT16 count[3] = {};
    UINT16 oldest[3] = {};
    if (!fan.getSecLogCnt(capacity, count, oldest) || capacity[span] == 0)
        return false;
    int index = oldest[span];
    for (int remaining = count[span]; remaining > 0;) {
        const int n = qMin(remaining, 10);
        if (starts)
            *starts << index;
        QVector<TEntry> page;
        if (!fan.getSecLog(page, span, UINT16(n), UINT16(index)) || page.size() != n)
            return false;
        all += page;
        remaining -= n;
        index = (index + n) % capacity[span];
    }
    return true;
}

} // namespace DeviceSim

#endif // DEVICESIMFIXTURE_H
