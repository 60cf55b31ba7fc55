#include "PC/SecLogReportBase.h"

QString CSecLogReportBase::title()
{
    return QStringLiteral("\nSecondary Log:");
}

QString CSecLogReportBase::countFailedText()
{
    return QStringLiteral("getSecLogCnt failed!\n");
}

int CSecLogReportBase::periodLength(int nSpan)
{
    switch (nSpan) {
    case 0: return 15;
    case 1: return 24;
    case 2: return 30;
    default: return 0;
    }
}

QString CSecLogReportBase::timeUnit(int nSpan)
{
    return bySpan(nSpan, "  Minutes", " Hours   ", "  Days   ");
}

QString CSecLogReportBase::waterUnit(int nSpan)
{
    return bySpan(nSpan, "   g  ", "128g  ", "4096g ");
}

QString CSecLogReportBase::energyUnit(int nSpan)
{
    return bySpan(nSpan, " 0.333Km³ ", "  42.7Km³ ", " 1365Km³  ");
}

QString CSecLogReportBase::linePrefix(int nPosition, bool bRestarted)
{
    return QString(bRestarted ? "*" : " ") + QString("%1,: ").arg(nPosition, 3);
}

QString CSecLogReportBase::column(int nValue, int nWidth)
{
    return QString("%1,").arg(nValue, nWidth);
}

QString CSecLogReportBase::bySpan(int nSpan, const char* s0, const char* s1, const char* s2)
{
    switch (nSpan) {
    case 0: return QString::fromUtf8(s0);
    case 1: return QString::fromUtf8(s1);
    case 2: return QString::fromUtf8(s2);
    default: return QString();
    }
}
