#ifndef MINUTELOGDB70_H
#define MINUTELOGDB70_H

#include "db/MinuteLogDBBase.h"

class CFanValues70;

// Table "ValueLogs70": minute values of the 70 family.
class CMinuteLogDB70 : public CMinuteLogDBBase
{
    Q_OBJECT
public:
    explicit CMinuteLogDB70(const QString& connectionName, QObject* parent = nullptr,
                            CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());

    // As CMinuteLogDB::logValues; the two command counts are not stored.
    bool logValues(const CFanValues70& values, int nOperatingHours, int nSerialNr, quint32 nFanCmdsSucceeded,
                   quint32 nFanCmdsFailed, QDateTime time);
};

#endif // MINUTELOGDB70_H
