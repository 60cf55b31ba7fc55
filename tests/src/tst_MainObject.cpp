// The connection supervisor in its worker thread against the simulated unit
// on a pseudo-terminal: connection states, the immediate first poll, the
// family switch, the boot loader, unplug and replug, the counters of every
// sixth poll and their derived fields, counter lists and WiFi credentials.

#include "RecordingDBMessenger.h"
#include "SupervisorRig.h"

#include <QtTest>

class tst_MainObject : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pluggedInWithApplicationPollsAtOnce();
    void family70ReplacesTheDeviceObject();
    void bootLoaderGetsOneStartCommandThenValues();
    void versionFromApplicationBytesWhenIdentifiedByTheTimer_data();
    void versionFromApplicationBytesWhenIdentifiedByTheTimer();
    void unplugKeepsTheStateUntilTheNextTick();
    void countersOnEverySixthPoll();
    void derivedFieldsFromCounters_data();
    void derivedFieldsFromCounters();
    void wifiSignalOfTheModule();
    void counterListOnRequest();
    void credentialsReachTheUnit();

private:
    void connectUnit(const SSimConfig& unit, const SMainObjectConfig& supervisor);

    std::unique_ptr<CSupervisorRig> m_pRig;
};

namespace {

constexpr int kSerialNr = 1234567;   // the simulated unit's defaults
constexpr int kLongWaitMs = 20000;   // generous: two busy cores

// Message numbers in the order the unit received them, only those of interest.
QList<int> received(CUnitSimulator& sim, const QSet<int>& numbers)
{
    QList<int> list;
    for (const SSimReceivedCommand& c : sim.receivedCommands()) {
        const int n = quint8(c.record.at(0));
        if (numbers.contains(n))
            list << n;
    }
    return list;
}

} // namespace

void tst_MainObject::init()
{
    m_pRig.reset(new CSupervisorRig);
}

void tst_MainObject::cleanup()
{
    QVERIFY(m_pRig->stop());
    m_pRig.reset();
}

void tst_MainObject::connectUnit(const SSimConfig& unit, const SMainObjectConfig& supervisor)
{
    QVERIFY(m_pRig->start(unit, supervisor));
    m_pRig->probe().setPort(m_pRig->devicePath());
}

void tst_MainObject::pluggedInWithApplicationPollsAtOnce()
{
    SMainObjectConfig config = m_pRig->shortPeriods();
    config.nPollPeriodMs = 600000;   // no tick can come: the values are from the immediate poll
    connectUnit(CSupervisorRig::frozenUnit(), config);
    CSupervisorProbe& probe = m_pRig->probe();
    QTRY_COMPARE_WITH_TIMEOUT(probe.m_Values.size(), 1, kLongWaitMs);

    QCOMPARE(probe.m_States, QList<int>{3});
    QCOMPARE(probe.m_StateSerialNrs, QList<int>{kSerialNr});
    QCOMPARE(probe.m_StateFamily70, QList<bool>{false});
    const SEmittedValues& e = probe.m_Values.first();
    QVERIFY(!e.bFamily70);
    QVERIFY(e.values.hasValidChecksum());
    QVERIFY(CSupervisorRig::sameValues(e.values, m_pRig->truth100()));
    QCOMPARE(e.nSerialNr, kSerialNr);
    QCOMPARE(e.strHWVer, QStringLiteral("4"));
    QCOMPARE(e.strBootlVer, QStringLiteral("1.07"));   // boot loader 1.7
    QCOMPARE(m_pRig->sim().receivedCount(17), 0);
}

void tst_MainObject::family70ReplacesTheDeviceObject()
{
    SSimConfig unit = CSupervisorRig::frozenUnit();
    unit.identity.family70 = true;
    SMainObjectConfig config = m_pRig->shortPeriods();
    connectUnit(unit, config);
    CSupervisorProbe& probe = m_pRig->probe();
    QTRY_VERIFY_WITH_TIMEOUT(probe.m_Values.size() >= 3, kLongWaitMs);

    // Never a failed 100-family poll: the object was replaced before the first one.
    QCOMPARE(probe.m_States, QList<int>{3});
    QCOMPARE(probe.m_StateFamily70, QList<bool>{true});
    for (const SEmittedValues& e : probe.m_Values) {
        QVERIFY(e.bFamily70);
        QVERIFY(CSupervisorRig::sameValues(e.values70, m_pRig->truth70()));
        QCOMPARE(e.nSerialNr, kSerialNr);
    }
    QCOMPARE(m_pRig->sim().receivedCount(26), 0);   // the family has no WiFi module
}

void tst_MainObject::bootLoaderGetsOneStartCommandThenValues()
{
    SSimConfig unit = CSupervisorRig::frozenUnit();
    unit.identity.runningSystem = SSimIdentity::RS_Boot1;
    SMainObjectConfig config = m_pRig->shortPeriods();
    config.nStartPauseMs = 1500;
    connectUnit(unit, config);
    CSupervisorProbe& probe = m_pRig->probe();
    QTRY_VERIFY_WITH_TIMEOUT(probe.m_Values.size() >= 2, kLongWaitMs);

    QCOMPARE(probe.m_States, (QList<int>{2, 3}));
    QCOMPARE(probe.m_StateSerialNrs.first(), kSerialNr);
    QCOMPARE(m_pRig->sim().receivedCount(17), 1);
    QCOMPARE(m_pRig->sim().receivedCount(18), 0);   // mode 0: no startup-mode record

    // Nothing was asked of the unit during the pause after the start command.
    qint64 startAtMs = -1;
    qint64 firstPollAtMs = -1;
    for (const SSimReceivedCommand& c : m_pRig->sim().receivedCommands()) {
        if (quint8(c.record.at(0)) == 17)
            startAtMs = c.atMs;
        else if (startAtMs >= 0 && firstPollAtMs < 0)
            firstPollAtMs = c.atMs;
    }
    QVERIFY(startAtMs >= 0);
    QVERIFY2(firstPollAtMs - startAtMs >= config.nStartPauseMs,
             qPrintable(QStringLiteral("next request %1 ms after the start command").arg(firstPollAtMs - startAtMs)));
    QCOMPARE(probe.m_Values.first().strBootlVer, QStringLiteral("1.07"));
    QVERIFY(CSupervisorRig::sameValues(probe.m_Values.last().values, m_pRig->truth100()));
}

void tst_MainObject::versionFromApplicationBytesWhenIdentifiedByTheTimer_data()
{
    QTest::addColumn<bool>("family70");
    QTest::newRow("100 family") << false;
    // The family is taken from this identification too, or every poll would fail.
    QTest::newRow("70 family") << true;
}

void tst_MainObject::versionFromApplicationBytesWhenIdentifiedByTheTimer()
{
    QFETCH(bool, family70);
    SSimConfig unit = CSupervisorRig::frozenUnit();
    unit.identity.family70 = family70;
    unit.faults.rate[SSimFaults::NoAnswer] = 1.0;   // the first identification fails
    unit.identity.appMajor = 3;
    unit.identity.appMinor = 5;
    connectUnit(unit, m_pRig->shortPeriods());
    CSupervisorProbe& probe = m_pRig->probe();
    QTRY_COMPARE_WITH_TIMEOUT(probe.m_States, QList<int>{2}, kLongWaitMs);
    QCOMPARE(probe.m_StateSerialNrs, QList<int>{-1});
    m_pRig->sim().setFault(SSimFaults::NoAnswer, 0.0);

    QTRY_VERIFY_WITH_TIMEOUT(!probe.m_Values.isEmpty(), kLongWaitMs);
    QCOMPARE(probe.m_States, (QList<int>{2, 3}));
    QCOMPARE(probe.m_StateFamily70.last(), family70);
    QCOMPARE(probe.m_Values.first().bFamily70, family70);
    QCOMPARE(probe.m_Values.first().strBootlVer, QStringLiteral("3.05"));   // application 3.5
    QCOMPARE(probe.m_Values.first().nSerialNr, kSerialNr);
    QCOMPARE(probe.m_Values.first().strHWVer, QStringLiteral("4"));
}

void tst_MainObject::unplugKeepsTheStateUntilTheNextTick()
{
    SMainObjectConfig config = m_pRig->shortPeriods();
    config.nPollPeriodMs = 4000;
    connectUnit(CSupervisorRig::frozenUnit(), config);
    CSupervisorProbe& probe = m_pRig->probe();
    QTRY_COMPARE_WITH_TIMEOUT(probe.m_Values.size(), 1, kLongWaitMs);

    m_pRig->sim().unplug();
    probe.setPortAndWait(QString());
    QCoreApplication::processEvents();
    QCOMPARE(probe.m_States, QList<int>{3});   // unchanged by the port change itself
    QTRY_COMPARE_WITH_TIMEOUT(probe.m_States, (QList<int>{3, 2}), kLongWaitMs);
    QCOMPARE(probe.m_StateSerialNrs.last(), kSerialNr);   // still the unit last seen

    QVERIFY(m_pRig->sim().plugIn());
    const int nValuesBefore = probe.m_Values.size();
    probe.setPort(m_pRig->devicePath());
    QTRY_COMPARE_WITH_TIMEOUT(probe.m_States, (QList<int>{3, 2, 0, 3}), kLongWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(probe.m_Values.size() > nValuesBefore, kLongWaitMs);
    QVERIFY(CSupervisorRig::sameValues(probe.m_Values.last().values, m_pRig->truth100()));
}

void tst_MainObject::countersOnEverySixthPoll()
{
    SMainObjectConfig config = m_pRig->shortPeriods();
    config.nPollPeriodMs = 50;
    connectUnit(CSupervisorRig::frozenUnit(), config);
    QTRY_VERIFY_WITH_TIMEOUT(m_pRig->probe().m_Values.size() >= 14, kLongWaitMs);

    // Current state (19) first, then the counters (13) on polls 1, 7 and 13.
    const QList<int> expected{19, 13, 19, 19, 19, 19, 19, 19, 13, 19, 19, 19, 19, 19, 19, 13, 19};
    QCOMPARE(received(m_pRig->sim(), {13, 19}).mid(0, expected.size()), expected);
}

void tst_MainObject::derivedFieldsFromCounters_data()
{
    QTest::addColumn<quint32>("c39");
    QTest::addColumn<quint32>("c41");
    QTest::addColumn<quint32>("c42");
    QTest::addColumn<quint32>("c43");
    QTest::addColumn<quint32>("c44");
    QTest::addColumn<bool>("deicing");
    QTest::addColumn<int>("supplyCharac");
    QTest::addColumn<int>("extractCharac");

    // Characteristics: the low six bits minus one. De-icing: 1 to 9 is on.
    QTest::newRow("de-icing 5, characteristics 0x42 and 0x05")
        << 5u << 0x42u << 0x05u << 1000u << 7u << true << 1 << 4;
    QTest::newRow("de-icing 0 is off, high bits ignored")
        << 0u << 0xC1u << 0x3Fu << 0u << 0u << false << 0 << 62;
    QTest::newRow("de-icing 9 is the last on, characteristic 0 gives -1")
        << 9u << 0x00u << 0x40u << 1u << 2u << true << -1 << -1;
    QTest::newRow("de-icing 10 is off, all command bits")
        << 10u << 0x3Fu << 0x01u << 0xFFFFFFFFu << 0x80000000u << false << 62 << 0;
}

void tst_MainObject::derivedFieldsFromCounters()
{
    QFETCH(quint32, c39);
    QFETCH(quint32, c41);
    QFETCH(quint32, c42);
    QFETCH(quint32, c43);
    QFETCH(quint32, c44);
    QFETCH(bool, deicing);
    QFETCH(int, supplyCharac);
    QFETCH(int, extractCharac);

    SMainObjectConfig config = m_pRig->shortPeriods();
    config.nPollPeriodMs = 600000;
    QVERIFY(m_pRig->start(CSupervisorRig::frozenUnit(), config));
    m_pRig->sim().withState([&](CSimUnitState& st) {
        st.setCounter(1, 12345);
        st.setCounter(2, 678);
        st.setCounter(39, c39);
        st.setCounter(41, c41);
        st.setCounter(42, c42);
        st.setCounter(43, c43);
        st.setCounter(44, c44);
    });
    m_pRig->probe().setPort(m_pRig->devicePath());
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_Values.size(), 1, kLongWaitMs);

    const SEmittedValues& e = m_pRig->probe().m_Values.first();
    QCOMPARE(e.nOperatingHours, 12345);
    QCOMPARE(e.nFilterHours, 678);
    QCOMPARE(e.bDeicing, deicing);
    QCOMPARE(e.nFanSupplyCharac, supplyCharac);
    QCOMPARE(e.nFanExtractCharac, extractCharac);
    QCOMPARE(e.nFanCmdsSucceeded, c43);
    QCOMPARE(e.nFanCmdsFailed, c44);
}

void tst_MainObject::wifiSignalOfTheModule()
{
    SMainObjectConfig config = m_pRig->shortPeriods();
    config.nPollPeriodMs = 600000;
    QVERIFY(m_pRig->start(CSupervisorRig::frozenUnit(), config));
    int nSignal = 0;
    m_pRig->sim().withState([&](CSimUnitState& st) {
        st.wifi().setCredentials(0, QStringLiteral("home"), QStringLiteral("secret-pw"));
        nSignal = st.wifi().pollSignal(st.clock().nowSec());
    });
    QVERIFY(nSignal < 0);
    m_pRig->probe().setPort(m_pRig->devicePath());
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_Values.size(), 1, kLongWaitMs);

    QCOMPARE(m_pRig->probe().m_Values.first().iRSSI, nSignal);
    QVERIFY(wifiDataPolled);
}

void tst_MainObject::counterListOnRequest()
{
    SMainObjectConfig config = m_pRig->shortPeriods();
    config.nPollPeriodMs = 600000;
    connectUnit(CSupervisorRig::frozenUnit(), config);
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_Values.size(), 1, kLongWaitMs);
    m_pRig->sim().withState([](CSimUnitState& st) { st.setCounter(43, 4711); });

    QMetaObject::invokeMethod(m_pRig->mainObject(), "retrievePersCounter", Qt::QueuedConnection);
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_nCounterLists, 1, kLongWaitMs);
    const QVector<quint32> truth = m_pRig->sim().counters();
    QCOMPARE(m_pRig->probe().m_CounterValues.size(), 74);
    QCOMPARE(m_pRig->probe().m_CounterValues, truth.toList());
    QCOMPARE(m_pRig->probe().m_CounterValues.at(43), 4711u);
    QCOMPARE(m_pRig->probe().m_CounterNames.size(), 74);
    QVERIFY(!m_pRig->probe().m_CounterNames.at(1).isEmpty());

    // Without a unit the lists come empty.
    m_pRig->probe().setPortAndWait(QString());
    QMetaObject::invokeMethod(m_pRig->mainObject(), "retrievePersCounter", Qt::QueuedConnection);
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_nCounterLists, 2, kLongWaitMs);
    QVERIFY(m_pRig->probe().m_CounterValues.isEmpty());
    QVERIFY(m_pRig->probe().m_CounterNames.isEmpty());
}

void tst_MainObject::credentialsReachTheUnit()
{
    SMainObjectConfig config = m_pRig->shortPeriods();
    config.nPollPeriodMs = 600000;
    connectUnit(CSupervisorRig::frozenUnit(), config);
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->probe().m_Values.size(), 1, kLongWaitMs);

    static quint8 ip[4] = {192, 168, 1, 20};
    QMetaObject::invokeMethod(m_pRig->mainObject(), "setNetworkCredentials", Qt::QueuedConnection,
                              Q_ARG(QString, QStringLiteral("home")), Q_ARG(QString, QStringLiteral("secret-pw")),
                              Q_ARG(QString, QStringLiteral("key")), Q_ARG(QString, QString()),
                              Q_ARG(QString, QString()), Q_ARG(QString, QStringLiteral("Living room")),
                              Q_ARG(quint8, quint8(0)), Q_ARG(quint8*, ip));
    QTRY_COMPARE_WITH_TIMEOUT(m_pRig->sim().receivedCount(29), 1, kLongWaitMs);
    QString strSsid;
    QTRY_VERIFY_WITH_TIMEOUT((m_pRig->sim().withState([&](CSimUnitState& st) { strSsid = st.wifi().ssid(); }),
                              strSsid == QStringLiteral("home")),
                             kLongWaitMs);
}

QTEST_GUILESS_MAIN(tst_MainObject)
#include "tst_MainObject.moc"
