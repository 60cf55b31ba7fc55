#include "PC/FanBase.h"

#include "DebugCapture.h"
#include "Firmware/FlashImageList.h"
#include "ScriptedBinding.h"
#include "WireFrames.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

// The firmware transfer operations on the scripted wire, where the exact
// byte image of every record matters: start and data records, chunking and
// beyond-plain counts, the WiFi length nibble, the partition table in two
// packets, the swap answer, the pauses the boot loader is given, and
// failures in the middle of a transfer.

namespace {

class CTestFan : public CFanBase
{
public:
    using CFanBase::CFanBase;
    QString familyName() const override { return QStringLiteral("Zyvent100"); }
    int familyType() const override { return 0; }
};

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray Record(const CLLProtocolPacket& packet)
{
    return QByteArray(reinterpret_cast<const char*>(packet.GetData()), packet.GetLength());
}

quint8 Number(const CLLProtocolPacket& packet) { return packet.GetLength() ? packet.GetData()[0] : 0; }

// Deterministic block content; the value of each byte is its offset mod 251.
QByteArray Content(int n)
{
    QByteArray data(n, '\0');
    for (int i = 0; i < n; ++i)
        data[i] = char(i % 251);
    return data;
}

// One table packet of ten entries; entry i starts at first + i * 0x100.
QByteArray TablePacket(quint32 first)
{
    QByteArray data;
    for (int i = 0; i < 10; ++i) {
        const quint32 start = first + quint32(i) * 0x100;
        data += char(start & 0xFF);
        data += char((start >> 8) & 0xFF);
        data += char((start >> 16) & 0xFF);
        data += char(start >> 24);
        data += Hex("0050");             // size 0x5000
        data += char(1 + i % 4);         // type
        data += char(2);                 // 2.25
        data += char(25);
        data += char(0x05);              // CRC16OK | CRC16_MIROK
        data += Hex("0000");
    }
    return data;
}

} // namespace

class tst_FanBaseTransfer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void nothingWithoutPort();
    void startRecord_data();
    void startRecord();
    void chunks_data();
    void chunks();
    void zeroLengthBlock();
    void pauses_data();
    void pauses();
    void progressAndEventPump();
    void bridgeImageTravelsAsWifi();
    void imageOfTheWrongFamily();
    void partitionTable();
    void partitionTableFailures_data();
    void partitionTableFailures();
    void swap_data();
    void swap();
    void failureInTheMiddle_data();
    void failureInTheMiddle();
    void plainLengthTooLong();

private:
    bool upload(const QByteArray& data, quint32 plainLen, CPartitionTable::EPartType type, bool enciphered,
                QProgressBar* progress = nullptr, bool slow = false);
    void ackAll(int packets);
    QList<CLLProtocolPacket> sent() const { return m_wire->sentPackets(); }

    std::shared_ptr<CScriptedBinding> m_binding;
    std::unique_ptr<CTestFan> m_fan;
    CScriptedWire* m_wire = nullptr;
    QStringList m_userTexts;
};

void tst_FanBaseTransfer::init()
{
    m_binding = std::make_shared<CScriptedBinding>();
    m_fan = std::make_unique<CTestFan>(m_binding);
    QVERIFY(m_fan->openPort("ttyACM0"));
    m_wire = &m_binding->scriptedWire();
    m_fan->setEventPump({});
    m_userTexts.clear();
    connect(m_fan.get(), &CFanBase::signalUserInfo, this, [this](const QString& text) { m_userTexts << text; });
}

void tst_FanBaseTransfer::cleanup()
{
    m_fan.reset();
    m_binding.reset();
}

void tst_FanBaseTransfer::ackAll(int packets)
{
    for (int i = 0; i < packets; ++i)
        m_wire->onNextPacket(WireFrames::ack());
}

bool tst_FanBaseTransfer::upload(const QByteArray& data, quint32 plainLen, CPartitionTable::EPartType type,
                                 bool enciphered, QProgressBar* progress, bool slow)
{
    return m_fan->uploadPartition(34816, quint32(data.size()), plainLen, type, 2, 25, 39651, 0xBEEF, enciphered,
                                  reinterpret_cast<const UINT8*>(data.constData()), progress, slow);
}

void tst_FanBaseTransfer::nothingWithoutPort()
{
    m_fan->closePort();
    CPartitionTable::SPartition table[20];
    const QByteArray data = Content(10);
    QVERIFY(!m_fan->getPartitionTable(table));
    QVERIFY(!m_fan->swapBootloaders());
    QVERIFY(!upload(data, 10, CPartitionTable::PT_APPLICATION, false));
    QVERIFY(!m_fan->uploadImage(CFlashImage::SYS_ZYVENT100, CPartitionTable::PT_APPLICATION, nullptr, false));
    QVERIFY(m_wire->sentBytes().isEmpty());
    QVERIFY(m_userTexts.isEmpty());
}

void tst_FanBaseTransfer::startRecord_data()
{
    QTest::addColumn<quint32>("memAdr");
    QTest::addColumn<quint32>("plainLen");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("expected");
    // 07 | address | plain length low 16 bits | type byte | 2 | 25 | start 39651 | CRC EF BE
    QTest::newRow("application block 34816, 29129 bytes")
        << 34816u << 29129u << int(CPartitionTable::PT_APPLICATION) << Hex("07 00880000 C971 03 02 19 E39A0000 EFBE");
    QTest::newRow("boot loader block 20324, 1160 bytes")
        << 20324u << 1160u << int(CPartitionTable::PT_BOOTLOADER2) << Hex("07 644F0000 8804 02 02 19 E39A0000 EFBE");
    QTest::newRow("WiFi block 94838 bytes: type byte 0x14")
        << 0u << 94838u << int(CPartitionTable::PT_WIFI) << Hex("07 00000000 7672 14 02 19 E39A0000 EFBE");
    QTest::newRow("WiFi block 30012 bytes: type byte 0x04")
        << 0u << 30012u << int(CPartitionTable::PT_WIFI) << Hex("07 00000000 3C75 04 02 19 E39A0000 EFBE");
    QTest::newRow("WiFi block of 2^20 - 1 bytes: type byte 0xF4")
        << 0u << 0xFFFFFu << int(CPartitionTable::PT_WIFI) << Hex("07 00000000 FFFF F4 02 19 E39A0000 EFBE");
}

void tst_FanBaseTransfer::startRecord()
{
    QFETCH(quint32, memAdr);
    QFETCH(quint32, plainLen);
    QFETCH(int, type);
    QFETCH(QByteArray, expected);
    ackAll(2);
    QVERIFY(m_fan->uploadPartition(memAdr, 0, plainLen, CPartitionTable::EPartType(type), 2, 25, 39651, 0xBEEF,
                                   true, nullptr, nullptr, false));
    const QList<CLLProtocolPacket> packets = sent();
    QCOMPARE(packets.size(), 2);
    QCOMPARE(Record(packets[0]), expected);
    QCOMPARE(int(packets[0].GetType()), 1);
    // Start record: retry flag, never the user flag (even for enciphered data).
    QCOMPARE(int(packets[0].GetFlags()), int(CLLProtocolPacket::PF_RETRY));
}

void tst_FanBaseTransfer::chunks_data()
{
    QTest::addColumn<bool>("enciphered");
    QTest::newRow("plain data") << false;
    QTest::newRow("enciphered data: user flag") << true;
}

// 29129 plain bytes travel as 29136 (7 bytes of cipher padding): 151 chunks
// of 192 and one of 144; only the last counts 7 bytes beyond the plain length.
void tst_FanBaseTransfer::chunks()
{
    QFETCH(bool, enciphered);
    const QByteArray data = Content(29136);
    ackAll(1 + 152 + 1);
    QVERIFY(upload(data, 29129, CPartitionTable::PT_APPLICATION, enciphered));

    const QList<CLLProtocolPacket> packets = sent();
    QCOMPARE(packets.size(), 154);
    QCOMPARE(Number(packets.first()), quint8(7));
    QCOMPARE(Record(packets.last()), Hex("09"));
    QCOMPARE(int(packets.last().GetFlags()), int(CLLProtocolPacket::PF_RETRY));
    QByteArray joined;
    for (int i = 0; i < 152; ++i) {
        const CLLProtocolPacket& p = packets[1 + i];
        const QByteArray r = Record(p);
        const int len = i < 151 ? 192 : 144;
        QCOMPARE(r.size(), 200);
        QCOMPARE(quint8(r[0]), quint8(8));
        QCOMPARE(int(quint8(r[1])), i < 151 ? 0 : 7);
        QCOMPARE(int(LE::get16(reinterpret_cast<const uint8_t*>(r.constData()) + 2)), len);
        QCOMPARE(LE::get32(reinterpret_cast<const uint8_t*>(r.constData()) + 4), quint32(34816 + 192 * i));
        QCOMPARE(int(p.GetFlags()), int(CLLProtocolPacket::PF_RETRY) | (enciphered ? int(CLLProtocolPacket::PF_USER) : 0));
        joined += r.mid(8, len);
    }
    QCOMPARE(joined, data);
    QVERIFY(m_userTexts.isEmpty());
}

void tst_FanBaseTransfer::zeroLengthBlock()
{
    ackAll(2);
    QVERIFY(upload(QByteArray(), 0, CPartitionTable::PT_APPLICATION, false));
    const QList<CLLProtocolPacket> packets = sent();
    QCOMPARE(packets.size(), 2);
    QCOMPARE(Number(packets[0]), quint8(7));
    QCOMPARE(Record(packets[1]), Hex("09"));
}

void tst_FanBaseTransfer::pauses_data()
{
    QTest::addColumn<bool>("slow");
    QTest::addColumn<bool>("shortened");
    QTest::addColumn<QList<int>>("expected");
    // Two chunks (300 bytes). Slow mode: 15 s after the start record, 100 ms
    // after each chunk; always 750 ms after command 9.
    QTest::newRow("normal") << false << false << QList<int>{ 750 };
    QTest::newRow("slow mode") << true << false << QList<int>{ 15000, 100, 100, 750 };
    QTest::newRow("slow mode, shortened") << true << true << QList<int>{ 30, 2, 2, 5 };
    QTest::newRow("normal, settle shortened to 0") << false << true << QList<int>{ 5 };
}

void tst_FanBaseTransfer::pauses()
{
    QFETCH(bool, slow);
    QFETCH(bool, shortened);
    QFETCH(QList<int>, expected);
    if (shortened)
        m_fan->setTransferPauses({ 5, 30, 2 });
    const QByteArray data = Content(300);
    ackAll(4);
    QVERIFY(upload(data, 300, CPartitionTable::PT_APPLICATION, false, nullptr, slow));
    QCOMPARE(m_wire->sleeps(), expected);
}

void tst_FanBaseTransfer::progressAndEventPump()
{
    QProgressBar bar;
    bar.setRange(0, 100);
    bar.setValue(37);
    QSignalSpy values(&bar, &QProgressBar::valueChanged);
    int pumped = 0;
    m_fan->setEventPump([&pumped] { ++pumped; });
    const QByteArray data = Content(500);      // chunks end at 192, 384, 500
    ackAll(5);
    QVERIFY(upload(data, 493, CPartitionTable::PT_APPLICATION, false, &bar));
    QList<int> seen;
    for (const QList<QVariant>& v : values)
        seen << v.at(0).toInt();
    QCOMPARE(seen, (QList<int>{ 0, 38, 76, 100 }));
    QCOMPARE(pumped, 3);
}

// The bridge image (type 5) goes into the WiFi partition: every start record
// says type 4; command 4 before, command 5 after, all blocks as in the image.
void tst_FanBaseTransfer::bridgeImageTravelsAsWifi()
{
    const CFlashImageList catalogue;
    const CFlashImage* image = catalogue.findImage(5, CFlashImage::SYS_ZYVENT100);
    QVERIFY(image);
    QCOMPARE(image->blocks().size(), 1);
    const SMemBlock& block = image->blocks().first();
    const int chunks = (block.data.size() + 191) / 192;
    ackAll(1 + 1 + chunks + 1 + 1);
    QVERIFY(m_fan->uploadImage(CFlashImage::SYS_ZYVENT100, CPartitionTable::PT_WIFI_BRIDGE, nullptr, false));

    const QList<CLLProtocolPacket> packets = sent();
    QCOMPARE(packets.size(), chunks + 4);
    QCOMPARE(Record(packets.first()), Hex("04"));
    QCOMPARE(Record(packets.last()), Hex("05"));
    const QByteArray start = Record(packets[1]);
    QCOMPARE(quint8(start[0]), quint8(7));
    QCOMPARE(quint8(start[7]), quint8(0x04));          // 30012 bytes: no length bits above 16
    QCOMPARE(LE::get16(reinterpret_cast<const uint8_t*>(start.constData()) + 5), quint16(30012));
    QCOMPARE(quint8(start[8]), quint8(3));
    QCOMPARE(quint8(start[9]), quint8(11));
    QCOMPARE(LE::get16(reinterpret_cast<const uint8_t*>(start.constData()) + 14), block.crc16);
    QCOMPARE(Record(packets[packets.size() - 2]), Hex("09"));
}

void tst_FanBaseTransfer::imageOfTheWrongFamily()
{
    ackAll(2);
    QVERIFY(!m_fan->uploadImage(CFlashImage::SYS_ZYVENT70, CPartitionTable::PT_WIFI, nullptr, false));
    // Command 4 went out; without an image nothing follows, not even 5.
    QCOMPARE(sent().size(), 1);
    QCOMPARE(Record(sent().first()), Hex("04"));
    QVERIFY(m_userTexts.isEmpty());
}

void tst_FanBaseTransfer::partitionTable()
{
    m_wire->onNextPacket(WireFrames::ack() + WireFrames::answer(TablePacket(0x1000)));
    m_wire->onNextPacket(WireFrames::answer(TablePacket(0x20000)));
    CPartitionTable::SPartition table[20];
    QVERIFY(m_fan->getPartitionTable(table));
    QCOMPARE(Record(sent().first()), Hex("0B"));
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(table[i].m_Start, (i < 10 ? 0x1000u : 0x20000u) + quint32(i % 10) * 0x100);
        QCOMPARE(int(table[i].m_Size), 0x5000);
        QCOMPARE(int(table[i].m_PartType), 1 + i % 10 % 4);
        QCOMPARE(int(table[i].m_MainVer), 2);
        QCOMPARE(int(table[i].m_SubVer), 25);
        QCOMPARE(int(table[i].m_CrcFlags), 5);
    }
    // Both packets acknowledged by the PC.
    QCOMPARE(sent().size(), 3);
    QVERIFY(sent()[1].IsAck() && sent()[2].IsAck());
}

void tst_FanBaseTransfer::partitionTableFailures_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("firstTenFilled");
    const QString silent = QStringLiteral("Zyvent100 did not (correctly) respond - ");
    const QString wrong = QStringLiteral("Zyvent100 did respond with the wrong packet - ");
    const QByteArray good = WireFrames::answer(TablePacket(0x1000));
    QTest::newRow("second packet missing") << good << QByteArray() << silent << true;
    QTest::newRow("no packet at all") << QByteArray() << QByteArray() << silent << false;
    QTest::newRow("second packet 119 bytes") << good << WireFrames::answer(TablePacket(0).left(119)) << wrong << true;
    QTest::newRow("first packet 121 bytes") << WireFrames::answer(TablePacket(0x1000) + Hex("00")) << QByteArray()
                                            << wrong << false;
    QTest::newRow("first packet of type 3") << WireFrames::frame(3, 0, TablePacket(0x1000)) << QByteArray() << wrong
                                            << false;
    QTest::newRow("second packet corrupt")
        << good << WireFrames::frameWithCrc(1, 0, TablePacket(0), 0x1234) << silent << true;
}

void tst_FanBaseTransfer::partitionTableFailures()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QString, text);
    QFETCH(bool, firstTenFilled);
    m_fan->setLinkSilencePolls(50);
    m_wire->onNextPacket(WireFrames::ack() + first);
    m_wire->onNextPacket(second);
    CPartitionTable::SPartition table[20];
    QVERIFY(!m_fan->getPartitionTable(table));
    QCOMPARE(m_userTexts, QStringList{ text });
    QCOMPARE(table[0].m_Start, firstTenFilled ? 0x1000u : 0u);
    QCOMPARE(table[9].m_Start, firstTenFilled ? 0x1900u : 0u);
    QCOMPARE(table[10].m_Start, 0u);
}

void tst_FanBaseTransfer::swap_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codeLine");
    QTest::newRow("return code 0") << WireFrames::answer(Hex("0A 00 A500")) << true << QString() << "Swap return code:  0";
    QTest::newRow("return code 0xFF is success too")
        << WireFrames::answer(Hex("0A FF 3412")) << true << QString() << "Swap return code:  255";
    QTest::newRow("answer 11 instead of 10")
        << WireFrames::answer(Hex("0B 00 0000")) << false << "Zyvent100 did respond with the wrong packet - " << "";
    QTest::newRow("answer of 2 bytes")
        << WireFrames::answer(Hex("0A 00")) << false << "Zyvent100 did respond with the wrong packet - " << "";
    QTest::newRow("no answer") << QByteArray() << false << "Zyvent100 did not (correctly) respond - " << "";
}

void tst_FanBaseTransfer::swap()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    QFETCH(QString, codeLine);
    m_fan->setLinkSilencePolls(50);
    m_wire->onNextPacket(WireFrames::ack() + answer);
    CDebugCapture log;
    QCOMPARE(m_fan->swapBootloaders(), ok);
    QCOMPARE(Record(sent().first()), Hex("06"));
    QCOMPARE(m_userTexts, text.isEmpty() ? QStringList() : QStringList{ text });
    if (!codeLine.isEmpty())
        QCOMPARE(log.count(codeLine), 1);
}

void tst_FanBaseTransfer::failureInTheMiddle_data()
{
    QTest::addColumn<int>("acked");     // packets acknowledged; -1: all but command 5
    QTest::addColumn<QStringList>("texts");
    const QString error = QStringLiteral("Error sending data to Zyvent100.");
    const QString failed = QStringLiteral(
        "The update process failed. Please switch off your Zyvent100.\nThen switch in on again and retry the update.");
    const QString silent = QStringLiteral("Zyvent100 did not respond - ");
    // The boot loader 2 image begins: 4, 7, its first block's one chunk, 9, 7, ...
    QTest::newRow("command 4 not acknowledged") << 0 << QStringList{ silent };
    QTest::newRow("start record not acknowledged") << 1 << QStringList{ error, failed };
    QTest::newRow("chunk not acknowledged") << 2 << QStringList{ error, failed };
    QTest::newRow("command 9 not acknowledged") << 3 << QStringList{ error, failed };
    QTest::newRow("second block's start record not acknowledged") << 4 << QStringList{ error, failed };
    QTest::newRow("command 5 not acknowledged") << -1 << QStringList{ silent };
}

// The unit stops acknowledging (three attempts each): the image upload ends
// at once with false and the user texts; command 5 is sent only after the
// last block went through.
void tst_FanBaseTransfer::failureInTheMiddle()
{
    QFETCH(int, acked);
    QFETCH(QStringList, texts);
    m_fan->setLinkSilencePolls(20);
    const CFlashImageList catalogue;
    const CFlashImage* image = catalogue.findImage(2, CFlashImage::SYS_ZYVENT100);
    QVERIFY(image);
    int packetsBefore5 = 1;
    for (const SMemBlock& b : image->blocks())
        packetsBefore5 += 2 + (b.data.size() + 191) / 192;
    const bool commandFive = acked < 0;
    if (commandFive)
        acked = packetsBefore5;
    ackAll(acked);
    QVERIFY(!m_fan->uploadImage(CFlashImage::SYS_ZYVENT100, CPartitionTable::PT_BOOTLOADER2, nullptr, false));
    QCOMPARE(m_userTexts, texts);
    const QList<CLLProtocolPacket> packets = sent();
    // Three attempts of the packet that was not acknowledged, nothing after them.
    QCOMPARE(packets.size(), acked + 3);
    QCOMPARE(Number(packets.last()), Number(packets[acked]));
    int fives = 0;
    for (const CLLProtocolPacket& p : packets)
        fives += Number(p) == 5 ? 1 : 0;
    QCOMPARE(fives, commandFive ? 3 : 0);
}

// A plain length the start record cannot carry is refused before anything is sent.
void tst_FanBaseTransfer::plainLengthTooLong()
{
    QVERIFY(!m_fan->uploadPartition(0, 0, 0x100000, CPartitionTable::PT_WIFI, 3, 11, 0, 0, false, nullptr, nullptr,
                                    false));
    QVERIFY(!m_fan->uploadPartition(0, 0, 0x10000, CPartitionTable::PT_APPLICATION, 3, 11, 0, 0, false, nullptr,
                                    nullptr, false));
    QVERIFY(m_wire->sentBytes().isEmpty());
    QCOMPARE(m_userTexts, (QStringList{ "Error sending data to Zyvent100.", "Error sending data to Zyvent100." }));
}

QTEST_MAIN(tst_FanBaseTransfer)
#include "tst_FanBaseTransfer.moc"
