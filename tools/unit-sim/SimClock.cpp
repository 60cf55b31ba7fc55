#include "SimClock.h"

#include <QDateTime>

CSimClock::CSimClock(qint64 startUnixSec, double speed)
    : m_nBaseMs((startUnixSec > 0 ? startUnixSec : QDateTime::currentSecsSinceEpoch()) * 1000)
    , m_dSpeed(qMax(0.0, speed))
{
    m_Elapsed.start();
}

qint64 CSimClock::nowMs() const
{
    return m_nBaseMs + qint64(double(m_Elapsed.elapsed()) * m_dSpeed);
}

qint64 CSimClock::nowSec() const
{
    return nowMs() / 1000;
}

void CSimClock::setNow(qint64 unixSec)
{
    m_nBaseMs = unixSec * 1000;
    m_Elapsed.restart();
}

void CSimClock::advance(qint64 seconds)
{
    m_nBaseMs = m_nBaseMs + qint64(double(m_Elapsed.elapsed()) * m_dSpeed) + seconds * 1000;
    m_Elapsed.restart();
}

void CSimClock::setSpeed(double speed)
{
    advance(0);
    m_dSpeed = qMax(0.0, speed);
}
