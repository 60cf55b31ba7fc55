#ifndef MINUTELOGDBBASE_H
#define MINUTELOGDBBASE_H

#include "db/DBBase.h"

#include <QDate>
#include <QDateTime>
#include <QVariant>
#include <functional>

// One row per unit and clock minute ("ValueLogs", "ValueLogs70"), written and
// read by the minute page in the UI thread. Cheap to make: a writer builds one
// per row on the shared "UIThread" connection.
class CMinuteLogDBBase : public CDBBase
{
    Q_OBJECT
public:
    CMinuteLogDBBase(int nTableId, const QString& connectionName, QObject* parent = nullptr,
                     CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());

    bool createTable() override;
    // The rows of one local calendar day (invalid day: all days); all units
    // when nSerialNr is negative.
    void setupDayModel(QSqlQueryModel& model, QDate day, int nSerialNr);
    // Appends, ascending, the local calendar days on which the unit has rows.
    void daysWithData(QList<QDate>& days, int nSerialNr);

protected:
    // Writes one row: the fixed columns and values, then every field 1..141
    // of the table for which valueOf gives a non-null value, in field order.
    bool writeRow(QStringList columns, QVariantList values,
                  const std::function<QVariant(int)>& valueOf, bool bLogStatement);

private:
    QString dayFilter(const QDate& day) const;
};

#endif // MINUTELOGDBBASE_H
