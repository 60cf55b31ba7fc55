#ifndef SIMSECLOGRING_H
#define SIMSECLOGRING_H

#include <QByteArray>
#include <QVector>

// One secondary-log ring of the unit (one time span): `capacity` slots of
// 32-byte entries, `count` of them in use, the oldest at ring index `oldest`.
// The k-th oldest entry lives at (oldest + k) mod capacity.
class CSimSecLogRing
{
public:
    explicit CSimSecLogRing(const QByteArray& emptyEntry = QByteArray(32, '\0'));

    // Clears and resizes; count and oldest are clamped into the ring.
    void reset(int capacity, int count, int oldest);

    int capacity() const { return m_Slots.size(); }
    int count() const { return m_nCount; }
    int oldest() const { return m_nOldest; }

    // The slot at a ring index (taken modulo the capacity); never-written
    // slots return the empty entry.
    QByteArray slot(int ringIndex) const;
    void setSlot(int ringIndex, const QByteArray& entry);

    // Index of the k-th oldest entry.
    int indexOfAge(int k) const;

    // Adds the newest entry, overwriting the oldest when the ring is full.
    void append(const QByteArray& entry);

    void erase();

private:
    QByteArray m_EmptyEntry;
    QVector<QByteArray> m_Slots;
    int m_nCount = 0;
    int m_nOldest = 0;
};

#endif // SIMSECLOGRING_H
