#ifndef PRIMLOGREPORT_70_H
#define PRIMLOGREPORT_70_H

// The primary-log text report of the 70 family: one fixed-column line per
// entry, in list order, under a two-line heading. Works on entries already
// read from the unit; keeps no state. Writes one debug line per entry with
// its ventilation reason code.

#include "PC/PrimLogEntry_70.h"

#include <QString>
#include <QVector>

class CPrimLogReport_70
{
public:
    // The whole report when the log could not be read.
    static QString failureText();

    // "\nPrimary Log:\n", the heading and one line per entry from position 0.
    static QString report(const QVector<SPrimLogEntry_70>& entries);
    static QString heading();
    // One entry at its list position, with "\n".
    static QString line(int nPosition, const SPrimLogEntry_70& entry);

private:
    static QString sensorPart(const SPrimLogEntry_70& entry);
    static QString modePart(const SPrimLogEntry_70& entry);
    static QString fanPart(const SPrimLogEntry_70& entry);
    static QString errorPart(const SPrimLogEntry_70& entry);
};

#endif // PRIMLOGREPORT_70_H
