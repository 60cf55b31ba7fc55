#ifndef SCRIPTEDWIRE_H
#define SCRIPTEDWIRE_H

// An in-memory transport whose far end (the unit) is scripted per test.
//
// Time is virtual: Sleep and WaitForData advance a clock instead of blocking,
// so the full 1000-poll silence limit and the 1000 ms pause after a failed
// write cost nothing, and sleptMs() tells how long the link layer would
// have waited.
//
// The unit side reacts to what the PC writes. Each complete packet the PC
// writes (requests and ACKs alike, in order) pops the next queued reaction,
// whose bytes become readable after its delay. No reaction left: silence.
//
//   CScriptedWire wire;
//   wire.onNextPacket(WireFrames::ack() + WireFrames::answer(identity)); // reply to the request
//   wire.onNextPacket(WireFrames::answer(secondPart));                   // reply to the PC's ACK
//   CLLProtocol link(&wire);
//   link.Send(request); link.Receive(a1); link.Receive(a2);
//   QCOMPARE(wire.sentPackets().size(), 3);       // request, ACK, ACK
//   QCOMPARE(wire.sentPackets()[0].GetId(), 0x0101);
//
// Other knobs: feed() makes bytes readable at once (sent before any request),
// setReadChunk() limits each Receive to n bytes (split frames),
// failNextSends() makes writes fail.

#include "LLProtocolPacket.h"
#include "LLProtocolWire.h"

#include <QByteArray>
#include <QList>

class CScriptedWire : public CLLProtocolWire
{
public:
    CScriptedWire();

    // ---- unit side ----
    // Bytes readable now.
    void feed(const QByteArray& bytes);
    // The reaction to the next complete packet the PC writes; the bytes become
    // readable delayMs of (virtual) time later. An empty reply is silence.
    void onNextPacket(const QByteArray& reply, int delayMs = 0);
    // Reactions not used yet.
    int pendingReactions() const { return m_reactions.size(); }

    // ---- faults and shape of reads ----
    // Each Receive returns at most n bytes (1 to 256; default 256).
    void setReadChunk(int n);
    // The next n Send calls fail and write nothing.
    void failNextSends(int n) { m_nFailSends = n; }

    // ---- what happened ----
    QByteArray sentBytes() const { return m_sent; }
    // One entry per successful Send call (the link layer writes a packet in parts).
    QList<QByteArray> sendCalls() const { return m_sendCalls; }
    // Complete packets found in sentBytes, in order.
    QList<CLLProtocolPacket> sentPackets() const { return m_sentPackets; }
    int failedSends() const { return m_nFailedSends; }
    int clearCount() const { return m_nClears; }
    // Virtual milliseconds spent in Sleep and WaitForData together.
    qint64 sleptMs() const { return m_nowMs; }
    // The ms argument of every Sleep call (poll pauses not included).
    QList<int> sleeps() const { return m_sleeps; }
    // Bytes the unit sent that the PC has not read yet, kept-back bytes included;
    // delayed replies not yet due are not counted.
    int unreadBytes() const { return m_pending.size() + m_input.size(); }

    // ---- CLLProtocolWire ----
    void Clear() override;
    bool Send(const void* data, UINT16 len) override;
    const UINT8* Receive(UINT16* len) override;
    void PutBack(UINT16 total, UINT16 remaining) override;
    void Sleep(UINT16 ms) override;
    void WaitForData(UINT16 ms) override;

private:
    struct SReaction {
        QByteArray bytes;
        int delayMs;
    };
    struct SDelivery {
        qint64 atMs;
        QByteArray bytes;
    };

    void DeliverDue();
    qint64 NextDeliveryMs() const;
    void ParseSent(const QByteArray& bytes);

    QList<SReaction> m_reactions;
    QList<SDelivery> m_scheduled;
    QByteArray m_input;    // readable, not yet handed out
    QByteArray m_pending;  // kept back by PutBack, handed out first
    QByteArray m_lastRead; // what the last Receive returned
    int m_nChunk = 256;
    int m_nFailSends = 0;
    int m_nFailedSends = 0;
    int m_nClears = 0;
    qint64 m_nowMs = 0;
    QList<int> m_sleeps;
    QByteArray m_sent;
    QList<QByteArray> m_sendCalls;
    QList<CLLProtocolPacket> m_sentPackets;
    CLLProtocolPacket m_parser;
};

#endif // SCRIPTEDWIRE_H
