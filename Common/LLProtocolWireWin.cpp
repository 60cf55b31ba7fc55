#include "LLProtocolWireWin.h"

#include <QElapsedTimer>
#include <QIODevice>
#include <QSerialPort>
#include <QThread>
#include <cstring>

CLLProtocolWireWin::CLLProtocolWireWin(QIODevice* port)
    : m_pPort(port)
    , m_Pending(0)
{
    std::memset(m_Buffer, 0, sizeof m_Buffer);
    FlushOutput();
}

CLLProtocolWireWin::~CLLProtocolWireWin()
{
    FlushQueuedSends();
}

void CLLProtocolWireWin::Clear()
{
    FlushOutput();
    m_Pending = 0;
}

bool CLLProtocolWireWin::Send(const void* data, UINT16 len)
{
    if (!data)
        return false;
    if (m_pPort->write(static_cast<const char*>(data), len) < 0)
        return false;
    // A packet goes out as header, data and CRC in three calls. QSerialPort only
    // queues them; Flush pushes them to the driver together, so a packet costs
    // one system write instead of three. Reading, waiting, sleeping and the end
    // of the transport flush too, so no caller can leave bytes behind.
    m_bSendQueued = true;
    return true;
}

const UINT8* CLLProtocolWireWin::Receive(UINT16* len)
{
    FlushQueuedSends();
    if (m_Pending > 0) {
        *len = m_Pending;
        m_Pending = 0;
        return m_Buffer;
    }
    *len = 0;
    const qint64 available = BytesAvailable();
    if (available <= 0)
        return nullptr;
    const qint64 got = m_pPort->read(reinterpret_cast<char*>(m_Buffer), qMin<qint64>(available, BUFFER_SIZE));
    if (got <= 0)
        return nullptr;
    *len = UINT16(got);
    return m_Buffer;
}

void CLLProtocolWireWin::PutBack(UINT16 total, UINT16 remaining)
{
    if (total > BUFFER_SIZE || total < remaining)
        return;
    std::memmove(m_Buffer, m_Buffer + (total - remaining), remaining);
    m_Pending = remaining;
}

void CLLProtocolWireWin::Sleep(UINT16 ms)
{
    FlushQueuedSends();
    QThread::msleep(ms);
}

void CLLProtocolWireWin::WaitForData(UINT16 ms)
{
    FlushQueuedSends();
    if (m_Pending > 0 || m_pPort->bytesAvailable() > 0)
        return;
    QElapsedTimer timer;
    timer.start();
    // Returns as soon as the driver has bytes; a device that cannot wait
    // (or an error) returns at once, and the rest of the pause is slept.
    if (m_pPort->waitForReadyRead(ms))
        return;
    const qint64 rest = qint64(ms) - timer.elapsed();
    if (rest > 0)
        QThread::msleep(quint64(rest));
}

qint64 CLLProtocolWireWin::BytesAvailable()
{
    FlushQueuedSends();
    const qint64 buffered = m_pPort->bytesAvailable();
    if (buffered > 0)
        return buffered;
    // A QSerialPort only learns of the driver's bytes from its event loop or a
    // wait; a zero wait fetches them without blocking.
    m_pPort->waitForReadyRead(0);
    return m_pPort->bytesAvailable();
}

void CLLProtocolWireWin::Flush()
{
    FlushQueuedSends();
}

void CLLProtocolWireWin::FlushQueuedSends()
{
    if (!m_bSendQueued)
        return;
    m_bSendQueued = false;
    FlushOutput();
}

void CLLProtocolWireWin::FlushOutput()
{
    m_bSendQueued = false;
    if (auto* serial = qobject_cast<QSerialPort*>(m_pPort))
        serial->flush();
}
