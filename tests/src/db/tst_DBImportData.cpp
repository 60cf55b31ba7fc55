#include "RecordingDBMessenger.h"
#include "FelDelimTextModel.h"
#include "db/DBExport.h"
#include "db/DBImportData.h"
#include "db/ImportProgress.h"
#include "db/MinuteLogDB.h"
#include "db/MinuteLogDB70.h"
#include "db/SecLogDB.h"
#include "db/SecLogDB70.h"
#include "db/SerialNrQuestion.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <time.h>

namespace {
// 2016-03-05 14:07 in Berlin (CET, UTC+1) is 13:07 UTC.
const qint64 T1407 = 1457183220;
const int Unit = 4711;

class CAnswer : public CSerialNrQuestion
{
public:
    int askSerialNr() override
    {
        ++m_nAsked;
        return m_nAnswer;
    }
    int m_nAnswer = -1;
    int m_nAsked = 0;
};

// Asks to stop once the row before nCancelAt has been written.
class CCancellingProgress : public CImportProgress
{
public:
    explicit CCancellingProgress(int nCancelAt) : m_nCancelAt(nCancelAt) {}
    void setLabelText(const QString& strText) override { m_strLabel = strText; }
    void setValue(int nValue) override { m_nLast = nValue; }
    bool wasCanceled() const override { return m_nLast + 1 >= m_nCancelAt; }
    int m_nCancelAt;
    int m_nLast = -1;
    QString m_strLabel;
};

QSqlDatabase db()
{
    return QSqlDatabase::database(CDBBase::UIThread);
}

bool exec(const QString& strStatement)
{
    QSqlQuery query(db());
    return query.exec(strStatement);
}

// Every row of the four tables with each value's storage class, in key order.
QByteArray contentDigest()
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const char* table : { "ValueLogs", "SecLogs", "ValueLogs70", "SecLogs70" }) {
        QSqlQuery query(db());
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2, 3;").arg(QLatin1String(table)));
        while (query.next()) {
            for (int c = 0; c < query.record().count(); ++c)
                hash.addData(query.value(c).toString().toUtf8() + '\x1f' + QByteArray::number(query.value(c).type()) + '\x1e');
            hash.addData("\n");
        }
        hash.addData(table);
    }
    return hash.result();
}

int rowCount(const QString& strTable, const QString& strCondition = QStringLiteral("1"))
{
    QSqlQuery query(db());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1 WHERE %2;").arg(strTable, strCondition)) || !query.next())
        return -1;
    return query.value(0).toInt();
}

QStringList column(const QString& strStatement)
{
    QStringList values;
    QSqlQuery query(db());
    if (!query.exec(strStatement))
        return { QStringLiteral("error") };
    while (query.next())
        values << (query.value(0).isNull() ? QStringLiteral("NULL") : query.value(0).toString());
    return values;
}

// Rows as the program keeps them: all columns, "NULL" for no value.
QList<QStringList> allRows(const QString& strTable, const QString& strCondition)
{
    QList<QStringList> rows;
    QSqlQuery query(db());
    query.exec(QStringLiteral("SELECT * FROM %1 WHERE %2 ORDER BY LogTimestamp;").arg(strTable, strCondition));
    while (query.next()) {
        QStringList row;
        for (int c = 0; c < query.record().count(); ++c)
            row << query.record().fieldName(c) + QLatin1Char('=')
                    + (query.value(c).isNull() ? QStringLiteral("NULL") : query.value(c).toString());
        rows << row;
    }
    return rows;
}

QString localTime(qint64 nUnixTime)
{
    return QDateTime::fromSecsSinceEpoch(nUnixTime).toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}
}

// CSV files back into the log tables: table and span from the spacing,
// header recognition, value conversion, serial number question, all or nothing.
class tst_DBImportData : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void minuteExportReimportRewritesTheSameKeys();
    void secondaryExportLandsWithItsSpan_data();
    void secondaryExportLandsWithItsSpan();
    void rowsTwentyMinutesApartAreQuarterHourData();
    void withoutSerialNumberColumnAsksOnce_data();
    void withoutSerialNumberColumnAsksOnce();
    void cellConversions_data();
    void cellConversions();
    void oldHeadersAreRenamed_data();
    void oldHeadersAreRenamed();
    void germanFileIsRecognised();
    void translationsFoundFromAnyWorkingDirectory();
    void equalTimestampsAreStoredOneSecondApart();
    void family70FileStopsAtPrepare();
    void cancelHalfWayLeavesTheDatabaseAsItWas();
    void refusedFiles_data();
    void refusedFiles();
    void oddButSoundFilesImport_data();
    void oddButSoundFilesImport();
    void timestampParsing_data();
    void timestampParsing();

private:
    bool importText(const QByteArray& text, CImportProgress* pProgress = nullptr);
    bool importFileBytes(const QByteArray& bytes);
    void insertMinuteRows();

    std::unique_ptr<QTemporaryDir> m_pDir;
    CRecordingDBMessenger m_Messenger;
    CAnswer m_Answer;
    std::vector<std::unique_ptr<CDBBase>> m_tables;
};

void tst_DBImportData::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    m_Messenger = CRecordingDBMessenger();
    m_Answer = CAnswer();
    m_tables.emplace_back(new CMinuteLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    m_tables.emplace_back(new CSecLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    m_tables.emplace_back(new CMinuteLogDB70(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    m_tables.emplace_back(new CSecLogDB70(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    for (const auto& table : m_tables)
        QVERIFY(table->createTable());
}

void tst_DBImportData::cleanup()
{
    m_tables.clear();
    CDBBase::removeConnection(CDBBase::UIThread);
    m_pDir.reset();
}

bool tst_DBImportData::importText(const QByteArray& text, CImportProgress* pProgress)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    CFelDelimTextModel model;
    if (!model.readDelimited(&buffer))
        return false;
    CDBImportData import(&m_Messenger, &m_Answer);
    return import.importRows(model, QModelIndex(), pProgress);
}

bool tst_DBImportData::importFileBytes(const QByteArray& bytes)
{
    const QString strFile = m_pDir->filePath(QStringLiteral("import.csv"));
    QFile file(strFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    CDBImportData import(&m_Messenger, &m_Answer);
    return import.importFile(strFile, nullptr);
}

// Three minutes of unit 4711, the middle one from a unit without CO2 sensor,
// and one minute of another unit that is not exported.
void tst_DBImportData::insertMinuteRows()
{
    const QString strInsert = QStringLiteral(
        "INSERT INTO ValueLogs (LogTimestamp, SNR, OM, PRG, RED, HR, SC, CL, RA, AFL, TET, HET, TOU, HOU, CO2, TSU, "
        "TSC, TEH, PRS, OPH, FIH, RSSI, SWV, ES, NOCO2) VALUES (%1, %2, 'aut', 'P1', 'dfr', 0, 1, 3, 25, 60, 21.5, "
        "45, -3.25, 80, %3, 18.5, 19.0, 4.5, 985, 1234, 56, -61, '1.07', 'OK', %4);");
    QVERIFY(exec(strInsert.arg(T1407).arg(Unit).arg(650).arg(0)));
    QVERIFY(exec(strInsert.arg(T1407 + 60).arg(Unit).arg(400).arg(1)));
    QVERIFY(exec(strInsert.arg(T1407 + 120).arg(Unit).arg(700).arg(0)));
    QVERIFY(exec(strInsert.arg(T1407 + 60).arg(99).arg(500).arg(0)));
}

void tst_DBImportData::minuteExportReimportRewritesTheSameKeys()
{
    insertMinuteRows();
    QList<QStringList> before = allRows(QStringLiteral("ValueLogs"), QStringLiteral("SNR=4711"));
    QCOMPARE(before.size(), 3);
    const QList<QStringList> otherUnit = allRows(QStringLiteral("ValueLogs"), QStringLiteral("SNR=99"));

    QSqlQueryModel model;
    m_tables.at(0)->setupQueryModel(model, Unit, QString());
    const QString strFile = m_pDir->filePath(QStringLiteral("minutes.csv"));
    QString strError;
    QVERIFY2(CDBExport::exportToFile(model, strFile, strError), qPrintable(strError));

    CDBImportData import(&m_Messenger, &m_Answer);
    QVERIFY(import.importFile(strFile, nullptr));
    QVERIFY(m_Messenger.isEmpty());
    QCOMPARE(m_Answer.m_nAsked, 0);

    // Only what the file does not carry changes: NOCO2, and the CO2 value
    // the page showed as "-".
    for (QStringList& row : before)
        row.last() = QStringLiteral("NOCO2=NULL");
    before[1].replaceInStrings(QStringLiteral("CO2=400"), QStringLiteral("CO2=0"));
    const QList<QStringList> after = allRows(QStringLiteral("ValueLogs"), QStringLiteral("SNR=4711"));
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(after.at(i).join(QLatin1Char(' ')), before.at(i).join(QLatin1Char(' ')));
    QCOMPARE(allRows(QStringLiteral("ValueLogs"), QStringLiteral("SNR=99")), otherUnit);
    QCOMPARE(rowCount(QStringLiteral("SecLogs")), 0);
}

void tst_DBImportData::secondaryExportLandsWithItsSpan_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("spacing");
    QTest::newRow("quarter hour, 900 s apart") << 0 << 900;
    QTest::newRow("day, 86400 s apart") << 1 << 86400;
    QTest::newRow("month, 30 days apart") << 2 << 2592000;
}

void tst_DBImportData::secondaryExportLandsWithItsSpan()
{
    QFETCH(int, span);
    QFETCH(int, spacing);
    // Stored on whole minutes, so the rows come back under their own keys.
    for (int i = 0; i < 4; ++i)
        QVERIFY(exec(QStringLiteral("INSERT INTO SecLogs (LogTimestamp, LTS, SNR, RES, TET, DL1, DL2, DL3, DL4, DCO, "
                                    "ES) VALUES (%1, %2, %3, %4, 20.5, 60, 0, 120, 0, 3660, 'OK');")
                         .arg(T1407 + qint64(i) * spacing).arg(span).arg(Unit).arg(i)));
    QList<QStringList> before = allRows(QStringLiteral("SecLogs"), QStringLiteral("1"));
    // Comfort level 5's duration is shown as the span less levels 1 to 4 and
    // stored as shown.
    const int nSpanSeconds = span == 0 ? 900 : span == 1 ? 86400 : 2592000;
    for (QStringList& row : before)
        row.replaceInStrings(QStringLiteral("DL5=NULL"), QStringLiteral("DL5=%1").arg(nSpanSeconds - 180));

    CSecLogDB* pSecLogs = static_cast<CSecLogDB*>(m_tables.at(1).get());
    QSqlQueryModel model;
    pSecLogs->setupTimeSpanModel(model, span, Unit);
    CFelDelimTextModel text;
    CDBExport::fillTextModel(model, text);
    QCOMPARE(text.rowCount(), 4);
    QVERIFY(exec(QStringLiteral("DELETE FROM SecLogs;")));

    CDBImportData import(&m_Messenger, &m_Answer);
    QVERIFY(import.importRows(text, QModelIndex(), nullptr));
    QVERIFY(m_Messenger.isEmpty());
    QCOMPARE(column(QStringLiteral("SELECT DISTINCT LTS FROM SecLogs;")), QStringList{ QString::number(span) });
    QCOMPARE(rowCount(QStringLiteral("ValueLogs")), 0);
    // RES 0 showed as "-" and comes back as 0; DL5 (computed) has no column.
    QCOMPARE(allRows(QStringLiteral("SecLogs"), QStringLiteral("1")), before);
}

void tst_DBImportData::rowsTwentyMinutesApartAreQuarterHourData()
{
    QVERIFY(importText("TIM;SNR;TEX\n"
                       "05.03.2016 14:00;7;20.5\n"
                       "05.03.2016 14:20;7;20.75\n"
                       "05.03.2016 14:21;7;21\n"));
    QCOMPARE(rowCount(QStringLiteral("ValueLogs")), 0);
    QCOMPARE(column(QStringLiteral("SELECT LTS FROM SecLogs ORDER BY LogTimestamp;")),
             (QStringList{ "0", "0", "0" }));
    QCOMPARE(column(QStringLiteral("SELECT TET FROM SecLogs ORDER BY LogTimestamp;")),
             (QStringList{ "20.5", "20.75", "21" }));
}

void tst_DBImportData::withoutSerialNumberColumnAsksOnce_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("imported");
    QTest::newRow("import without serial number") << 0 << true;
    QTest::newRow("serial number entered") << 815 << true;
    QTest::newRow("cancel") << -1 << false;
}

void tst_DBImportData::withoutSerialNumberColumnAsksOnce()
{
    QFETCH(int, answer);
    QFETCH(bool, imported);
    m_Answer.m_nAnswer = answer;
    const QByteArray digest = contentDigest();
    QCOMPARE(importText("TIM;OPH\n05.03.2016 14:07;1\n05.03.2016 14:08;2\n05.03.2016 14:09;3\n05.03.2016 14:10;4\n"),
             imported);
    QCOMPARE(m_Answer.m_nAsked, 1);
    QVERIFY(m_Messenger.isEmpty());
    if (imported) {
        QCOMPARE(column(QStringLiteral("SELECT SNR FROM ValueLogs;")), QVector<QString>(4, QString::number(answer)).toList());
    } else {
        QCOMPARE(contentDigest(), digest);
    }
}

void tst_DBImportData::cellConversions_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("storageClass");
    QTest::newRow("1:05 in an int column") << "OPH" << "1:05" << "3900" << "integer";
    QTest::newRow("1:05 in a text column") << "OM" << "1:05" << "3900" << "text";
    QTest::newRow("- becomes 0") << "OPH" << "-" << "0" << "integer";
    QTest::newRow("0:00 becomes 0") << "OPH" << "0:00" << "0" << "integer";
    QTest::newRow(":30, no hours") << "OPH" << ":30" << "1800" << "integer";
    QTest::newRow("123:59") << "OPH" << "123:59" << QString::number(123 * 3600 + 59 * 60) << "integer";
    QTest::newRow("1:5 is no duration") << "OM" << "1:5" << "1:5" << "text";
    QTest::newRow("1:050 is no duration") << "OM" << "1:050" << "1:050" << "text";
    QTest::newRow("a:05 is no duration") << "OM" << "a:05" << "a:05" << "text";
    QTest::newRow("real text becomes a number") << "TEX" << "21.25" << "21.25" << "real";
    QTest::newRow("whole number in a real column") << "TEX" << "21" << "21" << "real";
    QTest::newRow("negative whole number") << "RSSI" << "-61" << "-61" << "integer";
    QTest::newRow("leading zeros") << "OPH" << "007" << "7" << "integer";
    QTest::newRow("number text SQLite converts") << "OPH" << "1e3" << "1000" << "integer";
    QTest::newRow("20 digits stay for SQLite") << "OPH" << "12345678901234567890" << "12345678901234567000" << "real";
    QTest::newRow("text in an int column stays text") << "OPH" << "abc" << "abc" << "text";
    QTest::newRow("empty number cell is no value") << "OPH" << "" << "" << "null";
    QTest::newRow("empty text cell stays text") << "OM" << "" << "" << "text";
    QTest::newRow("hours beyond any duration stay text")
        << "OM" << "99999999999999999999:00" << "99999999999999999999:00" << "text";
}

void tst_DBImportData::cellConversions()
{
    QFETCH(QString, header);
    QFETCH(QString, cell);
    QFETCH(QString, stored);
    QFETCH(QString, storageClass);
    // The cell is not the last of its row: a trailing empty field is no field.
    const QByteArray text = "TIM;" + header.toLatin1() + ";SNR\n05.03.2016 14:07;" + cell.toLatin1()
        + ";5\n05.03.2016 14:08;1;5\n05.03.2016 14:09;1;5\n";
    QVERIFY(importText(text));
    const QString strColumn = header == QLatin1String("TEX") ? QStringLiteral("TET") : header;
    QSqlQuery query(db());
    QVERIFY(query.exec(QStringLiteral("SELECT %1, typeof(%1) FROM ValueLogs WHERE LogTimestamp=%2;")
                           .arg(strColumn)
                           .arg(T1407)));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), stored);
    QCOMPARE(query.value(1).toString(), storageClass);
}

void tst_DBImportData::oldHeadersAreRenamed_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("column");
    QTest::newRow("TET read as TEX") << QByteArray("TET") << "TET";
    QTest::newRow("HET read as HEX") << QByteArray("HET") << "HET";
    QTest::newRow("SC read as CA") << QByteArray("SC") << "SC";
}

void tst_DBImportData::oldHeadersAreRenamed()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, column);
    QVERIFY(importText("TIM;SNR;" + header + "\n05.03.2016 14:07;5;7\n05.03.2016 14:08;5;8\n05.03.2016 14:09;5;9\n"));
    QCOMPARE(::column(QStringLiteral("SELECT %1 FROM ValueLogs ORDER BY LogTimestamp;").arg(column)),
             (QStringList{ "7", "8", "9" }));
}

// German headers: translated literals (ZST, BST) and German catalogue
// abbreviations (TAB for the extract-air temperature).
void tst_DBImportData::germanFileIsRecognised()
{
    const bool bOk = importText("\"zst\n\";\"SNR\n\";\"TAB\n[\xB0""C]\";\"BST\n[h]\"\n"
                       "05.03.2016 14:07;5;20,5;10\n05.03.2016 14:08;5;21.5;11\n05.03.2016 14:09;5;22.5;12\n");
    QVERIFY2(bOk, qPrintable(m_Messenger.m_Warnings.join(QLatin1Char('|'))));
    QCOMPARE(column(QStringLiteral("SELECT TET FROM ValueLogs ORDER BY LogTimestamp;")),
             (QStringList{ "20,5", "21.5", "22.5" }));
    QCOMPARE(column(QStringLiteral("SELECT OPH FROM ValueLogs ORDER BY LogTimestamp;")),
             (QStringList{ "10", "11", "12" }));
}

void tst_DBImportData::translationsFoundFromAnyWorkingDirectory()
{
    const QString strOld = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_pDir->path()));
    const bool bOk = importText("TIM;SNR\n05.03.2016 14:07;5\n05.03.2016 14:08;5\n05.03.2016 14:09;5\n");
    QDir::setCurrent(strOld);
    QVERIFY(bOk);
    QVERIFY(m_Messenger.isEmpty());
}

void tst_DBImportData::equalTimestampsAreStoredOneSecondApart()
{
    QVERIFY(importText("TIM;SNR;OPH\n05.03.2016 14:07;5;1\n05.03.2016 14:07;5;2\n05.03.2016 14:07;5;3\n"
                       "05.03.2016 14:08;5;4\n"));
    QCOMPARE(column(QStringLiteral("SELECT LogTimestamp || '/' || OPH FROM ValueLogs ORDER BY LogTimestamp;")),
             (QStringList{ QStringLiteral("%1/1").arg(T1407), QStringLiteral("%1/2").arg(T1407 + 1),
                           QStringLiteral("%1/3").arg(T1407 + 2), QStringLiteral("%1/4").arg(T1407 + 60) }));
}

void tst_DBImportData::family70FileStopsAtPrepare()
{
    for (int i = 0; i < 3; ++i)
        QVERIFY(exec(QStringLiteral("INSERT INTO ValueLogs70 (LogTimestamp, SNR, AQE, AQS, TET) VALUES (%1, %2, 900, "
                                    "700, 20.5);")
                         .arg(T1407 + 60 * i)
                         .arg(Unit)));
    QSqlQueryModel model;
    m_tables.at(2)->setupQueryModel(model, Unit, QString());
    CFelDelimTextModel text;
    CDBExport::fillTextModel(model, text);
    const QByteArray digest = contentDigest();

    CDBImportData import(&m_Messenger, &m_Answer);
    QVERIFY(!import.importRows(text, QModelIndex(), nullptr));
    QCOMPARE(m_Messenger.m_Warnings.size(), 1);
    QVERIFY2(m_Messenger.m_Warnings.first().startsWith(QStringLiteral("Error on preparing the SQL statement: '")),
             qPrintable(m_Messenger.m_Warnings.first()));
    QCOMPARE(contentDigest(), digest);
}

void tst_DBImportData::cancelHalfWayLeavesTheDatabaseAsItWas()
{
    insertMinuteRows();
    QByteArray text = "TIM;SNR;OPH\n";
    for (int i = 0; i < 200; ++i)
        text += localTime(T1407 - 3600 + 60 * i).toLatin1() + ";4711;" + QByteArray::number(i) + "\n";
    const QByteArray digest = contentDigest();

    CCancellingProgress progress(100);
    QVERIFY(!importText(text, &progress));
    QCOMPARE(progress.m_nLast, 99);
    QCOMPARE(progress.m_strLabel, QStringLiteral("Writing data into database..."));
    QVERIFY(m_Messenger.isEmpty());
    QCOMPARE(contentDigest(), digest);

    // The connection is usable afterwards: no transaction was left open.
    QVERIFY(importText(text));
    QCOMPARE(rowCount(QStringLiteral("ValueLogs"), QStringLiteral("SNR=4711")), 200);
}

// Every refused file: one clear message, false, and not one row changed. The
// database holds rows before, so a half-written import would show.
void tst_DBImportData::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray good = "TIM;SNR;OPH\n05.03.2016 14:07;5;1\n05.03.2016 14:08;5;2\n05.03.2016 14:09;5;3\n";
    QTest::newRow("empty file") << QByteArray()
                                << "The import data seem to have only 0 rows. A minimum of 3 rows is required.";
    QTest::newRow("header only") << QByteArray("TIM;SNR;OPH\n")
                                 << "The import data seem to have only 0 rows. A minimum of 3 rows is required.";
    QTest::newRow("two rows") << QByteArray("TIM;SNR\n05.03.2016 14:07;5\n05.03.2016 14:08;5\n")
                              << "The import data seem to have only 2 rows. A minimum of 3 rows is required.";
    QTest::newRow("service page export") << QByteArray("Parameter;Value\nA;1\nB;2\nC;3\n")
                                         << "Unknown file format of CSV file.";
    QTest::newRow("unknown column") << QByteArray("TIM;SNR;XYZ\n05.03.2016 14:07;5;1\n05.03.2016 14:08;5;2\n"
                                                  "05.03.2016 14:09;5;3\n")
                                    << "Unknown column 'XYZ'";
    QTest::newRow("row longer than the header")
        << QByteArray("TIM;SNR\n05.03.2016 14:07;5;1\n05.03.2016 14:08;5\n05.03.2016 14:09;5\n")
        << "Unknown column ''";
    const QString strUtf16 = QStringLiteral("TIM;SNR\n05.03.2016 14:07;5\n");
    const QByteArray utf16(reinterpret_cast<const char*>(strUtf16.utf16()), strUtf16.size() * 2);
    QTest::newRow("UTF-16 file without byte-order mark") << utf16 << "Unable to read file";
    QTest::newRow("UTF-16 file with byte-order mark, one row")
        << QByteArray("\xFF\xFE") + utf16 << "The import data seem to have only 1 rows.";
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 7919 + 13) % 256);
    QTest::newRow("binary junk") << junk << "Unable to read file";
    QByteArray junkWithoutNul = junk;
    junkWithoutNul.replace('\0', '\x01');
    QTest::newRow("binary junk without NUL") << junkWithoutNul << "";
    QTest::newRow("unbalanced quote") << QByteArray("TIM;SNR;OM\n05.03.2016 14:07;5;\"aut\n05.03.2016 14:08;5;aut\n"
                                                    "05.03.2016 14:09;5;aut\n")
                                      << "Unable to read file";
    QTest::newRow("huge field") << good + "05.03.2016 14:10;5;" + QByteArray(3 << 20, '7') + "\n"
                                << "Unable to read file";
    QTest::newRow("a million columns") << QByteArray("TIM") + QByteArray(1000000, ';') + "\n" << "Unable to read file";
    QTest::newRow("time stamp that does not parse, row 3")
        << QByteArray("TIM;SNR;OPH\n05.03.2016 14:07;5;1\n05.03.2016 14:08;5;2\n2016-03-05 14:09;5;3\n"
                      "05.03.2016 14:10;5;4\n")
        << "Row 3 of the file was refused: its time stamp '2016-03-05 14:09' is not a date and time of the form "
           "dd.MM.yyyy HH:mm. Nothing was imported.";
    QTest::newRow("31st of February") << QByteArray("TIM;SNR\n05.03.2016 14:07;5\n05.03.2016 14:08;5\n"
                                                    "31.02.2016 14:09;5\n")
                                      << "Row 3 of the file was refused";
    QTest::newRow("missing time stamp cell")
        << QByteArray("TIM;SNR;OPH\n05.03.2016 14:07;5;1\n05.03.2016 14:08;5;2\n\n") << "Row 3 of the file";
}

void tst_DBImportData::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    insertMinuteRows();
    QVERIFY(exec(QStringLiteral("INSERT INTO SecLogs (LogTimestamp, LTS, SNR, TET) VALUES (%1, 0, 5, 20);").arg(T1407)));
    const QByteArray digest = contentDigest();

    QVERIFY(!importFileBytes(bytes));
    QCOMPARE(m_Messenger.m_Warnings.size(), 1);
    QVERIFY2(m_Messenger.m_Warnings.first().startsWith(message), qPrintable(m_Messenger.m_Warnings.first()));
    QVERIFY(m_Messenger.m_Criticals.isEmpty());
    QCOMPARE(contentDigest(), digest);
}

void tst_DBImportData::oddButSoundFilesImport_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("oph");
    QTest::newRow("CRLF line ends") << QByteArray("TIM;SNR;OPH\r\n05.03.2016 14:07;5;1\r\n05.03.2016 14:08;5;2\r\n"
                                                  "05.03.2016 14:09;5;3\r\n")
                                    << QStringList{ "1", "2", "3" };
    QTest::newRow("UTF-8 unit in the header, last line without end")
        << QByteArray("\"TIM\n\";\"SNR\n\";\"TEX\n[\xC2\xB0""C]\";\"OPH\n[h]\"\n05.03.2016 14:07;5;20;1\n"
                      "05.03.2016 14:08;5;20;2\n05.03.2016 14:09;5;20;3")
        << QStringList{ "1", "2", "3" };
    QTest::newRow("short rows") << QByteArray("TIM;SNR;OPH\n05.03.2016 14:07;5;1\n05.03.2016 14:08;5\n"
                                              "05.03.2016 14:09\n")
                                << QStringList{ "1", "NULL", "NULL" };
    QTest::newRow("same field twice: the later column counts")
        << QByteArray("TIM;OPH;SNR;OPH\n05.03.2016 14:07;9;5;1\n05.03.2016 14:08;9;5;2\n05.03.2016 14:09;9;5;3\n")
        << QStringList{ "1", "2", "3" };
    QTest::newRow("computed column skipped") << QByteArray("TIM;SNR;OPH;HRP\n05.03.2016 14:07;5;1;80\n"
                                                           "05.03.2016 14:08;5;2;81\n05.03.2016 14:09;5;3;82\n")
                                             << QStringList{ "1", "2", "3" };
    QTest::newRow("quotes and separators in a text cell")
        << QByteArray("TIM;SNR;OPH;OM\n05.03.2016 14:07;5;1;\"a;\"\"b\"\"\"\n05.03.2016 14:08;5;2;x\n"
                      "05.03.2016 14:09;5;3;y\n")
        << QStringList{ "1", "2", "3" };
}

void tst_DBImportData::oddButSoundFilesImport()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, oph);
    QVERIFY(importFileBytes(bytes));
    QVERIFY2(m_Messenger.isEmpty(), qPrintable(m_Messenger.m_Warnings.join('|')));
    QCOMPARE(column(QStringLiteral("SELECT OPH FROM ValueLogs ORDER BY LogTimestamp;")), oph);
}

void tst_DBImportData::timestampParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("unixTime");
    QTest::newRow("winter, UTC+1") << "05.03.2016 14:07" << true << T1407;
    QTest::newRow("summer, UTC+2") << "05.07.2016 14:07" << true << qint64(1467720420);
    QTest::newRow("new year's midnight") << "01.01.2017 00:00" << true << qint64(1483225200);
    QTest::newRow("seconds") << "05.03.2016 14:07:00" << false << qint64(0);
    QTest::newRow("one-digit day") << "5.03.2016 14:07" << false << qint64(0);
    QTest::newRow("hour 24") << "05.03.2016 24:00" << false << qint64(0);
    QTest::newRow("minute 60") << "05.03.2016 14:60" << false << qint64(0);
    QTest::newRow("month 13") << "05.13.2016 14:07" << false << qint64(0);
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0660\u0665.03.2016 14:07") << false << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
}

void tst_DBImportData::timestampParsing()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, unixTime);
    qint64 nParsed = 0;
    QCOMPARE(CDBImportData::parseTimestamp(text, nParsed), valid);
    if (valid)
        QCOMPARE(nParsed, unixTime);
}

int main(int argc, char* argv[])
{
    // Local time is Berlin's for every case, before anything reads the zone.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);
    tst_DBImportData test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DBImportData.moc"
