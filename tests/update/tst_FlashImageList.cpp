#include "Firmware/FlashImageList.h"

#include <QtTest>

// CRC-16/CCITT-FALSE, bit by bit: the unit checks each block's plain bytes with it.
static quint16 crc16(const QByteArray& bytes)
{
    quint16 crc = 0xFFFF;
    for (char c : bytes) {
        crc ^= quint16(quint8(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

class tst_FlashImageList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void builtInImages_data();
    void builtInImages();
    void builtInBlocks_data();
    void builtInBlocks();
    void bootLoaderLayout();
    void applicationLayout();
    void wifiLayout();
    void findBuiltIn_data();
    void findBuiltIn();
    void findFirstSharedFamilyBit_data();
    void findFirstSharedFamilyBit();
    void damagedImagesLeftOut();

private:
    QString writeImage(const QString& name, int type, int mainVer, const QString& secondCrc = "7");

    QScopedPointer<QTemporaryDir> m_dir;
};

void tst_FlashImageList::initTestCase()
{
    QCOMPARE(crc16("123456789"), quint16(0x29B1));
}

void tst_FlashImageList::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

// A two-block image; secondCrc is the CRC16 text of its second block.
QString tst_FlashImageList::writeImage(const QString& name, int type, int mainVer, const QString& secondCrc)
{
    const QString text = QString("[General]\nType=%1\nMainVer=%2\nSubVer=0\nStartAdr=0\nEncryption=0\n"
                                 "[MemBlocks]\nsize=2\n"
                                 "1\\MemAdr=0\n1\\PlainLen=1\n1\\Data=@ByteArray(a)\n1\\CRC16=5\n"
                                 "2\\MemAdr=16\n2\\PlainLen=1\n2\\Data=@ByteArray(b)\n2\\CRC16=%3\n")
                             .arg(type).arg(mainVer).arg(secondCrc);
    const QString fileName = m_dir->filePath(name);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toLatin1()) < 0)
        qFatal("cannot write %s", qPrintable(fileName));
    return fileName;
}

// The catalogue's table: resource, family mask, type, version, start address, blocks.
void tst_FlashImageList::builtInImages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mainVer");
    QTest::addColumn<int>("subVer");
    QTest::addColumn<quint32>("startAdr");
    QTest::addColumn<int>("blockCount");

    QTest::newRow("boot loader 1")   << 0 << ":/Images/Bootloader1.ini"   << 3 << 1 << 2 << 25 << 1124u << 15;
    QTest::newRow("boot loader 2")   << 1 << ":/Images/Bootloader2.ini"   << 3 << 2 << 2 << 25 << 1124u << 15;
    QTest::newRow("application 100") << 2 << ":/Images/Application.ini"   << 1 << 3 << 2 << 25 << 39651u << 2;
    QTest::newRow("Zyvent plus")     << 3 << ":/Images/Zyventplus.ini"    << 2 << 3 << 2 << 24 << 40061u << 5;
    QTest::newRow("CC3200")          << 4 << ":/Images/cc3200.ini"        << 1 << 4 << 3 << 11 << 0u << 1;
    QTest::newRow("WiFi bridge")     << 5 << ":/Images/cc3200_bridge.ini" << 1 << 5 << 3 << 11 << 0u << 1;
}

void tst_FlashImageList::builtInImages()
{
    QFETCH(int, index);
    QFETCH(QString, resource);
    QFETCH(int, system);
    QFETCH(int, type);
    QFETCH(int, mainVer);
    QFETCH(int, subVer);
    QFETCH(quint32, startAdr);
    QFETCH(int, blockCount);

    CFlashImage direct;
    QCOMPARE(direct.load(resource, CFlashImage::ESystem(system)), 0);

    const CFlashImageList list;
    QCOMPARE(list.images().size(), 6);
    const CFlashImage& image = list.images().at(index);
    QCOMPARE(int(image.system()), system);
    QCOMPARE(image.type(), type);
    QCOMPARE(int(image.mainVer()), mainVer);
    QCOMPARE(int(image.subVer()), subVer);
    QCOMPARE(image.startAdr(), startAdr);
    QCOMPARE(image.blocks().size(), blockCount);
    QCOMPARE(direct.blocks().size(), blockCount);
    QCOMPARE(direct.blocks().last().data, image.blocks().last().data);
}

void tst_FlashImageList::builtInBlocks_data()
{
    QTest::addColumn<int>("index");
    const QStringList names{"Bootloader1", "Bootloader2", "Application", "Zyventplus", "cc3200", "cc3200_bridge"};
    for (int i = 0; i < names.size(); ++i)
        QTest::newRow(qPrintable(names.at(i))) << i;
}

// Blocks ascend without overlapping; the data are the plain bytes padded to whole
// 16-byte cipher blocks; each CRC16 is that of the plain bytes.
void tst_FlashImageList::builtInBlocks()
{
    QFETCH(int, index);
    const CFlashImageList list;
    QCOMPARE(list.images().size(), 6);
    const CFlashImage& image = list.images().at(index);
    QCOMPARE(image.encryption(), 0);
    quint64 end = 0;
    for (const SMemBlock& block : image.blocks()) {
        const QByteArray where = "block at " + QByteArray::number(block.memAdr);
        QVERIFY2(block.memAdr >= end, where);
        QVERIFY2(quint32(block.data.size()) >= block.plainLen, where);
        QVERIFY2(block.data.size() % 16 == 0 && block.data.size() - block.plainLen < 16, where);
        QVERIFY2(crc16(block.data.left(int(block.plainLen))) == block.crc16, where);
        end = quint64(block.memAdr) + block.plainLen;
    }
}

void tst_FlashImageList::bootLoaderLayout()
{
    const CFlashImageList list;
    const CFlashImage* first = list.findImage(1, CFlashImage::SYS_BOTH);
    const CFlashImage* second = list.findImage(2, CFlashImage::SYS_BOTH);
    QVERIFY(first && second);
    QCOMPARE(first->blocks().size(), 15);
    QCOMPARE(second->blocks().size(), 15);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(first->blocks().at(i).memAdr, second->blocks().at(i).memAdr);
    const quint32 own1[] = {8192, 20136, 20324};
    const quint32 own2[] = {21504, 33672, 33860};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(first->blocks().at(12 + i).memAdr, own1[i]);
        QCOMPARE(second->blocks().at(12 + i).memAdr, own2[i]);
    }
}

// The 100-family application carries the block of 29129 plain bytes sent with 7 more.
void tst_FlashImageList::applicationLayout()
{
    const CFlashImageList list;
    for (CFlashImage::ESystem system : {CFlashImage::SYS_ZYVENT100, CFlashImage::SYS_ZYVENT70}) {
        const CFlashImage* image = list.findImage(3, system);
        QVERIFY(image);
        QCOMPARE(image->blocks().first().memAdr, quint32(34816));
        QCOMPARE(image->blocks().last().memAdr, quint32(65534));
    }
    const SMemBlock& big = list.findImage(3, CFlashImage::SYS_ZYVENT100)->blocks().first();
    QCOMPARE(big.plainLen, quint32(29129));
    QCOMPARE(big.data.size(), 29129 + 7);
}

void tst_FlashImageList::wifiLayout()
{
    const CFlashImageList list;
    const int types[] = {4, 5};
    const quint32 plainLengths[] = {94838, 30012};
    for (int i = 0; i < 2; ++i) {
        const CFlashImage* image = list.findImage(types[i], CFlashImage::SYS_ZYVENT100);
        QVERIFY(image);
        QCOMPARE(image->blocks().size(), 1);
        QCOMPARE(image->blocks().first().memAdr, quint32(0));
        QCOMPARE(image->blocks().first().plainLen, plainLengths[i]);
    }
}

// index: position in the catalogue's table, -1 for none.
void tst_FlashImageList::findBuiltIn_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("index");

    QTest::newRow("boot loader 1, 100 family")  << 1 << 1 << 0;
    QTest::newRow("boot loader 1, 70 family")   << 1 << 2 << 0;
    QTest::newRow("boot loader 2, 100 family")  << 2 << 1 << 1;
    QTest::newRow("boot loader 2, 70 family")   << 2 << 2 << 1;
    QTest::newRow("application, 100 family")    << 3 << 1 << 2;
    QTest::newRow("application, 70 family")     << 3 << 2 << 3;
    QTest::newRow("application, both")          << 3 << 3 << 2;
    QTest::newRow("WiFi, 100 family")           << 4 << 1 << 4;
    QTest::newRow("WiFi, 70 family: none")      << 4 << 2 << -1;
    QTest::newRow("WiFi bridge, 100 family")    << 5 << 1 << 5;
    QTest::newRow("WiFi bridge, 70 family: none") << 5 << 2 << -1;
    QTest::newRow("type 0: none")               << 0 << 3 << -1;
    QTest::newRow("type 6: none")               << 6 << 3 << -1;
    QTest::newRow("no family: none")            << 1 << 0 << -1;
}

void tst_FlashImageList::findBuiltIn()
{
    QFETCH(int, type);
    QFETCH(int, system);
    QFETCH(int, index);

    const CFlashImageList list;
    QCOMPARE(list.images().size(), 6);
    const CFlashImage* expected = index < 0 ? nullptr : &list.images().at(index);
    QCOMPARE(list.findImage(type, CFlashImage::ESystem(system)), expected);
}

// Three applications for masks 2, 3, 1 (main versions 10, 11, 12, in this order).
void tst_FlashImageList::findFirstSharedFamilyBit_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("mainVer");

    QTest::newRow("100 family: first with bit 1") << 1 << 11;
    QTest::newRow("70 family: first with bit 2")  << 2 << 10;
    QTest::newRow("both: first of all")           << 3 << 10;
}

void tst_FlashImageList::findFirstSharedFamilyBit()
{
    QFETCH(int, system);
    QFETCH(int, mainVer);

    const CFlashImageList list({
        {writeImage("a.ini", 3, 10), CFlashImage::SYS_ZYVENT70},
        {writeImage("b.ini", 3, 11), CFlashImage::SYS_BOTH},
        {writeImage("c.ini", 3, 12), CFlashImage::SYS_ZYVENT100},
    });
    const CFlashImage* image = list.findImage(3, CFlashImage::ESystem(system));
    QVERIFY(image);
    QCOMPARE(int(image->mainVer()), mainVer);
    QVERIFY(!list.findImage(4, CFlashImage::SYS_BOTH));
}

void tst_FlashImageList::damagedImagesLeftOut()
{
    const QString good = writeImage("good.ini", 3, 1);
    const QString crcTooLarge = writeImage("crc.ini", 3, 2, "65536");
    const QString typeSix = writeImage("type.ini", 6, 3);
    const QString absent = m_dir->filePath("absent.ini");
    for (const QString& name : {crcTooLarge, typeSix, absent}) {
        const QString line = "CFlashImageList::CFlashImageList: Could not read from Resources: \"" + name + '"';
        QTest::ignoreMessage(QtDebugMsg, qPrintable(line));
    }

    const CFlashImageList list({
        {crcTooLarge, CFlashImage::SYS_BOTH},
        {good, CFlashImage::SYS_ZYVENT100},
        {typeSix, CFlashImage::SYS_BOTH},
        {absent, CFlashImage::SYS_BOTH},
    });
    QCOMPARE(list.images().size(), 1);
    QCOMPARE(int(list.images().first().mainVer()), 1);
    QVERIFY(!list.findImage(3, CFlashImage::SYS_ZYVENT70));
}

QTEST_GUILESS_MAIN(tst_FlashImageList)
#include "tst_FlashImageList.moc"
