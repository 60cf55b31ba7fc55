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

// Two threads write the same file at once through their own connections,
// while a third connection keeps a partly fetched page model open.
class tst_DBConcurrency : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void twoWritersAndAnOpenReader();

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
}

void tst_DBConcurrency::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    QVERIFY(CSecLogDB70(CDBBase::UIThread, nullptr, nullptr, m_pDir->path()).createTable());
}

void tst_DBConcurrency::cleanup()
{
    CDBBase::removeConnection(CDBBase::UIThread);
    CDBBase::removeConnection(CDBBase::UIThread2);
    m_pDir.reset();
}

void tst_DBConcurrency::twoWritersAndAnOpenReader()
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
    std::unique_ptr<QThread> pOther(QThread::create(storeChunks, QStringLiteral("SecondWriter"), strDir, 3, &failures));
    pWorker->start();
    pOther->start();
    QVERIFY(pWorker->wait(120000));
    QVERIFY(pOther->wait(120000));
    QCOMPARE(failures.load(), 0);

    QSqlQuery query(QSqlDatabase::database(CDBBase::UIThread));
    QVERIFY(query.exec(QStringLiteral("SELECT SNR, count(*) FROM SecLogs70 GROUP BY SNR ORDER BY SNR;")));
    for (int nSerialNr : { 1, 2, 3 }) {
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), nSerialNr);
        QCOMPARE(query.value(1).toInt(), nSerialNr == 1 ? 600 : Chunks * ChunkSize);
    }
    while (model.canFetchMore())
        model.fetchMore();
    QCOMPARE(model.rowCount(), 600);
}

QTEST_GUILESS_MAIN(tst_DBConcurrency)
#include "tst_DBConcurrency.moc"
