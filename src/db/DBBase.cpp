#include "db/DBBase.h"

#include "DataDict.h"
#include "db/DBColumnExpressions.h"
#include "db/DBMessageBoxMessenger.h"

#include <QDebug>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStandardPaths>
#include <QVariant>

const QString CDBBase::UIThread = QStringLiteral("UIThread");
const QString CDBBase::UIThread2 = QStringLiteral("UIThread2");
const QString CDBBase::WorkerThread = QStringLiteral("WorkerThread");

namespace {
QString column(int nField)
{
    return CDataDict::instance()->text(nField, CDataDict::TextColumn);
}
}

CDBBase::CDBBase(int nTableId, const QString& connectionName, bool bIsoTimestamps, QObject* parent,
                 CDBMessenger* pMessenger, const QString& strDirectory)
    : QObject(parent)
    , m_nTableId(nTableId)
    , m_bIsoTimestamps(bIsoTimestamps)
    , m_pMessenger(pMessenger ? pMessenger : CDBMessageBoxMessenger::instance())
{
    openConnection(connectionName, strDirectory);
}

bool CDBBase::isColumnVisible(int)
{
    return true;
}

QString CDBBase::tableName() const
{
    return tableName(m_nTableId);
}

QString CDBBase::tableName(int nTableId)
{
    switch (nTableId) {
    case 1: return QStringLiteral("ValueLogs");
    case 2: return QStringLiteral("SecLogs");
    case 8: return QStringLiteral("ValueLogs70");
    case 16: return QStringLiteral("SecLogs70");
    default: return QString();
    }
}

QString CDBBase::databaseFilePath(const QString& strDirectory)
{
    QString strDir = strDirectory;
    if (strDir.isEmpty())
        strDir = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation).value(0);
    strDir = QDir::cleanPath(strDir);
    QDir().mkpath(strDir);
    return strDir + QStringLiteral("/Log2.sql");
}

void CDBBase::removeConnection(const QString& connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

void CDBBase::openConnection(const QString& connectionName, const QString& strDirectory)
{
    if (QSqlDatabase::contains(connectionName)) {
        m_db = QSqlDatabase::database(connectionName, true);
        return;
    }
    const QString strPath = databaseFilePath(strDirectory);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    m_db.setDatabaseName(strPath);
    // A writer waits for the other thread's write instead of failing at once.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!m_db.open()) {
        m_pMessenger->warning(tr("Unable to open database file '%1'. \n'%2'")
                                  .arg(strPath, m_db.lastError().driverText()));
        return;
    }
    // Write-ahead logging: a page's open query model (it fetches lazily and
    // keeps its statement open) must not lock out the other thread's writer.
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL;")))
        qDebug() << "CDBBase: journal mode not changed:" << query.lastError().text();
}

bool CDBBase::execStatement(QSqlQuery& query, const QString& strStatement)
{
    if (query.exec(strStatement))
        return true;
    reportStatementError(strStatement, query.lastError().text());
    return false;
}

void CDBBase::reportStatementError(const QString& strStatement, const QString& strError)
{
    qDebug() << "CDBBase: statement failed:" << strStatement << strError;
    m_pMessenger->critical(tr("Unable to run sql statement\n'%1'.\n'%2'").arg(strStatement, strError));
}

bool CDBBase::columnNames(QStringList& names)
{
    names.clear();
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1);").arg(tableName())))
        return false;
    while (query.next())
        names << query.value(1).toString();
    return true;
}

// The statements of one upgrade share a transaction: one write to disk
// instead of one per column. What ran before a failure is still committed.
bool CDBBase::createOrUpgradeTable(const QString& createStatement)
{
    const bool bTransaction = m_db.transaction();
    const bool bOk = createOrUpgradeColumns(createStatement) && createIndex();
    if (bTransaction)
        m_db.commit();
    return bOk;
}

bool CDBBase::createOrUpgradeColumns(const QString& createStatement)
{
    QStringList existing;
    columnNames(existing);
    if (existing.isEmpty()) {
        QSqlQuery create(m_db);
        if (!execStatement(create, createStatement))
            return false;
        columnNames(existing);
    }
    for (const CDataDict::SColumn& col : CDataDict::instance()->tableColumns(m_nTableId)) {
        if (existing.contains(col.name))
            continue;
        QSqlQuery alter(m_db);
        if (!execStatement(alter, QStringLiteral("ALTER TABLE %1 add \"%2\" ").arg(tableName(), col.name)
                                      + col.sqlType + QStringLiteral(";")))
            return false;
        existing << col.name;
    }
    return true;
}

// "This unit's rows" and "which units" are answered from this index without
// visiting every row. Older files gain it at their next start.
bool CDBBase::createIndex()
{
    QSqlQuery query(m_db);
    return execStatement(query, QStringLiteral("CREATE INDEX IF NOT EXISTS \"%1_SNR_LogTimestamp\" ON %1 (%2, %3);")
                                    .arg(tableName(), column(DDF_SerialNumber), column(DDF_LogTimestamp)));
}

bool CDBBase::deleteRecords(int nSerialNr)
{
    QString strStatement = QStringLiteral("DELETE FROM %1").arg(tableName());
    if (nSerialNr < 0)
        strStatement += QStringLiteral(";");
    else
        strStatement += QStringLiteral(" WHERE %2 = %3;").arg(column(DDF_SerialNumber)).arg(nSerialNr);
    QSqlQuery query(m_db);
    if (query.exec(strStatement))
        return true;
    qDebug() << "CDBBase::deleteRecords:" << strStatement << query.lastError().text();
    m_pMessenger->warning(tr("Unable to delete records. \n'%2'").arg(query.lastError().text()));
    return false;
}

// Loose index scan: each step jumps over all rows of one unit with a single
// probe of the (SNR, LogTimestamp) index, so the cost grows with the number of
// units, not of rows. Same result as SELECT DISTINCT SNR ... ORDER BY 1.
void CDBBase::serialNumbers(QList<int>& list)
{
    const QString strSnr = column(DDF_SerialNumber);
    const QString strStatement =
        QStringLiteral("WITH RECURSIVE units(snr) AS ("
                       " SELECT (SELECT min(%1) FROM %2)"
                       " UNION ALL"
                       " SELECT (SELECT min(%1) FROM %2 WHERE %1 > units.snr) FROM units WHERE units.snr IS NOT NULL)"
                       " SELECT snr FROM units WHERE snr IS NOT NULL;")
            .arg(strSnr, tableName());
    QSqlQuery query(m_db);
    if (!query.exec(strStatement))
        return;
    while (query.next())
        list << query.value(0).toInt();
}

QString CDBBase::serialFilter(int nSerialNr, const QString& filter) const
{
    if (nSerialNr < 0)
        return filter;
    const QString strCondition = QStringLiteral("%1=%2").arg(column(DDF_SerialNumber)).arg(nSerialNr);
    if (filter.isEmpty())
        return strCondition;
    return QStringLiteral("(") + filter + QStringLiteral(" AND ") + strCondition + QStringLiteral(")");
}

void CDBBase::setupQueryModel(QSqlQueryModel& model, int nSerialNr, QString filter)
{
    buildQueryModel(model, nSerialNr, filter, false);
}

void CDBBase::setupQueryModel70(QSqlQueryModel& model, int nSerialNr, QString filter)
{
    buildQueryModel(model, nSerialNr, filter, true);
}

void CDBBase::buildQueryModel(QSqlQueryModel& model, int nSerialNr, const QString& filter, bool bRules70)
{
    model.clear();
    const CDBColumnExpressions expressions(m_nTableId, m_bIsoTimestamps, bRules70);
    const CDataDict* pDict = CDataDict::instance();
    QStringList selectList;
    for (int nField = 0; nField < CDataDict::FieldCount; ++nField) {
        if (!isColumnVisible(nField) || !(pDict->tableMask(nField) & m_nTableId))
            continue;
        const QString strExpression = expressions.expression(nField);
        if (!strExpression.isEmpty())
            selectList << strExpression;
    }
    const QString strCondition = serialFilter(nSerialNr, filter);
    QString strStatement = QStringLiteral("SELECT ") + selectList.join(QLatin1Char(','));
    if (strCondition.isEmpty())
        strStatement += QStringLiteral(" FROM %1 ORDER BY %3 ;").arg(tableName()).arg(column(DDF_LogTimestamp));
    else
        strStatement += QStringLiteral(" FROM %1 WHERE %2 ORDER BY %3 ;").arg(tableName(), strCondition, column(DDF_LogTimestamp));
    model.setQuery(strStatement, m_db);
    if (model.lastError().isValid())
        qDebug() << "CDBBase: query model failed:" << strStatement << model.lastError().text();
    setHeaders(model);
}

// Display header: abbreviation, line break, unit in brackets; tool tip: description.
void CDBBase::setHeaders(QSqlQueryModel& model)
{
    const CDataDict* pDict = CDataDict::instance();
    int nColumn = 0;
    for (int nField = 0; nField < CDataDict::FieldCount; ++nField) {
        if (!isColumnVisible(nField) || !(pDict->tableMask(nField) & m_nTableId))
            continue;
        QString strHeader = pDict->text(nField, CDataDict::TextAbbreviation) + QStringLiteral("\n");
        const QString strUnit = pDict->text(nField, CDataDict::TextUnit);
        if (!strUnit.isEmpty())
            strHeader += QStringLiteral("[%1]").arg(strUnit);
        model.setHeaderData(nColumn, Qt::Horizontal, strHeader, Qt::DisplayRole);
        model.setHeaderData(nColumn, Qt::Horizontal, pDict->text(nField, CDataDict::TextDescription), Qt::ToolTipRole);
        ++nColumn;
    }
}
