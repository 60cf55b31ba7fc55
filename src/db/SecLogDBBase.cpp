#include "db/SecLogDBBase.h"

#include "DataDict.h"
#include "db/SecLogUnits.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QString column(int nField)
{
    return CDataDict::instance()->text(nField, CDataDict::TextColumn);
}
}

CSecLogDBBase::CSecLogDBBase(int nTableId, const QString& connectionName, QObject* parent,
                             CDBMessenger* pMessenger, const QString& strDirectory)
    : CDBBase(nTableId, connectionName, false, parent, pMessenger, strDirectory)
{
}

bool CSecLogDBBase::createTable()
{
    return createOrUpgradeTable(QStringLiteral("CREATE TABLE %1 (%2 int, %3 int, %4 int, PRIMARY KEY(%2,%3,%4) );")
                                    .arg(tableName(), column(DDF_LogTimestamp), column(DDF_LogEntryTimeSpan),
                                         column(DDF_SerialNumber)));
}

bool CSecLogDBBase::isColumnVisible(int nDataDictField)
{
    return nDataDictField != DDF_LogEntryTimeSpan;
}

void CSecLogDBBase::setupTimeSpanModel(QSqlQueryModel& model, int span, int nSerialNr)
{
    setupQueryModel(model, nSerialNr, timeSpanFilter(span));
}

QString CSecLogDBBase::timeSpanFilter(int span)
{
    return QStringLiteral("\"%1\"=%2").arg(column(DDF_LogEntryTimeSpan)).arg(span);
}

bool CSecLogDBBase::storeRecords(const QStringList& columns, int nSpan, int nCount, QDateTime& time,
                                 const FRowValues& rowValues)
{
    // Without a span the records would all get one time stamp and overwrite
    // each other; nothing is stored.
    if (!CSecLogUnits::isValidSpan(nSpan)) {
        qDebug() << "CSecLogDBBase::storeRecords: unknown time span" << nSpan;
        return false;
    }
    QStringList placeholders;
    for (int i = 0; i < columns.size(); ++i)
        placeholders << QStringLiteral("?");
    const QString strStatement = QStringLiteral("INSERT OR REPLACE INTO  ") + tableName() + QStringLiteral(" (")
        + columns.join(QLatin1Char(',')) + QStringLiteral(") VALUES (") + placeholders.join(QLatin1Char(','))
        + QStringLiteral(");");
    QSqlQuery query(m_db);
    if (!query.prepare(strStatement)) {
        qDebug() << "CSecLogDBBase::storeRecords:" << strStatement << query.lastError().text();
        return false;
    }
    for (int nIndex = 0; nIndex < nCount; ++nIndex) {
        QVariantList values;
        if (!rowValues(nIndex, time, values))
            continue;
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values.at(i));
        if (!query.exec()) {
            qDebug() << "CSecLogDBBase::storeRecords:" << query.lastError().text();
            return false;
        }
        time = time.addSecs(CSecLogUnits::spanSeconds(nSpan));
    }
    return true;
}
