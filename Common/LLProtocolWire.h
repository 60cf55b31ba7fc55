#ifndef LLPROTOCOLWIRE_H
#define LLPROTOCOLWIRE_H

#include "LLTypes.h"

// The byte transport under the link layer, bound to one port. All calls come
// from the one thread that does the device's I/O; nothing here is locked.
// Implementations: CLLProtocolWireWin (serial port), and in-memory wires in tests.
class CLLProtocolWire
{
public:
    // Does not close or delete the port.
    virtual ~CLLProtocolWire();

    // Forgets bytes kept back by PutBack and pushes out pending output.
    virtual void Clear() = 0;
    // False for a null pointer or a write error; a short write is not detected.
    virtual bool Send(const void* data, UINT16 len) = 0;
    // Pushes what Send wrote to the device. A transport may queue the parts of a
    // packet and write them with one system call here; the link layer calls it
    // after the last part. The base version writes through and does nothing.
    virtual void Flush();
    // Non-blocking: the bytes waiting (at most 256), or null with *len 0.
    // The pointer is valid until the next call on this wire.
    virtual const UINT8* Receive(UINT16* len) = 0;
    // The caller consumed total - remaining of the total bytes last returned
    // by Receive: the last remaining ones come back first from the next Receive.
    virtual void PutBack(UINT16 total, UINT16 remaining);
    // Blocks the calling thread for ms milliseconds.
    virtual void Sleep(UINT16 ms) = 0;
    // The pause before a receive poll: at most ms milliseconds, ending early
    // as soon as input is waiting, so a poll loop keeps its meaning (n empty
    // polls are about n ms of silence) without costing a whole pause per
    // answer. This base version simply sleeps.
    virtual void WaitForData(UINT16 ms);
};

#endif // LLPROTOCOLWIRE_H
