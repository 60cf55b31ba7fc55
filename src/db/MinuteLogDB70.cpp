#include "db/MinuteLogDB70.h"

#include "DataDict.h"
#include "PC/FanValues70.h"

CMinuteLogDB70::CMinuteLogDB70(const QString& connectionName, QObject* parent, CDBMessenger* pMessenger,
                               const QString& strDirectory)
    : CMinuteLogDBBase(CDataDict::TM_ValueLogs70, connectionName, parent, pMessenger, strDirectory)
{
}

bool CMinuteLogDB70::logValues(const CFanValues70& values, int nOperatingHours, int nSerialNr, quint32, quint32,
                               QDateTime time)
{
    const CDataDict* pDict = CDataDict::instance();
    QStringList columns;
    for (int nField : { DDF_LogTimestamp, DDF_OperatingHours, DDF_SerialNumber })
        columns << pDict->text(nField, CDataDict::TextColumn);
    const QVariantList fixedValues{ time.toSecsSinceEpoch(), nOperatingHours, nSerialNr };
    return writeRow(columns, fixedValues, [&values](int nField) { return values.value(nField); }, false);
}
