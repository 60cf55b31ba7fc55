#ifndef DEBUGCAPTURE_H
#define DEBUGCAPTURE_H

// Collects the messages written through qDebug() (and the other levels)
// while it exists, instead of printing them; restores the previous handler
// when destroyed. One at a time, used from the test's own thread.
//
//   CDebugCapture log;
//   link.Send(packet);
//   QCOMPARE(log.count("Received ACK packet"), 1);

#include <QStringList>

class CDebugCapture
{
public:
    CDebugCapture();
    ~CDebugCapture();
    CDebugCapture(const CDebugCapture&) = delete;
    CDebugCapture& operator=(const CDebugCapture&) = delete;

    QStringList lines() const { return m_lines; }
    int count(const QString& line) const { return m_lines.count(line); }
    void clear() { m_lines.clear(); }

private:
    QStringList m_lines;
};

#endif // DEBUGCAPTURE_H
