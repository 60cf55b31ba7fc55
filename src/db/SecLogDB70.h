#ifndef SECLOGDB70_H
#define SECLOGDB70_H

#include "db/SecLogDBBase.h"

#include "PC/Logging_70.h"

#include <QVector>

// Table "SecLogs70": secondary logs of the 70 family.
class CSecLogDB70 : public CSecLogDBBase
{
    Q_OBJECT
public:
    explicit CSecLogDB70(const QString& connectionName, QObject* parent = nullptr,
                         CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());

    // Stores the records in vector order, the first at time; time advances by
    // the span for every stored record (records in state 3 are skipped and do
    // not advance it). False at the first failing insert; earlier rows stay.
    bool saveSecLogValues(CLogging_70::EMaxTimeSpan span, QVector<SSecLogEntry_70>& entries, int nSerialNr,
                          QDateTime& time);

private:
    static QVariantList rowValues(const SSecLogEntry_70& entry, int nSpan, int nSerialNr, const QDateTime& time);
};

#endif // SECLOGDB70_H
