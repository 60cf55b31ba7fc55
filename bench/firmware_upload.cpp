// Cost of uploading the six built-in firmware images through CFanBase to the
// simulated unit's boot loader, against pushing the very same packets through
// a raw write-and-acknowledge loop on a pseudo-terminal (a peer thread
// acknowledges each packet). The pauses the boot loader is given (750 ms after
// each block, the slow mode of the WiFi firmware) are switched off for the
// measurement and reported apart, as the time the real update adds.
// Per image: bytes, transfer_ms, pause_ms, raw_ms, and link_only_ms (the same
// packets sent by the link layer alone to the raw peer: the share of the
// link layer, which writes header, data and CRC separately). Medians of
// interleaved rounds. Last line:
// upload_vs_raw_ratio=<transfer time / raw loop time> (goal: 2 or less).

#include "Firmware/FlashImageList.h"
#include "LLProtocol.h"
#include "LLProtocolPacket.h"
#include "LLProtocolWireWin.h"
#include "PC/Fan.h"
#include "PtyPair.h"
#include "UnitSimThread.h"

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

const int kRounds = 9;

struct SUpload {
    const char* name;
    int system;             // CFlashImage::ESystem
    int type;               // CPartitionTable::EPartType of the image
    int runningSystem;      // the boot loader that runs meanwhile
    bool slowMode;          // as the update sequence uploads it
};

const SUpload kUploads[] = {
    { "Bootloader1", 1, 1, 2, false },
    { "Bootloader2", 1, 2, 1, false },
    { "Application", 1, 3, 1, false },
    { "Zyventplus", 2, 3, 1, false },
    { "cc3200", 1, 4, 1, true },
    { "cc3200_bridge", 1, 5, 1, false },
};

// What the update adds in pauses: per block the settle after command 9; in
// slow mode the pause after command 4, after each start record and after each chunk.
qint64 PrescribedPauseMs(const CFlashImage& image, bool slowMode)
{
    const CFanBase::STransferPauses pauses;
    qint64 ms = 0;
    if (slowMode)
        ms += pauses.slowStartMs;
    for (const SMemBlock& block : image.blocks()) {
        ms += pauses.settleMs;
        if (slowMode) {
            const int chunks = (block.data.size() + CFanBase::TRANSFER_CHUNK - 1) / CFanBase::TRANSFER_CHUNK;
            ms += pauses.slowStartMs + qint64(chunks) * pauses.slowChunkMs;
        }
    }
    return ms;
}

// The packets as the unit received them: type 1, PF_RETRY (the development
// images are not enciphered, so no user flag).
std::vector<QByteArray> WirePackets(const QList<SSimReceivedCommand>& commands)
{
    std::vector<QByteArray> packets;
    for (const SSimReceivedCommand& c : commands) {
        CLLProtocolPacket packet;
        packet.SetPacket(1, false, false, true, UINT16(c.record.size()), c.record.constData());
        packets.push_back(packet.WireBytes());
    }
    return packets;
}

// The raw unit: an ACK for every complete packet.
void RunAckPeer(int fd, const std::atomic<bool>& stop)
{
    CLLProtocolPacket ackPacket;
    ackPacket.SetPacket(1, false, true, false, 0, nullptr);
    const QByteArray ack = ackPacket.WireBytes();
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
            if (::write(fd, ack.constData(), size_t(ack.size())) != ack.size())
                return;
            packet.Reset();
        }
    }
}

// Writes each packet and waits for its 10-byte acknowledgement.
qint64 RawLoopNs(QSerialPort& port, const std::vector<QByteArray>& packets)
{
    QElapsedTimer timer;
    timer.start();
    char buf[64];
    for (const QByteArray& packet : packets) {
        port.write(packet);
        port.flush();
        qint64 got = 0;
        while (got < 10) {
            if (port.bytesAvailable() == 0 && !port.waitForReadyRead(5000))
                return -1;
            got += port.read(buf, qMin<qint64>(sizeof buf, 10 - got));
        }
    }
    return timer.nsecsElapsed();
}

// The same packets sent by the link layer (Send, waiting for each ACK) to the raw peer.
qint64 LinkLoopNs(CLLProtocolWire* wire, const std::vector<QByteArray>& records)
{
    QElapsedTimer timer;
    timer.start();
    CLLProtocol link(wire);
    for (const QByteArray& r : records) {
        CLLProtocolPacket packet;
        packet.SetPacket(1, false, false, true, UINT16(r.size()), r.constData());
        if (link.Send(packet) != CLLProtocol::RC_OK)
            return -1;
    }
    return timer.nsecsElapsed();
}

void Quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

struct SFigures {
    qint64 bytes = 0;
    qint64 pauseMs = 0;
    std::vector<qint64> transferNs;
    std::vector<qint64> rawNs;
    std::vector<qint64> linkNs;
};

double MedianMs(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : double(v[v.size() / 2]) / 1e6;
}

// One round: each image to the simulator, then its packets through the raw loop.
bool RunRound(CUnitSimThread& unit, CFan& fan, QSerialPort& rawPort, const CFlashImageList& catalogue,
              std::vector<SFigures>& figures)
{
    for (size_t i = 0; i < sizeof kUploads / sizeof *kUploads; ++i) {
        const SUpload& u = kUploads[i];
        const CFlashImage* image = catalogue.findImage(u.type, CFlashImage::ESystem(u.system));
        if (!image)
            return false;
        unit.simulator().setRunningSystem(u.runningSystem);
        unit.simulator().clearReceivedCommands();
        QElapsedTimer timer;
        timer.start();
        if (!fan.uploadImage(CFlashImage::ESystem(u.system), CPartitionTable::EPartType(u.type), nullptr, u.slowMode))
            return false;
        figures[i].transferNs.push_back(timer.nsecsElapsed());

        const qint64 raw = RawLoopNs(rawPort, WirePackets(unit.simulator().receivedCommands()));
        if (raw < 0)
            return false;
        figures[i].rawNs.push_back(raw);
        std::vector<QByteArray> records;
        for (const SSimReceivedCommand& c : unit.simulator().receivedCommands())
            records.push_back(c.record);
        CLLProtocolWireWin rawWire(&rawPort);
        const qint64 link = LinkLoopNs(&rawWire, records);
        if (link < 0)
            return false;
        figures[i].linkNs.push_back(link);
        figures[i].bytes = 0;
        for (const SMemBlock& block : image->blocks())
            figures[i].bytes += block.data.size();
        figures[i].pauseMs = PrescribedPauseMs(*image, u.slowMode);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The link layer writes several debug lines per packet; neither side of
    // the comparison has a console behind it.
    qInstallMessageHandler(Quiet);

    SSimConfig config;
    config.clockSpeed = 0.0;
    config.identity.runningSystem = 1;
    CUnitSimThread unit(config);
    CFan fan(false);
    fan.setTransferPauses({ 0, 0, 0 });
    CPtyPair pty;
    QSerialPort rawPort(pty.slavePath());
    if (!unit.startUnit() || !fan.openPort(unit.devicePath()) || !pty.isValid()
        || !rawPort.open(QIODevice::ReadWrite)) {
        std::fprintf(stderr, "cannot set up the pseudo-terminals\n");
        return 1;
    }
    std::atomic<bool> stop(false);
    std::thread peer(RunAckPeer, pty.masterFd(), std::cref(stop));

    const CFlashImageList catalogue;
    std::vector<SFigures> figures(sizeof kUploads / sizeof *kUploads);
    bool ok = true;
    for (int round = 0; round < kRounds && ok; ++round)
        ok = RunRound(unit, fan, rawPort, catalogue, figures);
    stop = true;
    peer.join();
    if (!ok || !unit.simulator().bootViolations().isEmpty()) {
        std::fprintf(stderr, "upload failed\n");
        return 1;
    }

    double transferTotal = 0.0, rawTotal = 0.0;
    qint64 pauseTotal = 0;
    std::printf("rounds=%d (medians)\n", kRounds);
    for (size_t i = 0; i < figures.size(); ++i) {
        const double t = MedianMs(figures[i].transferNs);
        const double r = MedianMs(figures[i].rawNs);
        const double l = MedianMs(figures[i].linkNs);
        std::printf("image=%s bytes=%lld transfer_ms=%.1f pause_ms=%lld raw_ms=%.1f "
                    "link_only_ms=%.1f\n",
                    kUploads[i].name, static_cast<long long>(figures[i].bytes), t,
                    static_cast<long long>(figures[i].pauseMs), r, l);
        transferTotal += t;
        rawTotal += r;
        pauseTotal += figures[i].pauseMs;
    }
    std::printf("total transfer_ms=%.1f pause_ms=%lld raw_ms=%.1f\n", transferTotal,
                static_cast<long long>(pauseTotal), rawTotal);
    std::printf("upload_vs_raw_ratio=%.2f\n", rawTotal > 0 ? transferTotal / rawTotal : 0.0);
    return 0;
}
