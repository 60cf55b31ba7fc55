#include "PC/PrimLogReport.h"

#include "PC/LogNames.h"

namespace {

const char* const kHeading1 =
    "Log,   TExt  , TSup  , TOut  , TExh  , HExt, HOut, Pres,  CO2, TVirt , Com, Hum, Sum, Fan, AveFlow, Fan, 2nd, RPM , RPM , Vent, Vent, Vent, Vent, TPE, TBA, TPS, TBY, TState , Ventil, Defrost, Fil, Fil, Room, 2nd Room, IntEr, IntEr, IntEr, Error  \n";
const char* const kHeading2 =
    "   ,    °C   ,  °C   ,  °C   ,  °C   ,  %  ,   % ,  hPa,  ppm,  °C   , Lev, Red, Coo,m³/h,  m³/h  , Lim, o20,Suppl, Extr, Extr,  2nd, Supp, Bypa,                            , Reason, Exhaust, Sup, Ext, Area, Flow    , File , Line , Code ,   \n";

// "%1," with the value right-aligned in nWidth characters.
QString column(int nValue, int nWidth)
{
    return QString("%1,").arg(nValue, nWidth);
}

// A temperature in 1/8 degC as degC with three decimals in 7 characters.
QString temperature(int nEighths)
{
    return QString("%1,").arg(nEighths / 8.0, 7, 'f', 3);
}

QString name(const char* pName)
{
    return QString::fromUtf8(pName);
}

} // namespace

QString CPrimLogReport::failureText()
{
    return QStringLiteral("Didn't get any logs...");
}

QString CPrimLogReport::report(const QVector<SPrimLogEntry>& entries)
{
    QString strReport = QStringLiteral("\nPrimary Log:\n") + heading();
    for (int nPos = 0; nPos < entries.size(); ++nPos)
        strReport += line(nPos, entries.at(nPos));
    return strReport;
}

QString CPrimLogReport::heading()
{
    return QString::fromUtf8(kHeading1) + QString::fromUtf8(kHeading2);
}

QString CPrimLogReport::line(int nPosition, const SPrimLogEntry& entry)
{
    return QString("%1,: ").arg(nPosition, 3) + sensorPart(entry) + fanPart(entry) + flapPart(entry)
        + statePart(entry) + errorPart(entry) + "\n";
}

// Temperatures, humidities, pressure, CO2 and the computed supply temperature.
QString CPrimLogReport::sensorPart(const SPrimLogEntry& e)
{
    return temperature(e.extractTemp()) + temperature(e.supplyTemp()) + temperature(e.outdoorTemp())
        + temperature(e.exhaustTemp()) + column(e.extractHum(), 5) + column(e.outdoorHum(), 5)
        + column(e.pressure(), 5) + column(e.co2() * 16, 5) + temperature(e.supplyTempVirt());
}

// Comfort level, mode flags, fan flow and speeds.
QString CPrimLogReport::fanPart(const SPrimLogEntry& e)
{
    const int nFanFlow = e.fanFlowCode() * 10;
    // Average-flow code 20 stands for the fan flow itself, 1 for the 20/60 cycle.
    const int nAverage = e.averageFlowCode();
    QString strAverage;
    if (nAverage == 20)
        strAverage = QString("%1").arg(nFanFlow, 7);
    else if (nAverage == 1)
        strAverage = QStringLiteral("  20/60");
    else
        strAverage = QString("%1").arg(nAverage, 7);
    return column(e.comfortLevelCode() + 1, 4) + column(e.humReductionMode(), 4)
        + column(e.sumCoolBypassOpen(), 4) + column(nFanFlow, 4) + strAverage + " ,"
        + column(e.fanLimited(), 4) + column(e.secondRoomOver20(), 4)
        + column(e.fanSpeedA(), 5) + column(e.fanSpeedB(), 5);
}

// Flap positions (extract, second room, supply, bypass) and their control states.
QString CPrimLogReport::flapPart(const SPrimLogEntry& e)
{
    return QString(" %1,").arg(name(CLogNames::ventPositionName(e.ventPosExtract())))
        + QString(" %1,").arg(name(CLogNames::ventPositionName(e.ventPosBath())))
        + QString(" %1,").arg(name(CLogNames::ventPositionName(e.ventPosSupply())))
        + QString(" %1,").arg(name(CLogNames::ventPositionName(e.ventPosBypass())))
        + QString(" %1,").arg(e.ventCtrlSetExtract(), 3) + QString(" %1,").arg(e.ventCtrlSetBath(), 3)
        + QString(" %1,").arg(e.ventCtrlSetSupply(), 3) + QString(" %1,").arg(e.ventCtrlSetBypass(), 3);
}

// Operation mode, ventilation reason, defrost, filters and DIP switches.
QString CPrimLogReport::statePart(const SPrimLogEntry& e)
{
    // The room-area code is read from bits 4-7 of the DIP-switch byte, so a
    // set bit 7 gives a code above 5 and thus the area 0.
    const int nRoomArea = CLogNames::roomArea(e.dipSwitch() >> 4);
    return QString("%1,").arg(name(CLogNames::operationModeName(e.operationModeCode())), 8)
        + " " + name(CLogNames::reasonName(e.reasonCode())) + ", "
        + QString("%1 , ").arg(name(CLogNames::defrostName(e.defrostCode())), 6)
        + QString("%1, ").arg(e.filterSupplyFull() ? "FUL" : "OK", 3)
        + QString("%1, ").arg(e.filterExtractFull() ? "FUL" : "OK", 3)
        + QString("%1, ").arg(nRoomArea, 4) + QString("%1, ").arg(e.secondRoomFlowStep() * 30, 8);
}

// Internal error (file, line, code) and the error state.
QString CPrimLogReport::errorPart(const SPrimLogEntry& e)
{
    return QString("%1, ").arg(e.errorFileNr(), 5) + QString("%1, ").arg(e.errorLineNr(), 5)
        + QString("%1, ").arg(e.errorCode(), 5)
        + QString("%1,").arg(name(CLogNames::errorStateName(e.errorStateCode())));
}
