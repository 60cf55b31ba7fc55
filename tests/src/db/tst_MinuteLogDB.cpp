#include "RecordingDBMessenger.h"
#include "db/MinuteLogDB.h"
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
