#include "PC/SecLogReport_70.h"

namespace {

const char* const kHeading1 =
    " Log,  TExt,TSup,HExt,HOut, CO2E, CO2S, Comfort Level, Operation Mode, -- Reduced Ventilation , Ventilation Reason --------, Flow Values -------, Acc, --SW Warnings-- , Error\n";
const char* const kHeading2 =
    "                                        1, 2, 3, 4, 5, Auto, Ser, Trb, HumInp,HumCO2Inp,CO2Inp, Min,AbsHum,RelHum,Cool, CO2, Air  , Water, EnCol, Cnt, File, Line, Code,      \n";
const char* const kUnits =
    "    ,   °C , °C , %  ,  % ,  log,  log,    ,       %1      ,    %1        ,    %1     ,  %2,    %3, %4     \n";

// The unit counts exchanged air in fifteenths of the printed unit.
constexpr int AirCountsPerUnit = 15;

} // namespace

QString CSecLogReport_70::readFailedText()
{
    return QStringLiteral(" Didn't get any Logs...");
}

QString CSecLogReport_70::report(const QVector<SSecLogEntry_70>& entries, int nSpan, const QString& strSpanText)
{
    QString strReport = title() + strSpanText + "\n" + heading(nSpan);
    for (int nPos = entries.size() - 1; nPos >= 0; --nPos)
        strReport += line(nPos, entries.at(nPos), nSpan);
    return strReport;
}

QString CSecLogReport_70::heading(int nSpan)
{
    return QString::fromUtf8(kHeading1) + QString::fromUtf8(kHeading2)
        + QString::fromUtf8(kUnits)
              .arg(timeUnit(nSpan))
              .arg(airUnit(nSpan), 6)
              .arg(waterUnit(nSpan), 6)
              .arg(energyUnit(nSpan));
}

QString CSecLogReport_70::airUnit(int nSpan)
{
    return bySpan(nSpan, "1/4m³", "32m³", " 1024m³");
}

QString CSecLogReport_70::line(int nPosition, const SSecLogEntry_70& entry, int nSpan)
{
    return linePrefix(nPosition, entry.restarted()) + valuesPart(entry) + timesPart(entry, nSpan)
        + flowsPart(entry) + "\n";
}

// Temperatures, humidities and air qualities (CO2 / 16 ppm): the period's averages.
QString CSecLogReport_70::valuesPart(const SSecLogEntry_70& e)
{
    return column(e.extractTemp(), 4) + column(e.supplyTemp70(), 4) + column(e.extractHum(), 4)
        + column(e.outdoorHum(), 4) + column(e.extractCO270() * 16, 5) + column(e.supplyCO270() * 16, 5);
}

// Comfort levels, operation modes and the times of reduced ventilation and of
// each ventilation reason, in units of the span (minutes, hours, days).
QString CSecLogReport_70::timesPart(const SSecLogEntry_70& e, int nSpan)
{
    const int nPeriod = periodLength(nSpan);
    const int nLevels = e.timeComLev0() + e.timeComLev1() + e.timeComLev2() + e.timeComLev3();
    // The three input-driven durations in bit order: the report heads bits
    // 5-9 "HumCO2Inp" and bits 10-14 "CO2Inp" (the store names them the other way).
    return column(e.timeComLev0(), 2) + column(e.timeComLev1(), 2) + column(e.timeComLev2(), 2)
        + column(e.timeComLev3(), 2) + column(nPeriod - nLevels, 2)
        + column(nPeriod - (e.timeServiceMode() + e.timeTurboMode()), 4)
        + column(e.timeServiceMode(), 4) + column(e.timeTurboMode(), 4)
        + column(e.timeHumInp(), 8) + column(e.timeCO2Inp(), 8) + column(e.timeHumCO2Inp(), 8)
        + column(e.timeMinAir(), 4) + column(e.timeAbsDrying(), 7) + column(e.timeRelDrying(), 7)
        + column(e.timeCooling(), 5) + column(e.timeCO2Ventilation(), 4);
}

// Air, water and cooling energy, then the count and the software warning.
QString CSecLogReport_70::flowsPart(const SSecLogEntry_70& e)
{
    return column(e.airExchanged() / AirCountsPerUnit, 6) + column(e.waterRemoved(), 6)
        + column(e.energyCooled(), 6) + column(e.accCount(), 4) + column(e.warningFile(), 5)
        + column(e.warningLine(), 5) + QString("%1, ").arg(e.errorCode(), 5);
}
