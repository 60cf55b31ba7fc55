#include "LLProtocolPacket.h"

#include "DebugCapture.h"

#include <QtTest>

// Byte images below are written out by hand from the wire format:
// "kdrw", type, flags, length LE, data, CRC LE.

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

const QByteArray kDigits("123456789");
const QByteArray kDigitsFrame = QByteArray("kdrw") + hex("01 00 09 00") + kDigits + hex("B1 29");
const QByteArray kEmptyFrame = QByteArray("kdrw") + hex("01 00 00 00 FF FF");
const QByteArray kAckFrame = QByteArray("kdrw") + hex("01 20 00 00 FF FF");

QByteArray DataOf(const CLLProtocolPacket& p)
{
    return QByteArray(reinterpret_cast<const char*>(p.GetData()), p.GetLength());
}

// Feeds the bytes in slices of the given sizes (the last slice takes the rest)
// and returns the number of bytes not consumed.
int Feed(CLLProtocolPacket& packet, const QByteArray& bytes, const QList<int>& slices)
{
    int pos = 0;
    int unconsumed = 0;
    for (int i = 0; pos < bytes.size(); ++i) {
        const int n = i < slices.size() ? qMin(slices[i], bytes.size() - pos) : bytes.size() - pos;
        UINT16 len = UINT16(n);
        packet.PacketFromBuffer(bytes.constData() + pos, len);
        unconsumed += len;
        pos += n;
    }
    return unconsumed;
}

} // namespace

class tst_LLProtocolPacket : public QObject
{
    Q_OBJECT
private slots:
    void crcCheckValue();
    void build_data();
    void build();
    void refusesMoreThan200Bytes();
    void receive_data();
    void receive();
    void receiveStates_data();
    void receiveStates();
    void backToBack();
    void completePacketConsumesNothing();
    void getId_data();
    void getId();
};

void tst_LLProtocolPacket::crcCheckValue()
{
    QCOMPARE(CLLProtocolPacket::Crc16(kDigits.constData(), size_t(kDigits.size())), UINT16(0x29B1));
    QCOMPARE(CLLProtocolPacket::Crc16(nullptr, 0), UINT16(0xFFFF));
    // Continuing over a second slice gives the CRC of the whole.
    const UINT16 first = CLLProtocolPacket::Crc16(kDigits.constData(), 4);
    QCOMPARE(CLLProtocolPacket::Crc16(kDigits.constData() + 4, 5, first), UINT16(0x29B1));
}

void tst_LLProtocolPacket::build_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("user");
    QTest::addColumn<bool>("ack");
    QTest::addColumn<bool>("retry");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("nullData");
    QTest::addColumn<QString>("then");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("digits 1-9, CRC B1 29") << 1 << false << false << false << kDigits << false << "" << kDigitsFrame;
    QTest::newRow("zero length, CRC FF FF") << 1 << false << false << false << QByteArray() << false << "" << kEmptyFrame;
    QTest::newRow("null data ignores the length") << 1 << false << false << false << QByteArray("xyz") << true << "" << kEmptyFrame;
    QTest::newRow("all flags") << 2 << true << true << true << QByteArray("\x13") << false << ""
                               << QByteArray("kdrw") + hex("02 31 01 00 13 A2 C3");
    QTest::newRow("single byte with retry") << 1 << false << false << true << QByteArray("\x13") << false << "single"
                                            << QByteArray("kdrw") + hex("01 10 01 00 13 A2 C3");
    QTest::newRow("no-ACK flag added") << 1 << false << false << false << QByteArray("\x01") << false << "noack"
                                       << QByteArray("kdrw") + hex("01 40 01 00 01 D1 F1");
    QTest::newRow("ACK flag drops the data") << 1 << false << false << false << kDigits << false << "ack" << kAckFrame;
}

void tst_LLProtocolPacket::build()
{
    QFETCH(int, type);
    QFETCH(bool, user);
    QFETCH(bool, ack);
    QFETCH(bool, retry);
    QFETCH(QByteArray, data);
    QFETCH(bool, nullData);
    QFETCH(QString, then);
    QFETCH(QByteArray, wire);

    CLLProtocolPacket packet;
    if (then == "single")
        packet.SetSingleByte(UINT8(type), retry, UINT8(data[0]));
    else
        packet.SetPacket(UINT8(type), user, ack, retry, UINT16(data.size()), nullData ? nullptr : data.constData());
    if (then == "noack")
        packet.SetNoAckFlag();
    if (then == "ack")
        packet.SetAckFlag();

    QCOMPARE(packet.WireBytes(), wire);

    // The parts: header, then data and CRC, or the CRC alone; nothing beyond.
    UINT16 len = 99;
    const void* header = packet.GetBufferPart(0, &len);
    QCOMPARE(QByteArray(static_cast<const char*>(header), len), wire.left(8));
    const int dataLen = wire.size() - 10;
    packet.GetBufferPart(1, &len);
    QCOMPARE(int(len), dataLen > 0 ? dataLen : 2);
    const void* crcPart = packet.GetBufferPart(2, &len);
    QCOMPARE(crcPart == nullptr, dataLen == 0);
    QCOMPARE(int(len), dataLen > 0 ? 2 : 0);
    QVERIFY(!packet.GetBufferPart(3, &len));
    QCOMPARE(int(len), 0);
}

void tst_LLProtocolPacket::refusesMoreThan200Bytes()
{
    CLLProtocolPacket packet;
    packet.SetPacket(1, false, false, false, 9, kDigits.constData());
    const QByteArray big(201, 'x');
    packet.SetPacket(2, true, true, true, 201, big.constData());
    QCOMPARE(packet.WireBytes(), kDigitsFrame);

    const QByteArray full(200, 'y');
    packet.SetPacket(1, false, false, false, 200, full.constData());
    QCOMPARE(packet.WireBytes().size(), 210);
}

void tst_LLProtocolPacket::receive_data()
{
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<int>("state");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("lostBytes");

    const int correct = CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT;
    const int incorrect = CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_INCORRECT;

    QTest::newRow("digits 1-9, CRC B1 29") << kDigitsFrame << correct << kDigits << 0;
    QTest::newRow("zero length, CRC FF FF") << kEmptyFrame << correct << QByteArray() << 0;
    QTest::newRow("zero length, CRC 00 00") << QByteArray("kdrw") + hex("01 00 00 00 00 00") << incorrect << QByteArray() << 0;
    QTest::newRow("CRC bytes swapped") << QByteArray("kdrw") + hex("01 00 09 00") + kDigits + hex("29 B1")
                                       << incorrect << kDigits << 0;
    QTest::newRow("noise before the packet") << QByteArray("xyz") + kDigitsFrame << correct << kDigits << 3;
    // 'k' is compared with 'r' and dropped, then "drw", type, flags... are all
    // dropped too: that packet is lost.
    QTest::newRow("two sync bytes, then a packet: lost")
        << QByteArray("kd") + kDigitsFrame << int(CLLProtocolPacket::RS_READING_NOT_STARTED) << QByteArray()
        << kDigitsFrame.size();
    QTest::newRow("two sync bytes and one other, then a packet: resync")
        << QByteArray("kdX") + kDigitsFrame << correct << kDigits << 1;
    // No packet carries 300 data bytes: the header is dropped, the 300 bytes
    // are noise, the packet after them arrives intact.
    QTest::newRow("header announcing 300 bytes")
        << QByteArray("kdrw") + hex("01 00 2C 01") + QByteArray(300, 'z') + kDigitsFrame << correct << kDigits << 300;
    QTest::newRow("200 data bytes") << QByteArray("kdrw") + hex("01 00 C8 00") + QByteArray(200, '\0') + hex("8F 7A")
                                    << correct << QByteArray(200, '\0') << 0;
}

// Whole, one byte per call, and split in two at every offset: all the same.
void tst_LLProtocolPacket::receive()
{
    QFETCH(QByteArray, wire);
    QFETCH(int, state);
    QFETCH(QByteArray, data);
    QFETCH(int, lostBytes);

    QList<QList<int>> feeds = { {}, QVector<int>(wire.size(), 1).toList() };
    for (int cut = 1; cut < wire.size(); ++cut)
        feeds.append({ cut });

    for (const QList<int>& slices : feeds) {
        CDebugCapture log;
        CLLProtocolPacket packet;
        QCOMPARE(Feed(packet, wire, slices), 0);
        QCOMPARE(int(packet.GetReadState()), state);
        QCOMPARE(DataOf(packet), data);
        QCOMPARE(log.count("-------------------- Byte lost"), lostBytes);
        if (state == CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT) {
            QCOMPARE(int(packet.GetType()), 1);
            QCOMPARE(int(packet.GetFlags()), 0);
        }
    }
}

void tst_LLProtocolPacket::receiveStates_data()
{
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QList<int>>("states");  // after each byte

    QTest::newRow("digits") << kDigitsFrame
                            << QList<int>{ 1, 1, 1, 1, 1, 1, 1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 5, 6 };
    QTest::newRow("zero length") << kEmptyFrame << QList<int>{ 1, 1, 1, 1, 1, 1, 1, 2, 5, 6 };
}

void tst_LLProtocolPacket::receiveStates()
{
    QFETCH(QByteArray, wire);
    QFETCH(QList<int>, states);

    CLLProtocolPacket packet;
    QCOMPARE(int(packet.GetReadState()), 0);
    QList<int> seen;
    for (char c : wire) {
        UINT16 len = 1;
        packet.PacketFromBuffer(&c, len);
        seen.append(packet.GetReadState());
    }
    QCOMPARE(seen, states);
}

void tst_LLProtocolPacket::backToBack()
{
    const QByteArray second = kAckFrame;
    const QByteArray both = kDigitsFrame + second;

    CLLProtocolPacket first;
    UINT16 len = UINT16(both.size());
    first.PacketFromBuffer(both.constData(), len);
    QCOMPARE(int(len), second.size());
    QCOMPARE(int(first.GetReadState()), int(CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT));
    QCOMPARE(DataOf(first), kDigits);

    CLLProtocolPacket next;
    next.PacketFromBuffer(both.constData() + (both.size() - len), len);
    QCOMPARE(int(len), 0);
    QCOMPARE(int(next.GetReadState()), int(CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT));
    QVERIFY(next.IsAck());
}

void tst_LLProtocolPacket::completePacketConsumesNothing()
{
    CLLProtocolPacket packet;
    UINT16 len = UINT16(kEmptyFrame.size());
    packet.PacketFromBuffer(kEmptyFrame.constData(), len);
    len = UINT16(kDigitsFrame.size());
    packet.PacketFromBuffer(kDigitsFrame.constData(), len);
    QCOMPARE(int(len), kDigitsFrame.size());
    QCOMPARE(int(packet.GetLength()), 0);

    packet.Reset();
    packet.PacketFromBuffer(kDigitsFrame.constData(), len);
    QCOMPARE(int(len), 0);
    QCOMPARE(DataOf(packet), kDigits);
}

void tst_LLProtocolPacket::getId_data()
{
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<int>("id");
    QTest::newRow("type 1, data 02 ...") << QByteArray("kdrw") + hex("01 00 03 00 02 41 42 87 F4") << 0x0102;
    QTest::newRow("type 1, no data") << kEmptyFrame << 0x0100;
}

void tst_LLProtocolPacket::getId()
{
    QFETCH(QByteArray, wire);
    QFETCH(int, id);
    CLLProtocolPacket packet;
    UINT16 len = UINT16(wire.size());
    packet.PacketFromBuffer(wire.constData(), len);
    QCOMPARE(int(packet.GetReadState()), int(CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT));
    QCOMPARE(int(packet.GetId()), id);
}

QTEST_GUILESS_MAIN(tst_LLProtocolPacket)
#include "tst_LLProtocolPacket.moc"
