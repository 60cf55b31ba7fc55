#include "PC/SecLogReport.h"

#include "PC/LogNames.h"

namespace {

const char* const kHeading1 =
    " Log,   TExt, TSup, TOut, TExh, HExt, HOut, Pres,  CO2, Comfort Level, --- Operation Mode ---, -- Reduced Ventilation--  ,  Ventilation Reason --------  ,  -------- Flow Values --------   , Filter  , Acc, --SW Warnings-- , Error\n";
const char* const kHeading2 =
    "                                                        1, 2, 3, 4, 5, Std, Alt, Slp, Trb Hum, Def Exh, Sup cond, Hum Inp, Min, AbsHum, RelHum, Cool, CO2, Air  , Water, EnExt, EnRec, EnCol, Sup, Ext, Cnt, File, Line, Code,      \n";
const char* const kUnits =
    "    ,    °C ,  °C ,  °C ,  °C ,  %  ,   % , hPa ,  ppm, %1    ,        %1      ,    %1              ,    %1                  ,%2,%3,    %4     \n";

} // namespace

QString CSecLogReport::readFailedText()
{
    return QStringLiteral("Didn't get any Logs...");
}

QString CSecLogReport::report(const QVector<SSecLogEntry>& entries, int nSpan, const QString& strSpanText)
{
    QString strReport = title() + strSpanText + "\n" + heading(nSpan);
    for (int nPos = entries.size() - 1; nPos >= 0; --nPos)
        strReport += line(nPos, entries.at(nPos), nSpan);
    return strReport;
}

QString CSecLogReport::heading(int nSpan)
{
    return QString::fromUtf8(kHeading1) + QString::fromUtf8(kHeading2)
        + QString::fromUtf8(kUnits).arg(timeUnit(nSpan), airUnit(nSpan), waterUnit(nSpan), energyUnit(nSpan));
}

QString CSecLogReport::airUnit(int nSpan)
{
    return bySpan(nSpan, "1/36m³", "3.55m³", " 114m³");
}

QString CSecLogReport::line(int nPosition, const SSecLogEntry& entry, int nSpan)
{
    return linePrefix(nPosition, entry.restarted()) + valuesPart(entry) + timesPart(entry, nSpan)
        + flowsPart(entry) + statusPart(entry) + "\n";
}

// Temperatures, humidities, pressure and CO2: the period's averages.
QString CSecLogReport::valuesPart(const SSecLogEntry& e)
{
    // b6 is CO2 / 16 ppm, unsigned as in every other record: read signed,
    // 2048 ppm and more would print as negative.
    return column(e.extractTemp(), 5) + column(e.supplyTemp(), 5) + column(e.outdoorTemp(), 5)
        + column(e.exhaustTemp(), 5) + column(e.extractHum(), 5) + column(e.outdoorHum(), 5)
        + column(e.pressure(), 5) + column(e.co2() * 16, 5);
}

// Comfort levels and operation modes, in units of the span (minutes, hours, days).
QString CSecLogReport::timesPart(const SSecLogEntry& e, int nSpan)
{
    const int nPeriod = periodLength(nSpan);
    const int nLevels = e.timeComLev0() + e.timeComLev1() + e.timeComLev2() + e.timeComLev3();
    const int nModes = e.timeAutoAlt() + e.timeSleepMode() + e.timeTurboMode();
    return column(e.timeComLev0(), 2) + column(e.timeComLev1(), 2) + column(e.timeComLev2(), 2)
        + column(e.timeComLev3(), 2) + column(nPeriod - nLevels, 2)
        + column(nPeriod - nModes, 4) + column(e.timeAutoAlt(), 4) + column(e.timeSleepMode(), 4)
        + column(e.timeTurboMode(), 4);
}

// Humidity reduction, reduced-ventilation and ventilation-reason times, then
// the flow values (air, water, energies) in the span's units.
QString CSecLogReport::flowsPart(const SSecLogEntry& e)
{
    QString strHum;
    if (e.humRedModeSet())
        strHum = e.humRedModeClr() ? " X ," : " 1 ,";
    else
        strHum = e.humRedModeClr() ? " 0 ," : "???,";
    return strHum + column(e.timeDefExh(), 8) + column(e.timeSupCond(), 9) + column(e.timeHumInp(), 8)
        + column(e.timeMinAir(), 4) + column(e.timeAbsDrying(), 7) + column(e.timeRelDrying(), 7)
        + column(e.timeCooling(), 5) + column(e.timeCO2Ventilation(), 4)
        + column(e.airExchanged(), 6) + column(e.waterRemoved(), 6) + column(e.energyExtracted(), 6)
        + column(e.energyRecovered(), 6) + column(e.energyCooled(), 6);
}

// Filters, count, software warning and error state.
QString CSecLogReport::statusPart(const SSecLogEntry& e)
{
    return QString(e.filterSupplyFull() ? " Ful," : "  Ok,") + QString(e.filterExtractFull() ? " Ful," : "  Ok,")
        + column(e.accCount(), 4) + column(e.warningFile(), 5) + column(e.warningLine(), 5)
        + QString("%1, ").arg(e.errorCode(), 5)
        + QString("%1,").arg(QString::fromUtf8(CLogNames::errorStateName(e.errorStateCode())));
}
