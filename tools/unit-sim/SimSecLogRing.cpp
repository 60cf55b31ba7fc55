#include "SimSecLogRing.h"

#include <QtGlobal>

CSimSecLogRing::CSimSecLogRing(const QByteArray& emptyEntry)
    : m_EmptyEntry(emptyEntry)
{
}

void CSimSecLogRing::reset(int capacity, int count, int oldest)
{
    capacity = qMax(0, capacity);
    m_Slots = QVector<QByteArray>(capacity);
    m_nCount = qBound(0, count, capacity);
    m_nOldest = capacity > 0 ? qBound(0, oldest, capacity - 1) : 0;
}

QByteArray CSimSecLogRing::slot(int ringIndex) const
{
    if (m_Slots.isEmpty())
        return m_EmptyEntry;
    const QByteArray& entry = m_Slots.at(((ringIndex % capacity()) + capacity()) % capacity());
    return entry.isEmpty() ? m_EmptyEntry : entry;
}

void CSimSecLogRing::setSlot(int ringIndex, const QByteArray& entry)
{
    if (m_Slots.isEmpty())
        return;
    m_Slots[((ringIndex % capacity()) + capacity()) % capacity()] = entry;
}

int CSimSecLogRing::indexOfAge(int k) const
{
    return m_Slots.isEmpty() ? 0 : (m_nOldest + k) % capacity();
}

void CSimSecLogRing::append(const QByteArray& entry)
{
    if (m_Slots.isEmpty())
        return;
    if (m_nCount < capacity()) {
        setSlot(indexOfAge(m_nCount), entry);
        ++m_nCount;
        return;
    }
    setSlot(m_nOldest, entry);
    m_nOldest = (m_nOldest + 1) % capacity();
}

void CSimSecLogRing::erase()
{
    m_Slots = QVector<QByteArray>(capacity());
    m_nCount = 0;
    m_nOldest = 0;
}
