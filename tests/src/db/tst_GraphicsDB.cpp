#include "DataDict.h"
#include "RecordingDBMessenger.h"
#include "db/GraphicsDB.h"
#include "db/MinuteLogDB.h"
#include "db/SecLogDB.h"
#include "db/SecLogDB70.h"

#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <time.h>

namespace {
// 2016-03-05 14:07 in Berlin (CET, UTC+1) is 13:07 UTC.
const qint64 T1407 = 1457183220;

bool exec(const QString& strStatement)
{
    QSqlQuery query(QSqlDatabase::database(CDBBase::UIThread));
    return query.exec(strStatement);
}

QStringList column(const QSqlQueryModel& model, int nColumn)
{
    QStringList values;
    for (int r = 0; r < model.rowCount(); ++r)
        values << model.data(model.index(r, nColumn)).toString();
    return values;
}
}

// The diagrams' time series: ISO time stamps and the chosen field of one
// table, span and unit.
class tst_GraphicsDB : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void extractTemperatureOfTheDayRowsOfOneUnit();
    void fieldTheTableLacksGivesTheTimeStampOnly();
    void unknownTableLeavesTheModelAsItWas();
    void removedFieldIsNoLongerSelected();
    void family70Tables_data();
    void family70Tables();

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
    CRecordingDBMessenger m_Messenger;
    std::vector<std::unique_ptr<CDBBase>> m_tables;
    std::unique_ptr<CGraphicsDB> m_pGraphics;
};

void tst_GraphicsDB::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    m_tables.emplace_back(new CMinuteLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    m_tables.emplace_back(new CSecLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    m_tables.emplace_back(new CSecLogDB70(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    for (const auto& table : m_tables)
        QVERIFY(table->createTable());
    // Day rows of unit 42 (stored out of order), its quarter-hour rows and
    // the day rows of unit 43.
    const QString strInsert =
        QStringLiteral("INSERT INTO SecLogs (LogTimestamp, LTS, SNR, TET, TOU) VALUES (%1, %2, %3, %4, 1.5);");
    QVERIFY(exec(strInsert.arg(T1407 + 86400).arg(1).arg(42).arg(21.25)));
    QVERIFY(exec(strInsert.arg(T1407).arg(1).arg(42).arg(20.5)));
    QVERIFY(exec(strInsert.arg(T1407 + 900).arg(0).arg(42).arg(19)));
    QVERIFY(exec(strInsert.arg(T1407 + 60).arg(1).arg(43).arg(18)));
    QVERIFY(exec(QStringLiteral("INSERT INTO ValueLogs (LogTimestamp, SNR, TET, TSC) VALUES (%1, 42, 22.5, 17);")
                     .arg(T1407)));
    QVERIFY(exec(QStringLiteral("INSERT INTO SecLogs70 (LogTimestamp, LTS, SNR, TET, AQE) VALUES (%1, 2, 42, 23.5, 800);")
                     .arg(T1407)));
    m_pGraphics.reset(new CGraphicsDB(nullptr, &m_Messenger, m_pDir->path()));
    QVERIFY(m_pGraphics->createTable());
}

void tst_GraphicsDB::cleanup()
{
    m_pGraphics.reset();
    m_tables.clear();
    CDBBase::removeConnection(CDBBase::UIThread2);
    CDBBase::removeConnection(CDBBase::UIThread);
    m_pDir.reset();
}

void tst_GraphicsDB::extractTemperatureOfTheDayRowsOfOneUnit()
{
    m_pGraphics->addField(DDF_ExtractTemp);
    QSqlQueryModel model;
    m_pGraphics->setupModel(model, 42, CDataDict::TM_SecLogs, 1);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(column(model, 0), (QStringList{ "2016-03-05 14:07:00", "2016-03-06 14:07:00" }));
    QCOMPARE(column(model, 1), (QStringList{ "20.5", "21.25" }));
    QVERIFY(QSqlDatabase::contains(CDBBase::UIThread2));
    QVERIFY(m_Messenger.isEmpty());
}

void tst_GraphicsDB::fieldTheTableLacksGivesTheTimeStampOnly()
{
    m_pGraphics->addField(DDF_SupplyTempVirt);
    QSqlQueryModel model;
    m_pGraphics->setupModel(model, 42, CDataDict::TM_SecLogs, 1);
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(model.rowCount(), 2);
    // The minute table has it.
    m_pGraphics->setupModel(model, 42, CDataDict::TM_ValueLogs, 0);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(column(model, 1), QStringList{ "17" });
}

void tst_GraphicsDB::unknownTableLeavesTheModelAsItWas()
{
    m_pGraphics->addField(DDF_ExtractTemp);
    QSqlQueryModel model;
    m_pGraphics->setupModel(model, 42, CDataDict::TM_SecLogs, 1);
    const QString strQuery = model.query().lastQuery();
    m_pGraphics->setupModel(model, 42, 0, 1);
    QCOMPARE(model.query().lastQuery(), strQuery);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 2);
}

void tst_GraphicsDB::removedFieldIsNoLongerSelected()
{
    m_pGraphics->addField(DDF_ExtractTemp);
    m_pGraphics->addField(DDF_OutdoorTemp);
    QSqlQueryModel model;
    m_pGraphics->setupModel(model, -1, CDataDict::TM_SecLogs, 1);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.rowCount(), 3);
    m_pGraphics->removeField(DDF_ExtractTemp);
    m_pGraphics->setupModel(model, -1, CDataDict::TM_SecLogs, 1);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(column(model, 1), (QStringList{ "1.5", "1.5", "1.5" }));
}

void tst_GraphicsDB::family70Tables_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("span");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("TET, month rows") << int(DDF_ExtractTemp) << 2 << QStringList{ "23.5" };
    QTest::newRow("AQE, month rows") << int(DDF_ExtractCO270) << 2 << QStringList{ "800" };
    QTest::newRow("TET, no day rows") << int(DDF_ExtractTemp) << 1 << QStringList();
}

void tst_GraphicsDB::family70Tables()
{
    QFETCH(int, field);
    QFETCH(int, span);
    QFETCH(QStringList, values);
    m_pGraphics->addField(field);
    QSqlQueryModel model;
    m_pGraphics->setupModel(model, 42, CDataDict::TM_SecLogs70, span);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(column(model, 1), values);
    if (!values.isEmpty())
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("2016-03-05 14:07:00"));
}

int main(int argc, char* argv[])
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);
    tst_GraphicsDB test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GraphicsDB.moc"
