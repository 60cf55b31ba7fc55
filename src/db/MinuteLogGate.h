#ifndef MINUTELOGGATE_H
#define MINUTELOGGATE_H

#include <QDateTime>

// Lets one set of current values per clock minute through to the minute log.
// Owned by the minute page for its lifetime; the first set after it is built
// always passes, later sets only when their minute differs from the minute
// last written (the whole minute, date included: after a gap of exactly an
// hour the set is a new minute and is written).
class CMinuteLogGate
{
public:
    explicit CMinuteLogGate(const QDateTime& built = QDateTime::currentDateTime());

    // True when values arriving at now are to be written; minuteStart is then
    // now with seconds and milliseconds cleared, the row's time stamp.
    bool admit(const QDateTime& now, QDateTime& minuteStart);

private:
    static qint64 minuteOf(const QDateTime& time);

    qint64 m_nLastMinute;
};

#endif // MINUTELOGGATE_H
