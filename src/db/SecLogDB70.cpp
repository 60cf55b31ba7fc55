#include "db/SecLogDB70.h"

#include "DataDict.h"

CSecLogDB70::CSecLogDB70(const QString& connectionName, QObject* parent, CDBMessenger* pMessenger,
                         const QString& strDirectory)
    : CSecLogDBBase(CDataDict::TM_SecLogs70, connectionName, parent, pMessenger, strDirectory)
{
}
