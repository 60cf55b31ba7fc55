#ifndef PTYPAIR_H
#define PTYPAIR_H

// A pseudo-terminal pair in raw mode: the slave side is a serial port for
// QSerialPort / CFanBase::openPort (slavePath()), the master side plays the
// unit. Usable from any one thread (e.g. a peer thread in a benchmark).
//
//   CPtyPair pty;
//   QVERIFY(pty.isValid());
//   pty.write(WireFrames::ack());            // the unit sends
//   QVERIFY(pty.waitSlaveReadable(5000));     // ... and it has arrived
//   fan.openPort(pty.slavePath());
//   QByteArray request = pty.read(11, 5000); // what the PC wrote
//
// The pair keeps its own slave descriptor open (never read from), so the
// master stays usable while the port under test is closed and reopened.

#include <QByteArray>
#include <QString>

class CPtyPair
{
public:
    CPtyPair();
    ~CPtyPair();
    CPtyPair(const CPtyPair&) = delete;
    CPtyPair& operator=(const CPtyPair&) = delete;

    bool isValid() const { return m_nMaster >= 0 && m_nSlave >= 0; }
    // e.g. "/dev/pts/7"
    QString slavePath() const { return m_strSlavePath; }
    int masterFd() const { return m_nMaster; }

    // Unit side. write: all bytes or false.
    bool write(const QByteArray& bytes);
    // Reads until count bytes have come or timeoutMs passed; returns what came.
    QByteArray read(int count, int timeoutMs);
    // Waits up to timeoutMs for input, then returns everything waiting (maybe nothing).
    QByteArray readAvailable(int timeoutMs);
    // True once bytes written to the master are waiting on the slave side
    // (the kernel hands them over asynchronously).
    bool waitSlaveReadable(int timeoutMs);

private:
    int m_nMaster = -1;
    int m_nSlave = -1;
    QString m_strSlavePath;
};

#endif // PTYPAIR_H
