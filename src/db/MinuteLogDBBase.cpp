#include "db/MinuteLogDBBase.h"

#include "DataDict.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

#include <limits>

namespace {
QString column(int nField)
{
    return CDataDict::instance()->text(nField, CDataDict::TextColumn);
}

// The value as the row stores it: flags as integers, everything else as is
// (texts are bound, never pasted into the statement).
QVariant storedValue(int nField, const QVariant& value)
{
    if (CDataDict::instance()->dataType(nField) == CDataDict::DT_Flag)
        return QVariant(value.toInt());
    if (CDataDict::instance()->dataType(nField) == CDataDict::DT_Text)
        return QVariant(value.toString());
    return value;
}
}

CMinuteLogDBBase::CMinuteLogDBBase(int nTableId, const QString& connectionName, QObject* parent,
                                   CDBMessenger* pMessenger, const QString& strDirectory)
    : CDBBase(nTableId, connectionName, false, parent, pMessenger, strDirectory)
{
}

bool CMinuteLogDBBase::createTable()
{
    return createOrUpgradeTable(QStringLiteral("CREATE TABLE %1 (%2 int, %3 int, PRIMARY KEY(%2,%3) );")
                                    .arg(tableName(), column(DDF_LogTimestamp), column(DDF_SerialNumber)));
}

bool CMinuteLogDBBase::writeRow(QStringList columns, QVariantList values,
                                const std::function<QVariant(int)>& valueOf, bool bLogStatement)
{
    const CDataDict* pDict = CDataDict::instance();
    for (int nField = 1; nField < CDataDict::FieldCount; ++nField) {
        const QString strColumn = column(nField);
        // A value without a column in this table would only make the statement fail.
        if (!(pDict->tableMask(nField) & m_nTableId) || strColumn.isEmpty() || columns.contains(strColumn))
            continue;
        const QVariant value = valueOf(nField);
        if (value.isNull())
            continue;
        columns << strColumn;
        values << storedValue(nField, value);
    }
    QStringList placeholders;
    for (int i = 0; i < values.size(); ++i)
        placeholders << QStringLiteral("?");
    const QString strStatement = QStringLiteral("INSERT OR REPLACE INTO ") + tableName() + QStringLiteral(" (")
        + columns.join(QLatin1Char(',')) + QStringLiteral(") VALUES (") + placeholders.join(QLatin1Char(','))
        + QStringLiteral(");");
    if (bLogStatement)
        qDebug() << "Insert Query: " << strStatement << values;

    QSqlQuery query(m_db);
    bool bOk = query.prepare(strStatement);
    for (int i = 0; bOk && i < values.size(); ++i)
        query.addBindValue(values.at(i));
    bOk = bOk && query.exec();
    if (!bOk)
        reportStatementError(strStatement, query.lastError().text());
    return bOk;
}

// The date condition decides; the time range around the day (a day of margin
// on each side, whatever the zone rules) only lets the index find the rows.
QString CMinuteLogDBBase::dayFilter(const QDate& day) const
{
    if (!day.isValid())
        return QString();
    const qint64 nFrom = day.startOfDay().toSecsSinceEpoch() - 86400;
    const qint64 nTo = day.addDays(1).startOfDay().toSecsSinceEpoch() + 86400;
    const QString strTimestamp = column(DDF_LogTimestamp);
    return QStringLiteral("%1 >= %3 AND %1 < %4 AND date(%1, 'unixepoch', 'localtime' )=date('%2')")
        .arg(strTimestamp, day.toString(Qt::ISODate), QString::number(nFrom), QString::number(nTo));
}

void CMinuteLogDBBase::setupDayModel(QSqlQueryModel& model, QDate day, int nSerialNr)
{
    setupQueryModel(model, nSerialNr, dayFilter(day));
}

// Loose index scan: one probe of the (SNR, LogTimestamp) index per day with
// data, each jumping to the first row at or after the next local midnight.
// The day of a row is taken from SQLite's own local time, so the list equals
// SELECT DISTINCT date(LogTimestamp,'unixepoch','localtime') ... on every file,
// daylight-saving days of 23 and 25 hours included.
void CMinuteLogDBBase::daysWithData(QList<QDate>& days, int nSerialNr)
{
    const QString strTimestamp = column(DDF_LogTimestamp);
    QSqlQuery probe(m_db);
    probe.setForwardOnly(true);
    if (!probe.prepare(QStringLiteral("SELECT %1, date(%1,'unixepoch', 'localtime') FROM %2"
                                      " WHERE %3 = ? AND %1 >= ? ORDER BY %1 LIMIT 1;")
                           .arg(strTimestamp, tableName(), column(DDF_SerialNumber))))
        return;
    qint64 nFrom = std::numeric_limits<qint64>::min();
    QDate lastDay;
    forever {
        probe.bindValue(0, nSerialNr);
        probe.bindValue(1, nFrom);
        if (!probe.exec() || !probe.next())
            break;
        // Texts sort after every number and have no date: nothing follows.
        const QVariant timestamp = probe.value(0);
        if (timestamp.type() == QVariant::String || timestamp.isNull())
            break;
        const qint64 nTimestamp = timestamp.toLongLong();
        const QDate day = QDate::fromString(probe.value(1).toString(), Qt::ISODate);
        if (day.isValid() && day != lastDay) {
            days << day;
            lastDay = day;
        }
        const qint64 nNextDay = day.isValid() ? day.addDays(1).startOfDay().toSecsSinceEpoch() : nTimestamp + 1;
        const qint64 nNext = qMax(nNextDay, nTimestamp + 1);
        if (nNext <= nFrom)
            break;
        nFrom = nNext;
    }
}
