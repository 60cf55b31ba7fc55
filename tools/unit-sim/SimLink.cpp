#include "SimLink.h"

#include <QDebug>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace {

const char* const kDebugTexts[] = {
    "FanCtrl: speed settled\n", "Sensor: CO2 sample ok\n", "Vent: bypass check\n",
    "Log: quarter-hour entry written\n", "WLAN: keep-alive\n"
};

} // namespace

CSimLink::CSimLink(quint32 seed)
    : m_Random(seed)
{
}

void CSimLink::attach(int fd)
{
    m_nFd = fd;
    m_Rx.Reset();
    m_Pending.clear();
    m_bAwaitAck = false;
}

void CSimLink::setSilent(bool silent)
{
    m_bSilent = silent;
    if (silent) {
        m_Rx.Reset();
        m_Pending.clear();
        m_bAwaitAck = false;
    }
}

bool CSimLink::roll(SSimFaults::EFault fault)
{
    const double rate = m_Faults.rate[fault];
    if (rate <= 0.0)
        return false;
    return rate >= 1.0 || m_Random.generateDouble() < rate;
}

QByteArray CSimLink::frame(quint8 type, const QByteArray& data, bool ack, bool noAck)
{
    CLLProtocolPacket packet;
    packet.Reset();
    packet.SetPacket(type, false, ack, false, quint16(data.size()), data.isEmpty() ? nullptr : data.constData());
    if (noAck)
        packet.SetNoAckFlag();
    QByteArray wire;
    for (int part = 0; part < 3; ++part) {
        quint16 len = 0;
        const void* p = packet.GetBufferPart(part, &len);
        if (p && len)
            wire.append(static_cast<const char*>(p), len);
    }
    return wire;
}

void CSimLink::receive(const char* data, int len, qint64 nowMs)
{
    if (m_bSilent)
        return;
    const char* p = data;
    quint16 left = quint16(qMin(len, 0xFFFF));
    while (left > 0) {
        const quint16 before = left;
        m_Rx.PacketFromBuffer(p, left);
        p += before - left;
        const auto state = m_Rx.GetReadState();
        if (state == CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT
            || state == CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_INCORRECT) {
            CLLProtocolPacket packet = m_Rx;
            m_Rx.Reset();
            handlePacket(packet, nowMs);
            if (m_bSilent)
                return;
        } else if (before == left) {
            break;
        }
    }
}

void CSimLink::handlePacket(CLLProtocolPacket& packet, qint64 nowMs)
{
    if (packet.GetReadState() != CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT) {
        qDebug() << "unit: packet with bad CRC dropped";
        return;
    }
    if (packet.IsAck()) {
        if (!m_bAwaitAck)
            return;
        m_bAwaitAck = false;
        m_nDueMs = nowMs;
        return;
    }
    if (!idle())
        abandonAnswer("new command");
    if (roll(SSimFaults::DebugMsg))
        sendRandomDebug();
    if (!packet.IsNoAck()) {
        if (scheduledDrop() || roll(SSimFaults::DropAck)) {
            qDebug() << "unit: fault: acknowledgement dropped";
        } else {
            writeNoise();
            writeAll(frame(packet.GetType(), QByteArray(), true));
        }
    }
    m_nCommandFlags = packet.GetFlags();
    if (packet.GetType() == 1 && packet.GetLength() > 0 && m_OnCommand)
        m_OnCommand(QByteArray(reinterpret_cast<const char*>(packet.GetData()), packet.GetLength()));
}

void CSimLink::scheduleAckDrops(int after, int count)
{
    m_nDropAfter = qMax(0, after);
    m_nDropCount = qMax(0, count);
}

bool CSimLink::scheduledDrop()
{
    if (m_nDropCount <= 0)
        return false;
    if (m_nDropAfter > 0) {
        --m_nDropAfter;
        return false;
    }
    --m_nDropCount;
    return true;
}

void CSimLink::queueAnswers(const QList<QByteArray>& answers, qint64 nowMs)
{
    if (answers.isEmpty())
        return;
    if (roll(SSimFaults::NoAnswer)) {
        qDebug() << "unit: fault: answer withheld";
        return;
    }
    m_Pending = answers;
    m_nDueMs = nowMs;
    if (roll(SSimFaults::LateAnswer))
        m_nDueMs += m_Faults.lateAnswerMs;
}

void CSimLink::tick(qint64 nowMs)
{
    if (m_bSilent || m_nFd < 0)
        return;
    if (m_bAwaitAck && nowMs - m_nAwaitSinceMs > m_nAckTimeoutMs)
        abandonAnswer("no acknowledgement");
    if (!m_bAwaitAck && !m_Pending.isEmpty() && nowMs >= m_nDueMs)
        sendNextAnswer(nowMs);
    // Unprompted debug messages, about `rate` per second.
    if (m_nLastTickMs >= 0 && m_Faults.rate[SSimFaults::DebugMsg] > 0.0) {
        const double chance = m_Faults.rate[SSimFaults::DebugMsg] * double(nowMs - m_nLastTickMs) / 1000.0;
        if (m_Random.generateDouble() < chance)
            sendRandomDebug();
    }
    m_nLastTickMs = nowMs;
}

void CSimLink::sendNextAnswer(qint64 nowMs)
{
    QByteArray data = m_Pending.takeFirst();
    if (roll(SSimFaults::WrongNumber))
        data[0] = char(quint8(data.at(0)) ^ 0x40);
    if (roll(SSimFaults::WrongSize)) {
        if (data.size() < 200)
            data.append('\0');
        else
            data.chop(1);
    }
    QByteArray wire = frame(1, data);
    if (roll(SSimFaults::CorruptCrc))
        wire[wire.size() - 1] = char(wire.at(wire.size() - 1) ^ 0x5A);
    writeNoise();
    writeAll(wire);
    m_bAwaitAck = true;
    m_nAwaitSinceMs = nowMs;
}

void CSimLink::abandonAnswer(const char* why)
{
    if (!m_Pending.isEmpty() || m_bAwaitAck)
        qDebug() << "unit: answer abandoned:" << why;
    m_Pending.clear();
    m_bAwaitAck = false;
}

void CSimLink::sendRandomDebug()
{
    if (m_Random.bounded(2) == 0)
        sendDebugNumber(qint32(m_Random.bounded(-1000, 100000)));
    else
        sendDebugText(QString::fromLatin1(kDebugTexts[m_Random.bounded(int(sizeof kDebugTexts / sizeof *kDebugTexts))]));
}

void CSimLink::sendDebugText(const QString& text)
{
    QByteArray data(1, char(2));
    data += text.toUtf8().left(198);
    data.append('\0');
    writeAll(frame(2, data, false, true));
}

void CSimLink::sendDebugNumber(qint32 number)
{
    QByteArray data(5, char(1));
    for (int i = 0; i < 4; ++i)
        data[1 + i] = char(quint32(number) >> (8 * i));
    writeAll(frame(2, data, false, true));
}

void CSimLink::writeNoise()
{
    if (!roll(SSimFaults::Noise))
        return;
    // Never the first sync byte: noise must not start a false packet.
    QByteArray noise(1 + m_Random.bounded(6), '\0');
    for (char& c : noise) {
        do
            c = char(m_Random.bounded(256));
        while (c == 'k');
    }
    writeAll(noise);
}

void CSimLink::writeAll(const QByteArray& bytes)
{
    if (m_nFd < 0)
        return;
    const char* p = bytes.constData();
    qint64 left = bytes.size();
    int stalls = 0;
    while (left > 0) {
        const ssize_t n = ::write(m_nFd, p, size_t(left));
        if (n > 0) {
            p += n;
            left -= n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN && ++stalls < 20) {
            pollfd pfd{m_nFd, POLLOUT, 0};
            ::poll(&pfd, 1, 10);
            continue;
        }
        qDebug() << "unit: write failed, dropping" << left << "bytes";
        return;
    }
}
