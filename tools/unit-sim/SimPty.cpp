#include "SimPty.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

CSimPty::~CSimPty()
{
    removeLink();
    close();
}

bool CSimPty::open()
{
    close();
    int master = -1;
    int slave = -1;
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B115200);
    cfsetospeed(&raw, B115200);
    if (::openpty(&master, &slave, name, &raw, nullptr) != 0) {
        qDebug() << "unit: openpty failed:" << std::strerror(errno);
        return false;
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    m_nMaster = master;
    m_nSlave = slave;
    m_strSlavePath = QString::fromLocal8Bit(name);
    return true;
}

void CSimPty::close()
{
    if (m_nMaster >= 0)
        ::close(m_nMaster);
    if (m_nSlave >= 0)
        ::close(m_nSlave);
    m_nMaster = -1;
    m_nSlave = -1;
    m_strSlavePath.clear();
}

bool CSimPty::setLink(const QString& linkPath)
{
    if (linkPath.isEmpty()) {
        removeLink();
        return true;
    }
    if (m_strSlavePath.isEmpty())
        return false;
    // Refuse to replace anything but a symbolic link (never a user's file).
    const QFileInfo existing(linkPath);
    if (existing.exists() && !existing.isSymLink()) {
        qDebug() << "unit: refusing to replace" << linkPath << "- not a symbolic link";
        return false;
    }
    const QByteArray target = QFile::encodeName(m_strSlavePath);
    const QByteArray tmp = QFile::encodeName(linkPath + QStringLiteral(".tmp%1").arg(::getpid()));
    ::unlink(tmp.constData());
    if (::symlink(target.constData(), tmp.constData()) != 0
        || ::rename(tmp.constData(), QFile::encodeName(linkPath).constData()) != 0) {
        qDebug() << "unit: cannot create link" << linkPath << ":" << std::strerror(errno);
        ::unlink(tmp.constData());
        return false;
    }
    m_strLinkPath = linkPath;
    return true;
}

void CSimPty::removeLink()
{
    if (m_strLinkPath.isEmpty())
        return;
    const QFileInfo info(m_strLinkPath);
    if (info.isSymLink())
        ::unlink(QFile::encodeName(m_strLinkPath).constData());
    m_strLinkPath.clear();
}
