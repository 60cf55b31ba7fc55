#include "db/MinuteLogDB.h"

#include "DataDict.h"

CMinuteLogDB::CMinuteLogDB(const QString& connectionName, QObject* parent, CDBMessenger* pMessenger,
                           const QString& strDirectory)
    : CMinuteLogDBBase(CDataDict::TM_ValueLogs, connectionName, parent, pMessenger, strDirectory)
{
}
