#include "db/DBImportData.h"

#include "DataDict.h"
#include "FelDelimTextModel.h"
#include "TranslationInstaller.h"
#include "db/DBMessageBoxMessenger.h"
#include "db/DBMessenger.h"
#include "db/ImportProgress.h"
#include "db/ImportProgressDialog.h"
#include "db/SerialNrQuestion.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QTranslator>
#include <QVector>

namespace {

QString column(int nField)
{
    return CDataDict::instance()->text(nField, CDataDict::TextColumn);
}

// Older header texts and the names they are looked up under.
QString renamedHeader(const QString& strHeader)
{
    static const QHash<QString, QString> renames = {
        { "SVB", "EVB" }, { "VST", "LST" }, { "SK", "KU" },     { "TET", "TEX" },    { "HET", "HEX" },
        { "SC", "CA" },   { "DC2", "DC2R" }, { "VGZ", "LGZ" },  { "VGA", "LGA" },    { "DSeM", "DSE" },
        { "AQE", "QEA" }, { "AQS", "QSA" }, { "DCO2I", "DC2I" }, { "DHuCO2I", "DHCI" },
    };
    return renames.value(strHeader, strHeader);
}

// The abbreviation part of a display header ("TEX\n[°C]" -> "TEX").
QString headerName(const CFelDelimTextModel& model, int nColumn)
{
    const QString strHeader = model.headerData(nColumn, Qt::Horizontal, Qt::DisplayRole).toString();
    const int nBreak = strHeader.indexOf(QLatin1Char('\n'));
    return nBreak < 0 ? strHeader : strHeader.left(nBreak);
}

// A cell of an untrusted file may be huge; messages show its beginning only.
QString shortened(const QString& strText)
{
    const int MaxShown = 60;
    return strText.size() <= MaxShown ? strText : strText.left(MaxShown) + QStringLiteral("...");
}

// "[0-9]*:[0-9]{2,2}" as h*3600 + m*60. Hour digits beyond what fits a
// duration are no duration: the text is kept as it is.
bool durationSeconds(const QString& strText, qint64& nSeconds)
{
    const int nLength = strText.size();
    const int MaxHourDigits = 12;
    if (nLength < 3 || nLength > MaxHourDigits + 3 || strText.at(nLength - 3) != QLatin1Char(':'))
        return false;
    qint64 nHours = 0;
    for (int i = 0; i < nLength - 3; ++i) {
        const ushort c = strText.at(i).unicode();
        if (c < '0' || c > '9')
            return false;
        nHours = nHours * 10 + (c - '0');
    }
    const ushort m1 = strText.at(nLength - 2).unicode();
    const ushort m2 = strText.at(nLength - 1).unicode();
    if (m1 < '0' || m1 > '9' || m2 < '0' || m2 > '9')
        return false;
    nSeconds = nHours * 3600 + ((m1 - '0') * 10 + (m2 - '0')) * 60;
    return true;
}

// In a number column: an empty cell is no value, as it was exported, and a
// whole number is bound as a number. SQLite would turn the text into that
// same number; binding it spares the text conversion of most cells.
void numericValue(const QString& strText, QVariant& value)
{
    const int nLength = strText.size();
    if (nLength == 0) {
        value = QVariant();
        return;
    }
    const int MaxDigits = 18;
    const bool bNegative = strText.at(0) == QLatin1Char('-');
    const int nFirst = bNegative ? 1 : 0;
    if (nLength == nFirst || nLength - nFirst > MaxDigits)
        return;
    qint64 nNumber = 0;
    for (int i = nFirst; i < nLength; ++i) {
        const ushort c = strText.at(i).unicode();
        if (c < '0' || c > '9')
            return;
        nNumber = nNumber * 10 + (c - '0');
    }
    value = bNegative ? -nNumber : nNumber;
}

// Local "dd.MM.yyyy HH:mm" to Unix time. Converting a local time is costly,
// and a file holds up to 60 rows per hour: the start of the last hour is kept.
class CTimestampParser
{
public:
    bool parse(const QString& strText, qint64& nUnixTime)
    {
        if (strText.size() != 16)
            return false;
        const QChar* p = strText.constData();
        int nDay, nMonth, nYear, nHour, nMinute;
        if (!digits(p, 0, 2, nDay) || p[2] != QLatin1Char('.') || !digits(p, 3, 2, nMonth) || p[5] != QLatin1Char('.')
            || !digits(p, 6, 4, nYear) || p[10] != QLatin1Char(' ') || !digits(p, 11, 2, nHour)
            || p[13] != QLatin1Char(':') || !digits(p, 14, 2, nMinute))
            return false;
        const QDate date(nYear, nMonth, nDay);
        if (!date.isValid() || nHour > 23 || nMinute > 59)
            return false;
        const qint64 nKey = date.toJulianDay() * 24 + nHour;
        if (!m_bCached || nKey != m_nKey) {
            const QDateTime hour(date, QTime(nHour, 0), Qt::LocalTime);
            if (!hour.isValid())
                return false;
            m_nHourStart = hour.toSecsSinceEpoch();
            m_nKey = nKey;
            m_bCached = true;
        }
        nUnixTime = m_nHourStart + nMinute * 60;
        return true;
    }

private:
    static bool digits(const QChar* p, int nPos, int nCount, int& nValue)
    {
        nValue = 0;
        for (int i = nPos; i < nPos + nCount; ++i) {
            const ushort c = p[i].unicode();
            if (c < '0' || c > '9')
                return false;
            nValue = nValue * 10 + (c - '0');
        }
        return true;
    }

    bool m_bCached = false;
    qint64 m_nKey = 0;
    qint64 m_nHourStart = 0;
};

} // namespace

// The locals of one import.
struct CDBImportData::SPlan
{
    QMap<int, int> fieldToColumn;
    QStringList columns;
    QStringList placeholders;
    QString strTable;
    int nSpan = -1;
    int nSerialNr = -1;
    bool bHavePrevious = false;
    qint64 nPreviousParsed = 0;
    qint64 nPreviousStored = 0;
    CTimestampParser parser;
};

CDBImportData::CDBImportData(CDBMessenger* pMessenger, CSerialNrQuestion* pQuestion, const QString& connectionName,
                             QObject* parent)
    : QObject(parent)
    , m_pMessenger(pMessenger ? pMessenger : CDBMessageBoxMessenger::instance())
    , m_pQuestion(pQuestion)
    , m_strConnection(connectionName)
{
    const CDataDict* pDict = CDataDict::instance();
    m_placeholders.reserve(CDataDict::FieldCount);
    m_numeric.reserve(CDataDict::FieldCount);
    for (int nField = 0; nField < CDataDict::FieldCount; ++nField) {
        m_placeholders << QLatin1Char(':') + column(nField);
        const int nType = pDict->dataType(nField);
        m_numeric << (nType == CDataDict::DT_Int || nType == CDataDict::DT_Flag || nType == CDataDict::DT_Real);
    }
}

bool CDBImportData::importData(CFelDelimTextModel& model, const QModelIndex& parent, QProgressDialog* progress)
{
    CImportProgressDialog dialog(progress);
    return importRows(model, parent, &dialog);
}

bool CDBImportData::importFile(const QString& strFileName, CImportProgress* pProgress)
{
    QFile file(strFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("Unable to open file '%1'.\n%2").arg(strFileName, file.errorString()));
        return false;
    }
    CFelDelimTextModel model;
    if (!model.readDelimited(&file)) {
        warn(tr("Unable to read file '%1'.\n%2").arg(strFileName, model.errorString()));
        return false;
    }
    file.close();
    return importRows(model, QModelIndex(), pProgress);
}

bool CDBImportData::importRows(CFelDelimTextModel& model, const QModelIndex& parent, CImportProgress* pProgress)
{
    SPlan plan;
    if (!checkRowCount(model, parent) || !makePlan(model, parent, plan))
        return false;
    if (pProgress)
        pProgress->setLabelText(tr("Writing data into database..."));
    QSqlDatabase db = QSqlDatabase::database(m_strConnection, false);
    // Without a transaction the rows would be written one by one and a
    // failure would leave half a file behind: refuse instead.
    if (!db.transaction()) {
        warn(tr("Error on starting a database transaction: '%1'").arg(db.lastError().text()));
        return false;
    }
    bool bOk = false;
    {
        QSqlQuery query(db);
        const QString strStatement = QStringLiteral("INSERT OR REPLACE INTO %1 (%2) VALUES (%3)")
                                         .arg(plan.strTable, plan.columns.join(QLatin1Char(',')),
                                              plan.placeholders.join(QLatin1Char(',')));
        if (!query.prepare(strStatement)) {
            qDebug() << "CDBImportData::importData:" << strStatement << query.lastError().text();
            warn(tr("Error on preparing the SQL statement: '%1'").arg(query.lastError().text()));
        } else {
            bOk = writeRows(model, query, plan, pProgress);
        }
        // An unfinished statement would keep the rollback from ending the transaction.
        query.finish();
    }
    if (!bOk) {
        db.rollback();
        return false;
    }
    if (!db.commit())
        return fail(db, tr("Error on inserting an SQL record: '%1'").arg(db.lastError().text()));
    return true;
}

// Columns and placeholders of the statement: the file's fields in ascending
// field index, then the span (secondary logs) and the asked serial number
// when the file has none.
bool CDBImportData::makePlan(CFelDelimTextModel& model, const QModelIndex& parent, SPlan& plan)
{
    if (!mapColumns(model, parent, plan.fieldToColumn))
        return false;
    for (auto it = plan.fieldToColumn.cbegin(); it != plan.fieldToColumn.cend(); ++it) {
        plan.columns << column(it.key());
        plan.placeholders << m_placeholders.at(it.key());
    }
    chooseTable(model, plan);
    if (plan.nSpan >= 0) {
        plan.columns << column(DDF_LogEntryTimeSpan);
        plan.placeholders << m_placeholders.at(DDF_LogEntryTimeSpan);
    }
    if (!plan.fieldToColumn.contains(DDF_SerialNumber)) {
        plan.fieldToColumn.insert(DDF_SerialNumber, -1);
        plan.columns << column(DDF_SerialNumber);
        plan.placeholders << m_placeholders.at(DDF_SerialNumber);
    }
    return true;
}

bool CDBImportData::checkRowCount(const CFelDelimTextModel& model, const QModelIndex& parent)
{
    const int nRows = model.rowCount(parent);
    if (nRows >= 3)
        return true;
    warn(tr("The import data seem to have only %1 rows. A minimum of 3 rows is required.").arg(nRows));
    return false;
}

bool CDBImportData::mapColumns(CFelDelimTextModel& model, const QModelIndex& parent, QMap<int, int>& fieldToColumn)
{
    const int nColumns = model.columnCount(parent);
    QTranslator english;
    QTranslator german;
    for (const auto& locale : { std::make_pair(&english, "en"), std::make_pair(&german, "de") }) {
        if (!CTranslationInstaller::loadCommon(*locale.first, QLatin1String(locale.second))) {
            warn(QCoreApplication::translate("main", "Unable to load translations for locale '%1'.")
                     .arg(QLatin1String(locale.second)));
            return false;
        }
    }
    const QString strFirst = nColumns > 0 ? headerName(model, 0) : QString();
    QHash<QString, int> fieldOfName;
    if (!fieldNames(strFirst, english, german, fieldOfName)) {
        warn(tr("Unknown file format of CSV file."));
        return false;
    }
    fieldToColumn.clear();
    for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
        const QString strHeader = headerName(model, nColumn);
        // The first header was recognised as the time stamp, in any case.
        const int nField = nColumn == 0 ? int(DDF_LogTimestamp) : fieldOfName.value(renamedHeader(strHeader), -1);
        if (nField < 0) {
            warn(tr("Unknown column '%1'").arg(shortened(strHeader)));
            return false;
        }
        // Computed values (air density, heat recovery...) have no column.
        if (!column(nField).isEmpty())
            fieldToColumn[nField] = nColumn;
    }
    return true;
}

// Recognises the file's language by its first header, the time stamp's
// abbreviation, and gives the field of every abbreviation in that language.
// Abbreviations from the text catalogue follow its language, the others the
// translator. Where fields share an abbreviation, one with a database column
// wins (the software version "SWV" is stored by field 90, not by field 57).
// A program that ran without the translator wrote the untranslated text.
bool CDBImportData::fieldNames(const QString& strFirstHeader, QTranslator& english, QTranslator& german,
                               QHash<QString, int>& fieldOfName)
{
    const QByteArray timeAbbreviation =
        CDataDict::instance()->text(DDF_LogTimestamp, CDataDict::TextAbbreviationRaw).toUtf8();
    QTranslator* pTranslator = &german;
    ECatalogueLanguage language = ECatalogueLanguage::German;
    if (strFirstHeader.compare(translatedAbbreviation(german, timeAbbreviation.constData()), Qt::CaseInsensitive)
        != 0) {
        if (strFirstHeader.compare(translatedAbbreviation(english, timeAbbreviation.constData()), Qt::CaseInsensitive)
            != 0)
            return false;
        pTranslator = &english;
        language = ECatalogueLanguage::English;
    }
    const CDataDict dict(language);
    auto addNames = [&](bool bWithColumn, bool bTranslated) {
        for (int nField = 0; nField < CDataDict::FieldCount; ++nField) {
            if (column(nField).isEmpty() == bWithColumn)
                continue;
            const QString strRaw = dict.text(nField, CDataDict::TextAbbreviationRaw);
            const QString strName =
                bTranslated ? translatedAbbreviation(*pTranslator, strRaw.toUtf8().constData()) : strRaw;
            if (!strName.isEmpty() && !fieldOfName.contains(strName))
                fieldOfName.insert(strName, nField);
        }
    };
    addNames(true, true);
    addNames(false, true);
    addNames(true, false);
    addNames(false, false);
    return true;
}

// The spacing of the first two rows tells the kind of data: minute values,
// or secondary-log entries of a quarter hour, a day or a month.
void CDBImportData::chooseTable(const CFelDelimTextModel& model, SPlan& plan) const
{
    const int nTimeColumn = plan.fieldToColumn.value(DDF_LogTimestamp, 0);
    qint64 t0 = 0;
    qint64 t1 = 0;
    const bool bValid = parseTimestamp(model.cell(0, nTimeColumn), t0) && parseTimestamp(model.cell(1, nTimeColumn), t1);
    const qint64 d = bValid ? t1 - t0 : 0;
    if (d <= 600) {
        plan.strTable = CDBBase::tableName(CDataDict::TM_ValueLogs);
        plan.nSpan = -1;
        return;
    }
    plan.strTable = CDBBase::tableName(CDataDict::TM_SecLogs);
    if (d <= 72000)
        plan.nSpan = 0;
    else if (d <= 2160000)
        plan.nSpan = 1;
    else
        plan.nSpan = 2;
}

bool CDBImportData::writeRows(CFelDelimTextModel& model, QSqlQuery& query, SPlan& plan, CImportProgress* pProgress)
{
    const int nRows = model.rowCount();
    const QString strSpanPlaceholder = m_placeholders.at(DDF_LogEntryTimeSpan);
    for (int nRow = 0; nRow < nRows; ++nRow) {
        if (!bindRow(model, nRow, query, plan))
            return false;
        if (plan.nSpan != -1)
            query.bindValue(strSpanPlaceholder, plan.nSpan);
        if (!query.exec()) {
            qDebug() << "CDBImportData::importData: row" << nRow << query.lastError().text();
            warn(tr("Error on inserting an SQL record: '%1'").arg(query.lastError().text()));
            return false;
        }
        if (pProgress) {
            if (pProgress->wasCanceled())
                return false;
            pProgress->setValue(nRow);
        }
    }
    return true;
}

bool CDBImportData::bindRow(CFelDelimTextModel& model, int nRow, QSqlQuery& query, SPlan& plan)
{
    for (auto it = plan.fieldToColumn.cbegin(); it != plan.fieldToColumn.cend(); ++it) {
        QVariant value;
        if (it.value() < 0) {
            plan.nSerialNr = askSerialNr(plan.nSerialNr);
            if (plan.nSerialNr < 0)
                return false;
            value = plan.nSerialNr;
        } else {
            value = model.cell(nRow, it.value());
        }
        if (it.key() == DDF_LogTimestamp) {
            const QString strText = value.toString();
            qint64 nTime = 0;
            if (!plan.parser.parse(strText, nTime)) {
                warn(tr("Row %1 of the file was refused: its time stamp '%2' is not a date and time of the form "
                        "dd.MM.yyyy HH:mm. Nothing was imported.")
                         .arg(nRow + 1)
                         .arg(shortened(strText)));
                return false;
            }
            // Rows that share a time stamp are kept one second apart instead
            // of replacing each other.
            const qint64 nParsed = nTime;
            if (plan.bHavePrevious && nParsed == plan.nPreviousParsed)
                nTime = plan.nPreviousStored + 1;
            plan.bHavePrevious = true;
            plan.nPreviousParsed = nParsed;
            plan.nPreviousStored = nTime;
            value = nTime;
        }
        bindImportValue(query, it.key(), value);
    }
    return true;
}

void CDBImportData::bindImportValue(QSqlQuery& query, int nDataDictField, QVariant& value)
{
    if (nDataDictField < 0 || nDataDictField >= m_placeholders.size())
        return;
    if (value.type() == QVariant::String) {
        const QString strText = value.toString();
        qint64 nSeconds = 0;
        if (strText == QLatin1String("-"))
            value = 0;
        else if (durationSeconds(strText, nSeconds))
            value = nSeconds;
        else if (m_numeric.at(nDataDictField))
            numericValue(strText, value);
    }
    query.bindValue(m_placeholders.at(nDataDictField), value, QSql::In);
}

int CDBImportData::askSerialNr(int nSerialNr)
{
    if (nSerialNr >= 0)
        return nSerialNr;
    if (!m_pQuestion) {
        qDebug() << "CDBImportData::askSerialNr: nobody to ask, import cancelled";
        return -1;
    }
    return qMax(-1, m_pQuestion->askSerialNr());
}

QString CDBImportData::translatedAbbreviation(QTranslator& translator, const char* abbreviation)
{
    const QString strTranslated = translator.translate("CDataDict", abbreviation);
    return strTranslated.isEmpty() ? QString::fromUtf8(abbreviation) : strTranslated;
}

bool CDBImportData::parseTimestamp(const QString& strText, qint64& nUnixTime)
{
    CTimestampParser parser;
    return parser.parse(strText, nUnixTime);
}

bool CDBImportData::fail(QSqlDatabase& db, const QString& strText)
{
    db.rollback();
    warn(strText);
    return false;
}

void CDBImportData::warn(const QString& strText)
{
    qDebug() << "CDBImportData:" << strText;
    m_pMessenger->warning(strText);
}
