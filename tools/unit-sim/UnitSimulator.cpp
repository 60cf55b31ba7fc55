#include "UnitSimulator.h"

#include <QDebug>
#include <QMutexLocker>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr int kMaxReceivedLog = 100000;

} // namespace

CUnitSimulator::CUnitSimulator(const SSimConfig& config)
    : m_Config(config)
    , m_State(config.identity, config.startUnixSec, config.clockSpeed)
    , m_Link(config.seed)
{
    m_Monotonic.start();
    for (int span = 0; span < CSimUnitState::SpanCount; ++span)
        m_State.configureRing(span, config.ringCapacity[span], config.ringCount[span], config.ringOldest[span]);
    m_State.resetPrimLog(config.primLogCount);
    m_State.wifi().setResultPolls(config.wifiResultPolls);
    m_Link.setFaults(config.faults);
    m_Link.setAckTimeoutMs(config.ackTimeoutMs);
    m_Link.setCommandHandler([this](const QByteArray& record) { onCommand(record); });
}

CUnitSimulator::~CUnitSimulator()
{
    QMutexLocker lock(&m_Mutex);
    unplugLocked();
}

bool CUnitSimulator::plugIn()
{
    QMutexLocker lock(&m_Mutex);
    return plugInLocked();
}

bool CUnitSimulator::plugInLocked()
{
    unplugLocked();
    if (!m_Pty.open())
        return false;
    ++m_nGeneration;
    m_Link.attach(m_Pty.masterFd());
    if (!m_Config.linkPath.isEmpty())
        m_Pty.setLink(m_Config.linkPath);
    return true;
}

void CUnitSimulator::unplug(int replugAfterMs)
{
    QMutexLocker lock(&m_Mutex);
    unplugLocked();
    m_nReplugAtMs = replugAfterMs >= 0 ? m_Monotonic.elapsed() + replugAfterMs : -1;
}

void CUnitSimulator::unplugLocked()
{
    m_Link.attach(-1);
    m_Pty.removeLink();
    m_Pty.close();
    ++m_nGeneration;
    m_nReplugAtMs = -1;
}

bool CUnitSimulator::isPlugged() const
{
    QMutexLocker lock(&m_Mutex);
    return m_Pty.isOpen();
}

QString CUnitSimulator::devicePath() const
{
    QMutexLocker lock(&m_Mutex);
    return m_Pty.slavePath();
}

QString CUnitSimulator::linkPath() const
{
    QMutexLocker lock(&m_Mutex);
    return m_Config.linkPath;
}

void CUnitSimulator::step(int timeoutMs)
{
    int fd;
    quint64 generation;
    {
        QMutexLocker lock(&m_Mutex);
        fd = m_Pty.masterFd();
        generation = m_nGeneration;
    }
    if (fd >= 0) {
        pollfd pfd{fd, POLLIN, 0};
        ::poll(&pfd, 1, timeoutMs);
    } else {
        ::usleep(useconds_t(timeoutMs) * 1000);
    }

    QMutexLocker lock(&m_Mutex);
    const qint64 now = m_Monotonic.elapsed();
    // Read only if the terminal is still the one polled: never a closed descriptor.
    if (generation == m_nGeneration && m_Pty.isOpen()) {
        char buf[512];
        for (;;) {
            const ssize_t n = ::read(m_Pty.masterFd(), buf, sizeof buf);
            if (n > 0) {
                m_Link.receive(buf, int(n), now);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            break;
        }
    }
    if (m_bUnplugDue) {
        m_bUnplugDue = false;
        qDebug() << "unit: fault: unplugged";
        unplugLocked();
        if (m_nUnplugReplugMs >= 0)
            m_nReplugAtMs = now + m_nUnplugReplugMs;
    }
    runTimers(now);
}

void CUnitSimulator::runTimers(qint64 nowMs)
{
    if (m_nReplugAtMs >= 0 && nowMs >= m_nReplugAtMs) {
        m_nReplugAtMs = -1;
        plugInLocked();
    }
    if (m_nRestartDoneMs >= 0 && nowMs >= m_nRestartDoneMs) {
        m_nRestartDoneMs = -1;
        // Without an intact application the unit stays in its boot loader.
        const int system = m_State.bootLoader().systemAfterStart();
        if (system == SSimIdentity::RS_Application)
            m_State.identity().runningSystem = system;
        else
            m_State.bootLoader().runBootLoader(m_State.identity(), system);
        m_State.restart();
        m_Link.setSilent(false);
        qDebug() << "unit: running system" << system;
    }
    m_Link.tick(nowMs);
}

void CUnitSimulator::onCommand(const QByteArray& record)
{
    const qint64 now = m_Monotonic.elapsed();
    // Bounded so that a simulator left running for days does not grow without end.
    if (m_Received.size() >= kMaxReceivedLog)
        m_Received.removeFirst();
    m_Received.append(SSimReceivedCommand{now, record});
    if (m_nUnplugCountdown > 0 && --m_nUnplugCountdown == 0)
        m_bUnplugDue = true;
    const SSimReply reply = m_Dispatcher.handle(m_State, record, m_Link.commandFlags());
    m_Link.queueAnswers(reply.answers, now);
    if (reply.restart) {
        m_Link.setSilent(true);
        m_nRestartDoneMs = now + m_Config.restartDelayMs;
    }
}

void CUnitSimulator::withState(const std::function<void(CSimUnitState&)>& fn)
{
    QMutexLocker lock(&m_Mutex);
    fn(m_State);
}

void CUnitSimulator::setFaults(const SSimFaults& faults)
{
    QMutexLocker lock(&m_Mutex);
    m_Link.setFaults(faults);
}

void CUnitSimulator::setFault(SSimFaults::EFault fault, double rate)
{
    QMutexLocker lock(&m_Mutex);
    SSimFaults f = m_Link.faults();
    f.rate[fault] = rate;
    m_Link.setFaults(f);
}

SSimFaults CUnitSimulator::faults() const
{
    QMutexLocker lock(&m_Mutex);
    return m_Link.faults();
}

void CUnitSimulator::setFamily70(bool family70)
{
    QMutexLocker lock(&m_Mutex);
    m_State.setFamily70(family70);
}

void CUnitSimulator::setRunningSystem(int system)
{
    QMutexLocker lock(&m_Mutex);
    if (system == SSimIdentity::RS_Boot1 || system == SSimIdentity::RS_Boot2)
        m_State.bootLoader().runBootLoader(m_State.identity(), system);
    else
        m_State.identity().runningSystem = system;
}

QVector<CPartitionTable::SPartition> CUnitSimulator::partitionTable() const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.bootLoader().table();
}

QVector<SSimStoredBlock> CUnitSimulator::storedBlocks(int partType) const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.bootLoader().storedBlocks(partType);
}

QStringList CUnitSimulator::bootViolations() const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.bootLoader().violations();
}

void CUnitSimulator::dropAcks(int afterCommands, int count)
{
    QMutexLocker lock(&m_Mutex);
    m_Link.scheduleAckDrops(afterCommands, count);
}

void CUnitSimulator::unplugAfterCommands(int afterCommands, int replugAfterMs)
{
    QMutexLocker lock(&m_Mutex);
    m_nUnplugCountdown = qMax(0, afterCommands);
    m_nUnplugReplugMs = replugAfterMs;
}

void CUnitSimulator::configureRing(int span, int capacity, int count, int oldest)
{
    QMutexLocker lock(&m_Mutex);
    if (span >= 0 && span < CSimUnitState::SpanCount)
        m_State.configureRing(span, capacity, count, oldest);
}

void CUnitSimulator::restart()
{
    QMutexLocker lock(&m_Mutex);
    m_Link.setSilent(true);
    m_nRestartDoneMs = m_Monotonic.elapsed() + m_Config.restartDelayMs;
}

bool CUnitSimulator::restarting() const
{
    QMutexLocker lock(&m_Mutex);
    return m_nRestartDoneMs >= 0;
}

void CUnitSimulator::sendDebugText(const QString& text)
{
    QMutexLocker lock(&m_Mutex);
    m_Link.sendDebugText(text);
}

void CUnitSimulator::sendDebugNumber(qint32 number)
{
    QMutexLocker lock(&m_Mutex);
    m_Link.sendDebugNumber(number);
}

QByteArray CUnitSimulator::currentEntry() const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.currentEntry();
}

SSimSample CUnitSimulator::currentSample() const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.currentSample();
}

QByteArray CUnitSimulator::identityRecord() const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.identity().record();
}

QVector<quint32> CUnitSimulator::counters() const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.counters();
}

QVector<QByteArray> CUnitSimulator::primLog() const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.primLog();
}

QByteArray CUnitSimulator::secLogSlot(int span, int ringIndex) const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.ring(qBound(0, span, CSimUnitState::SpanCount - 1)).slot(ringIndex);
}

void CUnitSimulator::ringInfo(int span, int* capacity, int* count, int* oldest) const
{
    QMutexLocker lock(&m_Mutex);
    const CSimSecLogRing& r = m_State.ring(qBound(0, span, CSimUnitState::SpanCount - 1));
    if (capacity)
        *capacity = r.capacity();
    if (count)
        *count = r.count();
    if (oldest)
        *oldest = r.oldest();
}

int CUnitSimulator::wifiStatus() const
{
    QMutexLocker lock(&m_Mutex);
    return m_State.wifi().peekStatus();
}

QList<SSimReceivedCommand> CUnitSimulator::receivedCommands() const
{
    QMutexLocker lock(&m_Mutex);
    return m_Received;
}

int CUnitSimulator::receivedCount(quint8 number) const
{
    QMutexLocker lock(&m_Mutex);
    int n = 0;
    for (const SSimReceivedCommand& c : m_Received)
        n += (!c.record.isEmpty() && quint8(c.record.at(0)) == number) ? 1 : 0;
    return n;
}

void CUnitSimulator::clearReceivedCommands()
{
    QMutexLocker lock(&m_Mutex);
    m_Received.clear();
}
