#include "RecordingDBMessenger.h"
#include "db/SecLogDB.h"
#include "db/SecLogDB70.h"

#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Secondary-log records stored as rows: every conversion from device units,
// skipped records, time stamps and repeated retrieval.
class tst_SecLogDB : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void conversions100_data();
    void conversions100();
    void conversions70_data();
    void conversions70();
    void skippedRecordKeepsTheTime100();
    void skippedRecordKeepsTheTime();
    void sameChunkTwiceKeepsTheRowCount();
    void timeSpanModelShowsOneSpan();
    void unknownSpanStoresNothing();
    void failingInsertEndsTheChunkSilently();

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
    CRecordingDBMessenger m_Messenger;
    std::unique_ptr<CSecLogDB> m_pStore;
    std::unique_ptr<CSecLogDB70> m_pStore70;
};

namespace {
const qint64 T0 = 1457186400; // 2016-03-05 14:00:00 UTC

// A 32-byte record image: zeros except the bytes given as offset, value pairs.
QByteArray image(std::initializer_list<std::pair<int, int>> bytes)
{
    QByteArray record(32, '\0');
    for (const auto& byte : bytes)
        record[byte.first] = char(byte.second);
    return record;
}

template <class TEntry>
TEntry entryOf(const QByteArray& record)
{
    TEntry entry;
    entry.decode(record);
    return entry;
}

// The stored value and SQLite's storage class of one column of the only row.
QString storedValue(const QString& strTable, const QString& strColumn)
{
    QSqlQuery query(QSqlDatabase::database(CDBBase::WorkerThread));
    if (!query.exec(QStringLiteral("SELECT \"%1\", typeof(\"%1\") FROM %2;").arg(strColumn, strTable)) || !query.next())
        return QStringLiteral("no row");
    return query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
}

QList<qint64> timestamps(const QString& strTable)
{
    QList<qint64> list;
    QSqlQuery query(QSqlDatabase::database(CDBBase::WorkerThread));
    query.exec(QStringLiteral("SELECT LogTimestamp FROM %1 ORDER BY LogTimestamp;").arg(strTable));
    while (query.next())
        list << query.value(0).toLongLong();
    return list;
}
}

void tst_SecLogDB::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    m_Messenger = CRecordingDBMessenger();
    m_pStore.reset(new CSecLogDB(CDBBase::WorkerThread, nullptr, &m_Messenger, m_pDir->path()));
    QVERIFY(m_pStore->createTable());
    m_pStore70.reset(new CSecLogDB70(CDBBase::WorkerThread, nullptr, &m_Messenger, m_pDir->path()));
    QVERIFY(m_pStore70->createTable());
}

void tst_SecLogDB::cleanup()
{
    m_pStore.reset();
    m_pStore70.reset();
    CDBBase::removeConnection(CDBBase::WorkerThread);
    m_pDir.reset();
}

void tst_SecLogDB::conversions100_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("stored");

    // DL1 in w8 bits 10-14: count 3 is 0x0C00.
    QTest::newRow("DL1 count 3, quarter hour") << 0 << image({ { 9, 0x0C } }) << "DL1" << "180 integer";
    QTest::newRow("DL1 count 3, day") << 1 << image({ { 9, 0x0C } }) << "DL1" << "10800 integer";
    QTest::newRow("DL1 count 3, month") << 2 << image({ { 9, 0x0C } }) << "DL1" << "259200 integer";
    QTest::newRow("DL2 w10 bits 10-14") << 1 << image({ { 11, 0x04 } }) << "DL2" << "3600 integer";
    QTest::newRow("DL3 w12 bits 10-14") << 1 << image({ { 13, 0x08 } }) << "DL3" << "7200 integer";
    QTest::newRow("DL4 w14 bits 10-14 = 31") << 0 << image({ { 15, 0x7C } }) << "DL4" << "1860 integer";
    QTest::newRow("DL5 is never written") << 1 << image({ { 9, 0x0C } }) << "DL5" << " null";
    // w8 = 2 | 1 << 5 | bit 15 = 0x8022
    QTest::newRow("DWI w8 bits 0-4") << 0 << image({ { 8, 0x22 }, { 9, 0x80 } }) << "DWI" << "120 integer";
    QTest::newRow("DHI w8 bits 5-9") << 0 << image({ { 8, 0x22 }, { 9, 0x80 } }) << "DHI" << "60 integer";
    QTest::newRow("FSF w8 bit 15") << 0 << image({ { 8, 0x22 }, { 9, 0x80 } }) << "FSF" << "1 integer";
    // w10 = 3 | 4 << 5 | bit 15 = 0x8083
    QTest::newRow("DRA w10 bits 0-4") << 1 << image({ { 10, 0x83 }, { 11, 0x80 } }) << "DRA" << "10800 integer";
    QTest::newRow("DRR w10 bits 5-9") << 1 << image({ { 10, 0x83 }, { 11, 0x80 } }) << "DRR" << "14400 integer";
    QTest::newRow("FEF w10 bit 15") << 1 << image({ { 10, 0x83 }, { 11, 0x80 } }) << "FEF" << "1 integer";
    // w12 = 5 | 6 << 5 | bit 15 = 0x80C5
    QTest::newRow("DCO w12 bits 0-4") << 2 << image({ { 12, 0xC5 }, { 13, 0x80 } }) << "DCO" << "432000 integer";
    QTest::newRow("DC2 w12 bits 5-9") << 2 << image({ { 12, 0xC5 }, { 13, 0x80 } }) << "DC2" << "518400 integer";
    QTest::newRow("HRU w12 bit 15") << 2 << image({ { 12, 0xC5 }, { 13, 0x80 } }) << "HRU" << "1 integer";
    // w14 = 7 | 8 << 5 | bit 15 = 0x8107
    QTest::newRow("DSM w14 bits 0-4") << 0 << image({ { 14, 0x07 }, { 15, 0x81 } }) << "DSM" << "420 integer";
    QTest::newRow("DTM w14 bits 5-9") << 0 << image({ { 14, 0x07 }, { 15, 0x81 } }) << "DTM" << "480 integer";
    QTest::newRow("HRN w14 bit 15") << 0 << image({ { 14, 0x07 }, { 15, 0x81 } }) << "HRN" << "1 integer";
    // w16 = 1 | 2 << 5 | 3 << 10 | bit 15 = 0x8C41
    QTest::newRow("D1R w16 bits 0-4") << 0 << image({ { 16, 0x41 }, { 17, 0x8C } }) << "D1R" << "60 integer";
    QTest::newRow("DDF w16 bits 5-9") << 0 << image({ { 16, 0x41 }, { 17, 0x8C } }) << "DDF" << "120 integer";
    QTest::newRow("DMV w16 bits 10-14") << 0 << image({ { 16, 0x41 }, { 17, 0x8C } }) << "DMV" << "180 integer";
    QTest::newRow("RES w16 bit 15") << 0 << image({ { 16, 0x41 }, { 17, 0x8C } }) << "RES" << "1 integer";
    QTest::newRow("ECO byte 7 signed") << 0 << image({ { 7, 0xFF } }) << "ECO" << "-1 integer";
    // 10 * 0.333 * 1290 / 3600 = 1.19; 10 * 42.7 * 1290 / 3600 = 153.0; 1365 * 1290 / 3600 = 489.1
    QTest::newRow("EXE 10, quarter hour: 1 Wh") << 0 << image({ { 18, 10 } }) << "EXE" << "1 integer";
    QTest::newRow("REE 10, day") << 1 << image({ { 20, 10 } }) << "REE" << "153 integer";
    QTest::newRow("COE 1, month") << 2 << image({ { 22, 1 } }) << "COE" << "489 integer";
    // -100 * 0.333 * 1290 / 3600 = -11.93, plus 0.5 = -11.43, cut to -11
    QTest::newRow("EXE -100, quarter hour") << 0 << image({ { 18, 0x9C }, { 19, 0xFF } }) << "EXE" << "-11 integer";
    QTest::newRow("AEX 36, quarter hour: 1.0") << 0 << image({ { 24, 36 } }) << "AEX" << "1 real";
    QTest::newRow("AEX 10, day: 35.56 as 35.6") << 1 << image({ { 24, 10 } }) << "AEX" << "35.6 real";
    QTest::newRow("AEX 1, month: 113.8") << 2 << image({ { 24, 1 } }) << "AEX" << "113.8 real";
    QTest::newRow("AEX 1, quarter hour: 0.03 as 0.0") << 0 << image({ { 24, 1 } }) << "AEX" << "0 real";
    // WAR in w26 bits 5-15: all ones is 0xFFE0.
    QTest::newRow("WAR 0x7FF, quarter hour") << 0 << image({ { 26, 0xE0 }, { 27, 0xFF } }) << "WAR" << "-1 integer";
    QTest::newRow("WAR 0x7FF, month") << 2 << image({ { 26, 0xE0 }, { 27, 0xFF } }) << "WAR" << "-4096 integer";
    QTest::newRow("WAR 3, day") << 1 << image({ { 26, 0x60 } }) << "WAR" << "384 integer";
    QTest::newRow("ES code 1: filter old") << 0 << image({ { 26, 0x01 } }) << "ES" << "Err-FiOH text";
    QTest::newRow("ES code 0: ok") << 0 << image({ { 26, 0xE0 }, { 27, 0xFF } }) << "ES" << "ok text";
    QTest::newRow("ES code 23: no field") << 0 << image({ { 26, 23 } }) << "ES" << " text";
    QTest::newRow("PRS bits 0: 700") << 0 << image({}) << "PRS" << "700 integer";
    // w28 bits 7-14 = 150 is 0x4B00
    QTest::newRow("PRS 150: 1000") << 0 << image({ { 29, 0x4B } }) << "PRS" << "1000 integer";
    QTest::newRow("NOCO2 w28 bit 15") << 0 << image({ { 29, 0x80 } }) << "NOCO2" << "1 integer";
    QTest::newRow("PRS beside NOCO2") << 0 << image({ { 29, 0x80 } }) << "PRS" << "700 integer";
    QTest::newRow("TSU byte 0") << 0 << image({ { 0, 18 } }) << "TSU" << "18 real";
    QTest::newRow("TOU byte 1 signed") << 0 << image({ { 1, 0xFB } }) << "TOU" << "-5 real";
    QTest::newRow("HOU byte 2") << 0 << image({ { 2, 80 } }) << "HOU" << "80 integer";
    QTest::newRow("TEH byte 3") << 0 << image({ { 3, 10 } }) << "TEH" << "10 real";
    QTest::newRow("TET byte 4 signed") << 0 << image({ { 4, 0xEC } }) << "TET" << "-20 real";
    QTest::newRow("HET byte 5") << 0 << image({ { 5, 55 } }) << "HET" << "55 integer";
    QTest::newRow("CO2 byte 6 * 16") << 0 << image({ { 6, 50 } }) << "CO2" << "800 integer";
    QTest::newRow("LTS") << 1 << image({}) << "LTS" << "1 integer";
    QTest::newRow("SNR") << 1 << image({}) << "SNR" << "4711 integer";
    QTest::newRow("LogTimestamp") << 1 << image({}) << "LogTimestamp" << "1457186400 integer";
    QTest::newRow("EFN is not written") << 1 << image({ { 30, 0xFF } }) << "EFN" << " null";
}

void tst_SecLogDB::conversions100()
{
    QFETCH(int, span);
    QFETCH(QByteArray, record);
    QFETCH(QString, column);
    QFETCH(QString, stored);
    QVector<SSecLogEntry> entries{ entryOf<SSecLogEntry>(record) };
    QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
    QVERIFY(m_pStore->saveSecLogValues(CLogging::EMaxTimeSpan(span), entries, 4711, time));
    QCOMPARE(storedValue(QStringLiteral("SecLogs"), column), stored);
}

void tst_SecLogDB::conversions70_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("stored");

    QTest::newRow("DL1 count 3, quarter hour") << 0 << image({ { 14, 0x03 } }) << "DL1" << "180 integer";
    QTest::newRow("DL1 count 3, day") << 1 << image({ { 14, 0x03 } }) << "DL1" << "10800 integer";
    QTest::newRow("DL1 count 3, month") << 2 << image({ { 14, 0x03 } }) << "DL1" << "259200 integer";
    QTest::newRow("DL2 w16 bits 0-4 = 31, quarter") << 0 << image({ { 16, 0x1F } }) << "DL2" << "1860 integer";
    QTest::newRow("DL3 w18 bits 0-4 = 1, day") << 1 << image({ { 18, 0x01 } }) << "DL3" << "3600 integer";
    QTest::newRow("DL4 w20 bits 0-4 = 2, day") << 1 << image({ { 20, 0x02 } }) << "DL4" << "7200 integer";
    QTest::newRow("DL5 is never written") << 1 << image({ { 14, 0x03 } }) << "DL5" << " null";
    // w12 = 1 | 2 << 5 | 3 << 10 = 0x0C41
    QTest::newRow("DHI w12 bits 0-4") << 0 << image({ { 12, 0x41 }, { 13, 0x0C } }) << "DHI" << "60 integer";
    QTest::newRow("DCO2I w12 bits 5-9") << 0 << image({ { 12, 0x41 }, { 13, 0x0C } }) << "DCO2I" << "120 integer";
    QTest::newRow("DHuCO2I w12 bits 10-14") << 0 << image({ { 12, 0x41 }, { 13, 0x0C } }) << "DHuCO2I" << "180 integer";
    // w14 = 2 << 5 | 1 << 10 = 0x0440
    QTest::newRow("DRA w14 bits 5-9") << 1 << image({ { 14, 0x40 }, { 15, 0x04 } }) << "DRA" << "7200 integer";
    QTest::newRow("DRR w14 bits 10-14") << 1 << image({ { 14, 0x40 }, { 15, 0x04 } }) << "DRR" << "3600 integer";
    // w16 = 4 << 5 | 5 << 10 = 0x1480
    QTest::newRow("DCO w16 bits 5-9") << 0 << image({ { 16, 0x80 }, { 17, 0x14 } }) << "DCO" << "240 integer";
    QTest::newRow("DC2 w16 bits 10-14") << 0 << image({ { 16, 0x80 }, { 17, 0x14 } }) << "DC2" << "300 integer";
    // w18 = 1 << 5 | 2 << 10 = 0x0820
    QTest::newRow("DSeM w18 bits 5-9, month") << 2 << image({ { 18, 0x20 }, { 19, 0x08 } }) << "DSeM" << "86400 integer";
    QTest::newRow("DTM w18 bits 10-14, month") << 2 << image({ { 18, 0x20 }, { 19, 0x08 } }) << "DTM" << "172800 integer";
    // w20 = 3 << 5 | bit 15 = 0x8060
    QTest::newRow("DMV w20 bits 5-9") << 0 << image({ { 20, 0x60 }, { 21, 0x80 } }) << "DMV" << "180 integer";
    QTest::newRow("RES w20 bit 15") << 0 << image({ { 20, 0x60 }, { 21, 0x80 } }) << "RES" << "1 integer";
    QTest::newRow("RES clear") << 0 << image({}) << "RES" << "0 integer";
    QTest::newRow("ECO byte 29 unsigned") << 0 << image({ { 29, 0xF0 } }) << "ECO" << "240 integer";
    // 10 * 1290 / 3456 = 3.73; 10 * 128 * 1290 / 3456 = 477.8; 1 * 4096 * 1290 / 3456 = 1528.9
    QTest::newRow("COE 10, quarter hour") << 0 << image({ { 22, 10 } }) << "COE" << "4 integer";
    QTest::newRow("COE 10, day") << 1 << image({ { 22, 10 } }) << "COE" << "478 integer";
    QTest::newRow("COE 1, month") << 2 << image({ { 22, 1 } }) << "COE" << "1529 integer";
    // -1 * 1290 / 3456 = -0.37, plus 0.5 = 0.13, cut to 0
    QTest::newRow("COE -1, quarter hour") << 0 << image({ { 22, 0xFF }, { 23, 0xFF } }) << "COE" << "0 integer";
    QTest::newRow("COE -10, quarter hour") << 0 << image({ { 22, 0xF6 }, { 23, 0xFF } }) << "COE" << "-3 integer";
    QTest::newRow("AEX 100, day: 1 * 128") << 1 << image({ { 24, 100 } }) << "AEX" << "128 real";
    QTest::newRow("AEX 90, quarter hour: 90 / 60") << 0 << image({ { 24, 90 } }) << "AEX" << "1.5 real";
    QTest::newRow("AEX 130, month: 2 * 4096") << 2 << image({ { 24, 130 } }) << "AEX" << "8192 real";
    QTest::newRow("AEX 0x7FF, day: 34 * 128") << 1 << image({ { 24, 0xFF }, { 25, 0x07 } }) << "AEX" << "4352 real";
    QTest::newRow("WAR 0x7FF, quarter hour") << 0 << image({ { 26, 0xFF }, { 27, 0x07 } }) << "WAR" << "-1 integer";
    QTest::newRow("WAR 0x7FF, month") << 2 << image({ { 26, 0xFF }, { 27, 0x07 } }) << "WAR" << "-4096 integer";
    QTest::newRow("WAR 5, day") << 1 << image({ { 26, 5 } }) << "WAR" << "640 integer";
    QTest::newRow("TSU byte 0") << 0 << image({ { 0, 21 } }) << "TSU" << "21 real";
    QTest::newRow("TET byte 1 signed") << 0 << image({ { 1, 0xFE } }) << "TET" << "-2 real";
    QTest::newRow("HOU byte 2") << 0 << image({ { 2, 60 } }) << "HOU" << "60 integer";
    QTest::newRow("HET byte 3") << 0 << image({ { 3, 45 } }) << "HET" << "45 integer";
    QTest::newRow("AQS byte 4 + 100") << 0 << image({ { 4, 0xFF } }) << "AQS" << "355 integer";
    QTest::newRow("AQE byte 5 + 100") << 0 << image({ { 5, 50 } }) << "AQE" << "150 integer";
    QTest::newRow("LTS") << 2 << image({}) << "LTS" << "2 integer";
    QTest::newRow("SNR") << 2 << image({}) << "SNR" << "4711 integer";
    QTest::newRow("LogTimestamp") << 2 << image({}) << "LogTimestamp" << "1457186400 integer";
    QTest::newRow("ES is not written") << 0 << image({}) << "ES" << " null";
}

void tst_SecLogDB::conversions70()
{
    QFETCH(int, span);
    QFETCH(QByteArray, record);
    QFETCH(QString, column);
    QFETCH(QString, stored);
    QVector<SSecLogEntry_70> entries{ entryOf<SSecLogEntry_70>(record) };
    QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
    QVERIFY(m_pStore70->saveSecLogValues(CLogging_70::EMaxTimeSpan(span), entries, 4711, time));
    QCOMPARE(storedValue(QStringLiteral("SecLogs70"), column), stored);
}

void tst_SecLogDB::skippedRecordKeepsTheTime100()
{
    // State 3 in w24 bits 10-12: byte 25 = 0x0C.
    const QByteArray stored = image({ { 0, 20 } });
    const QByteArray skipped = image({ { 25, 0x0C } });
    QVector<SSecLogEntry> entries;
    for (const QByteArray& record : { stored, stored, skipped, stored, stored })
        entries << entryOf<SSecLogEntry>(record);
    QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
    QVERIFY(m_pStore->saveSecLogValues(CLogging::MTS_15Min, entries, 5, time));
    QCOMPARE(timestamps(QStringLiteral("SecLogs")), QList<qint64>({ T0, T0 + 900, T0 + 1800, T0 + 2700 }));
    QCOMPARE(time.toSecsSinceEpoch(), T0 + 3600);
}

void tst_SecLogDB::skippedRecordKeepsTheTime()
{
    // State 3 in w24 bits 11-13: byte 25 = 0x18.
    const QByteArray stored = image({ { 0, 20 } });
    const QByteArray skipped = image({ { 25, 0x18 } });
    QVector<SSecLogEntry_70> entries;
    for (const QByteArray& record : { stored, stored, skipped, stored, stored })
        entries << entryOf<SSecLogEntry_70>(record);
    QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
    QVERIFY(m_pStore70->saveSecLogValues(CLogging_70::MTS_1Day, entries, 5, time));
    QCOMPARE(timestamps(QStringLiteral("SecLogs70")),
             QList<qint64>({ T0, T0 + 86400, T0 + 2 * 86400, T0 + 3 * 86400 }));
    QCOMPARE(time.toSecsSinceEpoch(), T0 + 4 * 86400);
}

void tst_SecLogDB::sameChunkTwiceKeepsTheRowCount()
{
    QVector<SSecLogEntry_70> entries(3, entryOf<SSecLogEntry_70>(image({ { 0, 20 } })));
    for (int nRound = 0; nRound < 2; ++nRound) {
        QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
        QVERIFY(m_pStore70->saveSecLogValues(CLogging_70::MTS_15Min, entries, 5, time));
    }
    QCOMPARE(timestamps(QStringLiteral("SecLogs70")), QList<qint64>({ T0, T0 + 900, T0 + 1800 }));
    QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
    QVERIFY(m_pStore70->saveSecLogValues(CLogging_70::MTS_1Day, entries, 5, time));
    QCOMPARE(timestamps(QStringLiteral("SecLogs70")).size(), 6);
}

void tst_SecLogDB::timeSpanModelShowsOneSpan()
{
    QVector<SSecLogEntry> entries(3);
    for (int nSpan : { 0, 1, 2 }) {
        QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
        QVERIFY(m_pStore->saveSecLogValues(CLogging::EMaxTimeSpan(nSpan), entries, 5, time));
    }
    QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
    QVERIFY(m_pStore->saveSecLogValues(CLogging::MTS_1Day, entries, 6, time));

    QSqlQueryModel model;
    m_pStore->setupTimeSpanModel(model, 1, 5);
    QCOMPARE(model.rowCount(), 3);
    // Levels 1 to 4 are empty: level 5 fills the whole day.
    for (int nColumn = 0; nColumn < model.columnCount(); ++nColumn) {
        const QString strHeader = model.headerData(nColumn, Qt::Horizontal).toString();
        QVERIFY2(!strHeader.startsWith(QStringLiteral("LTS")), "the span column is hidden");
        if (strHeader == QStringLiteral("DL5\n[H:M]"))
            QCOMPARE(model.data(model.index(0, nColumn)).toString(), QStringLiteral("24:00"));
    }
    m_pStore->setupTimeSpanModel(model, 1, -1);
    QCOMPARE(model.rowCount(), 6);
    m_pStore->setupTimeSpanModel(model, 2, 6);
    QCOMPARE(model.rowCount(), 0);
}

void tst_SecLogDB::unknownSpanStoresNothing()
{
    QVector<SSecLogEntry_70> entries(2, entryOf<SSecLogEntry_70>(image({})));
    QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
    QVERIFY(!m_pStore70->saveSecLogValues(CLogging_70::EMaxTimeSpan(3), entries, 5, time));
    QVERIFY(timestamps(QStringLiteral("SecLogs70")).isEmpty());
    QCOMPARE(time.toSecsSinceEpoch(), T0);
    QVector<SSecLogEntry_70> none;
    QVERIFY(m_pStore70->saveSecLogValues(CLogging_70::MTS_1Day, none, 5, time));
}

void tst_SecLogDB::failingInsertEndsTheChunkSilently()
{
    // A trigger refuses the second record; the first stays stored.
    QSqlQuery query(m_pStore70->database());
    QVERIFY(query.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON SecLogs70 WHEN new.LogTimestamp > %1 "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END;").arg(T0)));
    QVector<SSecLogEntry_70> entries(3, entryOf<SSecLogEntry_70>(image({})));
    QDateTime time = QDateTime::fromSecsSinceEpoch(T0);
    QVERIFY(!m_pStore70->saveSecLogValues(CLogging_70::MTS_15Min, entries, 5, time));
    QCOMPARE(timestamps(QStringLiteral("SecLogs70")), QList<qint64>({ T0 }));
    QVERIFY(m_Messenger.isEmpty());
}

QTEST_GUILESS_MAIN(tst_SecLogDB)
#include "tst_SecLogDB.moc"
