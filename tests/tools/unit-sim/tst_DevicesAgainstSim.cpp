// The device objects of both families (CFan, CFan_70_PC) against the
// in-process simulated unit over a real pseudo-terminal: every answer goes
// through QSerialPort, the link layer and the family's decoders, and must come
// out as the unit's own truth. The unit's records are encoded by its own code
// from the bit tables, so a field misread on either side shows up here.

#include "DeviceSimFixture.h"

#include <QSignalSpy>
#include <QtTest>
#include <cmath>

using namespace DeviceSim;

class tst_DevicesAgainstSim : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void identification_data();
    void identification();
    void counters_data();
    void counters();
    void currentState100();
    void currentState70();
    void primaryLog_data();
    void primaryLog();
    void secLogPagesAcrossRingEnd_data();
    void secLogPagesAcrossRingEnd();
    void wifiCredentials_data();
    void wifiCredentials();
    void simulationValues100();
    void simulationValues70();

private:
    void start(const SSimConfig& config);
    CFan& fan100() { return static_cast<CFan&>(*m_Fan); }
    CFan_70_PC& fan70() { return static_cast<CFan_70_PC&>(*m_Fan); }
    CUnitSimulator& sim() { return m_Unit->simulator(); }

    std::unique_ptr<CUnitSimThread> m_Unit;
    std::unique_ptr<CFanBase> m_Fan;
};

namespace {

void addFamilies()
{
    QTest::addColumn<bool>("family70");
    QTest::newRow("100 family") << false;
    QTest::newRow("70 family") << true;
}

// A temperature of the model as the unit rounds it into 1/8 °C.
int eighths(double celsius) { return int(std::lround(celsius * 8.0)); }

} // namespace

void tst_DevicesAgainstSim::start(const SSimConfig& config)
{
    m_Fan.reset();
    m_Unit.reset(new CUnitSimThread(config));
    QVERIFY(m_Unit->startUnit());
    m_Fan = makeDevice(config.identity.family70);
    QVERIFY(m_Fan->openPort(m_Unit->devicePath()));
}

void tst_DevicesAgainstSim::cleanup()
{
    m_Fan.reset();
    m_Unit.reset();
}

void tst_DevicesAgainstSim::identification_data()
{
    addFamilies();
}

void tst_DevicesAgainstSim::identification()
{
    QFETCH(bool, family70);
    SSimConfig config = frozenConfig(family70);
    config.identity.serialNr = 20261234;
    config.identity.appMajor = 4;
    config.identity.appMinor = 12;
    config.identity.wifiMajor = 3;
    config.identity.wifiMinor = 17;
    start(config);
    QSignalSpy info(m_Fan.get(), &CFanBase::signalUserInfo);

    SHLP_IdentData ident;
    QVERIFY(m_Fan->getIdentData(ident));
    QCOMPARE(ident.toBytes(), sim().identityRecord());
    QCOMPARE(ident.m_SerialNr, 20261234u);
    QCOMPARE(int(ident.m_RunningSystem), int(SSimIdentity::RS_Application));
    QCOMPARE(int(ident.m_AppVersionMajor), 4);
    QCOMPARE(int(ident.m_AppVersionMinor), 12);
    QCOMPARE(ident.m_Family70, family70);
    QCOMPARE(int(ident.m_WifiVersionMajor), 3);
    QCOMPARE(int(ident.m_WifiVersionMinor), 17);
    QVERIFY(!info.isEmpty());
    QCOMPARE(info.last().at(0).toString(), QStringLiteral("%1 detected!").arg(m_Fan->familyName()));
    QCOMPARE(sim().receivedCount(1), 1);
}

void tst_DevicesAgainstSim::counters_data()
{
    addFamilies();
}

void tst_DevicesAgainstSim::counters()
{
    QFETCH(bool, family70);
    start(frozenConfig(family70));

    QVERIFY(m_Fan->getCounters());
    const QVector<quint32> truth = sim().counters();
    QCOMPARE(truth.size(), 74);
    QCOMPARE(m_Fan->counters().size(), 74);
    for (int id = 0; id < 74; ++id)
        QCOMPARE(m_Fan->counters().at(id), truth.at(id));
    QCOMPARE(m_Fan->counterValue(CSimUnitState::C_OperatingHours), int(truth.at(CSimUnitState::C_OperatingHours)));
}

void tst_DevicesAgainstSim::currentState100()
{
    start(frozenConfig(false));

    SPrimLogEntry e;
    QVERIFY(fan100().getCurrentState(e));
    QCOMPARE(e.toBytes(), sim().currentEntry());

    const SSimSample t = sim().currentSample();
    QCOMPARE(e.supplyTemp(), eighths(t.supplyTemp));
    QCOMPARE(e.outdoorTemp(), eighths(t.outdoorTemp));
    QCOMPARE(e.exhaustTemp(), eighths(t.exhaustTemp));
    QCOMPARE(e.extractTemp(), eighths(t.extractTemp));
    QCOMPARE(e.supplyTempVirt(), eighths(t.supplyTempVirt));
    QCOMPARE(e.outdoorHum(), t.outdoorHum);
    QCOMPARE(e.extractHum(), t.extractHum);
    QCOMPARE(e.co2(), t.co2Ppm / 16);
    QCOMPARE(e.pressure(), t.pressureHpa);
    QCOMPARE(e.comfortLevelCode() + 1, t.comfortLevel);
    QCOMPARE(e.fanFlowCode() * 10, t.fanFlow);
    QCOMPARE(e.fanSpeedA(), t.fanRpmExtract);
    QCOMPARE(e.fanSpeedB(), t.fanRpmSupply);
    QCOMPARE(e.ventPosExtract(), t.flapPos[0]);
    QCOMPARE(e.ventPosBath(), t.flapPos[1]);
    QCOMPARE(e.ventPosSupply(), t.flapPos[2]);
    QCOMPARE(e.ventPosBypass(), t.flapPos[3]);
    QCOMPARE(e.dipSwitch(), t.dipSwitch);
    QVERIFY(e.hasSoftwareVersion());
    QCOMPARE(e.swVersionMajor(), t.swMajor);
    QCOMPARE(e.swVersionMinor(), t.swMinor);

    // Inside the ranges of a unit in a home in February.
    QVERIFY(e.extractTemp() > 18 * 8 && e.extractTemp() < 24 * 8);
    QVERIFY(e.outdoorTemp() > -20 * 8 && e.outdoorTemp() < 20 * 8);
    QVERIFY(e.supplyTemp() > e.outdoorTemp() && e.supplyTemp() < e.extractTemp());
    QVERIFY(e.co2() * 16 >= 400 && e.co2() * 16 <= 2000);
    QVERIFY(e.outdoorHum() >= 20 && e.outdoorHum() <= 100);
    QVERIFY(e.extractHum() >= 20 && e.extractHum() <= 90);
    QVERIFY(e.pressure() >= 990 && e.pressure() <= 1030);
}

void tst_DevicesAgainstSim::currentState70()
{
    start(frozenConfig(true));

    SPrimLogEntry_70 e;
    QVERIFY(fan70().getCurrentState(e));
    QCOMPARE(e.toBytes(), sim().currentEntry());

    const SSimSample t = sim().currentSample();
    QCOMPARE(e.supplyTemp70(), eighths(t.supplyTemp));
    QCOMPARE(e.extractTemp(), eighths(t.extractTemp));
    QCOMPARE(e.htExt(), int(std::lround(t.hTExt70 * 4)));
    QCOMPARE(e.htSup(), int(std::lround(t.hTSup70 * 4)));
    QCOMPARE(e.outdoorHum(), t.outdoorHum);
    QCOMPARE(e.extractHum(), t.extractHum);
    QCOMPARE(e.huEx(), t.hUEx70);
    QCOMPARE(e.huSu(), t.hUSu70);
    QCOMPARE(e.comfortLevelCode() + 1, t.comfortLevel);
    QCOMPARE(e.fanRPM70(), t.fanRpmExtract);
    QCOMPARE(e.airFlow(), t.airFlow70);
    QCOMPARE(e.flow(), t.flow70);
    QCOMPARE(e.sbFlow(), t.sbFlow70);
    QCOMPARE(e.extractCO270(), t.extractCO270);
    QCOMPARE(e.supplyCO270(), t.supplyCO270);
    QCOMPARE(e.reasonCode(), t.ventReason);
    QCOMPARE(e.summerCooling(), t.summer70);

    QVERIFY(e.extractTemp() > 18 * 8 && e.extractTemp() < 24 * 8);
    QVERIFY(e.extractCO270() * 16 >= 400 && e.extractCO270() * 16 <= 2000);
    QVERIFY(e.outdoorHum() >= 20 && e.outdoorHum() <= 100);
    QVERIFY(e.fanRPM70() > 0 && e.fanRPM70() < 4096);
}

void tst_DevicesAgainstSim::primaryLog_data()
{
    QTest::addColumn<bool>("family70");
    QTest::addColumn<int>("count");
    QTest::newRow("100 family, 20 entries (3 packets)") << false << 20;
    QTest::newRow("100 family, 7 entries (1 full packet)") << false << 7;
    QTest::newRow("70 family, 20 entries (3 packets)") << true << 20;
    QTest::newRow("70 family, 8 entries (2 packets)") << true << 8;
}

void tst_DevicesAgainstSim::primaryLog()
{
    QFETCH(bool, family70);
    QFETCH(int, count);
    SSimConfig config = frozenConfig(family70);
    config.primLogCount = count;
    start(config);

    const QVector<QByteArray> truth = sim().primLog();
    QCOMPARE(truth.size(), count);
    if (family70) {
        QVector<SPrimLogEntry_70> entries;
        QVERIFY(fan70().getPrimLog(entries));
        QCOMPARE(imagesOf(entries), truth);
    } else {
        QVector<SPrimLogEntry> entries;
        QVERIFY(fan100().getPrimLog(entries));
        QCOMPARE(imagesOf(entries), truth);
    }
}

void tst_DevicesAgainstSim::secLogPagesAcrossRingEnd_data()
{
    QTest::addColumn<bool>("family70");
    QTest::addColumn<int>("span");
    QTest::newRow("100 family, quarter hour") << false << 0;
    QTest::newRow("100 family, 30 days") << false << 2;
    QTest::newRow("70 family, quarter hour") << true << 0;
    QTest::newRow("70 family, day") << true << 1;
}

void tst_DevicesAgainstSim::secLogPagesAcrossRingEnd()
{
    QFETCH(bool, family70);
    QFETCH(int, span);
    start(frozenConfig(family70));
    sim().configureRing(span, 96, 25, 90);

    QVector<int> starts;
    QVector<QByteArray> images;
    if (family70) {
        QVector<SSecLogEntry_70> entries;
        QVERIFY(readWholeRing(fan70(), CLogging_70::EMaxTimeSpan(span), entries, &starts));
        images = imagesOf(entries);
    } else {
        QVector<SSecLogEntry> entries;
        QVERIFY(readWholeRing(fan100(), CLogging::EMaxTimeSpan(span), entries, &starts));
        images = imagesOf(entries);
    }
    QCOMPARE(starts, (QVector<int>{90, 4, 14}));
    // Every stored entry exactly once, oldest first: 90 to 95, then 0 to 18.
    QCOMPARE(images.size(), 25);
    for (int k = 0; k < 25; ++k)
        QCOMPARE(images.at(k), sim().secLogSlot(span, (90 + k) % 96));
    QCOMPARE(QSet<QByteArray>(images.begin(), images.end()).size(), 25);
}

void tst_DevicesAgainstSim::wifiCredentials_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("password of 8 characters: connected (3)") << QStringLiteral("Lueft3r!") << true;
    QTest::newRow("password of 7 characters: rejected (4)") << QStringLiteral("Lueft3r") << false;
}

void tst_DevicesAgainstSim::wifiCredentials()
{
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    start(frozenConfig(false));
    QSignalSpy connected(&fan100(), &CFan::signalUpdateWlanTabAndOKMsg);
    QSignalSpy rejected(&fan100(), &CFan::signalNOKMsg);
    QSignalSpy idle(&fan100(), &CFan::signalEnableButtons);

    const quint8 ip[4] = {192, 168, 4, 20};
    QVERIFY(fan100().setNetworkCredentials(QStringLiteral("Haus-WLAN"), password, QString(),
                                           QStringLiteral("a@example.org"), QString(),
                                           QStringLiteral("Keller"), 0, ip));
    QSignalSpy& result = accepted ? connected : rejected;
    int polls = 0;
    qint8 signal = 0;
    while (result.isEmpty() && polls < 10) {
        QVERIFY(fan100().getWifiData(signal));
        ++polls;
    }
    QCOMPARE(result.size(), 1);
    QVERIFY(polls > 1);              // the module reports its progress first
    QCOMPARE((accepted ? rejected : connected).size(), 0);
    QCOMPARE(idle.size(), 0);
    if (accepted)
        QVERIFY(signal < -40 && signal > -80);

    // After reporting its result for a few polls the module is idle again.
    for (int p = 0; p < 10 && idle.isEmpty(); ++p)
        QVERIFY(fan100().getWifiData(signal));
    QCOMPARE(idle.size(), 1);
    QVERIFY(result.size() >= 1);
    QCOMPARE(sim().wifiStatus(), int(CSimWifi::WS_Idle));
}

// The records are filled as the family test panels fill them.
void tst_DevicesAgainstSim::simulationValues100()
{
    start(frozenConfig(false));
    SPrimLogEntry before;
    QVERIFY(fan100().getCurrentState(before));
    SHLP_SetSimulationValues v;
    v.m_ComfortLevel = 3;                 // level 4
    v.m_DIPSwitch = 0x32;
    v.m_Flag = 1;                         // humidity reduction
    // Supply 19.5 °C, outdoor -3.25 °C (× 8), outdoor humidity, exhaust 12 °C,
    // extract 22.125 °C, extract humidity, CO2 in ppm, unused.
    const qint16 values[8] = {156, -26, 55, 96, 177, 48, 800, 0};
    for (int i = 0; i < 8; ++i)
        v.m_Values[size_t(i)] = quint16(values[i]);
    QVERIFY(fan100().setSimulationValues(v));

    SPrimLogEntry e;
    QVERIFY(fan100().getCurrentState(e));
    QCOMPARE(e.supplyTemp(), 156);
    QCOMPARE(e.outdoorTemp(), -26);
    QCOMPARE(e.outdoorHum(), 55);
    QCOMPARE(e.exhaustTemp(), 96);
    QCOMPARE(e.extractTemp(), 177);
    QCOMPARE(e.extractHum(), 48);
    QCOMPARE(e.co2(), 800 / 16);
    QCOMPARE(e.comfortLevelCode(), 3);
    QCOMPARE(e.dipSwitch(), 0x32);
    QVERIFY(e.humReductionMode());
    QCOMPARE(e.pressure(), before.pressure());    // not simulated
    QCOMPARE(e.toBytes(), sim().currentEntry());
}

void tst_DevicesAgainstSim::simulationValues70()
{
    start(frozenConfig(true));
    SPrimLogEntry_70 before;
    QVERIFY(fan70().getCurrentState(before));
    SHLP_SetSimulationValues_70 v;
    v.m_ComfortLevel = 1;                 // level 2
    v.m_DIPSwitch = 0x0A;                 // room-area index 1, cooling-temperature index 1
    // Supply 18.75 °C, extract 21.5 °C (× 8), supply and extract humidity,
    // supply and extract CO2 in ppm; slots 6 to 11 unused.
    const qint16 values[6] = {150, 172, 61, 44, 432, 800};
    for (int i = 0; i < 6; ++i)
        v.m_Values[size_t(i)] = quint16(values[i]);
    QVERIFY(fan70().setSimulationValues(v));

    SPrimLogEntry_70 e;
    QVERIFY(fan70().getCurrentState(e));
    QCOMPARE(e.supplyTemp70(), 150);
    QCOMPARE(e.extractTemp(), 172);
    QCOMPARE(e.outdoorHum(), 61);
    QCOMPARE(e.extractHum(), 44);
    QCOMPARE(e.huSu(), 61);
    QCOMPARE(e.huEx(), 44);
    QCOMPARE(e.supplyCO270(), 432 / 16);
    QCOMPARE(e.extractCO270(), 800 / 16);
    QCOMPARE(e.comfortLevelCode(), 1);
    QCOMPARE(e.dipSwitch(), 0x0A);
    QCOMPARE(e.roomAreaCode(), 1);
    QCOMPARE(e.fanRPM70(), before.fanRPM70());    // not simulated
    QCOMPARE(e.toBytes(), sim().currentEntry());
}

QTEST_GUILESS_MAIN(tst_DevicesAgainstSim)
#include "tst_DevicesAgainstSim.moc"
