#ifndef SIMPTY_H
#define SIMPTY_H

#include <QString>

// One pseudo-terminal pair in raw mode: the simulated unit holds the master
// (non-blocking); programs open the slave device like a serial port. The
// unit also keeps the slave open itself so that the master never sees a
// hang-up while no program is attached. An optional symbolic link gives the
// slave a stable path across unplug/replug.
class CSimPty
{
public:
    CSimPty() = default;
    ~CSimPty();
    CSimPty(const CSimPty&) = delete;
    CSimPty& operator=(const CSimPty&) = delete;

    bool open();
    void close();
    bool isOpen() const { return m_nMaster >= 0; }
    int masterFd() const { return m_nMaster; }
    QString slavePath() const { return m_strSlavePath; }

    // Points `linkPath` at the slave (replacing an older link atomically);
    // an empty path removes the link this object made.
    bool setLink(const QString& linkPath);
    void removeLink();
    QString linkPath() const { return m_strLinkPath; }

private:
    int m_nMaster = -1;
    int m_nSlave = -1;
    QString m_strSlavePath;
    QString m_strLinkPath;
};

#endif // SIMPTY_H
