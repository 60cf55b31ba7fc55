#include "ScriptedWire.h"

#include <limits>

CScriptedWire::CScriptedWire() = default;

void CScriptedWire::feed(const QByteArray& bytes)
{
    m_input.append(bytes);
}

void CScriptedWire::onNextPacket(const QByteArray& reply, int delayMs)
{
    m_reactions.append({ reply, delayMs });
}

void CScriptedWire::setReadChunk(int n)
{
    m_nChunk = qBound(1, n, 256);
}

void CScriptedWire::Clear()
{
    ++m_nClears;
    m_pending.clear();
}

bool CScriptedWire::Send(const void* data, UINT16 len)
{
    if (!data)
        return false;
    if (m_nFailSends > 0) {
        --m_nFailSends;
        ++m_nFailedSends;
        return false;
    }
    const QByteArray bytes(static_cast<const char*>(data), len);
    m_sent.append(bytes);
    m_sendCalls.append(bytes);
    ParseSent(bytes);
    return true;
}

// Every packet the PC completes triggers the next reaction of the unit.
void CScriptedWire::ParseSent(const QByteArray& bytes)
{
    UINT16 left = UINT16(bytes.size());
    while (left > 0) {
        const char* start = bytes.constData() + (bytes.size() - left);
        m_parser.PacketFromBuffer(start, left);
        if (m_parser.GetReadState() < CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT)
            continue;
        m_sentPackets.append(m_parser);
        m_parser.Reset();
        if (!m_reactions.isEmpty()) {
            const SReaction reaction = m_reactions.takeFirst();
            m_scheduled.append({ m_nowMs + reaction.delayMs, reaction.bytes });
            DeliverDue();
        }
    }
}

const UINT8* CScriptedWire::Receive(UINT16* len)
{
    DeliverDue();
    if (!m_pending.isEmpty()) {
        m_lastRead = m_pending;
        m_pending.clear();
    } else {
        m_lastRead = m_input.left(m_nChunk);
        m_input.remove(0, m_lastRead.size());
    }
    *len = UINT16(m_lastRead.size());
    return m_lastRead.isEmpty() ? nullptr : reinterpret_cast<const UINT8*>(m_lastRead.constData());
}

void CScriptedWire::PutBack(UINT16 total, UINT16 remaining)
{
    if (total > 256 || total < remaining || total > m_lastRead.size())
        return;
    m_pending = m_lastRead.mid(total - remaining, remaining);
}

void CScriptedWire::Sleep(UINT16 ms)
{
    m_sleeps.append(ms);
    m_nowMs += ms;
}

void CScriptedWire::WaitForData(UINT16 ms)
{
    DeliverDue();
    if (!m_pending.isEmpty() || !m_input.isEmpty())
        return;
    m_nowMs = qMin(m_nowMs + ms, qMax(m_nowMs, NextDeliveryMs()));
    DeliverDue();
}

void CScriptedWire::DeliverDue()
{
    for (int i = 0; i < m_scheduled.size();) {
        if (m_scheduled[i].atMs <= m_nowMs) {
            m_input.append(m_scheduled[i].bytes);
            m_scheduled.removeAt(i);
        } else {
            ++i;
        }
    }
}

qint64 CScriptedWire::NextDeliveryMs() const
{
    qint64 next = std::numeric_limits<qint64>::max();
    for (const SDelivery& d : m_scheduled)
        next = qMin(next, d.atMs);
    return next;
}
