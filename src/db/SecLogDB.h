#ifndef SECLOGDB_H
#define SECLOGDB_H

#include "db/SecLogDBBase.h"

// Table "SecLogs": secondary logs of the 100 family.
class CSecLogDB : public CSecLogDBBase
{
    Q_OBJECT
public:
    explicit CSecLogDB(const QString& connectionName, QObject* parent = nullptr,
                       CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());
};

#endif // SECLOGDB_H
