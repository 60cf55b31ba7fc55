#ifndef SECLOGREPORTBASE_H
#define SECLOGREPORTBASE_H

// What the secondary-log text reports of both families share: the title, the
// count failure text, the units of a time span and the start of each line.
// The span is 0, 1 or 2 (quarter hour, day, month); the reports are diagnostic
// text for the update program's debug panel and are parsed by nothing.

#include <QString>

class CSecLogReportBase
{
public:
    // "\nSecondary Log:" (no line end: the span text follows it).
    static QString title();
    // Appended to the title when the unit does not tell its ring counts.
    static QString countFailedText();

    static bool isSpan(int nSpan) { return nSpan >= 0 && nSpan <= 2; }
    // The period of one entry in the unit of its 5-bit durations: 15 minutes,
    // 24 hours or 30 days. 0 for a value that is no span.
    static int periodLength(int nSpan);

    // Unit texts of the units line; empty for a value that is no span.
    static QString timeUnit(int nSpan);
    static QString waterUnit(int nSpan);
    static QString energyUnit(int nSpan);

protected:
    // "*" for an entry whose period saw a restart, else a blank, then the
    // position in the fetched list right-aligned in 3: "*  2,: ".
    static QString linePrefix(int nPosition, bool bRestarted);
    // "%1," with the value right-aligned in nWidth characters.
    static QString column(int nValue, int nWidth);
    // The text of the span 0, 1 or 2 (UTF-8); empty for any other value.
    static QString bySpan(int nSpan, const char* s0, const char* s1, const char* s2);
};

#endif // SECLOGREPORTBASE_H
