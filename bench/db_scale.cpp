// Years of minute rows: the day list, the unit list and one day's table must
// not grow with the file. Builds a file with a year of minute rows of unit A,
// times serialNumbers, daysWithData(A) and one fully fetched day of A, adds a
// year of unit B and times them again; on the same file it also times the
// plain statements (full scans) and a loop of 366 indexed day probes.
// Last lines: days_after_second_unit_ratio (goal 1.2 or less) and
// days_vs_probe_ratio (goal 2 or less).

#include "db/MinuteLogDB.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {
const int UnitA = 1001;
const int UnitB = 1002;
const int Repeats = 15;
const QDate FirstDay(2016, 1, 1);
const int Days = 365;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// The best of several runs in milliseconds: the least disturbed by other load.
double bestMs(const std::function<void()>& run)
{
    run();
    std::vector<double> times;
    for (int i = 0; i < Repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return *std::min_element(times.begin(), times.end());
}

bool fillYear(QSqlDatabase db, int nSerialNr)
{
    QSqlQuery query(db);
    if (!db.transaction()
        || !query.prepare(QStringLiteral("INSERT INTO ValueLogs (LogTimestamp, SNR, OM, TET, TOU, HET, AFL, OPH) "
                                         "VALUES (?, ?, 'aut', ?, ?, 45, 60, ?);")))
        return false;
    const qint64 nStart = FirstDay.startOfDay().toSecsSinceEpoch();
    for (int nMinute = 0; nMinute < Days * 1440; ++nMinute) {
        query.bindValue(0, nStart + 60 * qint64(nMinute));
        query.bindValue(1, nSerialNr);
        query.bindValue(2, 21.0 + (nMinute % 40) * 0.125);
        query.bindValue(3, 5.0 - (nMinute % 80) * 0.125);
        query.bindValue(4, nMinute / 60);
        if (!query.exec())
            return false;
    }
    return db.commit();
}

int fetchAll(QSqlQueryModel& model)
{
    while (model.canFetchMore())
        model.fetchMore();
    return model.rowCount();
}

struct SFigures {
    double dSerials;
    double dDays;
    double dDay;
};

SFigures timeOperations(CMinuteLogDB& table, const QString& strLabel)
{
    SFigures figures;
    int nUnits = 0, nDays = 0, nRows = 0;
    figures.dSerials = bestMs([&] { QList<int> list; table.serialNumbers(list); nUnits = list.size(); });
    figures.dDays = bestMs([&] { QList<QDate> days; table.daysWithData(days, UnitA); nDays = days.size(); });
    figures.dDay = bestMs([&] {
        QSqlQueryModel model;
        table.setupDayModel(model, FirstDay.addDays(180), UnitA);
        nRows = fetchAll(model);
    });
    out() << strLabel << ": serialNumbers " << figures.dSerials << " ms (" << nUnits << " units), daysWithData(A) "
          << figures.dDays << " ms (" << nDays << " days), one day of A " << figures.dDay << " ms (" << nRows
          << " rows)\n";
    out().flush();
    return figures;
}

void timePlainStatements(QSqlDatabase db)
{
    int nCount = 0;
    auto countRows = [&](const QString& strStatement) {
        return [&, strStatement] {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            query.exec(strStatement);
            nCount = 0;
            while (query.next())
                ++nCount;
        };
    };
    const double dSerials = bestMs(countRows(QStringLiteral("SELECT DISTINCT SNR FROM ValueLogs ORDER BY 1")));
    out() << "plain SELECT DISTINCT SNR: " << dSerials << " ms (" << nCount << " units)\n";
    const double dDays = bestMs(countRows(QStringLiteral(
        "SELECT DISTINCT date(LogTimestamp,'unixepoch', 'localtime') FROM ValueLogs WHERE SNR = %1").arg(UnitA)));
    out() << "plain SELECT DISTINCT date(...) of A: " << dDays << " ms (" << nCount << " days)\n";
    const double dDay = bestMs(countRows(QStringLiteral(
        "SELECT * FROM ValueLogs WHERE (date(LogTimestamp, 'unixepoch', 'localtime' )=date('%1') AND SNR=%2) "
        "ORDER BY LogTimestamp ;").arg(FirstDay.addDays(180).toString(Qt::ISODate)).arg(UnitA)));
    out() << "plain day filter of A: " << dDay << " ms (" << nCount << " rows)\n";
    out().flush();
}

// One indexed probe per calendar day: the least any day list can cost.
double timeProbeLoop(QSqlDatabase db)
{
    int nFound = 0;
    const double dMs = bestMs([&] {
        QSqlQuery probe(db);
        probe.setForwardOnly(true);
        probe.prepare(QStringLiteral("SELECT 1 FROM ValueLogs WHERE SNR = ? AND LogTimestamp >= ? AND LogTimestamp < ? LIMIT 1;"));
        nFound = 0;
        for (int nDay = 0; nDay < 366; ++nDay) {
            const QDate day = FirstDay.addDays(nDay);
            probe.bindValue(0, UnitA);
            probe.bindValue(1, day.startOfDay().toSecsSinceEpoch());
            probe.bindValue(2, day.addDays(1).startOfDay().toSecsSinceEpoch());
            if (probe.exec() && probe.next())
                ++nFound;
        }
    });
    out() << "366 indexed day probes of A: " << dMs << " ms (" << nFound << " days found)\n";
    out().flush();
    return dMs;
}
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    {
        CMinuteLogDB table(CDBBase::UIThread, nullptr, nullptr, dir.path());
        if (!table.createTable() || !fillYear(table.database(), UnitA))
            return 1;
        out() << "one year of minute rows of A: " << Days * 1440 << " rows\n";
        const SFigures oneUnit = timeOperations(table, QStringLiteral("unit A only"));
        if (!fillYear(table.database(), UnitB))
            return 1;
        const SFigures twoUnits = timeOperations(table, QStringLiteral("units A and B"));
        timePlainStatements(table.database());
        const double dProbes = timeProbeLoop(table.database());
        out() << "days_after_second_unit_ratio=" << twoUnits.dDays / oneUnit.dDays << "\n";
        out() << "days_vs_probe_ratio=" << twoUnits.dDays / dProbes << "\n";
        out().flush();
    }
    CDBBase::removeConnection(CDBBase::UIThread);
    return 0;
}
