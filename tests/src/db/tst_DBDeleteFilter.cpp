#include "RecordingDBMessenger.h"
#include "db/MinuteLogDB.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Deleting a unit's rows, the list of units and the serial-number filter.
class tst_DBDeleteFilter : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void deleteRecords_data();
    void deleteRecords();
    void failedDeleteKeepsEveryRow();
    void serialNumbers_data();
    void serialNumbers();
    void serialFilter_data();
    void serialFilter();

private:
    QList<int> plainSerialNumbers();
    QList<int> snrColumn();

    std::unique_ptr<QTemporaryDir> m_pDir;
    CRecordingDBMessenger m_Messenger;
    std::unique_ptr<CMinuteLogDB> m_pTable;
};

void tst_DBDeleteFilter::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    m_Messenger = CRecordingDBMessenger();
    m_pTable.reset(new CMinuteLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    QVERIFY(m_pTable->createTable());
    QSqlQuery query(m_pTable->database());
    // Units 0 (imported without number), 5 and 12345; 5 has three rows.
    QVERIFY(query.exec(QStringLiteral("INSERT INTO ValueLogs (LogTimestamp, SNR) VALUES "
                                      "(60, 12345), (60, 5), (120, 5), (180, 5), (120, 0);")));
}

void tst_DBDeleteFilter::cleanup()
{
    m_pTable.reset();
    CDBBase::removeConnection(CDBBase::UIThread);
    m_pDir.reset();
}

// The SNR values of all rows, ascending.
QList<int> tst_DBDeleteFilter::snrColumn()
{
    QList<int> list;
    QSqlQuery query(m_pTable->database());
    query.exec(QStringLiteral("SELECT SNR FROM ValueLogs ORDER BY SNR;"));
    while (query.next())
        list << query.value(0).toInt();
    return list;
}

// The statement the serial-number list must agree with on every file.
QList<int> tst_DBDeleteFilter::plainSerialNumbers()
{
    QList<int> list;
    QSqlQuery query(m_pTable->database());
    query.exec(QStringLiteral("SELECT DISTINCT SNR FROM ValueLogs ORDER BY 1"));
    while (query.next())
        if (!query.value(0).isNull())
            list << query.value(0).toInt();
    return list;
}

void tst_DBDeleteFilter::deleteRecords_data()
{
    QTest::addColumn<int>("serialNr");
    QTest::addColumn<QList<int>>("left");
    QTest::newRow("-1: every row") << -1 << QList<int>();
    QTest::newRow("0: rows without serial number") << 0 << QList<int>({ 5, 5, 5, 12345 });
    QTest::newRow("5: its three rows") << 5 << QList<int>({ 0, 12345 });
    QTest::newRow("unknown unit: nothing") << 77 << QList<int>({ 0, 5, 5, 5, 12345 });
}

void tst_DBDeleteFilter::deleteRecords()
{
    QFETCH(int, serialNr);
    QFETCH(QList<int>, left);
    QVERIFY(m_pTable->deleteRecords(serialNr));
    QCOMPARE(snrColumn(), left);
    QVERIFY(m_Messenger.isEmpty());
}

void tst_DBDeleteFilter::failedDeleteKeepsEveryRow()
{
    // The delete fails on the last of unit 5's rows, after the others were visited.
    QSqlQuery query(m_pTable->database());
    QVERIFY(query.exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON ValueLogs WHEN old.LogTimestamp = 180 "
                                      "BEGIN SELECT RAISE(ABORT, 'kept'); END;")));
    QVERIFY(!m_pTable->deleteRecords(5));
    QVERIFY(!m_pTable->deleteRecords(-1));
    QCOMPARE(snrColumn(), QList<int>({ 0, 5, 5, 5, 12345 }));
    QCOMPARE(m_Messenger.m_Warnings.size(), 2);
    QVERIFY(m_Messenger.m_Warnings.first().startsWith(QStringLiteral("Unable to delete records. \n'")));
    QVERIFY(m_Messenger.m_Warnings.first().contains(QStringLiteral("kept")));
    QVERIFY(m_Messenger.m_Criticals.isEmpty());
}

void tst_DBDeleteFilter::serialNumbers_data()
{
    QTest::addColumn<QString>("extraRows");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("three units") << QString() << QList<int>({ 0, 5, 12345 });
    QTest::newRow("row without SNR") << "(240, NULL)" << QList<int>({ 0, 5, 12345 });
    QTest::newRow("negative number") << "(240, -3)" << QList<int>({ -3, 0, 5, 12345 });
    QTest::newRow("many rows of one unit") << "(240, 5), (300, 5), (360, 5), (420, 6)" << QList<int>({ 0, 5, 6, 12345 });
}

void tst_DBDeleteFilter::serialNumbers()
{
    QFETCH(QString, extraRows);
    QFETCH(QList<int>, expected);
    if (!extraRows.isEmpty()) {
        QSqlQuery query(m_pTable->database());
        QVERIFY(query.exec(QStringLiteral("INSERT INTO ValueLogs (LogTimestamp, SNR) VALUES %1;").arg(extraRows)));
    }
    QList<int> list { 99 };
    m_pTable->serialNumbers(list);
    QCOMPARE(list, QList<int>({ 99 }) + expected);
    QCOMPARE(list.mid(1), plainSerialNumbers());

    QVERIFY(m_pTable->deleteRecords(-1));
    list.clear();
    m_pTable->serialNumbers(list);
    QVERIFY(list.isEmpty());
}

void tst_DBDeleteFilter::serialFilter_data()
{
    QTest::addColumn<int>("serialNr");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all units, no filter") << -1 << "" << "";
    QTest::newRow("all units, filter") << -1 << "x" << "x";
    QTest::newRow("unit 5, no filter") << 5 << "" << "SNR=5";
    QTest::newRow("unit 5, filter x") << 5 << "x" << "(x AND SNR=5)";
    QTest::newRow("unit 0") << 0 << "" << "SNR=0";
}

void tst_DBDeleteFilter::serialFilter()
{
    QFETCH(int, serialNr);
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(m_pTable->serialFilter(serialNr, filter), expected);
}

QTEST_GUILESS_MAIN(tst_DBDeleteFilter)
#include "tst_DBDeleteFilter.moc"
