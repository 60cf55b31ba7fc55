// A year of minute values of one unit (525 600 rows) through the CSV round
// trip: export with the export core, import into an empty database with
// CDBImportData (reading the file included), and the same file imported by
// the sqlite3 command-line tool's .import into a table of the same columns
// (same key, same journal mode), each the best of three runs. Last line: import_vs_sqlite3_ratio (goal 2
// or less).

#include "DataDict.h"
#include "FelDelimTextModel.h"
#include "db/DBColumnExpressions.h"
#include "db/DBExport.h"
#include "db/DBImportData.h"
#include "db/DBMessenger.h"
#include "db/MinuteLogDB.h"
#include "db/SecLogDB.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
const int Unit = 1001;
const int Minutes = 365 * 1440;
const QDate FirstDay(2016, 1, 1);
const QString ImportConnection = QStringLiteral("BenchImport");
const QString SqliteConnection = QStringLiteral("BenchSqlite3");
const int Repeats = 3;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

class CPrintingMessenger : public CDBMessenger
{
public:
    void warning(const QString& strText) override { out() << "warning: " << strText << Qt::endl; }
    void critical(const QString& strText) override { out() << "critical: " << strText << Qt::endl; }
};

// Values that change from minute to minute like a unit's, so that the file
// has the width of a real export.
bool fillYear(QSqlDatabase db)
{
    QSqlQuery query(db);
    if (!db.transaction()
        || !query.prepare(QStringLiteral(
               "INSERT INTO ValueLogs (LogTimestamp, SNR, OM, PRG, RED, HR, SC, CL, RA, A2, FSS, FSE, AFL, TET, HET, "
               "TOU, HOU, CO2, TSU, TSC, TEH, PRS, OPH, FIH, DEI, RSSI, SWV, ES, EFN, ELN, ECO, VPE, VBY, VBA, VPS, "
               "FSF, FEF, DIP, DIP2, FSC, FEC, CSU, CFA, NOCO2) VALUES (?, ?, 'aut', 'P1', '', 0, 0, 3, 25, 0, ?, ?, "
               "60, ?, 45, ?, 80, ?, ?, ?, ?, 985, ?, ?, 0, -61, '1.07', 'OK', 0, 0, 0, 100, 0, 0, 100, 0, 0, 5, 0, "
               "3, 3, ?, 0, 0);")))
        return false;
    const qint64 nStart = FirstDay.startOfDay().toSecsSinceEpoch();
    for (int nMinute = 0; nMinute < Minutes; ++nMinute) {
        query.bindValue(0, nStart + 60 * qint64(nMinute));
        query.bindValue(1, Unit);
        query.bindValue(2, 1200 + nMinute % 17);
        query.bindValue(3, 1180 + nMinute % 13);
        query.bindValue(4, 21.0 + (nMinute % 40) * 0.125);
        query.bindValue(5, -5.0 + (nMinute % 300) * 0.0625);
        query.bindValue(6, 450 + nMinute % 500);
        query.bindValue(7, 18.5 + (nMinute % 20) * 0.25);
        query.bindValue(8, 19.0 + (nMinute % 20) * 0.25);
        query.bindValue(9, 4.5 + (nMinute % 20) * 0.25);
        query.bindValue(10, 1000 + nMinute / 60);
        query.bindValue(11, 100 + nMinute / 60);
        query.bindValue(12, nMinute);
        if (!query.exec()) {
            out() << "fill failed: " << query.lastError().text() << Qt::endl;
            return false;
        }
    }
    return db.commit();
}

// The exported columns in file order, with the dictionary's column names
// (the key for a computed value) and storage types.
QString sqlite3TableStatement()
{
    const CDataDict* pDict = CDataDict::instance();
    const CDBColumnExpressions expressions(CDataDict::TM_ValueLogs, false, false);
    QStringList columns;
    for (int nField = 0; nField < CDataDict::FieldCount; ++nField) {
        if (!(pDict->tableMask(nField) & CDataDict::TM_ValueLogs) || expressions.expression(nField).isEmpty())
            continue;
        QString strName = pDict->text(nField, CDataDict::TextColumn);
        QString strType = CDataDict::sqlType(pDict->dataType(nField));
        if (strName.isEmpty()) {
            strName = QStringLiteral("Computed%1").arg(nField);
            strType = QStringLiteral("real");
        }
        columns << QStringLiteral("\"%1\" %2").arg(strName, strType);
    }
    return QStringLiteral("CREATE TABLE Imported (%1, PRIMARY KEY(LogTimestamp, SNR));").arg(columns.join(", "));
}

double ms(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Reads the file and imports it into a new, empty database; milliseconds or -1.
double importOurs(const QString& strFile, const QString& strDir, CDBMessenger& messenger)
{
    double dMs = -1;
    {
        CMinuteLogDB minutes(ImportConnection, nullptr, &messenger, strDir);
        CSecLogDB secLogs(ImportConnection, nullptr, &messenger, strDir);
        if (!minutes.createTable() || !secLogs.createTable())
            return -1;
        QElapsedTimer timer;
        timer.start();
        QFile file(strFile);
        CFelDelimTextModel text;
        if (!file.open(QIODevice::ReadOnly) || !text.readDelimited(&file))
            return -1;
        const double dReadMs = ms(timer);
        CDBImportData import(&messenger, nullptr, ImportConnection);
        if (!import.importRows(text, QModelIndex(), nullptr))
            return -1;
        dMs = ms(timer);
        QSqlQuery count(minutes.database());
        count.exec(QStringLiteral("SELECT count(*) FROM ValueLogs;"));
        count.next();
        out() << "  ours: read " << dReadMs << " ms, total " << dMs << " ms, rows stored " << count.value(0).toInt()
              << Qt::endl;
    }
    CDBBase::removeConnection(ImportConnection);
    return dMs;
}

// The same file with the command-line tool into a table of the file's
// columns, with the same key and journal mode (write-ahead log) as ours.
double importSqlite3(const QString& strFile, const QString& strDb)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), SqliteConnection);
        db.setDatabaseName(strDb);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL;")) || !query.exec(sqlite3TableStatement())) {
            out() << "sqlite3 table: " << query.lastError().text() << Qt::endl;
            return -1;
        }
    }
    QSqlDatabase::removeDatabase(SqliteConnection);
    QProcess sqlite3;
    QElapsedTimer timer;
    timer.start();
    sqlite3.start(QStringLiteral("sqlite3"), { strDb });
    sqlite3.write(QStringLiteral(".mode csv\n.separator ;\n.import --skip 1 %1 Imported\n"
                                 "SELECT 'rows stored ' || count(*) FROM Imported;\n")
                      .arg(strFile)
                      .toUtf8());
    sqlite3.closeWriteChannel();
    if (!sqlite3.waitForFinished(-1) || sqlite3.exitCode() != 0) {
        out() << "sqlite3 failed: " << sqlite3.readAllStandardError() << Qt::endl;
        return -1;
    }
    const double dMs = ms(timer);
    out() << "  sqlite3: " << dMs << " ms, " << sqlite3.readAllStandardOutput().trimmed() << Qt::endl;
    const QByteArray errors = sqlite3.readAllStandardError();
    if (!errors.isEmpty())
        out() << "  sqlite3 said: " << errors.left(300) << Qt::endl;
    return dMs;
}
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    CPrintingMessenger messenger;
    const QString strFile = dir.filePath(QStringLiteral("year.csv"));

    {
        CMinuteLogDB source(CDBBase::UIThread, nullptr, &messenger, dir.filePath(QStringLiteral("source")));
        if (!source.createTable() || !fillYear(source.database()))
            return 1;
        QElapsedTimer timer;
        timer.start();
        QSqlQueryModel model;
        source.setupQueryModel(model, Unit, QString());
        QString strError;
        if (!CDBExport::exportToFile(model, strFile, strError)) {
            out() << "export failed: " << strError << Qt::endl;
            return 1;
        }
        out() << "rows=" << Minutes << Qt::endl;
        out() << "file_bytes=" << QFile(strFile).size() << Qt::endl;
        out() << "export_ms=" << ms(timer) << Qt::endl;
    }
    CDBBase::removeConnection(CDBBase::UIThread);

    // Both imports run Repeats times into fresh databases; the best time of
    // each counts, the least disturbed by other load on the machine.
    double dOursMs = 0;
    double dSqliteMs = 0;
    for (int nRun = 0; nRun < Repeats; ++nRun) {
        const double dOurs = importOurs(strFile, dir.filePath(QStringLiteral("import%1").arg(nRun)), messenger);
        const double dSqlite = importSqlite3(strFile, dir.filePath(QStringLiteral("sqlite3_%1.db").arg(nRun)));
        if (dOurs < 0 || dSqlite < 0)
            return 1;
        dOursMs = nRun == 0 ? dOurs : qMin(dOursMs, dOurs);
        dSqliteMs = nRun == 0 ? dSqlite : qMin(dSqliteMs, dSqlite);
    }
    out() << "ours_import_ms=" << dOursMs << " (best of " << Repeats << ", reading the file included)" << Qt::endl;
    out() << "sqlite3_import_ms=" << dSqliteMs << " (best of " << Repeats << ")" << Qt::endl;
    out() << "import_vs_sqlite3_ratio=" << QString::number(dOursMs / dSqliteMs, 'f', 2) << Qt::endl;
    return 0;
}
