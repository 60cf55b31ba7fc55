#ifndef SIMUNITSTATE_H
#define SIMUNITSTATE_H

#include "SimBootLoader.h"
#include "SimClock.h"
#include "SimHomeModel.h"
#include "SimIdentity.h"
#include "SimSecLogRing.h"
#include "SimSettings.h"
#include "SimWifi.h"

#include <QByteArray>
#include <QVector>

// Everything the simulated unit knows: identity and running firmware part,
// the settings and live home model, the 74 persistent counters, running
// time, primary log, the three secondary-log rings, the WiFi module and
// the boot loaders with the partition table.
// Not thread-safe: CUnitSimulator serialises access.
class CSimUnitState
{
public:
    static constexpr int CounterCount = 74;
    static constexpr int SpanCount = 3;

    enum ECounter { C_FlashWrites = 0, C_OperatingHours = 1, C_FilterHours = 2, C_BootCycles = 3,
                    C_ComfortLevel = 11, C_PrevSwVersion = 33, C_SwVersion = 34,
                    C_Erased15Min = 35, C_Erased1Day = 36, C_Erased30Days = 37, C_DeicingMinTemp = 39 };

    CSimUnitState(const SSimIdentity& identity, qint64 startUnixSec, double clockSpeed);

    SSimIdentity& identity() { return m_Identity; }
    const SSimIdentity& identity() const { return m_Identity; }
    SSimSettings& settings() { return m_Settings; }
    const SSimSettings& settings() const { return m_Settings; }
    CSimClock& clock() { return m_Clock; }
    CSimWifi& wifi() { return m_Wifi; }
    CSimBootLoader& bootLoader() { return m_Boot; }
    const CSimBootLoader& bootLoader() const { return m_Boot; }
    const CSimWifi& wifi() const { return m_Wifi; }
    bool family70() const { return m_Identity.family70; }

    // Switches family and rebuilds the logs in the new record layout.
    void setFamily70(bool family70);

    // Brings counters and logs up to the clock; call before answering.
    void advance();

    SSimSample currentSample() const;
    QByteArray currentEntry() const;               // 26 or 28 bytes
    QByteArray primEntryOf(const SSimSample& s) const;

    // Counters are derived from the clock where they count time.
    QVector<quint32> counters() const;
    bool setCounter(int id, quint32 value);

    // Running time since the last (re)start.
    qint64 uptimeMs() const;

    const QVector<QByteArray>& primLog() const { return m_PrimLog; }
    void resetPrimLog(int count);

    CSimSecLogRing& ring(int span) { return m_Rings[span]; }
    const CSimSecLogRing& ring(int span) const { return m_Rings[span]; }
    // Refills a ring with history consistent with the model up to now.
    void configureRing(int span, int capacity, int count, int oldest);
    void eraseRing(int span);
    int checkResult(int span) const { return m_nCheckResult[span]; }
    void setCheckResult(int span, int result) { m_nCheckResult[span] = result; }

    // A restart of the application: new boot cycle, simulation values and
    // running time reset, WiFi transfer forgotten.
    void restart();

private:
    QByteArray secEntryFor(int span, qint64 endSec);
    void appendDue(int span, qint64 now);

    SSimIdentity m_Identity;
    SSimSettings m_Settings;
    CSimHomeModel m_Model;
    CSimClock m_Clock;
    CSimWifi m_Wifi;
    CSimBootLoader m_Boot;
    QVector<quint32> m_StoredCounters;
    qint64 m_nBootMs;
    qint64 m_nHoursBaseSec;        // clock time at which the operating-hour counters were set
    QVector<QByteArray> m_PrimLog;
    int m_nPrimLogCapacity = 20;
    qint64 m_nNextPrimSec = 0;
    CSimSecLogRing m_Rings[SpanCount];
    qint64 m_nNextEntryEnd[SpanCount] = {};
    int m_nSequence[SpanCount] = {};
    bool m_bRestartedInPeriod[SpanCount] = {};
    int m_nCheckResult[SpanCount] = {};
};

#endif // SIMUNITSTATE_H
