// The simulated boot loader's checks of an upload sequence (4 / 7 / 8... / 9 / 5):
// each row feeds records straight into CSimBootLoader and names the breach
// it must note (or none), and how the partition table marks the partition.

#include "SimBootLoader.h"

#include "LLProtocolPacket.h"
#include "WireFrames.h"

#include <QtTest>

namespace {

struct SRec {
    QByteArray data;
    bool user = false;
};

void put16(QByteArray& a, int at, quint32 v)
{
    a[at] = char(v & 0xFF);
    a[at + 1] = char((v >> 8) & 0xFF);
}

void put32(QByteArray& a, int at, quint32 v)
{
    put16(a, at, v & 0xFFFF);
    put16(a, at + 2, v >> 16);
}

QByteArray Content(int n)
{
    QByteArray d(n, '\0');
    for (int i = 0; i < n; ++i)
        d[i] = char((i * 7 + 3) & 0xFF);
    return d;
}

// The block the rows send: 300 data bytes at 40000, 293 of them plain.
const quint32 kAdr = 40000;
const QByteArray kData = Content(300);
const quint32 kPlain = 293;

SRec Single(quint8 number) { return { QByteArray(1, char(number)) }; }

SRec Start(quint8 typeByte, quint32 adr = kAdr, quint32 plainLow = kPlain, quint16 crc = 0, bool crcOfData = true)
{
    QByteArray r(16, '\0');
    r[0] = 7;
    put32(r, 1, adr);
    put16(r, 5, plainLow);
    r[7] = char(typeByte);
    r[8] = 4;
    r[9] = 2;
    put32(r, 10, 40061);
    put16(r, 14, crcOfData ? WireFrames::crc16(kData.left(int(kPlain))) : crc);
    return { r };
}

SRec Chunk(int offset, int len, int beyond, quint32 adr, bool user = false)
{
    QByteArray r(200, '\0');
    r[0] = 8;
    r[1] = char(beyond);
    put16(r, 2, quint32(len));
    put32(r, 4, adr);
    r.replace(8, len, kData.mid(offset, len));
    return { r, user };
}

SRec First(bool user = false) { return Chunk(0, 192, 0, kAdr, user); }
SRec Last(bool user = false) { return Chunk(192, 108, 7, kAdr + 192, user); }

using Sequence = QList<SRec>;

} // namespace

Q_DECLARE_METATYPE(Sequence)

class tst_SimBootLoaderChecks : public QObject
{
    Q_OBJECT
private slots:
    void sequence_data();
    void sequence();
    void swapNeedsAnIntactOtherBootLoader();
};

void tst_SimBootLoaderChecks::sequence_data()
{
    QTest::addColumn<Sequence>("records");
    QTest::addColumn<QString>("breach");        // part of the one violation noted; empty: none
    QTest::addColumn<bool>("intact");           // application entry afterwards (a start record
                                                // without a valid type names no partition)

    const SRec four = Single(4), five = Single(5), nine = Single(9);
    QTest::newRow("correct upload") << Sequence{ four, Start(3), First(), Last(), nine, five } << "" << true;
    QTest::newRow("enciphered: user flag on every chunk, CRC not checked")
        << Sequence{ four, Start(3, kAdr, kPlain, 0x1234, false), First(true), Last(true), nine, five } << "" << true;
    QTest::newRow("repeated records after lost ACKs are taken once")
        << Sequence{ four, four, Start(3), Start(3), First(), First(), Last(), Last(), nine, nine, five, five } << ""
        << true;
    QTest::newRow("partition start without command 4")
        << Sequence{ Start(3), First(), Last(), nine, five } << "without command 4" << false;
    QTest::newRow("chunk skipped") << Sequence{ four, Start(3), Last(), nine, five } << "expected 40000" << false;
    QTest::newRow("chunk at a wrong address")
        << Sequence{ four, Start(3), First(), Chunk(192, 108, 7, kAdr + 200), nine, five } << "expected 40192" << false;
    QTest::newRow("no beyond-plain count in the last chunk")
        << Sequence{ four, Start(3), First(), Chunk(192, 108, 0, kAdr + 192), nine, five } << "beyond the plain length"
        << false;
    QTest::newRow("beyond-plain count in a full chunk")
        << Sequence{ four, Start(3), Chunk(0, 192, 7, kAdr), Last(), nine, five } << "beyond the plain length" << false;
    SRec tooLong = First();
    put16(tooLong.data, 2, 193);
    QTest::newRow("chunk length 193") << Sequence{ four, Start(3), tooLong, nine, five } << "chunk length 193" << false;
    QTest::newRow("data record of 199 bytes")
        << Sequence{ four, Start(3), SRec{ First().data.left(199) }, nine, five } << "199 bytes" << false;
    QTest::newRow("fewer plain bytes than announced")
        << Sequence{ four, Start(3), First(), nine, five } << "192 plain bytes received, 293 announced" << false;
    QTest::newRow("CRC of plain data differs")
        << Sequence{ four, Start(3, kAdr, kPlain, 0x1234, false), First(), Last(), nine, five } << "CRC-16 differs"
        << false;
    QTest::newRow("user flag changes inside the image")
        << Sequence{ four, Start(3), First(true), Last(false), nine, five } << "user flag changes" << false;
    QTest::newRow("length nibble on an application block")
        << Sequence{ four, Start(0x13), First(), Last(), nine, five } << "type byte 0x13" << false;
    QTest::newRow("type 5 in the start record")
        << Sequence{ four, Start(5), First(), Last(), nine, five } << "type byte 0x05" << true;
    QTest::newRow("the running boot loader 1 overwritten")
        << Sequence{ four, Start(1, 1024), First(), Last(), nine, five } << "running boot loader 1" << true;
    QTest::newRow("block beyond 64 KiB") << Sequence{ four, Start(3, 65400), nine, five } << "leaves the address space"
                                         << false;
    QTest::newRow("data outside a partition")
        << Sequence{ four, Start(3), First(), Last(), nine, First(), five } << "outside a partition" << false;
    QTest::newRow("command 5 while a partition is open")
        << Sequence{ four, Start(3), First(), Last(), five } << "while a partition is open" << false;
    QTest::newRow("command 9 without a partition") << Sequence{ four, Start(3), First(), Last(), nine, five, nine }
                                                   << "command 9 without" << true;
}

void tst_SimBootLoaderChecks::sequence()
{
    QFETCH(Sequence, records);
    QFETCH(QString, breach);
    QFETCH(bool, intact);
    SSimIdentity identity;
    identity.runningSystem = 1;
    CSimBootLoader boot(identity);
    QList<QByteArray> answers;
    for (const SRec& r : records) {
        boot.setPacketFlags(r.user ? quint8(CLLProtocolPacket::PF_USER | CLLProtocolPacket::PF_RETRY)
                                   : quint8(CLLProtocolPacket::PF_RETRY));
        switch (quint8(r.data.at(0))) {
        case 4: boot.onImageBegin(r.data); break;
        case 5: boot.onImageEnd(identity, r.data); break;
        case 7: boot.onPartitionStart(r.data); break;
        case 8: boot.onData(r.data); break;
        case 9: boot.onPartitionEnd(r.data); break;
        default: QFAIL("unexpected record");
        }
    }
    const QStringList violations = boot.violations();
    if (breach.isEmpty()) {
        QCOMPARE(violations, QStringList());
    } else {
        QCOMPARE(violations.size(), 1);
        QVERIFY2(violations.first().contains(breach), qPrintable(violations.first()));
    }
    const CPartitionTable::SPartition app = boot.table().at(CSimBootLoader::E_Application);
    QCOMPARE(int(app.m_CrcFlags), intact ? 0x05 : 0x0A);
    if (breach.isEmpty()) {
        QCOMPARE(boot.storedBlocks(3).size(), 1);
        QCOMPARE(boot.storedBlocks(3).first().data, kData);
        QCOMPARE(int(app.m_MainVer), 4);
        QCOMPARE(int(app.m_SubVer), 2);
        QCOMPARE(identity.appMajor, 4);
        QCOMPARE(identity.appMinor, 2);
    }
}

// Swap (6 -> 10): only to an intact other boot loader; the answer's return
// code says whether it happened.
void tst_SimBootLoaderChecks::swapNeedsAnIntactOtherBootLoader()
{
    SSimIdentity identity;
    identity.runningSystem = 1;
    CSimBootLoader boot(identity);
    QList<QByteArray> answers;
    boot.onSwap(identity, answers);
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers.first(), QByteArray::fromHex("0A 00 A500"));
    QCOMPARE(identity.runningSystem, 2);

    // Boot loader 1 (not running now) broken by an image that stops half-way.
    boot.onImageBegin(QByteArray(1, 4));
    boot.onPartitionStart(Start(1, 1024).data);
    boot.onImageBegin(QByteArray(1, 4));
    boot.onImageEnd(identity, QByteArray(1, 5));
    answers.clear();
    boot.onSwap(identity, answers);
    QCOMPARE(answers.first(), QByteArray::fromHex("0A 01 A500"));
    QCOMPARE(identity.runningSystem, 2);
}

QTEST_GUILESS_MAIN(tst_SimBootLoaderChecks)
#include "tst_SimBootLoaderChecks.moc"
