#include "db/MinuteLogDB.h"

#include "DataDict.h"
#include "PC/FanValues.h"

CMinuteLogDB::CMinuteLogDB(const QString& connectionName, QObject* parent, CDBMessenger* pMessenger,
                           const QString& strDirectory)
    : CMinuteLogDBBase(CDataDict::TM_ValueLogs, connectionName, parent, pMessenger, strDirectory)
{
}

bool CMinuteLogDB::logValues(const CFanValues& values, int nOperatingHours, int nFilterHours, int nSerialNr,
                             int nFanSupplyCharac, int nFanExtractCharac, quint32 nFanCmdsSucceeded,
                             quint32 nFanCmdsFailed, QDateTime time, int iRSSI)
{
    const CDataDict* pDict = CDataDict::instance();
    QStringList columns;
    for (int nField : { DDF_LogTimestamp, DDF_OperatingHours, DDF_FilterHours, DDF_SerialNumber,
                        DDF_FanSupplyCharac, DDF_FanExtractCharac, DDF_FanCmdsSucceeded, DDF_FanCmdsFailed,
                        DDF_RSSI })
        columns << pDict->text(nField, CDataDict::TextColumn);
    const QVariantList fixedValues{ time.toSecsSinceEpoch(), nOperatingHours, nFilterHours, nSerialNr,
                                    nFanSupplyCharac, nFanExtractCharac, nFanCmdsSucceeded, nFanCmdsFailed, iRSSI };
    // The second-room step of 90 m³/h is stored as 100.
    auto valueOf = [&values](int nField) {
        const QVariant value = values.value(nField);
        if (nField == DDF_Max2ndRoomExtract && value.toInt() == 90)
            return QVariant(100);
        return value;
    };
    return writeRow(columns, fixedValues, valueOf, true);
}
