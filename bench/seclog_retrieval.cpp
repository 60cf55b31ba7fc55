// Reading a whole quarter-hour ring of 2 000 entries from the simulated unit
// over a pseudo-terminal, as the connection supervisor does: the log counts
// (message 24), then pages of 10 from the oldest entry (message 20, two
// answer packets each). Interleaved with it, exchange by exchange, the raw
// round trip of the same conversation (same packet sizes, same turns:
// request -> ACK + answer, ACK -> answer, ACK) over another pseudo-terminal
// with a peer that only counts bytes. Last line:
//   retrieval_vs_raw_ratio=<retrieval time / (exchanges x raw round trip)>
// (goal: 4 or less), where an exchange is one request with its whole answer
// and the raw round trip is the raw run's time per exchange (medians of runs).

#include "LLProtocolPacket.h"
#include "PC/Fan.h"
#include "PtyPair.h"
#include "UnitSimThread.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSerialPort>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const int kEntries = 2000;
const int kPage = 10;
const int kOldest = 717;            // the ring's end falls inside the read
const int kRuns = 5;

QByteArray wireOf(const QByteArray& data, bool ack = false)
{
    CLLProtocolPacket packet;
    packet.SetPacket(1, false, ack, false, UINT16(data.size()), data.isEmpty() ? nullptr : data.constData());
    return packet.WireBytes();
}

// One turn of a conversation: the PC writes `pcBytes`, then the unit `unitBytes` (may be 0).
struct STurn
{
    int pcBytes;
    int unitBytes;
};

// The raw turns of one exchange: a page (request -> ACK + first answer,
// ACK -> second answer, ACK) or the log counts (request -> ACK + answer, ACK).
std::vector<STurn> exchangeTurns(int requestSize, int answerPackets)
{
    const int ack = wireOf(QByteArray(), true).size();
    const int packet = wireOf(QByteArray(requestSize, '\0')).size();
    std::vector<STurn> turns { { packet, ack + packet } };
    for (int p = 1; p < answerPackets; ++p)
        turns.push_back({ ack, packet });
    turns.push_back({ ack, 0 });
    return turns;
}

// The raw peer: reads what the PC writes and answers each turn with as many
// bytes as the unit would, without looking at them.
void RunRawPeer(int fd, const std::vector<STurn>& turns, const std::atomic<bool>& stop)
{
    const QByteArray filler(512, char(0x55));
    size_t turn = 0;
    int got = 0;
    while (!stop) {
        pollfd p = { fd, POLLIN, 0 };
        if (::poll(&p, 1, 20) <= 0)
            continue;
        char buf[512];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            continue;
        got += int(n);
        while (got >= turns[turn].pcBytes) {
            got -= turns[turn].pcBytes;
            const int reply = turns[turn].unitBytes;
            if (reply > 0 && ::write(fd, filler.constData(), size_t(reply)) != reply)
                return;
            turn = (turn + 1) % turns.size();
        }
    }
}

// The raw transport: its own pseudo-terminal, a QSerialPort on the PC's side
// (written and read like the link layer's) and the byte-counting peer.
class CRawLink
{
public:
    explicit CRawLink(const std::vector<STurn>& turns)
        : m_Turns(turns)
        , m_Port(m_Pty.slavePath())
    {
        m_bOk = m_Pty.isValid() && m_Port.open(QIODevice::ReadWrite);
        if (m_bOk)
            m_Peer = std::thread(RunRawPeer, m_Pty.masterFd(), std::cref(m_Turns), std::cref(m_Stop));
    }
    ~CRawLink()
    {
        m_Stop = true;
        if (m_Peer.joinable())
            m_Peer.join();
    }
    bool isOk() const { return m_bOk; }

    // The time of one exchange in ns, -1 on a stall.
    qint64 exchange(const std::vector<STurn>& turns)
    {
        const QByteArray filler(512, char(0x33));
        QElapsedTimer timer;
        timer.start();
        for (const STurn& t : turns) {
            m_Port.write(filler.constData(), t.pcBytes);
            m_Port.flush();
            if (t.unitBytes > 0 && !readExactly(t.unitBytes))
                return -1;
        }
        return timer.nsecsElapsed();
    }

private:
    bool readExactly(int count)
    {
        char buf[512];
        for (int got = 0; got < count;) {
            if (m_Port.bytesAvailable() == 0 && !m_Port.waitForReadyRead(5000))
                return false;
            got += int(m_Port.read(buf, qMin<qint64>(sizeof buf, count - got)));
        }
        return true;
    }

    std::vector<STurn> m_Turns;
    CPtyPair m_Pty;
    QSerialPort m_Port;
    std::atomic<bool> m_Stop { false };
    std::thread m_Peer;
    bool m_bOk = false;
};

struct SRun
{
    qint64 deviceNs = 0;    // the device object's exchanges, entries appended
    qint64 rawNs = 0;       // the same exchanges, raw
    int exchanges = 0;
    std::vector<qint64> deviceExchangeNs;
    std::vector<qint64> rawExchangeNs;
};

// Reads the whole ring; before each of the device object's exchanges the raw
// link runs the same one, so that load from elsewhere (scheduling delays
// included) hits both alike. False when a read failed or an entry differs
// from the unit's own.
bool Retrieve(CFan& fan, CUnitSimulator& sim, CRawLink& raw, SRun& run)
{
    QElapsedTimer timer;
    auto measure = [&](const std::vector<STurn>& turns, const std::function<bool()>& exchange) {
        const qint64 r = raw.exchange(turns);
        timer.start();
        const bool ok = exchange();
        const qint64 d = timer.nsecsElapsed();
        run.rawExchangeNs.push_back(r);
        run.deviceExchangeNs.push_back(d);
        run.rawNs += r;
        run.deviceNs += d;
        ++run.exchanges;
        return ok && r >= 0;
    };

    UINT16 capacity[3] = {}, count[3] = {}, oldest[3] = {};
    if (!measure(exchangeTurns(20, 1), [&]() { return fan.getSecLogCnt(capacity, count, oldest); }))
        return false;
    QVector<SSecLogEntry> all;
    all.reserve(count[0]);
    QVector<SSecLogEntry> page;
    int index = oldest[0];
    for (int remaining = count[0]; remaining > 0;) {
        const int n = qMin(remaining, kPage);
        const bool ok = measure(exchangeTurns(166, 2), [&]() {
            if (!fan.getSecLog(page, CLogging::MTS_15Min, UINT16(n), UINT16(index)) || page.size() != n)
                return false;
            all += page;
            return true;
        });
        if (!ok)
            return false;
        remaining -= n;
        index = (index + n) % capacity[0];
    }
    if (all.size() != kEntries)
        return false;
    for (int k = 0; k < kEntries; ++k)
        if (all[k].toBytes() != sim.secLogSlot(0, (kOldest + k) % kEntries))
            return false;
    return true;
}

template <class T>
T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? T() : v[v.size() / 2];
}

void Quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Both sides write debug lines for every packet; no console behind them.
    qInstallMessageHandler(Quiet);

    SSimConfig config;
    config.startUnixSec = QDateTime(QDate(2026, 2, 3), QTime(7, 30), Qt::UTC).toSecsSinceEpoch();
    config.clockSpeed = 0.0;
    config.ringCapacity[0] = kEntries;
    config.ringCount[0] = kEntries;
    config.ringOldest[0] = kOldest;
    CUnitSimThread unit(config);
    CFan fan(false);
    if (!unit.startUnit() || !fan.openPort(unit.devicePath())) {
        std::fprintf(stderr, "cannot start the simulated unit\n");
        return 1;
    }

    // The raw peer follows the retrieval's conversation turn by turn.
    std::vector<STurn> conversation = exchangeTurns(20, 1);
    for (int e = 0; e < kEntries / kPage; ++e) {
        const std::vector<STurn> page = exchangeTurns(166, 2);
        conversation.insert(conversation.end(), page.begin(), page.end());
    }
    CRawLink raw(conversation);
    if (!raw.isOk()) {
        std::fprintf(stderr, "cannot set up the pseudo-terminal\n");
        return 1;
    }

    std::vector<double> device, rawTotal, ratios;
    std::vector<qint64> deviceExchange, rawExchange;
    int exchanges = 0;
    for (int r = 0; r < kRuns; ++r) {
        SRun run;
        if (!Retrieve(fan, unit.simulator(), raw, run)) {
            std::fprintf(stderr, "retrieval failed\n");
            return 1;
        }
        exchanges = run.exchanges;
        device.push_back(double(run.deviceNs));
        rawTotal.push_back(double(run.rawNs));
        ratios.push_back(double(run.deviceNs) / double(run.rawNs));
        deviceExchange.insert(deviceExchange.end(), run.deviceExchangeNs.begin(), run.deviceExchangeNs.end());
        rawExchange.insert(rawExchange.end(), run.rawExchangeNs.begin(), run.rawExchangeNs.end());
    }
    const double retrievalNs = Median(device);
    const double rawRoundTripNs = Median(rawTotal) / exchanges;

    std::printf("runs=%d\n", kRuns);
    std::printf("entries=%d\n", kEntries);
    std::printf("exchanges=%d\n", exchanges);
    std::printf("retrieval_ms=%.1f\n", retrievalNs / 1e6);
    std::printf("entries_per_second=%.0f\n", kEntries / (retrievalNs / 1e9));
    std::printf("exchange_median_us=%.1f\n", double(Median(deviceExchange)) / 1e3);
    std::printf("raw_exchange_median_us=%.1f\n", double(Median(rawExchange)) / 1e3);
    std::printf("raw_round_trip_us=%.1f\n", rawRoundTripNs / 1e3);
    std::printf("run_ratio_median=%.2f\n", Median(ratios));
    std::printf("retrieval_vs_raw_ratio=%.2f\n", retrievalNs / (exchanges * rawRoundTripNs));
    return 0;
}
