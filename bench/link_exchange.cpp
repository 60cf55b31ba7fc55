// Cost of one request/answer exchange through the link layer (Send with the
// unit's ACK, Receive with the PC's ACK) against the raw round trip of the
// same bytes over the same pseudo-terminal. A peer thread on the master side
// plays the unit: it acknowledges each request and answers with one packet.
// Last line: exchange_vs_raw_ratio=<number> (goal: 3 or less).

#include "LLProtocol.h"
#include "LLProtocolPacket.h"
#include "LLProtocolWireWin.h"
#include "PtyPair.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPort>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const int kRounds = 400;
const int kWarmUp = 20;

CLLProtocolPacket MakeRequest()
{
    CLLProtocolPacket request;
    request.SetSingleByte(1, true, 19);
    return request;
}

CLLProtocolPacket MakeAnswer()
{
    UINT8 record[60];
    for (int i = 0; i < int(sizeof record); ++i)
        record[i] = UINT8(i * 7);
    record[0] = 19;
    CLLProtocolPacket answer;
    answer.SetPacket(1, false, false, false, sizeof record, record);
    return answer;
}

CLLProtocolPacket MakeAck()
{
    CLLProtocolPacket ack;
    ack.SetPacket(1, false, true, false, 0, nullptr);
    return ack;
}

// The unit: ACK plus answer for every request, nothing for the PC's ACKs.
void RunPeer(int fd, const std::atomic<bool>& stop)
{
    const QByteArray reply = MakeAck().WireBytes() + MakeAnswer().WireBytes();
    CLLProtocolPacket packet;
    while (!stop) {
        pollfd p = { fd, POLLIN, 0 };
        if (::poll(&p, 1, 50) <= 0)
            continue;
        char buf[512];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            continue;
        UINT16 left = UINT16(n);
        while (left > 0) {
            packet.PacketFromBuffer(buf + (n - left), left);
            if (packet.GetReadState() < CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT)
                continue;
            if (!packet.IsAck() && ::write(fd, reply.constData(), size_t(reply.size())) != reply.size())
                return;
            packet.Reset();
        }
    }
}

qint64 LinkExchange(CLLProtocolWire* wire)
{
    QElapsedTimer timer;
    timer.start();
    CLLProtocol link(wire);
    CLLProtocolPacket request = MakeRequest();
    CLLProtocolPacket answer;
    if (link.Send(request) != CLLProtocol::RC_OK || link.Receive(answer) != CLLProtocol::RC_OK) {
        std::fprintf(stderr, "link exchange failed\n");
        return -1;
    }
    return timer.nsecsElapsed();
}

qint64 RawExchange(QSerialPort& port)
{
    static const QByteArray request = MakeRequest().WireBytes();
    static const QByteArray ack = MakeAck().WireBytes();
    static const int replySize = ack.size() + MakeAnswer().WireBytes().size();

    QElapsedTimer timer;
    timer.start();
    port.write(request);
    port.flush();
    qint64 got = 0;
    char buf[512];
    while (got < replySize) {
        if (port.bytesAvailable() == 0 && !port.waitForReadyRead(5000)) {
            std::fprintf(stderr, "raw exchange failed\n");
            return -1;
        }
        got += port.read(buf, sizeof buf);
    }
    port.write(ack);
    port.flush();
    return timer.nsecsElapsed();
}

double MedianUs(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : double(v[v.size() / 2]) / 1000.0;
}

void Quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The link layer writes several debug lines per exchange; both sides of
    // the comparison run without a console behind them.
    qInstallMessageHandler(Quiet);

    CPtyPair pty;
    QSerialPort port(pty.slavePath());
    if (!pty.isValid() || !port.open(QIODevice::ReadWrite)) {
        std::fprintf(stderr, "cannot set up the pseudo-terminal\n");
        return 1;
    }
    CLLProtocolWireWin wire(&port);

    std::atomic<bool> stop(false);
    std::thread peer(RunPeer, pty.masterFd(), std::cref(stop));

    std::vector<qint64> exchange, raw;
    bool ok = true;
    for (int i = 0; i < kWarmUp + kRounds && ok; ++i) {
        // Interleaved, so that load from elsewhere hits both alike.
        const qint64 e = LinkExchange(&wire);
        const qint64 r = RawExchange(port);
        ok = e >= 0 && r >= 0;
        if (i >= kWarmUp) {
            exchange.push_back(e);
            raw.push_back(r);
        }
    }
    stop = true;
    peer.join();
    if (!ok)
        return 1;

    const double e = MedianUs(exchange);
    const double r = MedianUs(raw);
    std::printf("rounds=%d\n", kRounds);
    std::printf("exchange_median_us=%.1f\n", e);
    std::printf("raw_round_trip_median_us=%.1f\n", r);
    std::printf("exchange_vs_raw_ratio=%.2f\n", r > 0 ? e / r : 0.0);
    return 0;
}
