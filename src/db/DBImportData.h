#ifndef DBIMPORTDATA_H
#define DBIMPORTDATA_H

#include "db/DBBase.h"

#include <QHash>
#include <QMap>
#include <QModelIndex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class CDBMessenger;
class CFelDelimTextModel;
class CImportProgress;
class CSerialNrQuestion;
class QProgressDialog;
class QSqlQuery;
class QTranslator;

// Turns a CSV file exported from a 100-family log page back into rows of
// "ValueLogs" or "SecLogs". Columns are recognised by their header texts in
// English or German; the spacing of the first two time stamps tells minute
// values from the secondary-log spans. All rows go in through one prepared
// "INSERT OR REPLACE" inside one transaction: an import is all or nothing.
// Files are untrusted; every refusal is told through the messenger.
// UI thread only; keeps no state between imports.
class CDBImportData : public QObject
{
    Q_OBJECT
public:
    // The connection must have been opened (and the tables created) by the
    // table objects. Messenger and question are not owned; without a
    // messenger the texts go to message boxes, without a question a file
    // without serial numbers is refused.
    explicit CDBImportData(CDBMessenger* pMessenger = nullptr, CSerialNrQuestion* pQuestion = nullptr,
                           const QString& connectionName = CDBBase::UIThread, QObject* parent = nullptr);

    // Imports the rows of a model read with a header row. The dialog's
    // maximum should be the model's row count. True when the rows were committed.
    bool importData(CFelDelimTextModel& model, const QModelIndex& parent, QProgressDialog* progress);
    // The same with any progress display (nullptr: none, never cancelled).
    bool importRows(CFelDelimTextModel& model, const QModelIndex& parent, CImportProgress* pProgress);
    // Opens and reads the file (header row, ";", '"', "ISO 8859-1") and
    // imports it; a file that cannot be opened or read is refused with a message.
    bool importFile(const QString& strFileName, CImportProgress* pProgress);

    // Field index -> 0-based file column of every header with a database
    // column. False (with a message) for an unknown format or column.
    bool mapColumns(CFelDelimTextModel& model, const QModelIndex& parent, QMap<int, int>& fieldToColumn);
    // "-" becomes 0 and h:mm becomes seconds; an empty cell of a number
    // column is no value (NULL, as it was exported). The value is then bound
    // to the placeholder ":" + the field's column.
    void bindImportValue(QSqlQuery& query, int nDataDictField, QVariant& value);
    // nSerialNr itself when it is 0 or more, else the user's answer (-1: cancelled).
    int askSerialNr(int nSerialNr);
    // The translator's text for the abbreviation in context "CDataDict", or
    // the abbreviation itself.
    static QString translatedAbbreviation(QTranslator& translator, const char* abbreviation);

    // Unix time of a local "dd.MM.yyyy HH:mm"; false when the text is not
    // exactly of that form or names no valid moment.
    static bool parseTimestamp(const QString& strText, qint64& nUnixTime);

private:
    struct SPlan;

    bool checkRowCount(const CFelDelimTextModel& model, const QModelIndex& parent);
    bool makePlan(CFelDelimTextModel& model, const QModelIndex& parent, SPlan& plan);
    static bool fieldNames(const QString& strFirstHeader, QTranslator& english, QTranslator& german,
                           QHash<QString, int>& fieldOfName);
    void chooseTable(const CFelDelimTextModel& model, SPlan& plan) const;
    bool writeRows(CFelDelimTextModel& model, QSqlQuery& query, SPlan& plan, CImportProgress* pProgress);
    bool bindRow(CFelDelimTextModel& model, int nRow, QSqlQuery& query, SPlan& plan);
    bool fail(QSqlDatabase& db, const QString& strText);
    void warn(const QString& strText);

    CDBMessenger* m_pMessenger;
    CSerialNrQuestion* m_pQuestion;
    QString m_strConnection;
    QStringList m_placeholders; // ":" + column, by field index
    QVector<bool> m_numeric;    // the field's column holds numbers
};

#endif // DBIMPORTDATA_H
