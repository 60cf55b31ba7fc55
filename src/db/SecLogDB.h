#ifndef SECLOGDB_H
#define SECLOGDB_H

#include "db/SecLogDBBase.h"

#include "PC/Logging.h"

#include <QVector>

// Table "SecLogs": secondary logs of the 100 family.
class CSecLogDB : public CSecLogDBBase
{
    Q_OBJECT
public:
    explicit CSecLogDB(const QString& connectionName, QObject* parent = nullptr,
                       CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());

    // Stores the records in vector order, the first at time; time advances by
    // the span for every stored record (records in state 3 are skipped and do
    // not advance it). False at the first failing insert; earlier rows stay.
    bool saveSecLogValues(CLogging::EMaxTimeSpan span, QVector<SSecLogEntry>& entries, int nSerialNr,
                          QDateTime& time);

private:
    static QVariantList rowValues(const SSecLogEntry& entry, int nSpan, int nSerialNr, const QDateTime& time);
};

#endif // SECLOGDB_H
