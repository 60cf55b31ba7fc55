#ifndef MINUTELOGDB_H
#define MINUTELOGDB_H

#include "db/MinuteLogDBBase.h"

// Table "ValueLogs": minute values of the 100 family.
class CMinuteLogDB : public CMinuteLogDBBase
{
    Q_OBJECT
public:
    explicit CMinuteLogDB(const QString& connectionName, QObject* parent = nullptr,
                          CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());
};

#endif // MINUTELOGDB_H
