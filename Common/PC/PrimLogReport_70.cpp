#include "PC/PrimLogReport_70.h"

#include "PC/LogNames_70.h"

#include <QDebug>

namespace {

const char* const kHeading1 =
    "Log,  TExt,    TOut,HExt,HSup,CO2Ex,CO2Su,  HTExt,  HTSup,HUEx,HUSu,Com, Sum, Fan,  Flow,SBFlow,  RPM,   State,   Fan    Ventil, Room,   IntEr, IntEr, IntEr, Error  \n";
const char* const kHeading2 =
    "   ,    °C,      °C,   %,   %,  ppm,  ppm,     °C,     °C,   %,   %,Lev, Coo, Speed,m³/h,                         State, Reason, Area,   File , Line , Code ,         \n";

// Operation mode 2 is "Service": the comfort-level column then shows the service step.
constexpr int ModeService = 2;
// With b22 bits 1-3 at this value the unit has no summer cooling to report.
constexpr int NoSummerCoolingSwitch = 3;

// "%1," with the value right-aligned in nWidth characters.
QString column(int nValue, int nWidth)
{
    return QString("%1,").arg(nValue, nWidth);
}

// A temperature in fractions of a degree as degC with three decimals.
QString temperature(int nValue, double dPerDegree, int nWidth)
{
    return QString("%1,").arg(nValue / dPerDegree, nWidth, 'f', 3);
}

QString name(const char* pName)
{
    return QString::fromUtf8(pName);
}

} // namespace

QString CPrimLogReport_70::failureText()
{
    return QStringLiteral(" Didn't get any logs");
}

QString CPrimLogReport_70::report(const QVector<SPrimLogEntry_70>& entries)
{
    QString strReport = QStringLiteral("\nPrimary Log:\n") + heading();
    for (int nPos = 0; nPos < entries.size(); ++nPos)
        strReport += line(nPos, entries.at(nPos));
    return strReport;
}

QString CPrimLogReport_70::heading()
{
    return QString::fromUtf8(kHeading1) + QString::fromUtf8(kHeading2);
}

QString CPrimLogReport_70::line(int nPosition, const SPrimLogEntry_70& entry)
{
    qDebug().nospace() << "logEntries[ nLog ].ControlAuto = " << entry.reasonCode();
    return QString("%1: ").arg(nPosition, 3) + sensorPart(entry) + modePart(entry) + fanPart(entry)
        + errorPart(entry) + "\n";
}

// Temperatures, humidities and air qualities; HTExt and HTSup are the
// humidity sensors' own temperatures in 1/4 degC.
QString CPrimLogReport_70::sensorPart(const SPrimLogEntry_70& e)
{
    return temperature(e.extractTemp(), 8.0, 6) + temperature(e.supplyTemp70(), 8.0, 7)
        + column(e.extractHum(), 4) + column(e.outdoorHum(), 4)
        + column(e.extractCO270(), 5) + column(e.supplyCO270(), 5)
        + temperature(e.htExt(), 4.0, 7) + temperature(e.htSup(), 4.0, 7)
        + column(e.huEx(), 4) + column(e.huSu(), 4);
}

// Comfort level (or service step) and the summer-cooling flag.
QString CPrimLogReport_70::modePart(const SPrimLogEntry_70& e)
{
    const QString strLevel = e.operationModeCode() == ModeService ? column(e.serviceStep() + 1, 4)
                                                                  : column(e.comfortLevelCode() + 1, 3);
    const bool bNoCooling = ((e.dipSwitch() >> 1) & 0x7) == NoSummerCoolingSwitch;
    return strLevel + (bNoCooling ? QStringLiteral("  --,") : column(e.summerCooling(), 4));
}

// Air flows, fan speed, operation mode, fan state, reason and room area.
QString CPrimLogReport_70::fanPart(const SPrimLogEntry_70& e)
{
    // The room-area code is read from bits 3-7 of the DIP-switch byte, so any
    // set bit above 5 gives a code above 5 and thus the area 0.
    const int nRoomArea = CLogNames_70::roomArea(e.dipSwitch() >> 3);
    return column(e.airFlow(), 4) + column(e.flow(), 6) + column(e.sbFlow(), 6) + column(e.fanRPM70(), 5)
        + QString("%1,").arg(name(CLogNames_70::operationModeName(e.operationModeCode())), 8)
        + QString("%1,").arg(name(CLogNames_70::fanStateName(e.fanStateCode())), 8)
        + " " + name(CLogNames_70::reasonName(e.reasonCode())) + ", "
        + QString("%1, ").arg(nRoomArea, 4);
}

// Internal error: source file, line and code.
QString CPrimLogReport_70::errorPart(const SPrimLogEntry_70& e)
{
    return QString("%1, ").arg(e.errorFileNr(), 5) + QString("%1, ").arg(e.errorLineNr(), 5)
        + QString("%1, ").arg(e.errorCode(), 5);
}
