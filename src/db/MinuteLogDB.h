#ifndef MINUTELOGDB_H
#define MINUTELOGDB_H

#include "db/MinuteLogDBBase.h"

class CFanValues;

// Table "ValueLogs": minute values of the 100 family.
class CMinuteLogDB : public CMinuteLogDBBase
{
    Q_OBJECT
public:
    explicit CMinuteLogDB(const QString& connectionName, QObject* parent = nullptr,
                          CDBMessenger* pMessenger = nullptr, const QString& strDirectory = QString());

    // Writes (or replaces) the row of the unit's minute at time: the arguments
    // and every value the set carries. A failure is shown to the user.
    bool logValues(const CFanValues& values, int nOperatingHours, int nFilterHours, int nSerialNr,
                   int nFanSupplyCharac, int nFanExtractCharac, quint32 nFanCmdsSucceeded,
                   quint32 nFanCmdsFailed, QDateTime time, int iRSSI);
};

#endif // MINUTELOGDB_H
