#include "PtyPair.h"

#include <QElapsedTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool WaitReadable(int fd, int timeoutMs)
{
    pollfd p = { fd, POLLIN, 0 };
    int rc;
    do {
        rc = ::poll(&p, 1, timeoutMs);
    } while (rc < 0 && errno == EINTR);
    return rc > 0 && (p.revents & POLLIN);
}

} // namespace

CPtyPair::CPtyPair()
{
    char name[128] = {};
    if (::openpty(&m_nMaster, &m_nSlave, name, nullptr, nullptr) != 0) {
        m_nMaster = m_nSlave = -1;
        return;
    }
    m_strSlavePath = QString::fromLocal8Bit(name);
    // No echo, no line editing, no CR/LF translation: bytes pass unchanged.
    termios tio = {};
    ::tcgetattr(m_nSlave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(m_nSlave, TCSANOW, &tio);
    ::fcntl(m_nMaster, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_nSlave, F_SETFD, FD_CLOEXEC);
}

CPtyPair::~CPtyPair()
{
    if (m_nSlave >= 0)
        ::close(m_nSlave);
    if (m_nMaster >= 0)
        ::close(m_nMaster);
}

bool CPtyPair::write(const QByteArray& bytes)
{
    int done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_nMaster, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += int(n);
    }
    return true;
}

QByteArray CPtyPair::read(int count, int timeoutMs)
{
    QByteArray got;
    QElapsedTimer timer;
    timer.start();
    while (got.size() < count) {
        const int left = timeoutMs - int(timer.elapsed());
        if (left <= 0 || !WaitReadable(m_nMaster, left))
            break;
        char buf[512];
        const ssize_t n = ::read(m_nMaster, buf, qMin<size_t>(sizeof buf, size_t(count - got.size())));
        if (n <= 0)
            break;
        got.append(buf, int(n));
    }
    return got;
}

QByteArray CPtyPair::readAvailable(int timeoutMs)
{
    QByteArray got;
    int wait = timeoutMs;
    while (WaitReadable(m_nMaster, wait)) {
        char buf[512];
        const ssize_t n = ::read(m_nMaster, buf, sizeof buf);
        if (n <= 0)
            break;
        got.append(buf, int(n));
        wait = 0;
    }
    return got;
}

bool CPtyPair::waitSlaveReadable(int timeoutMs)
{
    return WaitReadable(m_nSlave, timeoutMs);
}
