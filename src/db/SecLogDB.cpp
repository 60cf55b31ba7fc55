#include "db/SecLogDB.h"

#include "DataDict.h"
#include "PC/FanValues.h"
#include "db/SecLogUnits.h"

#include <QDebug>

namespace {
// Column order of the insert; rowValues gives the values in the same order.
const char* const Columns[] = {
    "LogTimestamp", "LTS", "RES", "DL1", "DL2", "DL3", "DL4", "ECO", "ES", "DWI", "DHI", "FSF", "DRA", "DRR",
    "FEF", "DCO", "DC2", "HRU", "DSM", "DTM", "HRN", "D1R", "DDF", "DMV", "EXE", "REE", "COE", "AEX", "WAR",
    "PRS", "TET", "HET", "CO2", "TSU", "TOU", "HOU", "TEH", "SNR", "NOCO2"
};

// The error state as the minute rows write it: its dictionary abbreviation;
// a code without a field gives an empty text, not NULL.
QString errorStateText(int nCode)
{
    const QString strText = CDataDict::instance()->text(CFanValues::errorField(nCode), CDataDict::TextAbbreviation);
    return strText.isNull() ? QStringLiteral("") : strText;
}
}

CSecLogDB::CSecLogDB(const QString& connectionName, QObject* parent, CDBMessenger* pMessenger,
                     const QString& strDirectory)
    : CSecLogDBBase(CDataDict::TM_SecLogs, connectionName, parent, pMessenger, strDirectory)
{
}

bool CSecLogDB::saveSecLogValues(CLogging::EMaxTimeSpan span, QVector<SSecLogEntry>& entries, int nSerialNr,
                                 QDateTime& time)
{
    QStringList columns;
    for (const char* pColumn : Columns)
        columns << QLatin1String(pColumn);
    const int nSpan = int(span);
    return storeRecords(columns, nSpan, entries.size(), time,
                        [&](int nIndex, const QDateTime& recordTime, QVariantList& values) {
                            const SSecLogEntry& entry = entries.at(nIndex);
                            if (entry.isNotToBeStored())
                                return false;
                            qDebug() << "NoCO2Sensor: " << entry.noCO2Sensor();
                            values = rowValues(entry, nSpan, nSerialNr, recordTime);
                            return true;
                        });
}

// Durations in seconds, energies in Wh, air in m³, water in g, CO2 in ppm,
// pressure in hPa; flags as 0 or 1.
QVariantList CSecLogDB::rowValues(const SSecLogEntry& e, int nSpan, int nSerialNr, const QDateTime& time)
{
    auto duration = [nSpan](int nCount) { return CSecLogUnits::durationSeconds(nCount, nSpan); };
    auto energy = [nSpan](int nCount) { return CSecLogUnits::energy100(nCount, nSpan); };
    return QVariantList{
        time.toSecsSinceEpoch(), nSpan, int(e.restarted()),
        duration(e.timeComLev0()), duration(e.timeComLev1()), duration(e.timeComLev2()), duration(e.timeComLev3()),
        e.errorCode(), errorStateText(e.errorStateCode()),
        duration(e.timeSupCond()), duration(e.timeHumInp()), int(e.filterSupplyFull()),
        duration(e.timeAbsDrying()), duration(e.timeRelDrying()), int(e.filterExtractFull()),
        duration(e.timeCooling()), duration(e.timeCO2Ventilation()), int(e.humRedModeSet()),
        duration(e.timeSleepMode()), duration(e.timeTurboMode()), int(e.humRedModeClr()),
        duration(e.timeAutoAlt()), duration(e.timeDefExh()), duration(e.timeMinAir()),
        energy(e.energyExtracted()), energy(e.energyRecovered()), energy(e.energyCooled()),
        CSecLogUnits::air100(e.airExchanged(), nSpan),
        CSecLogUnits::waterGrams(e.waterRemoved(), nSpan),
        e.pressure(), e.extractTemp(), e.extractHum(), e.co2() * 16,
        e.supplyTemp(), e.outdoorTemp(), e.outdoorHum(), e.exhaustTemp(),
        nSerialNr, int(e.noCO2Sensor())
    };
}
