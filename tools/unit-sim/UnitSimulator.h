#ifndef UNITSIMULATOR_H
#define UNITSIMULATOR_H

#include "SimConfig.h"
#include "SimDispatcher.h"
#include "SimLink.h"
#include "SimPty.h"
#include "SimUnitState.h"

#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <functional>

// A record the simulated unit received, for tests that check what the PC sent.
struct SSimReceivedCommand
{
    qint64 atMs;            // since the simulator was created
    QByteArray record;      // the packet's data part; byte 0 is the message number
};

// A simulated Zyvent unit on a pseudo-terminal. step() runs the unit's loop
// once (wait for input, answer, timers) and is called from one thread; every
// other member is safe to call from any thread (one mutex guards the state).
class CUnitSimulator
{
public:
    explicit CUnitSimulator(const SSimConfig& config = SSimConfig());
    ~CUnitSimulator();
    CUnitSimulator(const CUnitSimulator&) = delete;
    CUnitSimulator& operator=(const CUnitSimulator&) = delete;

    // Opens a new pseudo-terminal (and the link, if configured).
    bool plugIn();
    // Closes the pseudo-terminal and removes the link; with replugAfterMs >= 0
    // a new one is opened behind the same link after that time.
    void unplug(int replugAfterMs = -1);
    bool isPlugged() const;
    QString devicePath() const;         // slave device of the current terminal
    QString linkPath() const;

    void step(int timeoutMs);

    // Runs `fn` on the state under the lock: setters and truth for tests.
    void withState(const std::function<void(CSimUnitState&)>& fn);

    void setFaults(const SSimFaults& faults);
    void setFault(SSimFaults::EFault fault, double rate);
    SSimFaults faults() const;
    void setFamily70(bool family70);
    // 1 or 2: that boot loader runs (and becomes the active one); 3: the application.
    void setRunningSystem(int system);
    void configureRing(int span, int capacity, int count, int oldest);
    void restart();                     // power cycle: silent for the restart delay
    bool restarting() const;
    void sendDebugText(const QString& text);
    void sendDebugNumber(qint32 number);

    // Truth: what the unit would report now.
    QByteArray currentEntry() const;
    SSimSample currentSample() const;
    QByteArray identityRecord() const;
    QVector<quint32> counters() const;
    QVector<QByteArray> primLog() const;
    QByteArray secLogSlot(int span, int ringIndex) const;
    void ringInfo(int span, int* capacity, int* count, int* oldest) const;
    int wifiStatus() const;

    // Boot loaders: the partition table as command 11 reports it, the blocks
    // of the last upload into a partition type (1 to 4) and every breach of
    // the upload sequence noted since the start (empty for a correct upload).
    QVector<CPartitionTable::SPartition> partitionTable() const;
    QVector<SSimStoredBlock> storedBlocks(int partType) const;
    QStringList bootViolations() const;

    // Scheduled faults: after `afterCommands` more command packets, drop the
    // acknowledgements of the next `count`; or pull the plug right after
    // acknowledging command packet number `afterCommands` from now (replugged
    // after replugAfterMs when that is >= 0).
    void dropAcks(int afterCommands, int count);
    void unplugAfterCommands(int afterCommands, int replugAfterMs = -1);

    // The last 100 000 command records, oldest first.
    QList<SSimReceivedCommand> receivedCommands() const;
    int receivedCount(quint8 number) const;
    void clearReceivedCommands();

private:
    bool plugInLocked();
    void unplugLocked();
    void onCommand(const QByteArray& record);
    void runTimers(qint64 nowMs);

    mutable QMutex m_Mutex;
    SSimConfig m_Config;
    CSimUnitState m_State;
    CSimDispatcher m_Dispatcher;
    CSimLink m_Link;
    CSimPty m_Pty;
    QElapsedTimer m_Monotonic;
    quint64 m_nGeneration = 0;          // bumps on every (un)plug
    qint64 m_nReplugAtMs = -1;
    qint64 m_nRestartDoneMs = -1;
    int m_nUnplugCountdown = 0;         // 0: not scheduled
    int m_nUnplugReplugMs = -1;
    bool m_bUnplugDue = false;
    QList<SSimReceivedCommand> m_Received;
};

#endif // UNITSIMULATOR_H
