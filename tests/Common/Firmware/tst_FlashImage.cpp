#include "Firmware/FlashImage.h"

#include <QtTest>

// Image files are written here from a small hand-made text, one fresh file per case
// (QSettings caches files by name and modification time).
class tst_FlashImage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void validImage();
    void loadCodes_data();
    void loadCodes();
    void missingFile();
    void reloadReplacesBlocks();

private:
    QString writeImage(const QStringList& changes);

    QScopedPointer<QTemporaryDir> m_dir;
    int m_files = 0;
};

// A 70-family application with two blocks; block 2 holds the bytes E3 9A 00 01.
static const char* const VALID_IMAGE[] = {
    "[General]",
    "Type=3",
    "MainVer=2",
    "SubVer=25",
    "StartAdr=39651",
    "Encryption=1",
    "",
    "[MemBlocks]",
    "size=2",
    "1\\MemAdr=34816",
    "1\\PlainLen=5",
    "1\\Data=@ByteArray(ABCDEFGH)",
    "1\\CRC16=4660",
    "2\\MemAdr=65534",
    "2\\PlainLen=2",
    "2\\Data=@ByteArray(\\xe3\\x9a\\0\\x1)",
    "2\\CRC16=65535",
};

void tst_FlashImage::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

// Each change is "Key=Value" (replaces the key's line) or "Key" (drops it).
QString tst_FlashImage::writeImage(const QStringList& changes)
{
    QStringList lines;
    for (const char* line : VALID_IMAGE)
        lines << QString::fromLatin1(line);
    for (const QString& change : changes) {
        const QString key = change.section('=', 0, 0);
        int at = 0;
        while (at < lines.size() && !lines.at(at).startsWith(key + '='))
            ++at;
        if (at == lines.size())
            qFatal("no line for %s", qPrintable(key));
        if (change.contains('='))
            lines[at] = change;
        else
            lines.removeAt(at);
    }
    const QString fileName = m_dir->filePath(QString("image%1.ini").arg(++m_files));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(lines.join('\n').toLatin1() + '\n') < 0)
        qFatal("cannot write %s", qPrintable(fileName));
    return fileName;
}

void tst_FlashImage::validImage()
{
    CFlashImage image;
    QCOMPARE(image.load(writeImage({}), CFlashImage::SYS_ZYVENT70), 0);
    QCOMPARE(image.type(), 3);
    QCOMPARE(image.system(), CFlashImage::SYS_ZYVENT70);
    QCOMPARE(image.mainVer(), quint8(2));
    QCOMPARE(image.subVer(), quint8(25));
    QCOMPARE(image.startAdr(), quint32(39651));
    QCOMPARE(image.encryption(), 1);
    QCOMPARE(image.blocks().size(), 2);
    const SMemBlock& first = image.blocks().at(0);
    QCOMPARE(first.memAdr, quint32(34816));
    QCOMPARE(first.plainLen, quint32(5));
    QCOMPARE(first.data, QByteArray("ABCDEFGH"));
    QCOMPARE(first.crc16, quint16(4660));
    const SMemBlock& second = image.blocks().at(1);
    QCOMPARE(second.memAdr, quint32(65534));
    QCOMPARE(second.plainLen, quint32(2));
    QCOMPARE(second.data, QByteArray("\xE3\x9A\x00\x01", 4));
    QCOMPARE(second.crc16, quint16(65535));
}

void tst_FlashImage::loadCodes_data()
{
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("blocksKept");

    QTest::newRow("valid")                     << QStringList{}                      << 0 << 2;
    QTest::newRow("Type missing")              << QStringList{"Type"}                << -1 << 0;
    QTest::newRow("Type 0")                    << QStringList{"Type=0"}              << -2 << 0;
    QTest::newRow("Type -1")                   << QStringList{"Type=-1"}             << -2 << 0;
    QTest::newRow("Type no number")            << QStringList{"Type=three"}          << -2 << 0;
    QTest::newRow("Type 1")                    << QStringList{"Type=1"}              << 0 << 2;
    QTest::newRow("Type 5")                    << QStringList{"Type=5"}              << 0 << 2;
    QTest::newRow("Type 6")                    << QStringList{"Type=6"}              << -3 << 0;
    QTest::newRow("MainVer missing")           << QStringList{"MainVer"}             << -4 << 0;
    QTest::newRow("MainVer 255")               << QStringList{"MainVer=255"}         << 0 << 2;
    QTest::newRow("MainVer 256")               << QStringList{"MainVer=256"}         << -5 << 0;
    QTest::newRow("MainVer -1")                << QStringList{"MainVer=-1"}          << -5 << 0;
    QTest::newRow("SubVer missing")            << QStringList{"SubVer"}              << -6 << 0;
    QTest::newRow("SubVer 0")                  << QStringList{"SubVer=0"}            << 0 << 2;
    QTest::newRow("SubVer 256")                << QStringList{"SubVer=256"}          << -7 << 0;
    QTest::newRow("StartAdr missing")          << QStringList{"StartAdr"}            << -8 << 0;
    QTest::newRow("StartAdr hex text")         << QStringList{"StartAdr=0x9AE3"}     << -8 << 0;
    QTest::newRow("StartAdr 4294967295")       << QStringList{"StartAdr=4294967295"} << 0 << 2;
    QTest::newRow("StartAdr 4294967296")       << QStringList{"StartAdr=4294967296"} << -8 << 0;
    QTest::newRow("Encryption missing")        << QStringList{"Encryption"}          << -9 << 0;
    QTest::newRow("Encryption 0")              << QStringList{"Encryption=0"}        << 0 << 2;
    QTest::newRow("Encryption 2")              << QStringList{"Encryption=2"}        << -10 << 0;
    QTest::newRow("Encryption -1")             << QStringList{"Encryption=-1"}       << -10 << 0;
    QTest::newRow("size -1")                   << QStringList{"size=-1"}             << -11 << 0;
    QTest::newRow("size no number")            << QStringList{"size=two"}            << -11 << 0;
    QTest::newRow("size missing: no blocks")   << QStringList{"size"}                << 0 << 0;
    QTest::newRow("size 0: no blocks")         << QStringList{"size=0"}              << 0 << 0;
    QTest::newRow("size 3, block 3 absent")    << QStringList{"size=3"}              << -12 << 2;
    QTest::newRow("block 1 MemAdr missing")    << QStringList{"1\\MemAdr"}           << -12 << 0;
    QTest::newRow("block 2 MemAdr missing")    << QStringList{"2\\MemAdr"}           << -12 << 1;
    QTest::newRow("block 1 MemAdr negative")   << QStringList{"1\\MemAdr=-2"}        << -12 << 0;
    QTest::newRow("block 1 PlainLen missing")  << QStringList{"1\\PlainLen"}         << -13 << 0;
    QTest::newRow("block 2 PlainLen missing")  << QStringList{"2\\PlainLen"}         << -13 << 1;
    QTest::newRow("block 1 Data missing")      << QStringList{"1\\Data"}             << -14 << 0;
    QTest::newRow("block 2 Data as text")      << QStringList{"2\\Data=ABCDEFGH"}    << -14 << 1;
    QTest::newRow("block 1 Data empty array")  << QStringList{"1\\Data=@ByteArray()"} << 0 << 2;
    QTest::newRow("block 1 CRC16 missing")     << QStringList{"1\\CRC16"}            << -15 << 0;
    QTest::newRow("block 2 CRC16 65536")       << QStringList{"2\\CRC16=65536"}      << -16 << 1;
    QTest::newRow("block 1 CRC16 -1")          << QStringList{"1\\CRC16=-1"}         << -16 << 0;
    QTest::newRow("block 1 CRC16 0")           << QStringList{"1\\CRC16=0"}          << 0 << 2;

    // Several faults at once: the first check in reading order decides.
    QTest::newRow("Type 6 before MainVer missing")   << QStringList{"MainVer", "Type=6"}         << -3 << 0;
    QTest::newRow("SubVer before StartAdr")          << QStringList{"StartAdr", "SubVer=300"}    << -7 << 0;
    QTest::newRow("Encryption before size")          << QStringList{"size=-1", "Encryption=2"}   << -10 << 0;
    QTest::newRow("header before blocks")            << QStringList{"1\\MemAdr", "StartAdr"}     << -8 << 0;
    QTest::newRow("PlainLen before Data")            << QStringList{"1\\Data", "1\\PlainLen"}    << -13 << 0;
    QTest::newRow("Data before CRC16")               << QStringList{"1\\CRC16", "1\\Data"}       << -14 << 0;
    QTest::newRow("block 1 CRC16 before block 2")    << QStringList{"2\\MemAdr", "1\\CRC16"}     << -15 << 0;
}

void tst_FlashImage::loadCodes()
{
    QFETCH(QStringList, changes);
    QFETCH(int, code);
    QFETCH(int, blocksKept);

    CFlashImage image;
    QCOMPARE(image.load(writeImage(changes), CFlashImage::SYS_BOTH), code);
    QCOMPARE(image.blocks().size(), blocksKept);
}

void tst_FlashImage::missingFile()
{
    CFlashImage image;
    QCOMPARE(image.load(m_dir->filePath("absent.ini"), CFlashImage::SYS_BOTH), -1);
    QCOMPARE(image.load(":/Images/absent.ini", CFlashImage::SYS_BOTH), -1);
}

void tst_FlashImage::reloadReplacesBlocks()
{
    CFlashImage image;
    QCOMPARE(image.load(writeImage({}), CFlashImage::SYS_ZYVENT100), 0);
    QCOMPARE(image.load(writeImage({"size"}), CFlashImage::SYS_ZYVENT70), 0);
    QCOMPARE(image.system(), CFlashImage::SYS_ZYVENT70);
    QVERIFY(image.blocks().isEmpty());
}

QTEST_GUILESS_MAIN(tst_FlashImage)
#include "tst_FlashImage.moc"
