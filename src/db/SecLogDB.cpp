#include "db/SecLogDB.h"

#include "DataDict.h"

CSecLogDB::CSecLogDB(const QString& connectionName, QObject* parent, CDBMessenger* pMessenger,
                     const QString& strDirectory)
    : CSecLogDBBase(CDataDict::TM_SecLogs, connectionName, parent, pMessenger, strDirectory)
{
}
