#include "db/DBColumnExpressions.h"

#include "DataDict.h"

namespace {
// The last field index that the 70-family builder renders by a rule of its own.
const int Last70Rule = DDF_PowerConsumption;
}

CDBColumnExpressions::CDBColumnExpressions(int nTableId, bool bIsoTimestamps, bool bRules70)
    : m_nTableId(nTableId)
    , m_bIsoTimestamps(bIsoTimestamps)
    , m_bRules70(bRules70)
    , m_strSupplyTemp(effectiveSupplyTemp())
{
}

QString CDBColumnExpressions::expression(int nField) const
{
    if (m_bRules70 && nField > Last70Rule)
        return column(nField);
    switch (nField) {
    case DDF_LogTimestamp:
        return timestamp();
    case DDF_Restarted:
    case DDF_SerialNumber:
        return QStringLiteral("CASE WHEN %1 = 0 THEN '-' ELSE %1 END ").arg(column(nField));
    case DDF_CO2:
        if (m_bRules70)
            return column(nField);
        return QStringLiteral("CASE WHEN NOCO2 = 1 THEN '-' ELSE %1 END").arg(column(nField));
    case DDF_Pressure:
        return QStringLiteral("CASE WHEN %1 <= 700 THEN '-' ELSE %1 END").arg(column(nField));
    case DDF_AirDensity:
        return QStringLiteral("CASE WHEN %1 <= 700 THEN '-' ELSE round( %1*100 / ( (%2 + 273.15) * 287.058), 3) END")
            .arg(column(DDF_Pressure), column(DDF_ExtractTemp));
    case DDF_RecoveryPercent:
        return recoveryPercent();
    case DDF_RecoveryWatt:
        return QStringLiteral("CASE WHEN abs(%1 - %2) < 2 THEN 0 ELSE round(%4*(%3-%1)/3, 0) END")
            .arg(column(DDF_OutdoorTemp), column(DDF_ExtractTemp), m_strSupplyTemp, column(DDF_ExtractAirFlow));
    case DDF_TimeComLev4:
        return comfortLevel5();
    case DDF_PowerConsumption:
        return powerConsumption();
    case DDF_NoCO2Sensor:
        return QString();
    default:
        break;
    }
    if ((nField >= DDF_TimeComLev0 && nField <= DDF_TimeComLev3)
        || (nField > DDF_TimeComLev4 && nField <= DDF_TimeCO2Ventilation))
        return duration(column(nField));
    return column(nField);
}

QString CDBColumnExpressions::column(int nField)
{
    return CDataDict::instance()->text(nField, CDataDict::TextColumn);
}

// While the unit defrosts, the computed supply temperature stands in for the
// measured one. RED holds the reduction reason as the abbreviation text of
// the language in use when the row was written.
QString CDBColumnExpressions::effectiveSupplyTemp()
{
    const CDataDict* pDict = CDataDict::instance();
    return QStringLiteral("(CASE WHEN %1=='%2' THEN %4 WHEN %1=='%3' THEN %4 ELSE %5 END)")
        .arg(pDict->text(DDF_ReductionReason, CDataDict::TextColumn),
             sqlQuoted(pDict->text(DDF_DefrostBypass, CDataDict::TextAbbreviation)),
             sqlQuoted(pDict->text(DDF_DefrostSupply, CDataDict::TextAbbreviation)),
             column(DDF_SupplyTempVirt), column(DDF_SupplyTemp));
}

// The text goes between single quotes: a quote inside it is doubled.
QString CDBColumnExpressions::sqlQuoted(const QString& strText)
{
    QString strQuoted = strText;
    return strQuoted.replace(QLatin1Char('\''), QLatin1String("''"));
}

QString CDBColumnExpressions::timestamp() const
{
    if (m_bIsoTimestamps)
        return QStringLiteral("datetime( %1, 'unixepoch', 'localtime')").arg(column(DDF_LogTimestamp));
    return QStringLiteral("strftime('%d.%m.%Y %H:%M',%1, 'unixepoch', 'localtime')").arg(column(DDF_LogTimestamp));
}

// Minute rows: temperature efficiency, blank while the summer bypass is open.
// Secondary-log rows: recovered over extracted energy.
QString CDBColumnExpressions::recoveryPercent() const
{
    if (m_nTableId == CDataDict::TM_ValueLogs) {
        const QString strEfficiency =
            QStringLiteral("(CASE WHEN %4==0 THEN 0 WHEN abs(%1 - %2) < 2 THEN 0 ELSE round((1-(%2-%3)/(%2-%1)) * 100, 0) END)")
                .arg(column(DDF_OutdoorTemp), column(DDF_ExtractTemp), m_strSupplyTemp, column(DDF_ExtractAirFlow));
        return QStringLiteral("CASE WHEN %1>0 THEN '' ELSE %2 END").arg(column(DDF_SumCoolBypassOpen), strEfficiency);
    }
    return QStringLiteral("CASE WHEN %1>0 AND %2>0 THEN round( CAST(%1 AS REAL) / CAST( %2 AS REAL) * 100) ELSE '' END")
        .arg(column(DDF_EnergyRecovered), column(DDF_EnergyExtracted));
}

QString CDBColumnExpressions::duration(const QString& strSeconds)
{
    return QStringLiteral("CASE WHEN %1 = 0 THEN '-' ELSE CAST( %1 / 3600 AS TEXT ) || ':' || strftime('%M','00:00', %1 || ' seconds' ) END")
        .arg(strSeconds);
}

// Level 5 has no column of its own: it is the span of the entry less levels 1 to 4.
QString CDBColumnExpressions::comfortLevel5()
{
    const QString strRest =
        QStringLiteral("CASE WHEN %1 = 0 THEN 900 WHEN %1 = 1 THEN 86400 ELSE 2592000 END - %2 - %3 - %4 - %5")
            .arg(column(DDF_LogEntryTimeSpan), column(DDF_TimeComLev0), column(DDF_TimeComLev1),
                 column(DDF_TimeComLev2), column(DDF_TimeComLev3));
    return QStringLiteral("CASE WHEN %1 = 0 THEN '-' ELSE CAST( (%1) / 3600 AS TEXT ) || ':' || strftime('%M','00:00', (%1) || ' seconds' ) END")
        .arg(strRest);
}

// Estimated from the air exchanged: h the hours of the span, AEX/h the mean flow.
QString CDBColumnExpressions::powerConsumption()
{
    const QString strHours = QStringLiteral("CASE WHEN %1 = 0 THEN 0.25 WHEN %1 = 1 THEN 24 ELSE 720 END")
                                 .arg(column(DDF_LogEntryTimeSpan));
    return QStringLiteral("round( %2*CASE WHEN (%1/%2) < 51 THEN (%1/%2*0.13 +  1.0)     ELSE                   (%1/%2*0.49 - 17.0) END,1)")
        .arg(column(DDF_AirExchanged), strHours);
}
