#include "RecordingDBMessenger.h"
#include "db/MinuteLogDB.h"
#include "db/MinuteLogDB70.h"
#include "db/SecLogDB.h"
#include "db/SecLogDB70.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Creation and upgrade of the four log tables from the field dictionary.
class tst_DBSchema : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newFile_data();
    void newFile();
    void upgradeAddsMissingColumnsInOrder();
    void secondStartChangesNothing();
    void failingCreateIsReported();
    void unopenableFileIsReported();

private:
    std::unique_ptr<CDBBase> makeTable(int nTableId);
    QStringList columns(const QString& strTable, bool bWithTypes);
    QStringList indexColumns(const QString& strTable);
    QString schemaText();

    std::unique_ptr<QTemporaryDir> m_pDir;
    CRecordingDBMessenger m_Messenger;
};

namespace {
// The column lists as the database documentation writes them: name and type.
const char* const ValueLogs =
    "LogTimestamp int,SNR int,OM text,PRG text,RED text,HR int,SC int,CL int,RA int,A2 int,FSS int,"
    "FSE int,AFL int,TET real,HET int,TOU real,HOU int,CO2 int,TSU real,TSC real,TEH real,PRS int,"
    "OPH int,FIH int,DEI int,RSSI int,SWV text,ES text,EFN int,ELN int,ECO int,VPE int,VBY int,VBA int,"
    "VPS int,TPE int,TBY int,TBA int,TPS int,FSF int,FEF int,DIP int,DIP2 int,FSC int,FEC int,CSU int,"
    "CFA int,NOCO2 int";
const char* const SecLogs =
    "LogTimestamp int,LTS int,SNR int,RES int,TET real,HET int,TOU real,HOU int,CO2 int,TSU real,"
    "TEH real,PRS int,DL1 int,DL2 int,DL3 int,DL4 int,DL5 int,DSM int,DTM int,D1R int,DDF int,DMV int,"
    "DWI int,DHI int,DRA int,DRR int,DCO int,DC2 int,HRU int,HRN int,EXE int,REE int,COE int,AEX real,"
    "WAR int,ES text,EFN int,ELN int,ECO int,FSF int,FEF int,NOCO2 int";
const char* const ValueLogs70 =
    "LogTimestamp int,SNR int,OM text,PRG text,RED text,CL int,RA int,FSP int,AFL int,TET real,TSU real,"
    "HET int,HOU int,AQE int,AQS int,OPH int,ES text,QEU int,QSU int,EFN int,ELN int,ECO int,DIP int";
const char* const SecLogs70 =
    "LogTimestamp int,LTS int,SNR int,RES int,TET real,TSU real,HET int,HOU int,AQE int,AQS int,"
    "DL1 int,DL2 int,DL3 int,DL4 int,DL5 int,DTM int,DSeM int,DMV int,DHI int,DCO2I int,DHuCO2I int,"
    "DRA int,DRR int,DCO int,DC2 int,COE int,AEX real,WAR int,ES text,EFN int,ELN int,ECO int";

// A table object whose create statement cannot run: there is no table name.
class CNamelessTable : public CDBBase
{
public:
    CNamelessTable(CDBMessenger* pMessenger, const QString& strDir)
        : CDBBase(4, CDBBase::UIThread, false, nullptr, pMessenger, strDir) {}
    bool createTable() override
    {
        return createOrUpgradeTable(QStringLiteral("CREATE TABLE %1 (LogTimestamp int);").arg(tableName()));
    }
};
}

void tst_DBSchema::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    m_Messenger = CRecordingDBMessenger();
}

void tst_DBSchema::cleanup()
{
    CDBBase::removeConnection(CDBBase::UIThread);
    m_pDir.reset();
}

std::unique_ptr<CDBBase> tst_DBSchema::makeTable(int nTableId)
{
    const QString strDir = m_pDir->path();
    switch (nTableId) {
    case 1: return std::unique_ptr<CDBBase>(new CMinuteLogDB(CDBBase::UIThread, nullptr, &m_Messenger, strDir));
    case 2: return std::unique_ptr<CDBBase>(new CSecLogDB(CDBBase::UIThread, nullptr, &m_Messenger, strDir));
    case 8: return std::unique_ptr<CDBBase>(new CMinuteLogDB70(CDBBase::UIThread, nullptr, &m_Messenger, strDir));
    default: return std::unique_ptr<CDBBase>(new CSecLogDB70(CDBBase::UIThread, nullptr, &m_Messenger, strDir));
    }
}

// SQLite reports declared types in upper case; the table lists write them in lower case.
QStringList tst_DBSchema::columns(const QString& strTable, bool bWithTypes)
{
    QStringList list;
    QSqlQuery query(QSqlDatabase::database(CDBBase::UIThread));
    query.exec(QStringLiteral("PRAGMA table_info(%1);").arg(strTable));
    while (query.next())
        list << (bWithTypes ? query.value(1).toString() + QLatin1Char(' ') + query.value(2).toString().toLower()
                            : query.value(1).toString());
    return list;
}

QStringList tst_DBSchema::indexColumns(const QString& strTable)
{
    QStringList list;
    QSqlQuery query(QSqlDatabase::database(CDBBase::UIThread));
    query.exec(QStringLiteral("PRAGMA index_info(\"%1_SNR_LogTimestamp\");").arg(strTable));
    while (query.next())
        list << query.value(2).toString();
    return list;
}

QString tst_DBSchema::schemaText()
{
    QStringList list;
    QSqlQuery query(QSqlDatabase::database(CDBBase::UIThread));
    query.exec(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name;"));
    while (query.next())
        list << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString() + QLatin1Char(' ')
                    + query.value(2).toString();
    return list.join(QLatin1Char('\n'));
}

void tst_DBSchema::newFile_data()
{
    QTest::addColumn<int>("tableId");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ValueLogs") << 1 << "ValueLogs" << ValueLogs;
    QTest::newRow("SecLogs") << 2 << "SecLogs" << SecLogs;
    QTest::newRow("ValueLogs70") << 8 << "ValueLogs70" << ValueLogs70;
    QTest::newRow("SecLogs70") << 16 << "SecLogs70" << SecLogs70;
}

void tst_DBSchema::newFile()
{
    QFETCH(int, tableId);
    QFETCH(QString, table);
    QFETCH(QString, expected);
    std::unique_ptr<CDBBase> pTable = makeTable(tableId);
    QCOMPARE(pTable->tableName(), table);
    QVERIFY(pTable->createTable());
    QVERIFY(QFile::exists(m_pDir->filePath(QStringLiteral("Log2.sql"))));
    QCOMPARE(columns(table, true).join(QLatin1Char(',')), expected);
    QCOMPARE(indexColumns(table), QStringList({ QStringLiteral("SNR"), QStringLiteral("LogTimestamp") }));
    QVERIFY(m_Messenger.isEmpty());
}

void tst_DBSchema::upgradeAddsMissingColumnsInOrder()
{
    std::unique_ptr<CDBBase> pTable = makeTable(1);
    QStringList oldColumns = QString::fromLatin1(ValueLogs).split(QLatin1Char(','));
    oldColumns.removeAll(QStringLiteral("RSSI int"));
    oldColumns.removeAll(QStringLiteral("NOCO2 int"));
    QSqlQuery query(pTable->database());
    QVERIFY(query.exec(QStringLiteral("CREATE TABLE ValueLogs (%1, PRIMARY KEY(LogTimestamp,SNR) );")
                           .arg(oldColumns.join(QLatin1Char(',')))));
    QVERIFY(query.exec(QStringLiteral("INSERT INTO ValueLogs (LogTimestamp, SNR, OM) VALUES (60, 7, 'aut');")));

    QVERIFY(pTable->createTable());
    QCOMPARE(columns(QStringLiteral("ValueLogs"), true),
             oldColumns + QStringList({ QStringLiteral("RSSI int"), QStringLiteral("NOCO2 int") }));
    QCOMPARE(indexColumns(QStringLiteral("ValueLogs")).size(), 2);
    QVERIFY(query.exec(QStringLiteral("SELECT OM, RSSI FROM ValueLogs WHERE SNR = 7;")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("aut"));
    QVERIFY(query.value(1).isNull());
    QVERIFY(m_Messenger.isEmpty());
}

void tst_DBSchema::secondStartChangesNothing()
{
    for (int nTableId : { 1, 2, 8, 16 })
        QVERIFY(makeTable(nTableId)->createTable());
    const QString strFirst = schemaText();
    CDBBase::removeConnection(CDBBase::UIThread);
    for (int nTableId : { 1, 2, 8, 16 })
        QVERIFY(makeTable(nTableId)->createTable());
    QCOMPARE(schemaText(), strFirst);
    QVERIFY(m_Messenger.isEmpty());
}

void tst_DBSchema::failingCreateIsReported()
{
    CNamelessTable table(&m_Messenger, m_pDir->path());
    QCOMPARE(table.tableName(), QString());
    QVERIFY(!table.createTable());
    QCOMPARE(m_Messenger.m_Criticals.size(), 1);
    QVERIFY(m_Messenger.m_Criticals.first().startsWith(
        QStringLiteral("Unable to run sql statement\n'CREATE TABLE  (LogTimestamp int);'.\n'")));
    QVERIFY(m_Messenger.m_Warnings.isEmpty());
}

void tst_DBSchema::unopenableFileIsReported()
{
    // A plain file where the directory should be.
    const QString strBlocked = m_pDir->filePath(QStringLiteral("blocked"));
    QFile file(strBlocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    CMinuteLogDB table(CDBBase::UIThread, nullptr, &m_Messenger, strBlocked);
    QCOMPARE(m_Messenger.m_Warnings.size(), 1);
    QVERIFY(m_Messenger.m_Warnings.first().startsWith(
        QStringLiteral("Unable to open database file '%1/Log2.sql'. \n'").arg(strBlocked)));
    QVERIFY(!table.createTable());
}

QTEST_GUILESS_MAIN(tst_DBSchema)
#include "tst_DBSchema.moc"
