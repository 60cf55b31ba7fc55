#include "FelDelimTextModel.h"
#include "RecordingDBMessenger.h"
#include "db/DBExport.h"
#include "db/MinuteLogDB.h"
#include "db/SecLogDB.h"

#include <QFile>
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

QByteArray readAll(const QString& strFile)
{
    QFile file(strFile);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("cannot open");
    return file.readAll();
}
}

// A log page's export model as a CSV file: display headers, display texts,
// Latin-1, ";" and quotes, rows in time order.
class tst_DBExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void minutePageFile();
    void secondaryPageShowsDurationsAndHidesTheSpan();
    void dayModelExportsOneDay();
    void emptyPageGivesTheHeaderOnly();
    void existingLongerFileIsReplaced();
    void unwritableFileIsReportedAndNothingWritten();
    void modelWithBoundValuesGivesTheSameText();

private:
    QString path(const char* name) const { return m_pDir->filePath(QLatin1String(name)); }
    void insertMinute(qint64 nTime, int nSerialNr, int nOph);

    std::unique_ptr<QTemporaryDir> m_pDir;
    CRecordingDBMessenger m_Messenger;
    std::unique_ptr<CMinuteLogDB> m_pMinutes;
    std::unique_ptr<CSecLogDB> m_pSecLogs;
};

void tst_DBExport::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    m_pMinutes.reset(new CMinuteLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    m_pSecLogs.reset(new CSecLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    QVERIFY(m_pMinutes->createTable());
    QVERIFY(m_pSecLogs->createTable());
}

void tst_DBExport::cleanup()
{
    m_pMinutes.reset();
    m_pSecLogs.reset();
    CDBBase::removeConnection(CDBBase::UIThread);
    m_pDir.reset();
}

void tst_DBExport::insertMinute(qint64 nTime, int nSerialNr, int nOph)
{
    QVERIFY(exec(QStringLiteral("INSERT INTO ValueLogs (LogTimestamp, SNR, OM, PRG, RED, HR, SC, CL, RA, TET, CO2, "
                                "OPH, SWV, NOCO2) VALUES (%1, %2, 'aut', 'P;1', 'dfr', 0, 1, 3, 25, 21.5, 650, %3, "
                                "'1.07', 1);")
                     .arg(nTime)
                     .arg(nSerialNr)
                     .arg(nOph)));
}

void tst_DBExport::minutePageFile()
{
    // Stored out of order: the file is in time order.
    insertMinute(T1407 + 60, 7, 2);
    insertMinute(T1407, 7, 1);
    insertMinute(T1407 + 30, 8, 9);
    QSqlQueryModel model;
    m_pMinutes->setupQueryModel(model, 7, QString());
    QString strError;
    QVERIFY2(CDBExport::exportToFile(model, path("minutes.csv"), strError), qPrintable(strError));

    const QByteArray file = readAll(path("minutes.csv"));
    const QList<QByteArray> lines = file.split('\n');
    // Header cells hold a line break, so the header spans one line per cell.
    QVERIFY2(file.startsWith("\"TIM\n\";\"OM\n\";\"PRG\n\";\"RED\n\";\"HR\n\";\"CA\n\";\"CL\n\";\"RA\n[m\xB2]\";"),
             file.left(80).constData());
    QVERIFY(file.contains(";\"TEX\n[\xB0""C]\";"));
    QVERIFY(file.contains(";\"OPH\n[h]\";"));
    QVERIFY(file.endsWith('\n'));

    CFelDelimTextModel text;
    QFile in(path("minutes.csv"));
    QVERIFY(in.open(QIODevice::ReadOnly));
    QVERIFY(text.readDelimited(&in));
    QCOMPARE(text.rowCount(), 2);
    QCOMPARE(text.columnCount(), model.columnCount());
    QCOMPARE(text.headerData(0, Qt::Horizontal).toString(), QStringLiteral("TIM\n"));
    const int nOph = text.headerIndex(QStringLiteral("OPH\n[h]"));
    const int nCo2 = text.headerIndex(QStringLiteral("CO2\n[ppm]"));
    const int nPrg = text.headerIndex(QStringLiteral("PRG\n"));
    const int nTet = text.headerIndex(QString::fromUtf8("TEX\n[°C]"));
    QVERIFY(nOph > 0 && nCo2 > 0 && nPrg > 0 && nTet > 0);
    QCOMPARE(text.cell(0, 0), QStringLiteral("05.03.2016 14:07"));
    QCOMPARE(text.cell(1, 0), QStringLiteral("05.03.2016 14:08"));
    QCOMPARE(text.cell(0, nOph), QStringLiteral("1"));
    QCOMPARE(text.cell(1, nOph), QStringLiteral("2"));
    QCOMPARE(text.cell(0, nCo2), QStringLiteral("-"));
    QCOMPARE(text.cell(0, nPrg), QStringLiteral("P;1"));
    QCOMPARE(text.cell(0, nTet), QStringLiteral("21.5"));
    QVERIFY(file.contains("\n05.03.2016 14:07;aut;\"P;1\";dfr;0;1;3;25;"));
    QVERIFY(!lines.isEmpty());
}

void tst_DBExport::secondaryPageShowsDurationsAndHidesTheSpan()
{
    for (int span = 0; span < 3; ++span)
        QVERIFY(exec(QStringLiteral("INSERT INTO SecLogs (LogTimestamp, LTS, SNR, RES, DL1, DL2, DL3, DL4, DCO) "
                                    "VALUES (%1, %2, 5, 0, 3700, 0, 0, 0, 0);")
                         .arg(T1407)
                         .arg(span)));
    QSqlQueryModel model;
    m_pSecLogs->setupTimeSpanModel(model, 1, 5);
    CFelDelimTextModel text;
    CDBExport::fillTextModel(model, text);
    QCOMPARE(text.rowCount(), 1);
    QCOMPARE(text.headerIndex(QStringLiteral("LTS\n")), -1);
    for (int c = 0; c < text.columnCount(); ++c)
        QVERIFY(!text.headerData(c, Qt::Horizontal).toString().startsWith(QStringLiteral("LTS")));
    auto cellOf = [&text](const QString& strAbbreviation) {
        for (int c = 0; c < text.columnCount(); ++c) {
            if (text.headerData(c, Qt::Horizontal).toString().section(QLatin1Char('\n'), 0, 0) == strAbbreviation)
                return text.cell(0, c);
        }
        return QStringLiteral("no column");
    };
    QCOMPARE(cellOf(QStringLiteral("RES")), QStringLiteral("-"));
    QCOMPARE(cellOf(QStringLiteral("DL1")), QStringLiteral("1:01"));
    QCOMPARE(cellOf(QStringLiteral("DCO")), QStringLiteral("-"));
    // The day less 3700 s of level 1: 82700 s.
    QCOMPARE(cellOf(QStringLiteral("DL5")), QStringLiteral("22:58"));
}

void tst_DBExport::dayModelExportsOneDay()
{
    insertMinute(T1407, 7, 1);
    insertMinute(T1407 + 86400, 7, 2);
    insertMinute(T1407 + 2 * 86400, 7, 3);
    QSqlQueryModel model;
    m_pMinutes->setupDayModel(model, QDate(2016, 3, 6), 7);
    CFelDelimTextModel text;
    CDBExport::fillTextModel(model, text);
    QCOMPARE(text.rowCount(), 1);
    QCOMPARE(text.cell(0, 0), QStringLiteral("06.03.2016 14:07"));
}

void tst_DBExport::emptyPageGivesTheHeaderOnly()
{
    QSqlQueryModel model;
    m_pMinutes->setupQueryModel(model, 7, QString());
    QString strError;
    QVERIFY(CDBExport::exportToFile(model, path("empty.csv"), strError));
    const QByteArray file = readAll(path("empty.csv"));
    QVERIFY(file.startsWith("\"TIM\n\";"));
    QVERIFY(file.endsWith("\"\n"));
    QCOMPARE(file.count("\";\""), model.columnCount() - 1);
}

void tst_DBExport::existingLongerFileIsReplaced()
{
    QFile old(path("old.csv"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    insertMinute(T1407, 7, 1);
    QSqlQueryModel model;
    m_pMinutes->setupQueryModel(model, 7, QString());
    QString strError;
    QVERIFY(CDBExport::exportToFile(model, path("old.csv"), strError));
    const QByteArray file = readAll(path("old.csv"));
    QVERIFY(!file.contains('x'));
    QVERIFY(file.endsWith('\n'));
    QVERIFY(file.size() < 2000);
}

void tst_DBExport::unwritableFileIsReportedAndNothingWritten()
{
    insertMinute(T1407, 7, 1);
    QSqlQueryModel model;
    m_pMinutes->setupQueryModel(model, 7, QString());
    QString strError;
    const QString strFile = path("no/such/dir/x.csv");
    QVERIFY(!CDBExport::exportToFile(model, strFile, strError));
    QVERIFY(!strError.isEmpty());
    QVERIFY(!QFile::exists(strFile));
}

void tst_DBExport::modelWithBoundValuesGivesTheSameText()
{
    insertMinute(T1407, 7, 1);
    insertMinute(T1407 + 60, 7, 2);
    insertMinute(T1407 + 120, 8, 3);
    QSqlQueryModel literal;
    m_pMinutes->setupQueryModel(literal, 7, QString());
    CFelDelimTextModel expected;
    CDBExport::fillTextModel(literal, expected);

    QSqlQuery query(QSqlDatabase::database(CDBBase::UIThread));
    QString strStatement = literal.query().lastQuery();
    strStatement.replace(QStringLiteral("SNR=7"), QStringLiteral("SNR=?"));
    QVERIFY(query.prepare(strStatement));
    query.addBindValue(7);
    QVERIFY(query.exec());
    QSqlQueryModel bound;
    bound.setQuery(query);
    for (int c = 0; c < literal.columnCount(); ++c)
        bound.setHeaderData(c, Qt::Horizontal, literal.headerData(c, Qt::Horizontal));
    CFelDelimTextModel text;
    CDBExport::fillTextModel(bound, text);

    QCOMPARE(text.rowCount(), 2);
    QCOMPARE(text.columnCount(), expected.columnCount());
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < text.columnCount(); ++c)
            QCOMPARE(text.cell(r, c), expected.cell(r, c));
}

int main(int argc, char* argv[])
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);
    tst_DBExport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DBExport.moc"
