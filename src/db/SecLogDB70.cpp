#include "db/SecLogDB70.h"

#include "DataDict.h"
#include "db/SecLogUnits.h"

namespace {
// Column order of the insert; rowValues gives the values in the same order.
const char* const Columns[] = {
    "LogTimestamp", "LTS", "RES", "DL1", "DL2", "DL3", "DL4", "ECO", "DHI", "DCO2I", "DHuCO2I", "DRA", "DRR",
    "DCO", "DC2", "DSeM", "DTM", "DMV", "COE", "AEX", "WAR", "TET", "TSU", "HET", "HOU", "AQE", "AQS", "SNR"
};
}

CSecLogDB70::CSecLogDB70(const QString& connectionName, QObject* parent, CDBMessenger* pMessenger,
                         const QString& strDirectory)
    : CSecLogDBBase(CDataDict::TM_SecLogs70, connectionName, parent, pMessenger, strDirectory)
{
}

bool CSecLogDB70::saveSecLogValues(CLogging_70::EMaxTimeSpan span, QVector<SSecLogEntry_70>& entries,
                                   int nSerialNr, QDateTime& time)
{
    QStringList columns;
    for (const char* pColumn : Columns)
        columns << QLatin1String(pColumn);
    const int nSpan = int(span);
    return storeRecords(columns, nSpan, entries.size(), time,
                        [&](int nIndex, const QDateTime& recordTime, QVariantList& values) {
                            const SSecLogEntry_70& entry = entries.at(nIndex);
                            if (entry.isNotToBeStored())
                                return false;
                            values = rowValues(entry, nSpan, nSerialNr, recordTime);
                            return true;
                        });
}

// Durations in seconds, energy in Wh, air in m³, water in g; air qualities as
// value + 100 like the current values.
QVariantList CSecLogDB70::rowValues(const SSecLogEntry_70& e, int nSpan, int nSerialNr, const QDateTime& time)
{
    auto duration = [nSpan](int nCount) { return CSecLogUnits::durationSeconds(nCount, nSpan); };
    return QVariantList{
        time.toSecsSinceEpoch(), nSpan, int(e.restarted()),
        duration(e.timeComLev0()), duration(e.timeComLev1()), duration(e.timeComLev2()), duration(e.timeComLev3()),
        e.errorCode(),
        duration(e.timeHumInp()), duration(e.timeCO2Inp()), duration(e.timeHumCO2Inp()),
        duration(e.timeAbsDrying()), duration(e.timeRelDrying()),
        duration(e.timeCooling()), duration(e.timeCO2Ventilation()),
        duration(e.timeServiceMode()), duration(e.timeTurboMode()), duration(e.timeMinAir()),
        CSecLogUnits::energy70(e.energyCooled(), nSpan),
        CSecLogUnits::air70(e.airExchanged(), nSpan),
        CSecLogUnits::waterGrams(e.waterRemoved(), nSpan),
        e.extractTemp(), e.supplyTemp70(), e.extractHum(), e.outdoorHum(),
        e.extractCO270() + 100, e.supplyCO270() + 100,
        nSerialNr
    };
}
