#include "PC/Fan.h"

#include "Firmware/FlashImageList.h"
#include "UnitSimThread.h"

#include <QtTest>
#include <memory>

// Firmware transfers between the device object and the simulated unit's boot
// loader over a pseudo-terminal: every built-in image arrives bit for bit,
// the partition table and identity follow, the swap changes the running
// boot loader, and dropped acknowledgements or an unplugged unit in the
// middle of an image end the upload with false and the user texts.

namespace {

const QString kFailed = QStringLiteral(
    "The update process failed. Please switch off your Zyvent100.\nThen switch in on again and retry the update.");
const QString kSendError = QStringLiteral("Error sending data to Zyvent100.");
constexpr quint8 kIntact = CPartitionTable::CF_CRC16OK | CPartitionTable::CF_CRC16_MIROK;
constexpr quint8 kBroken = CPartitionTable::CF_CRC16KO | CPartitionTable::CF_CRC16_MIRKO;

SSimConfig bootConfig(int runningSystem, bool family70)
{
    SSimConfig c;
    c.clockSpeed = 0.0;
    c.identity.runningSystem = runningSystem;
    c.identity.family70 = family70;
    c.identity.bootMajor = 1;
    c.identity.bootMinor = 90;
    c.identity.appMajor = 2;
    c.identity.appMinor = 1;
    c.restartDelayMs = 100;
    return c;
}

const CPartitionTable::SPartition& entryOfType(const QVector<CPartitionTable::SPartition>& table, int type)
{
    static const CPartitionTable::SPartition none;
    for (const CPartitionTable::SPartition& p : table)
        if (p.m_PartType == type)
            return p;
    return none;
}

} // namespace

class tst_FanBaseTransferSim : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void uploadEachImage_data();
    void uploadEachImage();
    void partitionTableMatchesTheUnit();
    void swapRunsTheOtherBootLoader();
    void faultsDuringImage_data();
    void faultsDuringImage();
    void startApplication_data();
    void startApplication();

private:
    void startUnit(const SSimConfig& config);
    CUnitSimulator& sim() { return m_Unit->simulator(); }

    std::unique_ptr<CUnitSimThread> m_Unit;
    std::unique_ptr<CFan> m_Fan;
    QStringList m_UserTexts;
};

void tst_FanBaseTransferSim::startUnit(const SSimConfig& config)
{
    m_Unit = std::make_unique<CUnitSimThread>(config);
    QVERIFY(m_Unit->startUnit());
    m_Fan = std::make_unique<CFan>(config.identity.family70);
    m_Fan->setTransferPauses({ 0, 0, 0 });
    m_Fan->setEventPump({});
    m_UserTexts.clear();
    connect(m_Fan.get(), &CFanBase::signalUserInfo, this, [this](const QString& text) { m_UserTexts << text; });
    QVERIFY(m_Fan->openPort(m_Unit->devicePath()));
    m_UserTexts.clear();
}

void tst_FanBaseTransferSim::cleanup()
{
    m_Fan.reset();
    m_Unit.reset();
}

void tst_FanBaseTransferSim::uploadEachImage_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("imageType");
    QTest::addColumn<int>("partType");
    QTest::addColumn<int>("runningSystem");
    QTest::newRow("boot loader 2, boot loader 1 running") << 1 << 2 << 2 << 1;
    QTest::newRow("boot loader 1, boot loader 2 running") << 2 << 1 << 1 << 2;
    QTest::newRow("application, 100 family") << 1 << 3 << 3 << 1;
    QTest::newRow("application, Zyvent plus") << 2 << 3 << 3 << 2;
    QTest::newRow("CC3200 WiFi firmware") << 1 << 4 << 4 << 1;
    QTest::newRow("WiFi bridge firmware into partition 4") << 1 << 5 << 4 << 2;
}

void tst_FanBaseTransferSim::uploadEachImage()
{
    QFETCH(int, system);
    QFETCH(int, imageType);
    QFETCH(int, partType);
    QFETCH(int, runningSystem);
    startUnit(bootConfig(runningSystem, system == 2));
    const CFlashImageList catalogue;
    const CFlashImage* image = catalogue.findImage(imageType, CFlashImage::ESystem(system));
    QVERIFY(image);

    QVERIFY(m_Fan->uploadImage(CFlashImage::ESystem(system), CPartitionTable::EPartType(imageType), nullptr, false));
    QVERIFY(m_UserTexts.isEmpty());
    QCOMPARE(sim().bootViolations(), QStringList());

    const QVector<SSimStoredBlock> stored = sim().storedBlocks(partType);
    QCOMPARE(stored.size(), image->blocks().size());
    for (int i = 0; i < stored.size(); ++i) {
        const SMemBlock& block = image->blocks().at(i);
        QCOMPARE(stored[i].memAdr, block.memAdr);
        QCOMPARE(stored[i].plainLen, block.plainLen);
        QCOMPARE(stored[i].crc16, block.crc16);
        QCOMPARE(stored[i].data, block.data);
        QVERIFY(stored[i].ok);
    }
    const CPartitionTable::SPartition& entry = entryOfType(sim().partitionTable(), partType);
    QCOMPARE(int(entry.m_MainVer), int(image->mainVer()));
    QCOMPARE(int(entry.m_SubVer), int(image->subVer()));
    QCOMPARE(int(entry.m_CrcFlags), int(kIntact));
    QCOMPARE(sim().receivedCount(4), 1);
    QCOMPARE(sim().receivedCount(5), 1);
    QCOMPARE(sim().receivedCount(7), image->blocks().size());
    QCOMPARE(sim().receivedCount(9), image->blocks().size());

    if (partType == CPartitionTable::PT_APPLICATION) {
        SHLP_IdentData ident;
        QVERIFY(m_Fan->getIdentData(ident));
        QCOMPARE(int(ident.m_AppVersionMajor), int(image->mainVer()));
        QCOMPARE(int(ident.m_AppVersionMinor), int(image->subVer()));
    }
}

void tst_FanBaseTransferSim::partitionTableMatchesTheUnit()
{
    startUnit(bootConfig(1, false));
    // Spoil the application first: an upload that breaks off leaves it marked KO.
    sim().dropAcks(30, 3);
    QVERIFY(!m_Fan->uploadImage(CFlashImage::SYS_ZYVENT100, CPartitionTable::PT_APPLICATION, nullptr, false));

    CPartitionTable::SPartition table[20];
    QVERIFY(m_Fan->getPartitionTable(table));
    const QVector<CPartitionTable::SPartition> truth = sim().partitionTable();
    QCOMPARE(truth.size(), 20);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(table[i].m_Start, truth[i].m_Start);
        QCOMPARE(table[i].m_Size, truth[i].m_Size);
        QCOMPARE(table[i].m_PartType, truth[i].m_PartType);
        QCOMPARE(table[i].m_MainVer, truth[i].m_MainVer);
        QCOMPARE(table[i].m_SubVer, truth[i].m_SubVer);
        QCOMPARE(table[i].m_CrcFlags, truth[i].m_CrcFlags);
    }
    QCOMPARE(int(entryOfType(truth, 1).m_MainVer), 1);
    QCOMPARE(int(entryOfType(truth, 1).m_SubVer), 90);
    QCOMPARE(int(entryOfType(truth, 1).m_CrcFlags), int(kIntact));
    QCOMPARE(int(entryOfType(truth, 3).m_CrcFlags), int(kBroken));
}

// Boot loader 1 runs; boot loader 2 gets the new image and the swap makes it
// the running one, which the identity then reports with its version.
void tst_FanBaseTransferSim::swapRunsTheOtherBootLoader()
{
    startUnit(bootConfig(1, false));
    QVERIFY(m_Fan->uploadImage(CFlashImage::SYS_ZYVENT100, CPartitionTable::PT_BOOTLOADER2, nullptr, false));
    QVERIFY(m_Fan->swapBootloaders());
    SHLP_IdentData ident;
    QVERIFY(m_Fan->getIdentData(ident));
    QCOMPARE(int(ident.m_RunningSystem), 2);
    QCOMPARE(int(ident.m_BootVersionMajor), 2);
    QCOMPARE(int(ident.m_BootVersionMinor), 25);
    QCOMPARE(sim().bootViolations(), QStringList());
}

void tst_FanBaseTransferSim::faultsDuringImage_data()
{
    QTest::addColumn<int>("dropAfter");
    QTest::addColumn<int>("drops");
    QTest::addColumn<int>("unplugAfter");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("texts");
    // Command packets of the application image: 4, 7, 152 chunks, 9, 7, chunk, 9, 5.
    QTest::newRow("one ACK dropped mid-partition: re-sent") << 60 << 1 << 0 << true << QStringList();
    QTest::newRow("two ACKs of one chunk dropped: third attempt") << 60 << 2 << 0 << true << QStringList();
    QTest::newRow("ACK of command 9 dropped: re-sent") << 154 << 1 << 0 << true << QStringList();
    QTest::newRow("ACKs dropped beyond the retries") << 60 << 3 << 0 << false << QStringList{ kSendError, kFailed };
    QTest::newRow("unplugged mid-partition") << 0 << 0 << 60 << false << QStringList{ kSendError, kFailed };
    QTest::newRow("unplugged between partitions") << 0 << 0 << 155 << false << QStringList{ kSendError, kFailed };
}

void tst_FanBaseTransferSim::faultsDuringImage()
{
    QFETCH(int, dropAfter);
    QFETCH(int, drops);
    QFETCH(int, unplugAfter);
    QFETCH(bool, ok);
    QFETCH(QStringList, texts);
    startUnit(bootConfig(1, false));
    if (drops > 0)
        sim().dropAcks(dropAfter, drops);
    if (unplugAfter > 0)
        sim().unplugAfterCommands(unplugAfter);

    QCOMPARE(m_Fan->uploadImage(CFlashImage::SYS_ZYVENT100, CPartitionTable::PT_APPLICATION, nullptr, false), ok);
    QCOMPARE(m_UserTexts, texts);
    const CPartitionTable::SPartition& entry = entryOfType(sim().partitionTable(), CPartitionTable::PT_APPLICATION);
    if (ok) {
        QCOMPARE(sim().bootViolations(), QStringList());
        const CFlashImageList catalogue;
        const CFlashImage* image = catalogue.findImage(3, CFlashImage::SYS_ZYVENT100);
        const QVector<SSimStoredBlock> stored = sim().storedBlocks(3);
        QCOMPARE(stored.size(), image->blocks().size());
        for (int i = 0; i < stored.size(); ++i)
            QCOMPARE(stored[i].data, image->blocks().at(i).data);
        QCOMPARE(int(entry.m_CrcFlags), int(kIntact));
    } else {
        // Never reported as complete: no command 5 and the partition stays marked broken.
        QCOMPARE(sim().receivedCount(5), 0);
        QCOMPARE(int(entry.m_CrcFlags), int(kBroken));
    }
}

void tst_FanBaseTransferSim::startApplication_data()
{
    QTest::addColumn<bool>("intactApplication");
    QTest::addColumn<int>("runningAfter");
    QTest::newRow("intact application: it starts") << true << 3;
    QTest::newRow("broken application: back in boot loader 1") << false << 1;
}

// Commands 18 (startup mode 1) and 17: the unit restarts; without an intact
// application it comes back in its boot loader.
void tst_FanBaseTransferSim::startApplication()
{
    QFETCH(bool, intactApplication);
    QFETCH(int, runningAfter);
    startUnit(bootConfig(1, false));
    if (!intactApplication) {
        sim().dropAcks(30, 3);
        QVERIFY(!m_Fan->uploadImage(CFlashImage::SYS_ZYVENT100, CPartitionTable::PT_APPLICATION, nullptr, false));
    }
    QVERIFY(m_Fan->startApplication(1));
    m_Fan->setIdentTimeout(20000);
    SHLP_IdentData ident;
    QVERIFY(m_Fan->getIdentData(ident));
    QCOMPARE(int(ident.m_RunningSystem), runningAfter);
    QCOMPARE(sim().receivedCount(18), 1);
    int mode = -1;
    sim().withState([&mode](CSimUnitState& st) { mode = st.identity().startupMode; });
    QCOMPARE(mode, 1);
}

QTEST_MAIN(tst_FanBaseTransferSim)
#include "tst_FanBaseTransferSim.moc"
