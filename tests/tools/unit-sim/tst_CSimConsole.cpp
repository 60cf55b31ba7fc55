// The stdin command language: accepted and refused lines, and what the
// accepted ones change in the simulated unit.

#include "SimConsole.h"
#include "UnitSimulator.h"

#include <QtTest>
#include <memory>

class tst_CSimConsole : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void refused_data();
    void refused();
    void helpListsEveryCommand();
    void changesState();
    void faults();
    void unplugAndReplug();

private:
    std::unique_ptr<CUnitSimulator> m_Sim;
    std::unique_ptr<CSimConsole> m_Console;
};

void tst_CSimConsole::init()
{
    SSimConfig config;
    config.clockSpeed = 0.0;
    m_Sim.reset(new CUnitSimulator(config));
    m_Console.reset(new CSimConsole(*m_Sim));
}

void tst_CSimConsole::refused_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("comfort 6") << "comfort 6";
    QTest::newRow("comfort text") << "comfort high";
    QTest::newRow("family 80") << "family 80";
    QTest::newRow("system 4") << "system 4";
    QTest::newRow("version without minor") << "version app 3";
    QTest::newRow("ring count above capacity") << "ring 0 10 11 0";
    QTest::newRow("ring oldest outside") << "ring 1 10 5 10";
    QTest::newRow("fault rate above 1") << "fault crc 1.5";
    QTest::newRow("unknown fault") << "fault thunder 0.5";
    QTest::newRow("counter id 74") << "counter 74 1";
    QTest::newRow("flap 4") << "flap 4 25";
}

void tst_CSimConsole::refused()
{
    QFETCH(QString, line);
    QVERIFY2(m_Console->execute(line).startsWith(QLatin1String("usage: ")), qPrintable(line));
    QVERIFY(m_Console->execute(QStringLiteral("launch rockets")).startsWith(QLatin1String("unknown command")));
}

void tst_CSimConsole::helpListsEveryCommand()
{
    const QString help = m_Console->execute(QStringLiteral("help"));
    for (const char* name : {"status", "family", "serial", "system", "version", "comfort", "error", "flap",
                             "ring", "fault", "debug", "unplug", "replug", "restart", "clock", "quit"})
        QVERIFY2(help.contains(QLatin1String(name)), name);
}

void tst_CSimConsole::changesState()
{
    m_Console->execute(QStringLiteral("family 70"));
    m_Console->execute(QStringLiteral("serial 4711"));
    m_Console->execute(QStringLiteral("system 2"));
    m_Console->execute(QStringLiteral("version app 4.08"));
    m_Console->execute(QStringLiteral("comfort 5"));
    m_Console->execute(QStringLiteral("error 12"));
    m_Console->execute(QStringLiteral("ring 15min 96 25 90"));
    const QByteArray ident = m_Sim->identityRecord();
    QCOMPARE(quint8(ident.at(1)) | (quint8(ident.at(2)) << 8), 4711);
    QCOMPARE(quint8(ident.at(7)), quint8(2));
    QCOMPARE(quint8(ident.at(11)), quint8(4));
    QCOMPARE(quint8(ident.at(12)), quint8(8));
    QCOMPARE(quint8(ident.at(13)) & 1, 1);
    const QByteArray entry = m_Sim->currentEntry();
    QCOMPARE(entry.size(), 28);
    QCOMPARE(quint8(entry.at(14)) & 7, 4);              // comfort level 5
    QCOMPARE(quint8(entry.at(1)) >> 3, 12);             // error state
    int capacity = 0, count = 0, oldest = 0;
    m_Sim->ringInfo(0, &capacity, &count, &oldest);
    QCOMPARE(capacity, 96);
    QCOMPARE(count, 25);
    QCOMPARE(oldest, 90);
    QVERIFY(m_Console->execute(QStringLiteral("status")).contains(QLatin1String("serial 4711")));
    QVERIFY(!m_Console->quitRequested());
    m_Console->execute(QStringLiteral("quit"));
    QVERIFY(m_Console->quitRequested());
}

void tst_CSimConsole::faults()
{
    m_Console->execute(QStringLiteral("fault crc 0.25"));
    m_Console->execute(QStringLiteral("fault late 900"));
    SSimFaults f = m_Sim->faults();
    QCOMPARE(f.rate[SSimFaults::CorruptCrc], 0.25);
    QCOMPARE(f.lateAnswerMs, 900);
    m_Console->execute(QStringLiteral("fault off"));
    f = m_Sim->faults();
    QCOMPARE(f.rate[SSimFaults::CorruptCrc], 0.0);
    QCOMPARE(f.lateAnswerMs, 900);
}

void tst_CSimConsole::unplugAndReplug()
{
    QVERIFY(m_Sim->plugIn());
    const QString first = m_Sim->devicePath();
    QVERIFY(first.startsWith(QLatin1String("/dev/pts/")));
    m_Console->execute(QStringLiteral("unplug"));
    QVERIFY(!m_Sim->isPlugged());
    QVERIFY(m_Console->execute(QStringLiteral("replug")).startsWith(QLatin1String("plugged in: /dev/")));
    QVERIFY(m_Sim->isPlugged());
}

QTEST_GUILESS_MAIN(tst_CSimConsole)
#include "tst_CSimConsole.moc"
