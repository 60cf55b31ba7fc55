#ifndef SECLOGREPORT_H
#define SECLOGREPORT_H

// The secondary-log text report of the 100 family: one line per entry, the
// youngest fetched entry first, under a two-line heading and a units line
// for the span. Works on entries already read from the unit; keeps no state.

#include "PC/SecLogEntry.h"
#include "PC/SecLogReportBase.h"

#include <QString>
#include <QVector>

class CSecLogReport : public CSecLogReportBase
{
public:
    // The whole report when the entries could not be read (no title).
    static QString readFailedText();

    // Title, span text, heading and one line per entry, from the last entry
    // of the list to the first. nSpan is CLogging::EMaxTimeSpan (0, 1, 2);
    // strSpanText the panel's span name ("15 min", "1 day", "30 days").
    static QString report(const QVector<SSecLogEntry>& entries, int nSpan, const QString& strSpanText);

    // The two heading lines and the units line of the span.
    static QString heading(int nSpan);
    static QString airUnit(int nSpan);
    // One entry at its list position, with "\n".
    static QString line(int nPosition, const SSecLogEntry& entry, int nSpan);

private:
    static QString valuesPart(const SSecLogEntry& entry);
    static QString timesPart(const SSecLogEntry& entry, int nSpan);
    static QString flowsPart(const SSecLogEntry& entry);
    static QString statusPart(const SSecLogEntry& entry);
};

#endif // SECLOGREPORT_H
