#include "db/MinuteLogDB70.h"

#include "DataDict.h"

CMinuteLogDB70::CMinuteLogDB70(const QString& connectionName, QObject* parent, CDBMessenger* pMessenger,
                               const QString& strDirectory)
    : CMinuteLogDBBase(CDataDict::TM_ValueLogs70, connectionName, parent, pMessenger, strDirectory)
{
}
