#include "SimUnitState.h"

#include "SimRecords100.h"
#include "SimRecords70.h"

#include <QtGlobal>

namespace {

// Slots never written answer with entry state 3 ("not to be stored") so a
// reader that strays outside the used part of a ring stores nothing.
QByteArray unusedEntry(bool family70)
{
    QByteArray e(32, '\0');
    if (family70)
        e[25] = char(3 << 3);       // w24 bits 11-13
    else
        e[25] = char(3 << 2);       // w24 bits 10-12
    return e;
}

const quint32 kInitialCounters[CSimUnitState::CounterCount] = {
    1843, 17520, 1450, 37, 2, 3, 1, 2, 1, 2, 15,          // 0-10
    3, 4380, 0, 0, 0, 0, 0, 0, 0, 0,                      // 11-20
    0, 0, 0, 0, 0, 0, 0, 0, 0,                            // 21-29
    0, 0, 1, 0x0304, 0x0305, 2, 1, 0, 1009, 0,            // 30-39
    3, 112, 108, 4, 4, 0, 0, 0, 0, 0,                     // 40-49
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                   // 50-61
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0                    // 62-73
};

} // namespace

CSimUnitState::CSimUnitState(const SSimIdentity& identity, qint64 startUnixSec, double clockSpeed)
    : m_Identity(identity)
    , m_Clock(startUnixSec, clockSpeed)
    , m_Boot(identity)
{
    m_Settings.family70 = identity.family70;
    m_Settings.swMajor = identity.appMajor;
    m_Settings.swMinor = identity.appMinor;
    m_StoredCounters = QVector<quint32>(CounterCount);
    for (int i = 0; i < CounterCount; ++i)
        m_StoredCounters[i] = kInitialCounters[i];
    m_nBootMs = m_Clock.nowMs();
    m_nHoursBaseSec = m_Clock.nowSec();
    for (int span = 0; span < SpanCount; ++span)
        m_Rings[span] = CSimSecLogRing(unusedEntry(family70()));
    static const int capacities[SpanCount] = {2000, 400, 40};
    static const int counts[SpanCount] = {960, 120, 12};
    for (int span = 0; span < SpanCount; ++span)
        configureRing(span, capacities[span], counts[span], 0);
    resetPrimLog(20);
}

void CSimUnitState::setFamily70(bool family70)
{
    m_Identity.family70 = family70;
    m_Settings.family70 = family70;
    for (int span = 0; span < SpanCount; ++span) {
        const CSimSecLogRing old = m_Rings[span];
        m_Rings[span] = CSimSecLogRing(unusedEntry(family70));
        configureRing(span, old.capacity(), old.count(), old.oldest());
    }
    resetPrimLog(m_nPrimLogCapacity);
}

void CSimUnitState::advance()
{
    const qint64 now = m_Clock.nowSec();
    for (int span = 0; span < SpanCount; ++span)
        appendDue(span, now);
    if (m_nPrimLogCapacity <= 0)
        return;
    // One primary entry per minute; after a long jump only the last ones matter.
    if (now - m_nNextPrimSec > 60LL * m_nPrimLogCapacity)
        m_nNextPrimSec = now - 60LL * m_nPrimLogCapacity;
    while (m_nNextPrimSec <= now) {
        m_PrimLog.append(primEntryOf(m_Model.sample(m_nNextPrimSec, m_Settings)));
        if (m_PrimLog.size() > m_nPrimLogCapacity)
            m_PrimLog.removeFirst();
        m_nNextPrimSec += 60;
    }
}

SSimSample CSimUnitState::currentSample() const
{
    return m_Model.sample(m_Clock.nowSec(), m_Settings);
}

QByteArray CSimUnitState::currentEntry() const
{
    return primEntryOf(currentSample());
}

QByteArray CSimUnitState::primEntryOf(const SSimSample& s) const
{
    return family70() ? CSimRecords70::primEntry(s) : CSimRecords100::primEntry(s);
}

QVector<quint32> CSimUnitState::counters() const
{
    QVector<quint32> c = m_StoredCounters;
    const quint32 hours = quint32((m_Clock.nowSec() - m_nHoursBaseSec) / 3600);
    c[C_OperatingHours] += hours;
    c[C_FilterHours] += hours;
    c[C_ComfortLevel] = quint32(m_Settings.comfortLevel);
    return c;
}

bool CSimUnitState::setCounter(int id, quint32 value)
{
    if (id < 0 || id >= CounterCount)
        return false;
    const quint32 hours = quint32((m_Clock.nowSec() - m_nHoursBaseSec) / 3600);
    if (id == C_OperatingHours || id == C_FilterHours)
        value -= hours;
    if (id == C_ComfortLevel)
        m_Settings.comfortLevel = qBound(1, int(value), 5);
    m_StoredCounters[id] = value;
    return true;
}

qint64 CSimUnitState::uptimeMs() const
{
    return qMax<qint64>(0, m_Clock.nowMs() - m_nBootMs);
}

void CSimUnitState::resetPrimLog(int count)
{
    m_nPrimLogCapacity = qMax(0, count);
    m_PrimLog.clear();
    const qint64 now = m_Clock.nowSec();
    for (int k = m_nPrimLogCapacity - 1; k >= 0; --k)
        m_PrimLog.append(primEntryOf(m_Model.sample(now - 60LL * k, m_Settings)));
    m_nNextPrimSec = now + 60;
}

void CSimUnitState::configureRing(int span, int capacity, int count, int oldest)
{
    CSimSecLogRing& r = m_Rings[span];
    r.reset(capacity, count, oldest);
    const qint64 period = CSimHomeModel::periodSeconds(span);
    const qint64 lastEnd = (m_Clock.nowSec() / period) * period;
    m_nSequence[span] = 0;
    for (int k = 0; k < r.count(); ++k)
        r.setSlot(r.indexOfAge(k), secEntryFor(span, lastEnd - qint64(r.count() - 1 - k) * period));
    m_nNextEntryEnd[span] = lastEnd + period;
}

void CSimUnitState::eraseRing(int span)
{
    m_Rings[span].erase();
    ++m_StoredCounters[C_Erased15Min + span];
}

void CSimUnitState::appendDue(int span, qint64 now)
{
    const qint64 period = CSimHomeModel::periodSeconds(span);
    const qint64 capacity = qMax(1, m_Rings[span].capacity());
    if ((now - m_nNextEntryEnd[span]) / period > capacity)
        m_nNextEntryEnd[span] += ((now - m_nNextEntryEnd[span]) / period - capacity) * period;
    while (m_nNextEntryEnd[span] <= now) {
        m_Rings[span].append(secEntryFor(span, m_nNextEntryEnd[span]));
        m_nNextEntryEnd[span] += period;
    }
}

QByteArray CSimUnitState::secEntryFor(int span, qint64 endSec)
{
    SSimPeriod p = m_Model.period(span, endSec, m_Settings);
    p.count = m_nSequence[span]++;
    p.restarted = m_bRestartedInPeriod[span];
    m_bRestartedInPeriod[span] = false;
    return family70() ? CSimRecords70::secEntry(p) : CSimRecords100::secEntry(p);
}

void CSimUnitState::restart()
{
    advance();
    m_nBootMs = m_Clock.nowMs();
    ++m_StoredCounters[C_BootCycles];
    m_Settings.simActive = false;
    m_Wifi.reset();
    for (int span = 0; span < SpanCount; ++span)
        m_bRestartedInPeriod[span] = true;
}
