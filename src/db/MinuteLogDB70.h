#ifndef MINUTELOGDB70_H
#define MINUTELOGDB70_H

#include "db/MinuteLogDBBase.h"

// Table "ValueLogs70": minute values of the 70 family.
class CMinuteLogDB70 : public CMinuteLogDBBase
{
    Q_OBJECT
public:
    explicit CMinuteLogDB70(const QString& connectionName, QObject* parent = nullptr,
                            CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());
};

#endif // MINUTELOGDB70_H
