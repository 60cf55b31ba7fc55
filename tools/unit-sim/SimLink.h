#ifndef SIMLINK_H
#define SIMLINK_H

#include "LLProtocolPacket.h"
#include "SimFaults.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QStringList>
#include <functional>

// The unit's side of the link on a non-blocking file descriptor (the master
// of a pseudo-terminal). It acknowledges every command packet unless the
// packet says PF_NOACK, hands the command record on, sends the answer
// packets one at a time and waits for the PC's acknowledgement of each; a new
// command while an answer is pending abandons that answer, as does silence.
// Faults (SSimFaults) are injected here. Driven by receive() and tick() from
// one thread; holds no lock.
class CSimLink
{
public:
    using CommandHandler = std::function<void(const QByteArray& record)>;

    explicit CSimLink(quint32 seed = 1);

    void attach(int fd);            // -1 detaches and forgets any exchange
    int fd() const { return m_nFd; }
    void setCommandHandler(CommandHandler handler) { m_OnCommand = std::move(handler); }
    void setFaults(const SSimFaults& faults) { m_Faults = faults; }
    const SSimFaults& faults() const { return m_Faults; }
    void setAckTimeoutMs(int ms) { m_nAckTimeoutMs = ms; }
    void setSeed(quint32 seed) { m_Random.seed(seed); }

    // While silent (restarting) all input is dropped and nothing is sent.
    void setSilent(bool silent);
    bool silent() const { return m_bSilent; }

    void receive(const char* data, int len, qint64 nowMs);
    // Answers of the command just handed on (call from the command handler).
    void queueAnswers(const QList<QByteArray>& answers, qint64 nowMs);
    void tick(qint64 nowMs);

    bool idle() const { return m_Pending.isEmpty() && !m_bAwaitAck; }

    // Flags of the packet whose record the command handler is given.
    quint8 commandFlags() const { return m_nCommandFlags; }

    // Scheduled fault: after `after` more command packets have been
    // acknowledged, the acknowledgements of the next `count` are dropped.
    void scheduleAckDrops(int after, int count);
    int scheduledAckDrops() const { return m_nDropCount; }

    // Writes one debug message packet (type 2): text (0x0202) or number (0x0201).
    void sendDebugText(const QString& text);
    void sendDebugNumber(qint32 number);

    // Packet on the wire for the given record, as the unit frames it.
    static QByteArray frame(quint8 type, const QByteArray& data, bool ack = false, bool noAck = false);

private:
    bool roll(SSimFaults::EFault fault);
    bool scheduledDrop();
    void handlePacket(CLLProtocolPacket& packet, qint64 nowMs);
    void sendNextAnswer(qint64 nowMs);
    void abandonAnswer(const char* why);
    void sendRandomDebug();
    void writeNoise();
    void writeAll(const QByteArray& bytes);

    int m_nFd = -1;
    CommandHandler m_OnCommand;
    SSimFaults m_Faults;
    QRandomGenerator m_Random;
    CLLProtocolPacket m_Rx;
    QList<QByteArray> m_Pending;
    qint64 m_nDueMs = 0;
    bool m_bAwaitAck = false;
    qint64 m_nAwaitSinceMs = 0;
    int m_nAckTimeoutMs = 1500;
    qint64 m_nLastTickMs = -1;
    bool m_bSilent = false;
    quint8 m_nCommandFlags = 0;
    int m_nDropAfter = 0;
    int m_nDropCount = 0;
};

#endif // SIMLINK_H
