#ifndef SECLOGDBBASE_H
#define SECLOGDBBASE_H

#include "db/DBBase.h"

#include <QDateTime>
#include <QStringList>
#include <QVariantList>
#include <functional>

// The unit's secondary log (quarter-hour, day and month records) as rows of
// "SecLogs" or "SecLogs70", keyed (LogTimestamp, LTS, SNR) so that reading the
// same records again replaces rows instead of adding them. Written by the
// worker thread on "WorkerThread"; shows no message box while storing.
class CSecLogDBBase : public CDBBase
{
    Q_OBJECT
public:
    CSecLogDBBase(int nTableId, const QString& connectionName, QObject* parent = nullptr,
                  CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());

    bool createTable() override;
    // The pages show one span each, so the span column LTS is hidden.
    bool isColumnVisible(int nDataDictField) override;
    // The rows of one span (0 quarter hour, 1 day, 2 month) in time order.
    void setupTimeSpanModel(QSqlQueryModel& model, int span, int nSerialNr);
    // The condition that selects the rows of one span: "LTS"=span.
    static QString timeSpanFilter(int span);

protected:
    // One record's values in column order, or false when the record is not
    // to be stored. The time argument is the record's time stamp.
    using FRowValues = std::function<bool(int nIndex, const QDateTime& time, QVariantList& values)>;

    // Stores nCount records in order: skipped records do not advance the
    // time; each stored one advances it by the span. Ends with false at the
    // first failing insert, keeping the rows stored before it.
    bool storeRecords(const QStringList& columns, int nSpan, int nCount, QDateTime& time,
                      const FRowValues& rowValues);
};

#endif // SECLOGDBBASE_H
