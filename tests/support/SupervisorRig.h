#ifndef SUPERVISORRIG_H
#define SUPERVISORRIG_H

#include "FanPollingThread.h"
#include "SupervisorProbe.h"
#include "UnitSimThread.h"

#include <QTemporaryDir>
#include <memory>

class CRecordingDBMessenger;

// The supervisor's worker thread against the in-process simulated unit on a
// pseudo-terminal, with a probe listening in the test's thread and the log
// database in a temporary directory. Periods are short; the unit's clock
// and the supervisor's PC clock stand still, so what the unit reports equals
// its truth and log time stamps are known in advance.
class CSupervisorRig
{
public:
    // The PC clock of the supervisor: 2026-02-03 07:31:40 UTC.
    static const qint64 Now;

    CSupervisorRig();
    ~CSupervisorRig();

    // A healthy 100-family unit in its application, clock frozen at Now - 100 s.
    static SSimConfig frozenUnit();
    // Poll 300 ms, start pause 500 ms, identification 2 s, silence 300 polls.
    SMainObjectConfig shortPeriods() const;

    // Starts the unit and the worker thread; the secondary-log tables exist.
    bool start(const SSimConfig& unit, const SMainObjectConfig& supervisor);
    // Ends the worker thread (at most 2 s, as the program does), then the
    // unit. The probe keeps what it received; it sends nothing any more.
    bool stop();

    CUnitSimulator& sim() { return m_pUnit->simulator(); }
    QString devicePath() const { return m_pUnit->devicePath(); }
    CFanPollingThread& thread() { return *m_pThread; }
    CMainObject* mainObject() { return m_pMainObject; }
    CSupervisorProbe& probe() { return *m_pProbe; }
    QString databaseDirectory() const { return m_Dir.path(); }
    CRecordingDBMessenger& messenger() { return *m_pMessenger; }

    // The current values the unit would report now, decoded as the PC does.
    CFanValues truth100();
    CFanValues70 truth70();
    // Every dictionary field of a and b holds the same value.
    static bool sameValues(const CFanValues& a, const CFanValues& b);
    static bool sameValues(const CFanValues70& a, const CFanValues70& b);

    // Rows of a log table in the rig's database, ordered by time; each row
    // is its columns joined by "|" ("" when the table is missing).
    QStringList tableRows(const QString& strTable);
    // The rows the store makes of the unit's first nCount true records of a
    // span, oldest first, the first at nFirstSec: what a retrieval must store.
    QStringList referenceRows(bool bFamily70, int nSpan, int nCount, qint64 nFirstSec);

private:
    static QStringList rowsOf(const QString& strConnection, const QString& strTable);

    QTemporaryDir m_Dir;
    std::unique_ptr<CRecordingDBMessenger> m_pMessenger;
    std::unique_ptr<CUnitSimThread> m_pUnit;
    std::unique_ptr<CFanPollingThread> m_pThread;
    CMainObject* m_pMainObject = nullptr;
    std::unique_ptr<CSupervisorProbe> m_pProbe;
};

#endif // SUPERVISORRIG_H
