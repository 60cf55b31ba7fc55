#ifndef SIMCLOCK_H
#define SIMCLOCK_H

#include <QElapsedTimer>
#include <QtGlobal>

// The unit's notion of wall-clock time (Unix seconds). Runs with real time
// times a speed factor, or stands still (speed 0) so that tests can compare
// what the unit reports with what it would report, and step it by hand.
class CSimClock
{
public:
    explicit CSimClock(qint64 startUnixSec = 0, double speed = 1.0);

    qint64 nowSec() const;
    qint64 nowMs() const;
    void setNow(qint64 unixSec);
    void advance(qint64 seconds);
    void setSpeed(double speed);
    double speed() const { return m_dSpeed; }

private:
    qint64 m_nBaseMs;          // simulated time at the last rebase
    double m_dSpeed;
    QElapsedTimer m_Elapsed;   // real time since the last rebase
};

#endif // SIMCLOCK_H
