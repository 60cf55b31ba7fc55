// Link-level conversations between the PC's link layer (CLLProtocol over a
// QSerialPort) and the in-process simulated unit on a real pseudo-terminal:
// identification, current state, multi-packet answers, secondary-log pages
// across the ring's end, every fault, restart after command 17, unplug/replug.

#include "LLProtocol.h"
#include "LLProtocolWireWin.h"
#include "LittleEndian.h"
#include "UnitSimThread.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <thread>

class tst_UnitSimOverPty : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void identification_data();
    void identification();
    void currentState_data();
    void currentState();
    void countersInSeveralPackets();
    void secLogPagesAcrossRingEnd();
    void faults_data();
    void faults();
    void mixedFaultsOverManyOperations();
    void restartAfterCommand17();
    void unplugDuringOperationThenReplug();

private:
    void startUnit(const SSimConfig& config);
    bool openPort(const QString& path);
    CLLProtocol::EReturnCode sendRecord(const QByteArray& record, bool retry, bool noAck = false);
    CLLProtocol::EReturnCode receiveRecord(QByteArray* data, quint16* id = nullptr);
    QList<QByteArray> receiveAll(int remainingOffset, int remainingBytes, int perPacket);

    QTemporaryDir m_Dir;
    std::unique_ptr<CUnitSimThread> m_Unit;
    std::unique_ptr<QSerialPort> m_Port;
    std::unique_ptr<CLLProtocolWireWin> m_Wire;
};

namespace {

// Little-endian stores into a request under construction (byte by byte).
void setWord(QByteArray& a, int offset, quint16 v)
{
    a[offset] = char(v & 0xFF);
    a[offset + 1] = char(v >> 8);
}

const qint64 kStart = QDateTime(QDate(2026, 2, 3), QTime(7, 30), Qt::UTC).toSecsSinceEpoch();

quint16 word(const QByteArray& a, int offset) { return LE::get16(reinterpret_cast<const uint8_t*>(a.constData()) + offset); }
quint32 dword(const QByteArray& a, int offset) { return LE::get32(reinterpret_cast<const uint8_t*>(a.constData()) + offset); }

// 11-bit two's complement in 1/8 °C.
double temp11(quint16 w)
{
    const int raw = w & 0x7FF;
    return (raw >= 1024 ? raw - 2048 : raw) / 8.0;
}

SSimConfig baseConfig()
{
    SSimConfig c;
    c.startUnixSec = kStart;
    c.clockSpeed = 0.0;             // frozen: what the unit reports equals its truth
    return c;
}

QByteArray single(quint8 number) { return QByteArray(1, char(number)); }

} // namespace

void tst_UnitSimOverPty::startUnit(const SSimConfig& config)
{
    m_Wire.reset();
    m_Port.reset();
    m_Unit.reset(new CUnitSimThread(config));
    QVERIFY(m_Unit->startUnit());
    QVERIFY(openPort(m_Unit->devicePath()));
}

bool tst_UnitSimOverPty::openPort(const QString& path)
{
    m_Wire.reset();
    m_Port.reset(new QSerialPort(path));
    if (!m_Port->open(QIODevice::ReadWrite))
        return false;
    m_Port->setBaudRate(QSerialPort::Baud115200);
    m_Wire.reset(new CLLProtocolWireWin(m_Port.get()));
    return true;
}

void tst_UnitSimOverPty::init()
{
    startUnit(baseConfig());
}

void tst_UnitSimOverPty::cleanup()
{
    m_Wire.reset();
    m_Port.reset();
    m_Unit.reset();
}

CLLProtocol::EReturnCode tst_UnitSimOverPty::sendRecord(const QByteArray& record, bool retry, bool noAck)
{
    CLLProtocolPacket packet;
    packet.Reset();
    packet.SetPacket(1, false, false, retry, UINT16(record.size()), record.constData());
    if (noAck)
        packet.SetNoAckFlag();
    CLLProtocol link(m_Wire.get());
    return link.Send(packet);
}

CLLProtocol::EReturnCode tst_UnitSimOverPty::receiveRecord(QByteArray* data, quint16* id)
{
    CLLProtocolPacket packet;
    packet.Reset();
    CLLProtocol link(m_Wire.get());
    const CLLProtocol::EReturnCode rc = link.Receive(packet);
    if (rc == CLLProtocol::RC_OK) {
        *data = QByteArray(reinterpret_cast<const char*>(packet.GetData()), packet.GetLength());
        if (id)
            *id = packet.GetId();
    }
    return rc;
}

// Receives packets while the remaining count says more follow; empty on failure.
QList<QByteArray> tst_UnitSimOverPty::receiveAll(int remainingOffset, int remainingBytes, int perPacket)
{
    QList<QByteArray> packets;
    for (;;) {
        QByteArray data;
        if (receiveRecord(&data) != CLLProtocol::RC_OK || data.size() < remainingOffset + remainingBytes)
            return {};
        packets << data;
        const quint32 left = remainingBytes == 2 ? word(data, remainingOffset) : dword(data, remainingOffset);
        if (left <= quint32(perPacket))
            return packets;
    }
}

void tst_UnitSimOverPty::identification_data()
{
    QTest::addColumn<bool>("family70");
    QTest::newRow("100 family") << false;
    QTest::newRow("70 family") << true;
}

void tst_UnitSimOverPty::identification()
{
    QFETCH(bool, family70);
    SSimConfig config = baseConfig();
    config.identity.family70 = family70;
    config.identity.serialNr = 20261234;
    startUnit(config);

    QCOMPARE(sendRecord(single(1), false), CLLProtocol::RC_OK);
    QByteArray data;
    quint16 id = 0;
    QCOMPARE(receiveRecord(&data, &id), CLLProtocol::RC_OK);
    QCOMPARE(id, quint16(0x0102));
    QCOMPARE(data.size(), 39);
    QCOMPARE(dword(data, 1), quint32(20261234));
    QCOMPARE(int(word(data, 13) & 1), family70 ? 1 : 0);
    QCOMPARE(data, m_Unit->simulator().identityRecord());
    QCOMPARE(m_Unit->simulator().receivedCount(1), 1);
}

void tst_UnitSimOverPty::currentState_data()
{
    QTest::addColumn<bool>("family70");
    QTest::newRow("100 family") << false;
    QTest::newRow("70 family") << true;
}

void tst_UnitSimOverPty::currentState()
{
    QFETCH(bool, family70);
    SSimConfig config = baseConfig();
    config.identity.family70 = family70;
    startUnit(config);

    QCOMPARE(sendRecord(single(19), true), CLLProtocol::RC_OK);
    QByteArray data;
    quint16 id = 0;
    QCOMPARE(receiveRecord(&data, &id), CLLProtocol::RC_OK);
    QCOMPARE(id, quint16(0x0113));
    QCOMPARE(data.size(), family70 ? 30 : 28);
    const QByteArray e = data.mid(2);
    QCOMPARE(e, m_Unit->simulator().currentEntry());

    // Decoded from the known offsets, the values are the model's own and plausible.
    const SSimSample truth = m_Unit->simulator().currentSample();
    QCOMPARE(temp11(word(e, 0)), std::round(truth.supplyTemp * 8) / 8);
    QCOMPARE(temp11(word(e, 6)), std::round(truth.extractTemp * 8) / 8);
    QVERIFY(temp11(word(e, 6)) > 18 && temp11(word(e, 6)) < 24);
    QCOMPARE(int(quint8(e.at(10)) & 0x7F), truth.outdoorHum);
    QCOMPARE(int(quint8(e.at(11)) & 0x7F), truth.extractHum);
    if (family70) {
        QCOMPARE(int(quint8(e.at(14)) & 7) + 1, truth.comfortLevel);
        QCOMPARE(quint8(e.at(16)) | ((quint8(e.at(17)) & 0x0F) << 8), truth.fanRpmExtract);
    } else {
        QCOMPARE(temp11(word(e, 2)), std::round(truth.outdoorTemp * 8) / 8);
        QCOMPARE(int(quint8(e.at(12))), truth.co2Ppm / 16);
        QCOMPARE(700 + 16 * (word(e, 2) >> 11) + ((word(e, 8) >> 11) & 0x0F), truth.pressureHpa);
        QCOMPARE(int(quint8(e.at(13)) >> 5) + 1, truth.comfortLevel);
        QCOMPARE(int(word(e, 16) >> 12) * 10, truth.fanFlow);
        QVERIFY(quint8(e.at(12)) * 16 >= 400 && quint8(e.at(12)) * 16 <= 2000);
    }
}

void tst_UnitSimOverPty::countersInSeveralPackets()
{
    QCOMPARE(sendRecord(single(13), true), CLLProtocol::RC_OK);
    const QList<QByteArray> packets = receiveAll(1, 4, 8);
    QCOMPARE(packets.size(), 10);
    QVector<quint32> values;
    for (int i = 0; i < packets.size(); ++i) {
        QCOMPARE(packets[i].size(), 37);
        QCOMPARE(dword(packets[i], 1), quint32(74 - 8 * i));
        for (int k = 0; k < 8 && values.size() < 74; ++k)
            values << dword(packets[i], 5 + 4 * k);
    }
    QCOMPARE(values, m_Unit->simulator().counters());
}

void tst_UnitSimOverPty::secLogPagesAcrossRingEnd()
{
    m_Unit->simulator().configureRing(0, 96, 25, 90);

    QByteArray countRequest(20, '\0');
    countRequest[0] = char(24);
    QCOMPARE(sendRecord(countRequest, false), CLLProtocol::RC_OK);
    QByteArray counts;
    QCOMPARE(receiveRecord(&counts), CLLProtocol::RC_OK);
    const int capacity = word(counts, 2);
    int remaining = word(counts, 8);
    int index = word(counts, 14);
    QCOMPARE(capacity, 96);
    QCOMPARE(remaining, 25);
    QCOMPARE(index, 90);

    // Pages of at most 10 from the oldest, wrapping the start index as the reader does.
    QList<int> starts;
    QList<QByteArray> entries;
    while (remaining > 0) {
        const int n = qMin(remaining, 10);
        starts << index;
        QByteArray request(166, '\0');
        request[0] = char(20);
        setWord(request, 2, quint16(index));
        setWord(request, 4, quint16(n));
        QCOMPARE(sendRecord(request, false), CLLProtocol::RC_OK);
        const QList<QByteArray> packets = receiveAll(4, 2, 5);
        QVERIFY(!packets.isEmpty());
        for (const QByteArray& p : packets) {
            QCOMPARE(p.size(), 166);
            QCOMPARE(quint8(p.at(1)), quint8(0));
            for (int k = 0; k < qMin(5, int(word(p, 4))); ++k)
                entries << p.mid(6 + 32 * k, 32);
        }
        remaining -= n;
        index = index + 10 < capacity ? index + 10 : index + 10 - capacity;
    }
    QCOMPARE(starts, (QList<int>{90, 4, 14}));
    QCOMPARE(entries.size(), 25);
    for (int k = 0; k < 25; ++k)
        QCOMPARE(entries[k], m_Unit->simulator().secLogSlot(0, (90 + k) % 96));
}

void tst_UnitSimOverPty::faults_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<bool>("sendOk");
    QTest::addColumn<bool>("receiveOk");
    QTest::addColumn<int>("answerId");
    QTest::addColumn<int>("answerSize");
    QTest::newRow("noise") << int(SSimFaults::Noise) << 0 << true << true << 0x0113 << 28;
    QTest::newRow("corrupted CRC") << int(SSimFaults::CorruptCrc) << 0 << true << false << 0 << 0;
    QTest::newRow("dropped ACK") << int(SSimFaults::DropAck) << 0 << false << false << 0 << 0;
    QTest::newRow("no answer") << int(SSimFaults::NoAnswer) << 0 << true << false << 0 << 0;
    QTest::newRow("late, within the silence limit") << int(SSimFaults::LateAnswer) << 200 << true << true << 0x0113 << 28;
    QTest::newRow("late, beyond the silence limit") << int(SSimFaults::LateAnswer) << 4000 << true << false << 0 << 0;
    QTest::newRow("wrong message number") << int(SSimFaults::WrongNumber) << 0 << true << true << (0x0100 | (19 ^ 0x40)) << 28;
    QTest::newRow("wrong size") << int(SSimFaults::WrongSize) << 0 << true << true << 0x0113 << 29;
    QTest::newRow("debug messages") << int(SSimFaults::DebugMsg) << 0 << true << true << 0x0113 << 28;
}

void tst_UnitSimOverPty::faults()
{
    QFETCH(int, fault);
    QFETCH(int, lateMs);
    QFETCH(bool, sendOk);
    QFETCH(bool, receiveOk);
    QFETCH(int, answerId);
    QFETCH(int, answerSize);
    SSimFaults faults;
    faults.rate[fault] = 1.0;
    faults.lateAnswerMs = lateMs;
    m_Unit->simulator().setFaults(faults);

    QCOMPARE(sendRecord(single(19), true) == CLLProtocol::RC_OK, sendOk);
    if (!sendOk)
        return;
    QByteArray data;
    quint16 id = 0;
    QCOMPARE(receiveRecord(&data, &id) == CLLProtocol::RC_OK, receiveOk);
    if (!receiveOk)
        return;
    QCOMPARE(int(id), answerId);
    QCOMPARE(data.size(), answerSize);
    QCOMPARE(data.mid(2, 26), m_Unit->simulator().currentEntry());
}

void tst_UnitSimOverPty::mixedFaultsOverManyOperations()
{
    // A few percent of noise, corrupted answers and dropped ACKs at once:
    // whatever succeeds carries exactly the unit's data, the rest fails, and
    // no operation waits longer than the link's own limits allow.
    SSimFaults faults;
    faults.rate[SSimFaults::Noise] = 0.04;
    faults.rate[SSimFaults::CorruptCrc] = 0.03;
    faults.rate[SSimFaults::DropAck] = 0.03;
    m_Unit->simulator().setFaults(faults);
    const QByteArray truth = m_Unit->simulator().currentEntry();
    QByteArray countRequest(20, '\0');
    countRequest[0] = char(24);
    int ok = 0;
    int failed = 0;
    QElapsedTimer timer;
    for (int op = 0; op < 1000; ++op) {
        timer.start();
        const bool state = op % 2 == 0;
        QByteArray data;
        quint16 id = 0;
        const bool success = sendRecord(state ? single(19) : countRequest, state) == CLLProtocol::RC_OK
            && receiveRecord(&data, &id) == CLLProtocol::RC_OK;
        // Three attempts, each bounded by the silence limit, plus one receive.
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
        if (!success) {
            ++failed;
            continue;
        }
        ++ok;
        if (state) {
            QCOMPARE(id, quint16(0x0113));
            QCOMPARE(data.mid(2), truth);
        } else {
            QCOMPARE(id, quint16(0x0118));
            QCOMPARE(word(data, 8), quint16(960));
        }
    }
    QVERIFY(ok > 800);
    QVERIFY(failed > 0);
}

void tst_UnitSimOverPty::restartAfterCommand17()
{
    // Long enough that the request below surely meets the silent unit, even on a busy machine.
    SSimConfig config = baseConfig();
    config.restartDelayMs = 3000;
    startUnit(config);
    m_Unit->simulator().setRunningSystem(SSimIdentity::RS_Boot1);
    const quint32 boots = m_Unit->simulator().counters().at(CSimUnitState::C_BootCycles);
    QCOMPARE(sendRecord(single(17), true, true), CLLProtocol::RC_OK);
    QTRY_VERIFY_WITH_TIMEOUT(m_Unit->simulator().receivedCount(17) == 1, 5000);
    // Silent while it restarts: the identification request is not acknowledged.
    QCOMPARE(sendRecord(single(1), false), CLLProtocol::RC_FAILED);
    QTRY_VERIFY_WITH_TIMEOUT(!m_Unit->simulator().restarting(), 10000);
    QCOMPARE(sendRecord(single(1), false), CLLProtocol::RC_OK);
    QByteArray data;
    QCOMPARE(receiveRecord(&data), CLLProtocol::RC_OK);
    QCOMPARE(quint8(data.at(7)), quint8(SSimIdentity::RS_Application));
    QCOMPARE(m_Unit->simulator().counters().at(CSimUnitState::C_BootCycles), boots + 1);
}

void tst_UnitSimOverPty::unplugDuringOperationThenReplug()
{
    QVERIFY(m_Dir.isValid());
    SSimConfig config = baseConfig();
    config.linkPath = m_Dir.filePath(QStringLiteral("unit"));
    config.faults.rate[SSimFaults::LateAnswer] = 1.0;
    config.faults.lateAnswerMs = 800;
    startUnit(config);
    QCOMPARE(QFileInfo(config.linkPath).symLinkTarget(), m_Unit->devicePath());
    const QString firstDevice = m_Unit->devicePath();

    QCOMPARE(sendRecord(single(19), true), CLLProtocol::RC_OK);
    // The cable is pulled while the PC waits for the (late) answer.
    std::thread puller([this]() {
        QThread::msleep(100);
        m_Unit->simulator().unplug();
    });
    QByteArray data;
    QCOMPARE(receiveRecord(&data), CLLProtocol::RC_FAILED);
    puller.join();
    QVERIFY(!QFileInfo::exists(config.linkPath));

    m_Unit->simulator().setFault(SSimFaults::LateAnswer, 0.0);
    QVERIFY(m_Unit->simulator().plugIn());
    QCOMPARE(QFileInfo(config.linkPath).symLinkTarget(), m_Unit->devicePath());
    QVERIFY(openPort(config.linkPath));
    QCOMPARE(sendRecord(single(1), false), CLLProtocol::RC_OK);
    QCOMPARE(receiveRecord(&data), CLLProtocol::RC_OK);
    QCOMPARE(data, m_Unit->simulator().identityRecord());
    Q_UNUSED(firstDevice)
}

QTEST_GUILESS_MAIN(tst_UnitSimOverPty)
#include "tst_UnitSimOverPty.moc"
