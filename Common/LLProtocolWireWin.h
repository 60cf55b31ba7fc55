#ifndef LLPROTOCOLWIREWIN_H
#define LLPROTOCOLWIREWIN_H

#include "LLProtocolWire.h"

#include <QtGlobal>

class QIODevice;

// The transport over a serial port (a QSerialPort, or any QIODevice).
// The port is not owned; the port binding owns both port and transport.
class CLLProtocolWireWin : public CLLProtocolWire
{
public:
    enum { BUFFER_SIZE = 256 };  // larger than the longest packet (210 bytes)

    // Pushes out pending output of the port; nothing is kept back.
    explicit CLLProtocolWireWin(QIODevice* port);
    // Writes out what Send has queued, so that nothing is lost when the port is closed.
    ~CLLProtocolWireWin() override;

    void Clear() override;
    bool Send(const void* data, UINT16 len) override;
    const UINT8* Receive(UINT16* len) override;
    void PutBack(UINT16 total, UINT16 remaining) override;
    void Sleep(UINT16 ms) override;
    void WaitForData(UINT16 ms) override;
    void Flush() override;

    // Bytes waiting to be read (those the driver holds included).
    virtual qint64 BytesAvailable();

private:
    void FlushOutput();
    void FlushQueuedSends();

    QIODevice* m_pPort;
    UINT8 m_Buffer[BUFFER_SIZE];
    UINT16 m_Pending;  // bytes at the start of m_Buffer kept back by PutBack (up to 256)
    bool m_bSendQueued = false;  // Send wrote bytes that have not been pushed to the driver yet
};

#endif // LLPROTOCOLWIREWIN_H
