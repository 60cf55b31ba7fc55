#ifndef SECLOGDB70_H
#define SECLOGDB70_H

#include "db/SecLogDBBase.h"

// Table "SecLogs70": secondary logs of the 70 family.
class CSecLogDB70 : public CSecLogDBBase
{
    Q_OBJECT
public:
    explicit CSecLogDB70(const QString& connectionName, QObject* parent = nullptr,
                         CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());
};

#endif // SECLOGDB70_H
