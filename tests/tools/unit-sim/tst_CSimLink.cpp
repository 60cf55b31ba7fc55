// The unit's side of the link at byte level, on a socket pair: what goes out
// for each command, in which order, and what every named fault does to it.
// Frames are built and checked here with an independent bitwise CRC-16
// (0x1021, start 0xFFFF; check value 0x29B1 for "123456789").

#include "SimLink.h"

#include <QtTest>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

quint16 crc16(const QByteArray& data)
{
    quint16 crc = 0xFFFF;
    for (char c : data) {
        crc ^= quint16(quint8(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

QByteArray wireFrame(quint8 type, quint8 flags, const QByteArray& data)
{
    QByteArray f("kdrw");
    f.append(char(type)).append(char(flags)).append(char(data.size() & 0xFF)).append(char(data.size() >> 8));
    f.append(data);
    const quint16 crc = crc16(data);
    f.append(char(crc & 0xFF)).append(char(crc >> 8));
    return f;
}

struct SFrame
{
    int noiseBefore = 0;
    quint8 type = 0;
    quint8 flags = 0;
    QByteArray data;
    bool crcOk = false;
};

// Splits what the unit wrote into frames, counting bytes before each sync.
QList<SFrame> parseFrames(QByteArray bytes)
{
    QList<SFrame> frames;
    while (!bytes.isEmpty()) {
        const int sync = bytes.indexOf("kdrw");
        if (sync < 0 || bytes.size() < sync + 10)
            break;
        SFrame f;
        f.noiseBefore = sync;
        f.type = quint8(bytes.at(sync + 4));
        f.flags = quint8(bytes.at(sync + 5));
        const int len = quint8(bytes.at(sync + 6)) | (quint8(bytes.at(sync + 7)) << 8);
        if (bytes.size() < sync + 10 + len)
            break;
        f.data = bytes.mid(sync + 8, len);
        const quint16 rx = quint16(quint8(bytes.at(sync + 8 + len)) | (quint8(bytes.at(sync + 9 + len)) << 8));
        f.crcOk = rx == crc16(f.data);
        frames << f;
        bytes.remove(0, sync + 10 + len);
    }
    return frames;
}

const quint8 kAck = 0x20;
const quint8 kNoAck = 0x40;

} // namespace

class tst_CSimLink : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void crcCheckValue();
    void acknowledgesThenAnswers();
    void multiPacketAnswerWaitsForEachAck();
    void noAckCommandGetsNoAck();
    void corruptCommandIgnored();
    void newCommandAbandonsAnswer();
    void silenceAbandonsAnswer();
    void silentWhileRestarting();
    void debugMessages();
    void faults_data();
    void faults();

private:
    void pcSends(const QByteArray& bytes, qint64 nowMs = 0) { m_Link->receive(bytes.constData(), bytes.size(), nowMs); }
    QList<SFrame> unitWrote();

    int m_Fds[2] = {-1, -1};
    CSimLink* m_Link = nullptr;
    QList<QByteArray> m_Commands;
    QList<QByteArray> m_Answers;
};

void tst_CSimLink::init()
{
    QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, m_Fds), 0);
    ::fcntl(m_Fds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(m_Fds[1], F_SETFL, O_NONBLOCK);
    m_Link = new CSimLink(7);
    m_Link->attach(m_Fds[0]);
    m_Commands.clear();
    m_Answers = {QByteArray("\x13" "answer-1", 9)};
    m_Link->setCommandHandler([this](const QByteArray& record) {
        m_Commands << record;
        m_Link->queueAnswers(m_Answers, 0);
    });
}

void tst_CSimLink::cleanup()
{
    delete m_Link;
    m_Link = nullptr;
    ::close(m_Fds[0]);
    ::close(m_Fds[1]);
}

QList<SFrame> tst_CSimLink::unitWrote()
{
    QByteArray all;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(m_Fds[1], buf, sizeof buf)) > 0)
        all.append(buf, int(n));
    return parseFrames(all);
}

void tst_CSimLink::crcCheckValue()
{
    QCOMPARE(crc16("123456789"), quint16(0x29B1));
    // The unit frames an empty acknowledgement with CRC 0xFFFF.
    QCOMPARE(CSimLink::frame(1, QByteArray(), true), QByteArray::fromHex("6B6472770120 0000 FFFF"));
}

void tst_CSimLink::acknowledgesThenAnswers()
{
    pcSends(wireFrame(1, 0x10, QByteArray(1, char(19))));
    m_Link->tick(1);
    const QList<SFrame> out = unitWrote();
    QCOMPARE(out.size(), 2);
    QCOMPARE(out[0].type, quint8(1));
    QCOMPARE(out[0].flags, kAck);
    QVERIFY(out[0].data.isEmpty());
    QVERIFY(out[0].crcOk);
    QCOMPARE(out[1].type, quint8(1));
    QCOMPARE(out[1].flags, quint8(0));
    QCOMPARE(out[1].data, m_Answers.first());
    QVERIFY(out[1].crcOk);
    QCOMPARE(m_Commands, QList<QByteArray>{QByteArray(1, char(19))});
}

void tst_CSimLink::multiPacketAnswerWaitsForEachAck()
{
    m_Answers = {QByteArray("\x0D" "a", 2), QByteArray("\x0D" "b", 2), QByteArray("\x0D" "c", 2)};
    pcSends(wireFrame(1, 0x10, QByteArray(1, char(13))));
    m_Link->tick(1);
    m_Link->tick(2);
    QList<SFrame> out = unitWrote();
    QCOMPARE(out.size(), 2);                // ACK and the first answer only
    QCOMPARE(out[1].data, m_Answers[0]);
    for (int i = 1; i < 3; ++i) {
        pcSends(wireFrame(1, kAck, QByteArray()), 10 * i);
        m_Link->tick(10 * i);
        out = unitWrote();
        QCOMPARE(out.size(), 1);
        QCOMPARE(out[0].data, m_Answers[i]);
    }
    pcSends(wireFrame(1, kAck, QByteArray()), 40);
    m_Link->tick(40);
    QVERIFY(unitWrote().isEmpty());
    QVERIFY(m_Link->idle());
}

void tst_CSimLink::noAckCommandGetsNoAck()
{
    m_Answers.clear();
    pcSends(wireFrame(1, 0x10 | kNoAck, QByteArray(1, char(17))));
    m_Link->tick(1);
    QVERIFY(unitWrote().isEmpty());
    QCOMPARE(m_Commands.size(), 1);
}

void tst_CSimLink::corruptCommandIgnored()
{
    QByteArray bad = wireFrame(1, 0x10, QByteArray(1, char(19)));
    bad[bad.size() - 1] = char(bad.at(bad.size() - 1) ^ 1);
    pcSends(bad);
    m_Link->tick(1);
    QVERIFY(unitWrote().isEmpty());
    QVERIFY(m_Commands.isEmpty());
}

void tst_CSimLink::newCommandAbandonsAnswer()
{
    m_Answers = {QByteArray("\x0D" "a", 2), QByteArray("\x0D" "b", 2)};
    pcSends(wireFrame(1, 0x10, QByteArray(1, char(13))));
    m_Link->tick(1);
    unitWrote();
    m_Answers = {QByteArray("\x0E" "t", 2)};
    pcSends(wireFrame(1, 0x10, QByteArray(1, char(14))), 5);
    m_Link->tick(5);
    const QList<SFrame> out = unitWrote();
    QCOMPARE(out.size(), 2);
    QCOMPARE(out[1].data, m_Answers[0]);
    pcSends(wireFrame(1, kAck, QByteArray()), 6);
    m_Link->tick(6);
    QVERIFY(unitWrote().isEmpty());         // "b" of the abandoned answer never comes
}

void tst_CSimLink::silenceAbandonsAnswer()
{
    m_Link->setAckTimeoutMs(100);
    m_Answers = {QByteArray("\x0D" "a", 2), QByteArray("\x0D" "b", 2)};
    pcSends(wireFrame(1, 0x10, QByteArray(1, char(13))));
    m_Link->tick(1);
    unitWrote();
    m_Link->tick(200);
    QVERIFY(m_Link->idle());
    pcSends(wireFrame(1, kAck, QByteArray()), 201);     // a late ACK changes nothing
    m_Link->tick(201);
    QVERIFY(unitWrote().isEmpty());
}

void tst_CSimLink::silentWhileRestarting()
{
    m_Link->setSilent(true);
    pcSends(wireFrame(1, 0x10, QByteArray(1, char(1))));
    m_Link->tick(1);
    QVERIFY(unitWrote().isEmpty());
    QVERIFY(m_Commands.isEmpty());
    m_Link->setSilent(false);
    pcSends(wireFrame(1, 0x10, QByteArray(1, char(1))), 2);
    m_Link->tick(2);
    QCOMPARE(unitWrote().size(), 2);
}

void tst_CSimLink::debugMessages()
{
    m_Link->sendDebugText(QStringLiteral("hello"));
    m_Link->sendDebugNumber(-2);
    const QList<SFrame> out = unitWrote();
    QCOMPARE(out.size(), 2);
    QCOMPARE(out[0].type, quint8(2));
    QCOMPARE(out[0].data, QByteArray("\x02hello\0", 7));
    QCOMPARE(out[1].type, quint8(2));
    QCOMPARE(out[1].data, QByteArray::fromHex("01 FEFFFFFF"));
    QVERIFY(out[0].crcOk && out[1].crcOk);
}

void tst_CSimLink::faults_data()
{
    QTest::addColumn<int>("fault");
    // What the PC sees after one command: ACK present, answer present, answer CRC good,
    // answer number, answer size, noise bytes before frames, debug frames.
    QTest::addColumn<bool>("ack");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("crcOk");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("noise");
    QTest::addColumn<bool>("debugBeforeAck");
    QTest::newRow("none") << -1 << true << true << true << 19 << 9 << false << false;
    QTest::newRow("noise") << int(SSimFaults::Noise) << true << true << true << 19 << 9 << true << false;
    QTest::newRow("corrupt CRC") << int(SSimFaults::CorruptCrc) << true << true << false << 19 << 9 << false << false;
    QTest::newRow("dropped ACK") << int(SSimFaults::DropAck) << false << true << true << 19 << 9 << false << false;
    QTest::newRow("no answer") << int(SSimFaults::NoAnswer) << true << false << true << 0 << 0 << false << false;
    QTest::newRow("late answer") << int(SSimFaults::LateAnswer) << true << false << true << 0 << 0 << false << false;
    QTest::newRow("wrong number") << int(SSimFaults::WrongNumber) << true << true << true << (19 ^ 0x40) << 9 << false << false;
    QTest::newRow("wrong size") << int(SSimFaults::WrongSize) << true << true << true << 19 << 10 << false << false;
    QTest::newRow("debug message") << int(SSimFaults::DebugMsg) << true << true << true << 19 << 9 << false << true;
}

void tst_CSimLink::faults()
{
    QFETCH(int, fault);
    QFETCH(bool, ack);
    QFETCH(bool, answer);
    QFETCH(bool, crcOk);
    QFETCH(int, number);
    QFETCH(int, size);
    QFETCH(bool, noise);
    QFETCH(bool, debugBeforeAck);
    SSimFaults faults;
    faults.lateAnswerMs = 500;
    if (fault >= 0)
        faults.rate[fault] = 1.0;
    m_Link->setFaults(faults);

    pcSends(wireFrame(1, 0x10, QByteArray(1, char(19))));
    m_Link->tick(0);
    QList<SFrame> out = unitWrote();
    QList<SFrame> debug;
    for (int i = out.size() - 1; i >= 0; --i)
        if (out[i].type == 2)
            debug.prepend(out.takeAt(i));
    QCOMPARE(!debug.isEmpty(), debugBeforeAck);
    int i = 0;
    QCOMPARE(out.size() > i && out[i].flags == kAck, ack);
    if (ack)
        ++i;
    QCOMPARE(out.size() > i, answer);
    if (answer) {
        QCOMPARE(out[i].crcOk, crcOk);
        QCOMPARE(int(quint8(out[i].data.at(0))), number);
        QCOMPARE(out[i].data.size(), size);
    }
    bool sawNoise = false;
    for (const SFrame& f : out)
        sawNoise = sawNoise || f.noiseBefore > 0;
    QCOMPARE(sawNoise, noise);

    if (fault == SSimFaults::LateAnswer) {
        m_Link->tick(499);
        QVERIFY(unitWrote().isEmpty());
        m_Link->tick(500);
        const QList<SFrame> late = unitWrote();
        QCOMPARE(late.size(), 1);
        QCOMPARE(late[0].data, m_Answers.first());
    }
}

QTEST_GUILESS_MAIN(tst_CSimLink)
#include "tst_CSimLink.moc"
