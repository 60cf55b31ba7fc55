#include "RecordingDBMessenger.h"
#include "PC/FanValues.h"
#include "PC/FanValues70.h"
#include "db/MinuteLogDB.h"
#include "db/MinuteLogDB70.h"
#include "db/MinuteLogGate.h"

#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <time.h>

// The minute log: one row per clock minute, the day list and the day model.
// Local time is Berlin's (daylight saving from 2016-03-27 02:00 to 2016-10-30 03:00).
class tst_MinuteLogDB : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void gate_data();
    void gate();
    void logValues_data();
    void logValues();
    void logValues70();
    void oneRowPerMinute();
    void failedInsertIsShown();
    void daysWithData_data();
    void daysWithData();
    void dayModel_data();
    void dayModel();

private:
    void insertRows(const QStringList& utcTimes, int nSerialNr);
    QList<QDate> plainDays(int nSerialNr);

    std::unique_ptr<QTemporaryDir> m_pDir;
    CRecordingDBMessenger m_Messenger;
    std::unique_ptr<CMinuteLogDB> m_pTable;
};

namespace {
QDateTime local(const QString& strIso)
{
    return QDateTime::fromString(strIso, Qt::ISODate);
}

QDateTime utc(const QString& strIso)
{
    QDateTime time = QDateTime::fromString(strIso, Qt::ISODate);
    time.setTimeSpec(Qt::UTC);
    return time;
}

// A current-state record image: zeros except the bytes given as offset, value pairs.
template <class TEntry>
TEntry primEntry(std::initializer_list<std::pair<int, int>> bytes)
{
    QByteArray record(TEntry::Size, '\0');
    for (const auto& byte : bytes)
        record[byte.first] = char(byte.second);
    TEntry entry;
    entry.decode(record);
    return entry;
}

QString storedValue(const QString& strTable, const QString& strColumn)
{
    QSqlQuery query(QSqlDatabase::database(CDBBase::UIThread));
    if (!query.exec(QStringLiteral("SELECT \"%1\", typeof(\"%1\") FROM %2;").arg(strColumn, strTable)) || !query.next())
        return QStringLiteral("no row");
    return query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
}

// 2016-03-05 14:07:00 UTC
const qint64 Minute = 1457186820;
}

void tst_MinuteLogDB::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    m_Messenger = CRecordingDBMessenger();
    m_pTable.reset(new CMinuteLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    QVERIFY(m_pTable->createTable());
}

void tst_MinuteLogDB::cleanup()
{
    m_pTable.reset();
    CDBBase::removeConnection(CDBBase::UIThread);
    m_pDir.reset();
}

void tst_MinuteLogDB::insertRows(const QStringList& utcTimes, int nSerialNr)
{
    QSqlQuery query(m_pTable->database());
    QVERIFY(query.prepare(QStringLiteral("INSERT OR IGNORE INTO ValueLogs (LogTimestamp, SNR) VALUES (?, ?);")));
    for (const QString& strTime : utcTimes) {
        query.addBindValue(utc(strTime).toSecsSinceEpoch());
        query.addBindValue(nSerialNr);
        QVERIFY(query.exec());
    }
}

// The statement the day list must agree with on every file.
QList<QDate> tst_MinuteLogDB::plainDays(int nSerialNr)
{
    QList<QDate> days;
    QSqlQuery query(m_pTable->database());
    query.exec(QStringLiteral("SELECT DISTINCT date(LogTimestamp,'unixepoch', 'localtime') FROM ValueLogs WHERE SNR = %1")
                   .arg(nSerialNr));
    while (query.next())
        days << QDate::fromString(query.value(0).toString(), Qt::ISODate);
    std::sort(days.begin(), days.end());
    return days;
}

void tst_MinuteLogDB::gate_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QStringList>("arrivals");
    QTest::addColumn<QStringList>("written");

    QTest::newRow("two sets within one minute")
        << "2016-03-05T10:30:20" << QStringList({ "2016-03-05T10:30:30", "2016-03-05T10:30:41" })
        << QStringList({ "2016-03-05T10:30:00Z+01", "-" });
    QTest::newRow("10:59:58 and 11:00:01")
        << "2016-03-05T10:58:00" << QStringList({ "2016-03-05T10:59:58", "2016-03-05T11:00:01" })
        << QStringList({ "2016-03-05T10:59:00Z+01", "2016-03-05T11:00:00Z+01" });
    QTest::newRow("first set in the minute the page was built")
        << "2016-03-05T10:30:20" << QStringList({ "2016-03-05T10:30:21" }) << QStringList({ "2016-03-05T10:30:00Z+01" });
    // Sixty minutes without values: the next set is a new minute and is written.
    QTest::newRow("gap of exactly 60 minutes")
        << "2016-03-05T10:04:00" << QStringList({ "2016-03-05T10:05:10", "2016-03-05T11:05:20", "2016-03-05T11:06:01" })
        << QStringList({ "2016-03-05T10:05:00Z+01", "2016-03-05T11:05:00Z+01", "2016-03-05T11:06:00Z+01" });
    // 02:30 summer time (00:30 UTC) and an hour later 02:30 winter time (01:30 UTC).
    QTest::newRow("repeated hour at the end of summer time")
        << "2016-10-30T00:00:00" << QStringList({ "2016-10-30T00:30:40Z", "2016-10-30T01:30:40Z" })
        << QStringList({ "2016-10-30T00:30:00Z", "2016-10-30T01:30:00Z" });
}

void tst_MinuteLogDB::gate()
{
    QFETCH(QString, built);
    QFETCH(QStringList, arrivals);
    QFETCH(QStringList, written);
    CMinuteLogGate gate(local(built));
    for (int i = 0; i < arrivals.size(); ++i) {
        const QString& strArrival = arrivals.at(i);
        const QDateTime arrival = strArrival.endsWith(QLatin1Char('Z')) ? utc(strArrival.chopped(1)) : local(strArrival);
        QDateTime minuteStart;
        const bool bAdmitted = gate.admit(arrival, minuteStart);
        QCOMPARE(bAdmitted, written.at(i) != QLatin1String("-"));
        if (!bAdmitted)
            continue;
        // Expected stamps as UTC ("Z") or as Berlin winter time ("Z+01").
        QString strExpected = written.at(i);
        QDateTime expected;
        if (strExpected.endsWith(QLatin1String("Z+01")))
            expected = utc(strExpected.chopped(4)).addSecs(-3600);
        else
            expected = utc(strExpected.chopped(1));
        QCOMPARE(minuteStart.toSecsSinceEpoch(), expected.toSecsSinceEpoch());
        QCOMPARE(minuteStart.time().second(), 0);
        QCOMPARE(minuteStart.time().msec(), 0);
    }
}

void tst_MinuteLogDB::logValues_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("stored");
    auto image = [](std::initializer_list<std::pair<int, int>> bytes) {
        QByteArray record(26, '\0');
        for (const auto& byte : bytes)
            record[byte.first] = char(byte.second);
        return record;
    };
    QTest::newRow("time stamp") << image({}) << "LogTimestamp" << "1457186820 integer";
    QTest::newRow("operating hours") << image({}) << "OPH" << "5120 integer";
    QTest::newRow("filter hours") << image({}) << "FIH" << "1200 integer";
    QTest::newRow("serial number") << image({}) << "SNR" << "12345 integer";
    QTest::newRow("fan supply characteristic") << image({}) << "FSC" << "3 integer";
    QTest::newRow("fan extract characteristic") << image({}) << "FEC" << "4 integer";
    QTest::newRow("commands succeeded") << image({}) << "CSU" << "10234 integer";
    QTest::newRow("commands failed") << image({}) << "CFA" << "2 integer";
    QTest::newRow("RSSI") << image({}) << "RSSI" << "-61 integer";
    // b20 bits 0-1 times 30 m³/h
    QTest::newRow("A2 90 stored as 100") << image({ { 20, 0x03 } }) << "A2" << "100 integer";
    QTest::newRow("A2 60 stays 60") << image({ { 20, 0x02 } }) << "A2" << "60 integer";
    QTest::newRow("DIP beside A2") << image({ { 20, 0x03 } }) << "DIP" << "3 integer";
    // b14 bits 5-7 = 2: sleep
    QTest::newRow("operation mode as its abbreviation") << image({ { 14, 0x40 } }) << "OM" << "slp text";
    QTest::newRow("extract temperature 0x0A0") << image({ { 6, 0xA0 } }) << "TET" << "20 real";
    QTest::newRow("extract temperature 0x7F8") << image({ { 6, 0xF8 }, { 7, 0x07 } }) << "TET" << "-1 real";
    QTest::newRow("flag as integer") << image({ { 19, 0x10 } }) << "HR" << "1 integer";
    QTest::newRow("flag clear") << image({}) << "SC" << "0 integer";
    // No internal error: b22 and b23 bits 0-1 carry version 3.5.
    QTest::newRow("software version") << image({ { 22, 0x85 }, { 23, 0x01 } }) << "SWV" << "3.5 text";
    QTest::newRow("no CO2 sensor") << image({ { 23, 0x10 } }) << "NOCO2" << "1 integer";
}

void tst_MinuteLogDB::logValues()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, column);
    QFETCH(QString, stored);
    SPrimLogEntry entry;
    QVERIFY(entry.decode(record));
    QVERIFY(m_pTable->logValues(CFanValues(entry), 5120, 1200, 12345, 3, 4, 10234, 2,
                                QDateTime::fromSecsSinceEpoch(Minute), -61));
    QCOMPARE(storedValue(QStringLiteral("ValueLogs"), column), stored);
    QVERIFY(m_Messenger.isEmpty());
}

void tst_MinuteLogDB::logValues70()
{
    CMinuteLogDB70 table(CDBBase::UIThread);
    QVERIFY(table.createTable());
    // b14 bits 3-5 = 1: turbo; b20 extract air quality 50; b6,b7 extract temperature 0x0A0.
    const auto entry = primEntry<SPrimLogEntry_70>({ { 14, 0x08 }, { 20, 50 }, { 6, 0xA0 } });
    QVERIFY(table.logValues(CFanValues70(entry), 777, 4711, 10, 2, QDateTime::fromSecsSinceEpoch(Minute)));
    QCOMPARE(storedValue(QStringLiteral("ValueLogs70"), QStringLiteral("LogTimestamp")), QStringLiteral("1457186820 integer"));
    QCOMPARE(storedValue(QStringLiteral("ValueLogs70"), QStringLiteral("OPH")), QStringLiteral("777 integer"));
    QCOMPARE(storedValue(QStringLiteral("ValueLogs70"), QStringLiteral("SNR")), QStringLiteral("4711 integer"));
    QCOMPARE(storedValue(QStringLiteral("ValueLogs70"), QStringLiteral("OM")), QStringLiteral("trb text"));
    QCOMPARE(storedValue(QStringLiteral("ValueLogs70"), QStringLiteral("AQE")), QStringLiteral("150 integer"));
    QCOMPARE(storedValue(QStringLiteral("ValueLogs70"), QStringLiteral("TET")), QStringLiteral("20 real"));
    QVERIFY(m_Messenger.isEmpty());
}

// What the minute page does with every set of values it receives.
void tst_MinuteLogDB::oneRowPerMinute()
{
    CMinuteLogGate gate(local(QStringLiteral("2016-03-05T10:58:30")));
    int nOperatingHours = 100;
    for (const char* pArrival : { "2016-03-05T10:59:58", "2016-03-05T10:59:59", "2016-03-05T11:00:01" }) {
        QDateTime minuteStart;
        if (gate.admit(local(QLatin1String(pArrival)), minuteStart))
            QVERIFY(m_pTable->logValues(CFanValues(), ++nOperatingHours, 0, 5, 0, 0, 0, 0, minuteStart, 0));
    }
    // After a restart within the same minute the row is written again and replaces the first.
    CMinuteLogGate restarted(local(QStringLiteral("2016-03-05T11:00:20")));
    QDateTime minuteStart;
    QVERIFY(restarted.admit(local(QStringLiteral("2016-03-05T11:00:30")), minuteStart));
    QVERIFY(m_pTable->logValues(CFanValues(), 200, 0, 5, 0, 0, 0, 0, minuteStart, 0));

    QSqlQuery query(m_pTable->database());
    QVERIFY(query.exec(QStringLiteral("SELECT LogTimestamp, OPH FROM ValueLogs ORDER BY LogTimestamp;")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toLongLong(), utc(QStringLiteral("2016-03-05T09:59:00")).toSecsSinceEpoch());
    QCOMPARE(query.value(1).toInt(), 101);
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toLongLong(), utc(QStringLiteral("2016-03-05T10:00:00")).toSecsSinceEpoch());
    QCOMPARE(query.value(1).toInt(), 200);
    QVERIFY(!query.next());
}

void tst_MinuteLogDB::failedInsertIsShown()
{
    QSqlQuery query(m_pTable->database());
    QVERIFY(query.exec(QStringLiteral("DROP TABLE ValueLogs;")));
    QVERIFY(!m_pTable->logValues(CFanValues(), 1, 2, 3, 4, 5, 6, 7, QDateTime::fromSecsSinceEpoch(Minute), -50));
    QCOMPARE(m_Messenger.m_Criticals.size(), 1);
    QVERIFY(m_Messenger.m_Criticals.first().startsWith(QStringLiteral(
        "Unable to run sql statement\n'INSERT OR REPLACE INTO ValueLogs (LogTimestamp,OPH,FIH,SNR,FSC,FEC,CSU,CFA,RSSI,")));
    QVERIFY(m_Messenger.m_Warnings.isEmpty());
}

void tst_MinuteLogDB::daysWithData_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<QDate>>("days");

    QTest::newRow("no rows") << QStringList() << QList<QDate>();
    // 23:30 local on 31 January is 22:30 UTC: it counts for the 31st.
    QTest::newRow("across a month end")
        << QStringList({ "2016-01-30T12:00:00", "2016-01-31T22:30:00", "2016-01-31T23:10:00", "2016-02-01T08:00:00" })
        << QList<QDate>({ QDate(2016, 1, 30), QDate(2016, 1, 31), QDate(2016, 2, 1) });
    // 27 March has 23 hours: 00:30 CET is 23:30 UTC the day before, 23:30 CEST is 21:30 UTC;
    // the 28th has only its first half hour (22:30 UTC), which a 24-hour step would jump over.
    QTest::newRow("spring: day of 23 hours")
        << QStringList({ "2016-03-26T22:30:00", "2016-03-26T23:30:00", "2016-03-27T21:30:00",
                         "2016-03-27T22:30:00" })
        << QList<QDate>({ QDate(2016, 3, 26), QDate(2016, 3, 27), QDate(2016, 3, 28) });
    // 30 October has 25 hours: 00:30 CEST is 22:30 UTC the day before, 23:30 CET is 22:30 UTC.
    QTest::newRow("autumn: day of 25 hours")
        << QStringList({ "2016-10-29T21:30:00", "2016-10-29T22:30:00", "2016-10-30T01:30:00",
                         "2016-10-30T22:30:00", "2016-10-30T23:30:00" })
        << QList<QDate>({ QDate(2016, 10, 29), QDate(2016, 10, 30), QDate(2016, 10, 31) });
    QTest::newRow("days apart")
        << QStringList({ "2015-12-31T23:00:00", "2016-06-15T10:00:00" })
        << QList<QDate>({ QDate(2016, 1, 1), QDate(2016, 6, 15) });
}

void tst_MinuteLogDB::daysWithData()
{
    QFETCH(QStringList, rows);
    QFETCH(QList<QDate>, days);
    insertRows(rows, 5);
    // Every minute of the first day of the list belongs to that day, too.
    if (!days.isEmpty()) {
        QStringList minutes;
        const QDateTime start = days.first().startOfDay().toUTC();
        for (int i = 0; i < 1440; i += 7)
            minutes << start.addSecs(60 * i).toString(Qt::ISODate).chopped(1);
        QSqlQuery(m_pTable->database()).exec(QStringLiteral("BEGIN;"));
        insertRows(minutes, 5);
        QSqlQuery(m_pTable->database()).exec(QStringLiteral("COMMIT;"));
    }
    insertRows({ "2016-01-31T22:30:00", "2017-05-01T10:00:00" }, 6);

    QList<QDate> list;
    m_pTable->daysWithData(list, 5);
    QCOMPARE(list, days);
    QCOMPARE(list, plainDays(5));

    list.clear();
    m_pTable->daysWithData(list, 7);
    QVERIFY(list.isEmpty());
}

void tst_MinuteLogDB::dayModel_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("serialNr");
    QTest::addColumn<int>("rows");
    QTest::newRow("day of 23 hours, unit 5") << QDate(2016, 3, 27) << 5 << 23;
    QTest::newRow("day of 25 hours, unit 5") << QDate(2016, 10, 30) << 5 << 25;
    QTest::newRow("ordinary day, all units") << QDate(2016, 3, 26) << -1 << 25;
    QTest::newRow("invalid day: all days") << QDate() << 5 << 24 + 23 + 24 + 24 + 25 + 24;
}

void tst_MinuteLogDB::dayModel()
{
    QFETCH(QDate, day);
    QFETCH(int, serialNr);
    QFETCH(int, rows);
    // One row per hour for unit 5, one more row of unit 6 on 26 March.
    QStringList hours;
    for (const QDate& first : { QDate(2016, 3, 26), QDate(2016, 10, 29) }) {
        const QDateTime start = first.startOfDay();
        const QDateTime end = first.addDays(3).startOfDay();
        for (QDateTime time = start; time < end; time = time.addSecs(3600))
            hours << time.toUTC().toString(Qt::ISODate).chopped(1);
    }
    insertRows(hours, 5);
    insertRows({ "2016-03-26T11:00:00" }, 6);

    QSqlQueryModel model;
    m_pTable->setupDayModel(model, day, serialNr);
    while (model.canFetchMore())
        model.fetchMore();
    QCOMPARE(model.rowCount(), rows);
    if (day.isValid()) {
        QCOMPARE(model.data(model.index(0, 0)).toString(), day.toString(QStringLiteral("dd.MM.yyyy 00:00")));
        QCOMPARE(model.data(model.index(rows - 1, 0)).toString(), day.toString(QStringLiteral("dd.MM.yyyy 23:00")));
    }
}

int main(int argc, char* argv[])
{
    // Local time is Berlin's for every case, before anything reads the zone.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);
    tst_MinuteLogDB test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MinuteLogDB.moc"
