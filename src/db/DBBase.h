#ifndef DBBASE_H
#define DBBASE_H

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

class CDBMessenger;
class QSqlQuery;
class QSqlQueryModel;

// Base of every object that touches the log database file "Log2.sql". It
// shares a named connection with every other object of the same name; a
// connection belongs to the thread that opened it. Failures are shown to the
// user through the messenger and reported as false, so callers add no box.
class CDBBase : public QObject
{
    Q_OBJECT
public:
    // The connection names of the monitor: the UI thread's tables, import and
    // deletion; the UI thread's diagram data; the worker's secondary logs.
    static const QString UIThread;
    static const QString UIThread2;
    static const QString WorkerThread;

    // How long a statement waits for another connection's write lock.
    static const int BusyTimeoutMs = 5000;

    // nTableId is the table's bit (1, 2, 8, 16; 0 for objects that pick the
    // table per query). The messenger is not owned (nullptr: message boxes).
    // strDirectory replaces the per-user application data directory; it only
    // counts when the connection is opened for the first time.
    CDBBase(int nTableId, const QString& connectionName, bool bIsoTimestamps,
            QObject* parent = nullptr, CDBMessenger* pMessenger = nullptr,
            const QString& strDirectory = QString());

    // Creates or upgrades the object's table.
    virtual bool createTable() = 0;
    // Whether a field takes part in the query model.
    virtual bool isColumnVisible(int nDataDictField);

    QString tableName() const;
    static QString tableName(int nTableId);

    // Creates the table when missing, adds missing dictionary columns in
    // dictionary order and the (SNR, LogTimestamp) index; nothing is dropped.
    bool createOrUpgradeTable(const QString& createStatement);
    // Rows of one unit; all rows when nSerialNr is negative.
    bool deleteRecords(int nSerialNr);
    // Appends the distinct serial numbers, ascending.
    void serialNumbers(QList<int>& list);
    QString serialFilter(int nSerialNr, const QString& filter) const;
    // The table's rows in time order for the log pages and the CSV export;
    // nSerialNr negative means all units, filter an SQL condition or empty.
    void setupQueryModel(QSqlQueryModel& model, int nSerialNr, QString filter);
    // The same with the 70-family rules (diagram data of the 70 family).
    void setupQueryModel70(QSqlQueryModel& model, int nSerialNr, QString filter);

    QSqlDatabase database() const { return m_db; }
    CDBMessenger* messenger() const { return m_pMessenger; }

    // "Log2.sql" in strDirectory, or in the per-user application data
    // directory when strDirectory is empty; the directory is created.
    static QString databaseFilePath(const QString& strDirectory = QString());
    // Closes and forgets a connection; only from the thread that used it,
    // after every object on it is gone.
    static void removeConnection(const QString& connectionName);

protected:
    // Runs one statement; on failure shows "Unable to run sql statement".
    bool execStatement(QSqlQuery& query, const QString& strStatement);
    void reportStatementError(const QString& strStatement, const QString& strError);

    QSqlDatabase m_db;
    int m_nTableId;
    bool m_bIsoTimestamps;
    CDBMessenger* m_pMessenger;

private:
    void openConnection(const QString& connectionName, const QString& strDirectory);
    bool columnNames(QStringList& names);
    bool createOrUpgradeColumns(const QString& createStatement);
    bool createIndex();
    void buildQueryModel(QSqlQueryModel& model, int nSerialNr, const QString& filter, bool bRules70);
    void setHeaders(QSqlQueryModel& model);
};

#endif // DBBASE_H
