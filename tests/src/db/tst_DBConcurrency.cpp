#include "PC/FanValues.h"
#include "RecordingDBMessenger.h"
#include "db/MinuteLogDB.h"
#include "db/SecLogDB70.h"

#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <atomic>
#include <memory>

// Three threads write the same file at once through their own connections
// (secondary logs twice, minute rows), while a page model on a fourth
// connection stays partly fetched.
class tst_DBConcurrency : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void writersBesideAnOpenReader();

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
};

namespace {
const int Chunks = 60;
const int ChunkSize = 5;
const qint64 T0 = 1457186400;

// Stores Chunks chunks of quarter-hour records of one unit; counts failures.
void storeChunks(const QString& strConnection, const QString& strDir, int nSerialNr, std::atomic<int>* pFailures)
{
    {
        CRecordingDBMessenger messenger;
        CSecLogDB70 store(strConnection, nullptr, &messenger, strDir);
        QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
        for (int nChunk = 0; nChunk < Chunks; ++nChunk) {
            QVector<SSecLogEntry_70> entries(ChunkSize);
            if (!store.saveSecLogValues(CLogging_70::MTS_15Min, entries, nSerialNr, time))
                ++*pFailures;
        }
        *pFailures += messenger.m_Warnings.size() + messenger.m_Criticals.size();
    }
    CDBBase::removeConnection(strConnection);
}

// Writes Chunks * ChunkSize minute rows of one unit, one statement each.
void writeMinutes(const QString& strConnection, const QString& strDir, int nSerialNr, std::atomic<int>* pFailures)
{
    {
        CRecordingDBMessenger messenger;
        CMinuteLogDB table(strConnection, nullptr, &messenger, strDir);
        for (int nMinute = 0; nMinute < Chunks * ChunkSize; ++nMinute) {
            const QDateTime time = QDateTime::fromSecsSinceEpoch(T0 + 60 * nMinute);
            if (!table.logValues(CFanValues(), nMinute, 0, nSerialNr, 0, 0, 0, 0, time, 0))
                ++*pFailures;
        }
        *pFailures += messenger.m_Warnings.size() + messenger.m_Criticals.size();
    }
    CDBBase::removeConnection(strConnection);
}
}

void tst_DBConcurrency::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    QVERIFY(CSecLogDB70(CDBBase::UIThread, nullptr, nullptr, m_pDir->path()).createTable());
    QVERIFY(CMinuteLogDB(CDBBase::UIThread).createTable());
}

void tst_DBConcurrency::cleanup()
{
    CDBBase::removeConnection(CDBBase::UIThread);
    CDBBase::removeConnection(CDBBase::UIThread2);
    m_pDir.reset();
}

void tst_DBConcurrency::writersBesideAnOpenReader()
{
    // A page model that has fetched only its first rows keeps its statement open.
    {
        CSecLogDB70 seed(CDBBase::UIThread);
        QDateTime time = QDateTime::fromSecsSinceEpoch(T0 - 1000 * 900);
        QVector<SSecLogEntry_70> entries(600);
        QVERIFY(seed.saveSecLogValues(CLogging_70::MTS_15Min, entries, 1, time));
    }
    CSecLogDB70 reader(CDBBase::UIThread2, nullptr, nullptr, m_pDir->path());
    QSqlQueryModel model;
    reader.setupTimeSpanModel(model, 0, 1);
    QVERIFY(model.canFetchMore());

    std::atomic<int> failures { 0 };
    const QString strDir = m_pDir->path();
    std::unique_ptr<QThread> pWorker(QThread::create(storeChunks, CDBBase::WorkerThread, strDir, 2, &failures));
    std::unique_ptr<QThread> pOther(QThread::create(storeChunks, QStringLiteral("SecondStore"), strDir, 3, &failures));
    std::unique_ptr<QThread> pMinutes(QThread::create(writeMinutes, QStringLiteral("MinuteWriter"), strDir, 4, &failures));
    pWorker->start();
    pOther->start();
    pMinutes->start();
    QVERIFY(pWorker->wait(120000));
    QVERIFY(pOther->wait(120000));
    QVERIFY(pMinutes->wait(120000));
    QCOMPARE(failures.load(), 0);

    QSqlQuery query(QSqlDatabase::database(CDBBase::UIThread));
    QVERIFY(query.exec(QStringLiteral("SELECT SNR, count(*) FROM SecLogs70 GROUP BY SNR ORDER BY SNR;")));
    for (int nSerialNr : { 1, 2, 3 }) {
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), nSerialNr);
        QCOMPARE(query.value(1).toInt(), nSerialNr == 1 ? 600 : Chunks * ChunkSize);
    }
    QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM ValueLogs WHERE SNR = 4;")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), Chunks * ChunkSize);
    while (model.canFetchMore())
        model.fetchMore();
    QCOMPARE(model.rowCount(), 600);
}

QTEST_GUILESS_MAIN(tst_DBConcurrency)
#include "tst_DBConcurrency.moc"
