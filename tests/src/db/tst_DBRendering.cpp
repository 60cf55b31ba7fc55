#include "RecordingDBMessenger.h"
#include "db/MinuteLogDB.h"
#include "db/MinuteLogDB70.h"
#include "db/SecLogDB.h"
#include "db/SecLogDB70.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <time.h>

// How stored rows are shown: the query model's expressions and headers.
class tst_DBRendering : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void shownText_data();
    void shownText();
    void headers_data();
    void headers();
    void rowsInTimeOrderPerUnit();

private:
    void createTables();

    std::unique_ptr<QTemporaryDir> m_pDir;
    CRecordingDBMessenger m_Messenger;
};

namespace {
// Any of the four tables, with time stamps for people or in ISO form.
class CRenderedTable : public CDBBase
{
public:
    CRenderedTable(int nTableId, bool bIso) : CDBBase(nTableId, CDBBase::UIThread, bIso) {}
    bool createTable() override { return false; }
};

void insertRow(const QString& strTable, const QString& strAssignments)
{
    QStringList columns, values;
    for (const QString& strPair : strAssignments.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        columns << strPair.section(QLatin1Char('='), 0, 0);
        values << strPair.section(QLatin1Char('='), 1);
    }
    QSqlQuery query(QSqlDatabase::database(CDBBase::UIThread));
    QVERIFY2(query.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);")
                            .arg(strTable, columns.join(QLatin1Char(',')), values.join(QLatin1Char(',')))),
             qPrintable(strAssignments));
}

int columnOf(const QSqlQueryModel& model, const QString& strHeader)
{
    for (int nColumn = 0; nColumn < model.columnCount(); ++nColumn)
        if (model.headerData(nColumn, Qt::Horizontal).toString() == strHeader)
            return nColumn;
    return -1;
}
}

void tst_DBRendering::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    m_Messenger = CRecordingDBMessenger();
    createTables();
}

void tst_DBRendering::cleanup()
{
    CDBBase::removeConnection(CDBBase::UIThread);
    m_pDir.reset();
}

void tst_DBRendering::createTables()
{
    const QString strDir = m_pDir->path();
    QVERIFY(CMinuteLogDB(CDBBase::UIThread, nullptr, &m_Messenger, strDir).createTable());
    QVERIFY(CMinuteLogDB70(CDBBase::UIThread, nullptr, &m_Messenger, strDir).createTable());
    QVERIFY(CSecLogDB(CDBBase::UIThread, nullptr, &m_Messenger, strDir).createTable());
    QVERIFY(CSecLogDB70(CDBBase::UIThread, nullptr, &m_Messenger, strDir).createTable());
}

void tst_DBRendering::shownText_data()
{
    QTest::addColumn<int>("tableId");
    QTest::addColumn<bool>("iso");
    QTest::addColumn<bool>("rules70");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("shown");

    // 1457186820 is 2016-03-05 14:07:00 UTC, 15:07 in Berlin (CET).
    const QString tim = QStringLiteral("TIM\n");
    QTest::newRow("time stamp for people") << 1 << false << false << "LogTimestamp=1457186820;SNR=5" << tim << "05.03.2016 15:07";
    QTest::newRow("time stamp ISO for diagrams") << 1 << true << false << "LogTimestamp=1457186820;SNR=5" << tim << "2016-03-05 15:07:00";
    QTest::newRow("time stamp, summer time") << 16 << false << true << "LogTimestamp=1467331200;LTS=0;SNR=5" << tim << "01.07.2016 02:00";
    QTest::newRow("serial number 0") << 1 << false << false << "LogTimestamp=60;SNR=0" << "SNR\n" << "-";
    QTest::newRow("serial number") << 8 << false << false << "LogTimestamp=60;SNR=12345" << "SNR\n" << "12345";
    QTest::newRow("restarts 0") << 2 << false << false << "LogTimestamp=60;LTS=0;SNR=5;RES=0" << "RES\n" << "-";
    QTest::newRow("restarted") << 2 << false << false << "LogTimestamp=60;LTS=0;SNR=5;RES=1" << "RES\n" << "1";
    QTest::newRow("CO2 without sensor") << 1 << false << false << "LogTimestamp=60;SNR=5;CO2=800;NOCO2=1" << "CO2\n[ppm]" << "-";
    QTest::newRow("CO2 with sensor") << 1 << false << false << "LogTimestamp=60;SNR=5;CO2=800;NOCO2=0" << "CO2\n[ppm]" << "800";
    QTest::newRow("pressure 700 no reading") << 1 << false << false << "LogTimestamp=60;SNR=5;PRS=700" << "APR\n[hPa]" << "-";
    QTest::newRow("pressure 701") << 2 << false << false << "LogTimestamp=60;LTS=0;SNR=5;PRS=701" << "APR\n[hPa]" << "701";
    // 101300 / (293.15 * 287.058) = 1.20379
    QTest::newRow("air density") << 1 << false << false << "LogTimestamp=60;SNR=5;PRS=1013;TET=20.0" << "ADY\n[kg/m³]" << "1.204";
    QTest::newRow("air density without pressure") << 2 << false << false << "LogTimestamp=60;LTS=0;SNR=5;PRS=700;TET=20.0" << "ADY\n[kg/m³]" << "-";
    const QString hrp = QStringLiteral("HRP\n[%]");
    QTest::newRow("heat recovery, no flow") << 1 << false << false << "LogTimestamp=60;SNR=5;SC=0;AFL=0;TOU=2.0;TET=22.0;TSU=18.0;RED='aut'" << hrp << "0";
    QTest::newRow("heat recovery, less than 2 K") << 1 << false << false << "LogTimestamp=60;SNR=5;SC=0;AFL=60;TOU=10.0;TET=11.5;TSU=11.0;RED='aut'" << hrp << "0";
    // (1 - (22 - 18) / (22 - 2)) * 100
    QTest::newRow("heat recovery, measured supply") << 1 << false << false << "LogTimestamp=60;SNR=5;SC=0;AFL=60;TOU=2.0;TET=22.0;TSU=18.0;TSC=12.0;RED='aut'" << hrp << "80";
    // Defrosting: the computed supply 12.0 stands in, (1 - 10 / 20) * 100
    QTest::newRow("heat recovery, defrosting bypass") << 1 << false << false << "LogTimestamp=60;SNR=5;SC=0;AFL=60;TOU=2.0;TET=22.0;TSU=18.0;TSC=12.0;RED='dfr'" << hrp << "50";
    QTest::newRow("heat recovery, defrosting supply") << 1 << false << false << "LogTimestamp=60;SNR=5;SC=0;AFL=60;TOU=2.0;TET=22.0;TSU=18.0;TSC=12.0;RED='dfs'" << hrp << "50";
    QTest::newRow("heat recovery, bypass open") << 1 << false << false << "LogTimestamp=60;SNR=5;SC=1;AFL=60;TOU=2.0;TET=22.0;TSU=18.0;RED='aut'" << hrp << "";
    QTest::newRow("heat recovery, energies") << 2 << false << false << "LogTimestamp=60;LTS=1;SNR=5;REE=50;EXE=200" << hrp << "25";
    QTest::newRow("heat recovery, no recovered energy") << 2 << false << false << "LogTimestamp=60;LTS=1;SNR=5;REE=0;EXE=200" << hrp << "";
    // 60 * (15 - 0) / 3
    const QString hrw = QStringLiteral("HRW\n[W]");
    QTest::newRow("recovered power") << 1 << false << false << "LogTimestamp=60;SNR=5;AFL=60;TOU=0.0;TET=21.0;TSU=15.0;RED='aut'" << hrw << "300";
    QTest::newRow("recovered power, less than 2 K") << 1 << false << false << "LogTimestamp=60;SNR=5;AFL=60;TOU=10.0;TET=11.5;TSU=15.0;RED='aut'" << hrw << "0";
    QTest::newRow("duration 3700 s") << 2 << false << false << "LogTimestamp=60;LTS=1;SNR=5;DL1=3700" << "DL1\n[H:M]" << "1:01";
    QTest::newRow("duration 0") << 16 << false << false << "LogTimestamp=60;LTS=1;SNR=5;DMV=0" << "DMV\n[H:M]" << "-";
    QTest::newRow("duration 2 days") << 2 << false << false << "LogTimestamp=60;LTS=2;SNR=5;DSM=172800" << "DSM\n[H:M]" << "48:00";
    QTest::newRow("DL5 day, levels 1-4 80000 s") << 2 << false << false << "LogTimestamp=60;LTS=1;SNR=5;DL1=20000;DL2=20000;DL3=20000;DL4=20000" << "DL5\n[H:M]" << "1:46";
    QTest::newRow("DL5 quarter hour, levels 1-4 zero") << 2 << false << false << "LogTimestamp=60;LTS=0;SNR=5;DL1=0;DL2=0;DL3=0;DL4=0" << "DL5\n[H:M]" << "0:15";
    QTest::newRow("DL5 70 family, 70 rules") << 16 << false << true << "LogTimestamp=60;LTS=0;SNR=5;DL1=0;DL2=0;DL3=0;DL4=0" << "DL5\n[H:M]" << "0:15";
    QTest::newRow("DL5 whole span in levels 1-4") << 2 << false << false << "LogTimestamp=60;LTS=0;SNR=5;DL1=900;DL2=0;DL3=0;DL4=0" << "DL5\n[H:M]" << "-";
    // 24 h * (10 m³/h * 0.13 + 1.0)
    QTest::newRow("power consumption, day") << 2 << false << false << "LogTimestamp=60;LTS=1;SNR=5;AEX=240" << "PCO\n[Wh]" << "55.2";
    // 0.25 h * (60 m³/h * 0.49 - 17.0)
    QTest::newRow("power consumption, quarter hour") << 2 << false << false << "LogTimestamp=60;LTS=0;SNR=5;AEX=15" << "PCO\n[Wh]" << "3.1";
    QTest::newRow("plain column") << 8 << false << false << "LogTimestamp=60;SNR=5;TET=21.5" << "TEX\n[°C]" << "21.5";
    QTest::newRow("70 rules: plain column above 86") << 16 << false << true << "LogTimestamp=60;LTS=0;SNR=5;AEX=12.5" << "AEX\n[m³]" << "12.5";
}

void tst_DBRendering::shownText()
{
    QFETCH(int, tableId);
    QFETCH(bool, iso);
    QFETCH(bool, rules70);
    QFETCH(QString, row);
    QFETCH(QString, header);
    QFETCH(QString, shown);
    CRenderedTable table(tableId, iso);
    insertRow(table.tableName(), row);
    QSqlQueryModel model;
    if (rules70)
        table.setupQueryModel70(model, -1, QString());
    else
        table.setupQueryModel(model, -1, QString());
    QVERIFY2(!model.lastError().isValid(), qPrintable(model.lastError().text()));
    QCOMPARE(model.rowCount(), 1);
    const int nColumn = columnOf(model, header);
    QVERIFY2(nColumn >= 0, qPrintable(header));
    QCOMPARE(model.data(model.index(0, nColumn)).toString(), shown);
}

void tst_DBRendering::headers_data()
{
    QTest::addColumn<int>("tableId");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("toolTip");
    // Shown fields: table columns without NOCO2 (and LTS for the secondary
    // logs) plus the computed ones.
    QTest::newRow("ValueLogs TET") << 1 << 50 << "TEX\n[°C]" << "Temperature extract air";
    QTest::newRow("ValueLogs field without unit") << 1 << 50 << "SNR\n" << "Serial number";
    QTest::newRow("SecLogs DL5") << 2 << 43 << "DL5\n[H:M]" << "Duration comfort level 5";
    QTest::newRow("ValueLogs70 AQE") << 8 << 23 << "QEA\n[VOC]" << "Quality extract air";
    QTest::newRow("SecLogs70 air") << 16 << 31 << "AEX\n[m³]" << "Air exchanged";
}

void tst_DBRendering::headers()
{
    QFETCH(int, tableId);
    QFETCH(int, columns);
    QFETCH(QString, header);
    QFETCH(QString, toolTip);
    std::unique_ptr<CDBBase> pTable;
    if (tableId == 2 || tableId == 16)
        pTable.reset(tableId == 2 ? static_cast<CDBBase*>(new CSecLogDB(CDBBase::UIThread))
                                  : new CSecLogDB70(CDBBase::UIThread));
    else
        pTable.reset(new CRenderedTable(tableId, false));
    QSqlQueryModel model;
    pTable->setupQueryModel(model, -1, QString());
    QCOMPARE(model.columnCount(), columns);
    const int nColumn = columnOf(model, header);
    QVERIFY2(nColumn >= 0, qPrintable(header));
    QCOMPARE(model.headerData(nColumn, Qt::Horizontal, Qt::ToolTipRole).toString(), toolTip);
}

void tst_DBRendering::rowsInTimeOrderPerUnit()
{
    CRenderedTable table(1, true);
    insertRow(QStringLiteral("ValueLogs"), QStringLiteral("LogTimestamp=1457186880;SNR=5;OPH=2"));
    insertRow(QStringLiteral("ValueLogs"), QStringLiteral("LogTimestamp=1457186820;SNR=5;OPH=1"));
    insertRow(QStringLiteral("ValueLogs"), QStringLiteral("LogTimestamp=1457186850;SNR=6;OPH=9"));
    QSqlQueryModel model;
    table.setupQueryModel(model, 5, QString());
    QCOMPARE(model.rowCount(), 2);
    const int nOph = columnOf(model, QStringLiteral("OPH\n[h]"));
    QCOMPARE(model.data(model.index(0, nOph)).toInt(), 1);
    QCOMPARE(model.data(model.index(1, nOph)).toInt(), 2);
    table.setupQueryModel(model, -1, QStringLiteral("OPH > 1"));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(model.index(0, nOph)).toInt(), 9);
    table.setupQueryModel(model, 6, QStringLiteral("OPH > 1"));
    QCOMPARE(model.rowCount(), 1);
}

int main(int argc, char* argv[])
{
    // Local time is Berlin's for every case, before anything reads the zone.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);
    tst_DBRendering test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DBRendering.moc"
