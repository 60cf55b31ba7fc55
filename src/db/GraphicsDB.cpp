#include "db/GraphicsDB.h"

#include "DataDict.h"
#include "db/SecLogDBBase.h"

CGraphicsDB::CGraphicsDB(QObject* parent, CDBMessenger* pMessenger, const QString& strDirectory)
    : CDBBase(0, UIThread2, true, parent, pMessenger, strDirectory)
{
}

bool CGraphicsDB::createTable()
{
    return true;
}

bool CGraphicsDB::isColumnVisible(int nDataDictField)
{
    return nDataDictField == DDF_LogTimestamp || m_fields.contains(nDataDictField);
}

void CGraphicsDB::addField(int nDataDictField)
{
    m_fields.insert(nDataDictField);
}

void CGraphicsDB::removeField(int nDataDictField)
{
    m_fields.remove(nDataDictField);
}

void CGraphicsDB::setupModel(QSqlQueryModel& model, int nSerialNr, int nTableId, int span)
{
    switch (nTableId) {
    case CDataDict::TM_ValueLogs:
        m_nTableId = nTableId;
        setupQueryModel(model, nSerialNr, QString());
        break;
    case CDataDict::TM_SecLogs:
        m_nTableId = nTableId;
        setupQueryModel(model, nSerialNr, CSecLogDBBase::timeSpanFilter(span));
        break;
    case CDataDict::TM_ValueLogs70:
        m_nTableId = nTableId;
        setupQueryModel70(model, nSerialNr, QString());
        break;
    case CDataDict::TM_SecLogs70:
        m_nTableId = nTableId;
        setupQueryModel70(model, nSerialNr, CSecLogDBBase::timeSpanFilter(span));
        break;
    default:
        m_nTableId = nTableId;
        break;
    }
}
