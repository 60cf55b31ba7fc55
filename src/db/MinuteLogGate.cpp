#include "db/MinuteLogGate.h"

CMinuteLogGate::CMinuteLogGate(const QDateTime& built)
    : m_nLastMinute(minuteOf(built) - 1)
{
}

bool CMinuteLogGate::admit(const QDateTime& now, QDateTime& minuteStart)
{
    const qint64 nMinute = minuteOf(now);
    if (nMinute == m_nLastMinute)
        return false;
    m_nLastMinute = nMinute;
    // Subtracted rather than rebuilt from the clock reading, so that a minute of
    // the repeated autumn hour keeps its own UTC time.
    const QTime time = now.time();
    minuteStart = now.addMSecs(-qint64(time.second()) * 1000 - time.msec());
    return true;
}

// Counted in UTC, so the repeated hour at the end of daylight-saving time
// gives new minutes, not the ones written an hour before.
qint64 CMinuteLogGate::minuteOf(const QDateTime& time)
{
    const qint64 nSecs = time.toSecsSinceEpoch();
    return nSecs >= 0 ? nSecs / 60 : (nSecs - 59) / 60;
}
