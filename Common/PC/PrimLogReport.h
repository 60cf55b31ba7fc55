#ifndef PRIMLOGREPORT_H
#define PRIMLOGREPORT_H

// The primary-log text report of the 100 family: one fixed-column line per
// entry, in list order, under a two-line heading. Works on entries already
// read from the unit; keeps no state.

#include "PC/PrimLogEntry.h"

#include <QString>
#include <QVector>

class CPrimLogReport
{
public:
    // The whole report when the log could not be read.
    static QString failureText();

    // "\nPrimary Log:\n", the heading and one line per entry from position 0.
    static QString report(const QVector<SPrimLogEntry>& entries);
    static QString heading();
    // One entry at its list position, with "\n".
    static QString line(int nPosition, const SPrimLogEntry& entry);

private:
    static QString sensorPart(const SPrimLogEntry& entry);
    static QString fanPart(const SPrimLogEntry& entry);
    static QString flapPart(const SPrimLogEntry& entry);
    static QString statePart(const SPrimLogEntry& entry);
    static QString errorPart(const SPrimLogEntry& entry);
};

#endif // PRIMLOGREPORT_H
