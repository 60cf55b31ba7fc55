#include "LLProtocol.h"

#include "DebugCapture.h"
#include "ScriptedWire.h"
#include "WireFrames.h"

#include <QTextEdit>
#include <QtTest>

using namespace WireFrames;

// Transactions against a scripted unit. Time is virtual (see CScriptedWire):
// sleptMs() is how long the link layer would have waited on a real port.

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// Message 19 (current state) as the PC sends it: type 1, PF_RETRY, one byte.
const QByteArray kRequestBytes = QByteArray("kdrw") + hex("01 10 01 00 13") + hex("A2 C3");
// What the PC sends to acknowledge a type-1 packet.
const QByteArray kPcAckBytes = QByteArray("kdrw") + hex("01 20 00 00 FF FF");

CLLProtocolPacket Request(bool retry)
{
    CLLProtocolPacket packet;
    packet.SetSingleByte(1, retry, 0x13);
    return packet;
}

QByteArray DataOf(const CLLProtocolPacket& p)
{
    return QByteArray(reinterpret_cast<const char*>(p.GetData()), p.GetLength());
}

} // namespace

class tst_LLProtocol : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void sendNoAckReturnsAtOnce();
    void send_data();
    void send();
    void sendDebugLines();
    void ackAndAnswerInOneRead();
    void receive_data();
    void receive();
    void receiveDebugLines();
    void multiPacketAnswer();
    void timeoutZero();

private:
    CScriptedWire* m_pWire = nullptr;
    QTextEdit* m_pDisplay = nullptr;
};

void tst_LLProtocol::init()
{
    m_pWire = new CScriptedWire;
    m_pDisplay = new QTextEdit;
}

void tst_LLProtocol::cleanup()
{
    delete m_pDisplay;
    delete m_pWire;
}

void tst_LLProtocol::sendNoAckReturnsAtOnce()
{
    CLLProtocolPacket packet = Request(true);
    packet.SetNoAckFlag();
    m_pWire->feed(ack());

    CLLProtocol link(m_pWire);
    QCOMPARE(link.Send(packet), CLLProtocol::RC_OK);
    QCOMPARE(m_pWire->sentBytes(), QByteArray("kdrw") + hex("01 50 01 00 13 A2 C3"));
    QCOMPARE(m_pWire->sleptMs(), qint64(0));
    QCOMPARE(m_pWire->unreadBytes(), ack().size());
}

void tst_LLProtocol::send_data()
{
    QTest::addColumn<bool>("retry");
    QTest::addColumn<QList<QByteArray>>("replies");  // one per request the unit sees
    QTest::addColumn<int>("replyDelayMs");
    QTest::addColumn<int>("silencePolls");
    QTest::addColumn<int>("failingWrites");
    QTest::addColumn<int>("rc");
    QTest::addColumn<int>("requestsSent");
    QTest::addColumn<QList<int>>("sleeps");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("nonAcks");

    const int ok = CLLProtocol::RC_OK;
    const int failed = CLLProtocol::RC_FAILED;
    const QByteArray answerBytes = answer(hex("13 00 01"));
    const QByteArray badAck = frameWithCrc(1, 0x20, QByteArray(), 0x0000);
    using L = QList<QByteArray>;

    QTest::newRow("ACK") << false << L{ ack() } << 0 << 1000 << 0 << ok << 1 << QList<int>{} << "" << 0;
    QTest::newRow("ACK of another type is accepted") << false << L{ ack(7) } << 0 << 1000 << 0 << ok << 1 << QList<int>{} << "" << 0;
    QTest::newRow("silence, one attempt") << false << L{} << 0 << 1000 << 0 << failed << 1 << QList<int>{} << "" << 0;
    QTest::newRow("silence with retry: three attempts") << true << L{} << 0 << 1000 << 0 << failed << 3 << QList<int>{} << "" << 0;
    QTest::newRow("answer without ACK, three attempts")
        << true << L{ answerBytes, answerBytes, answerBytes } << 0 << 1000 << 0 << failed << 3 << QList<int>{} << "" << 3;
    QTest::newRow("corrupt ACK, then ACK on the retry") << true << L{ badAck, ack() } << 0 << 1000 << 0 << ok << 2 << QList<int>{} << "" << 0;
    QTest::newRow("debug text before the ACK")
        << false << L{ debugText("hello ") + debugText("unit") + ack() } << 0 << 1000 << 0 << ok << 1 << QList<int>{} << "hello unit" << 0;
    QTest::newRow("debug number before the ACK")
        << false << L{ debugNumber(-1234) + ack() } << 0 << 1000 << 0 << ok << 1 << QList<int>{} << "-1234" << 0;
    QTest::newRow("ACK after 1000 ms of silence") << false << L{ ack() } << 1000 << 1000 << 0 << ok << 1 << QList<int>{} << "" << 0;
    QTest::newRow("ACK after 1001 ms of silence") << false << L{ ack() } << 1001 << 1000 << 0 << failed << 1 << QList<int>{} << "" << 0;
    QTest::newRow("shortened silence limit") << false << L{ ack() } << 51 << 50 << 0 << failed << 1 << QList<int>{} << "" << 0;
    QTest::newRow("failed write, one attempt") << false << L{ ack() } << 0 << 1000 << 1 << failed << 0 << QList<int>{ 1000 } << "" << 0;
    QTest::newRow("failed write, written again with retry")
        << true << L{ ack() } << 0 << 1000 << 2 << ok << 1 << QList<int>{ 1000, 1000 } << "" << 0;
    QTest::newRow("three failed writes end the attempt")
        << true << L{ ack() } << 0 << 1000 << 3 << ok << 1 << QList<int>{ 1000, 1000, 1000 } << "" << 0;
}

void tst_LLProtocol::send()
{
    QFETCH(bool, retry);
    QFETCH(QList<QByteArray>, replies);
    QFETCH(int, replyDelayMs);
    QFETCH(int, silencePolls);
    QFETCH(int, failingWrites);
    QFETCH(int, rc);
    QFETCH(int, requestsSent);
    QFETCH(QList<int>, sleeps);
    QFETCH(QString, display);
    QFETCH(int, nonAcks);

    for (const QByteArray& reply : replies)
        m_pWire->onNextPacket(reply, replyDelayMs);
    m_pWire->failNextSends(failingWrites);
    CLLProtocolPacket packet = Request(retry);

    CDebugCapture log;
    CLLProtocol link(m_pWire, m_pDisplay, UINT16(silencePolls));
    QCOMPARE(int(link.Send(packet)), rc);

    const QByteArray request = retry ? kRequestBytes : QByteArray("kdrw") + hex("01 00 01 00 13 A2 C3");
    QCOMPARE(m_pWire->sentPackets().size(), requestsSent);
    QCOMPARE(m_pWire->sentBytes(), request.repeated(requestsSent));
    QCOMPARE(m_pWire->sleeps(), sleeps);
    QCOMPARE(m_pDisplay->toPlainText(), display);
    if (rc == CLLProtocol::RC_FAILED) {
        QCOMPARE(log.count("Did not receive ACK packet\n"), 1);
        QCOMPARE(m_pWire->unreadBytes(), 0);
    }
    QCOMPARE(log.count("Received non-ACK packet"), nonAcks);
}

void tst_LLProtocol::sendDebugLines()
{
    m_pWire->onNextPacket(debugText("hi") + ack());
    CLLProtocolPacket packet = Request(false);
    CDebugCapture log;
    QCOMPARE(CLLProtocol(m_pWire).Send(packet), CLLProtocol::RC_OK);
    const QStringList expected = {
        "Sending packet...:0",
        "Sending completed, now waiting for ACK...",
        "Debug message received: \"\"",  // no display: the text is not decoded
        "Received packet...",
        "Received complete and correct packet",
        "Received ACK packet",
    };
    QCOMPARE(log.lines(), expected);

    log.clear();
    m_pWire->failNextSends(1);
    m_pWire->onNextPacket(answer(hex("13")));
    QCOMPARE(CLLProtocol(m_pWire).Send(packet), CLLProtocol::RC_FAILED);
    const QStringList failing = {
        "Sending packet...:0",
        "CLLProtocol::Send: m_Wire.Send failed! Chunk: 0",
        "Did not receive ACK packet\n",
    };
    QCOMPARE(log.lines(), failing);
}

// The ACK completes Send; the answer's bytes stay in the transport for Receive.
void tst_LLProtocol::ackAndAnswerInOneRead()
{
    const QByteArray data = hex("13 2A 00 FF");
    m_pWire->onNextPacket(ack() + answer(data));
    CLLProtocolPacket packet = Request(true);

    CLLProtocol link(m_pWire);
    QCOMPARE(link.Send(packet), CLLProtocol::RC_OK);
    QCOMPARE(m_pWire->unreadBytes(), answer(data).size());

    CLLProtocolPacket received;
    QCOMPARE(link.Receive(received), CLLProtocol::RC_OK);
    QCOMPARE(DataOf(received), data);
    QCOMPARE(m_pWire->sentBytes(), kRequestBytes + kPcAckBytes);
}

void tst_LLProtocol::receive_data()
{
    QTest::addColumn<QByteArray>("unitSends");
    QTest::addColumn<int>("readChunk");
    QTest::addColumn<int>("failingWrites");
    QTest::addColumn<int>("rc");
    QTest::addColumn<QByteArray>("data");     // of the received packet
    QTest::addColumn<QByteArray>("pcSends");
    QTest::addColumn<int>("clears");

    const int ok = CLLProtocol::RC_OK;
    const int failed = CLLProtocol::RC_FAILED;
    const QByteArray data = hex("13 01 02 03");

    QTest::newRow("answer") << answer(data) << 256 << 0 << ok << data << kPcAckBytes << 0;
    QTest::newRow("answer sent with PF_NOACK is still acknowledged")
        << frame(1, 0x40, data) << 256 << 0 << ok << data << kPcAckBytes << 0;
    QTest::newRow("answer of type 3 gets an ACK of type 3")
        << frame(3, 0, data) << 256 << 0 << ok << data << QByteArray("kdrw") + hex("03 20 00 00 FF FF") << 0;
    QTest::newRow("one byte per read") << answer(data) << 1 << 0 << ok << data << kPcAckBytes << 0;
    QTest::newRow("debug message first") << debugText("x") + answer(data) << 256 << 0 << ok << data << kPcAckBytes << 0;
    QTest::newRow("out-of-place ACK") << ack() << 256 << 0 << failed << QByteArray() << QByteArray() << 0;
    QTest::newRow("corrupt packet: no ACK, wire kept")
        << frameWithCrc(1, 0, data, 0x1234) << 256 << 0 << failed << data << QByteArray() << 0;
    QTest::newRow("silence clears the wire") << QByteArray() << 256 << 0 << failed << QByteArray() << QByteArray() << 1;
    QTest::newRow("half a packet clears the wire") << answer(data).left(9) << 256 << 0 << failed << QByteArray() << QByteArray() << 1;
    QTest::newRow("ACK cannot be written: packet still filled in")
        << answer(data) << 256 << 1 << failed << data << QByteArray() << 0;
}

void tst_LLProtocol::receive()
{
    QFETCH(QByteArray, unitSends);
    QFETCH(int, readChunk);
    QFETCH(int, failingWrites);
    QFETCH(int, rc);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, pcSends);
    QFETCH(int, clears);

    m_pWire->feed(unitSends);
    m_pWire->setReadChunk(readChunk);
    m_pWire->failNextSends(failingWrites);

    CDebugCapture log;
    CLLProtocolPacket packet;
    QCOMPARE(int(CLLProtocol(m_pWire).Receive(packet)), rc);
    if (!data.isEmpty())
        QCOMPARE(DataOf(packet), data);
    QCOMPARE(m_pWire->sentBytes(), pcSends);
    QCOMPARE(m_pWire->clearCount(), clears);
    QVERIFY(m_pWire->sleeps().isEmpty());
}

void tst_LLProtocol::receiveDebugLines()
{
    CDebugCapture log;
    CLLProtocolPacket packet;

    m_pWire->feed(answer(hex("13")) + ack());
    QCOMPARE(CLLProtocol(m_pWire).Receive(packet), CLLProtocol::RC_OK);
    QCOMPARE(log.lines(), (QStringList{ "Try to receicve packet...", "Unused bytes left over!...10",
                                        "Sending ACK...", "Sending completed with success code: true" }));

    log.clear();
    QCOMPARE(CLLProtocol(m_pWire).Receive(packet), CLLProtocol::RC_FAILED);
    QCOMPARE(log.lines(), (QStringList{ "Try to receicve packet...", "Received out-of place ACK package." }));

    log.clear();
    m_pWire->feed(frameWithCrc(1, 0, hex("13"), 0));
    QCOMPARE(CLLProtocol(m_pWire).Receive(packet), CLLProtocol::RC_FAILED);
    QCOMPARE(log.lines(), (QStringList{ "Try to receicve packet...", "Received packet corrupt.", "Receive failed." }));

    log.clear();
    m_pWire->feed(answer(hex("13")).left(9));
    QCOMPARE(CLLProtocol(m_pWire).Receive(packet), CLLProtocol::RC_FAILED);
    QCOMPARE(log.lines(), (QStringList{ "Try to receicve packet...", "Packet not completlely received.",
                                        "CLLProtocolPacket::RS_DATA_COMPLETED", "Receive failed." }));

    log.clear();
    m_pWire->failNextSends(1);
    m_pWire->feed(answer(hex("13")));
    QCOMPARE(CLLProtocol(m_pWire).Receive(packet), CLLProtocol::RC_FAILED);
    QCOMPARE(log.lines(), (QStringList{ "Try to receicve packet...", "Sending ACK...", "Sending failed.",
                                        "Sending completed with success code: false" }));
}

// The unit sends the next part of an answer only after the PC's ACK.
void tst_LLProtocol::multiPacketAnswer()
{
    m_pWire->onNextPacket(ack() + answer(hex("14 01")));
    m_pWire->onNextPacket(answer(hex("14 02")), 5);
    m_pWire->onNextPacket(answer(hex("14 03")));
    CLLProtocolPacket request = Request(true);
    CLLProtocol link(m_pWire);
    QCOMPARE(link.Send(request), CLLProtocol::RC_OK);
    for (char part = 1; part <= 3; ++part) {
        CLLProtocolPacket packet;
        QCOMPARE(link.Receive(packet), CLLProtocol::RC_OK);
        QCOMPARE(DataOf(packet), QByteArray("\x14") + part);
    }
    QCOMPARE(m_pWire->sentPackets().size(), 4);
    QCOMPARE(m_pWire->pendingReactions(), 0);
}

void tst_LLProtocol::timeoutZero()
{
    m_pWire->feed(answer(hex("13")));
    CDebugCapture log;
    CLLProtocolPacket packet;
    QCOMPARE(CLLProtocol(m_pWire).RecSinglePacketNoAck(packet, 0), CLLProtocol::RC_FAILED);
    QCOMPARE(int(packet.GetReadState()), int(CLLProtocolPacket::RS_READING_NOT_STARTED));
    QCOMPARE(m_pWire->clearCount(), 1);
    QCOMPARE(m_pWire->sleptMs(), qint64(0));
    QCOMPARE(m_pWire->unreadBytes(), answer(hex("13")).size());
    QCOMPARE(log.lines(), (QStringList{ "Packet not completlely received.", "CLLProtocolPacket::RS_READING_NOT_STARTED" }));
}

QTEST_MAIN(tst_LLProtocol)
#include "tst_LLProtocol.moc"
