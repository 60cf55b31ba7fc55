#ifndef LLPROTOCOL_H
#define LLPROTOCOL_H

#include "LLProtocolPacket.h"
#include "LLTypes.h"

class CLLProtocolWire;
class QTextEdit;

// Reliable exchanges over a transport: send and wait for the unit's ACK,
// receive and acknowledge, receive without acknowledging. Debug messages the
// unit sends meanwhile are consumed (ProcessDebugMsg) and never returned.
// Holds no state between calls: create one on the stack per operation.
// Blocks the calling thread; one exchange at a time per transport.
class CLLProtocol
{
public:
    enum EReturnCode {
        RC_OK = 0,
        RC_FAILED = 3
    };

    // Consecutive empty polls (each after a pause of up to 1 ms) that end a
    // wait inside Send and Receive: about one second of silence.
    static constexpr UINT16 DEFAULT_SILENCE_POLLS = 1000;
    // Pause after a failed write before the same part is written again.
    static constexpr UINT16 WRITE_RETRY_PAUSE_MS = 1000;

    explicit CLLProtocol(CLLProtocolWire* wire);
    CLLProtocol(CLLProtocolWire* wire, QTextEdit* debugOutput);
    // silencePolls replaces the 1000-poll silence limit (tests).
    CLLProtocol(CLLProtocolWire* wire, QTextEdit* debugOutput, UINT16 silencePolls);

    // One complete packet, not acknowledged. timeout: consecutive empty polls
    // that end the wait; 0 fails at once. On failure other than a CRC error
    // the transport is cleared.
    EReturnCode RecSinglePacketNoAck(CLLProtocolPacket& packet, UINT16 timeout);
    // Writes a packet built with SetPacket/SetSingleByte; unless it carries
    // PF_NOACK, waits for an ACK (3 attempts with PF_RETRY, else 1).
    EReturnCode Send(CLLProtocolPacket& packet);
    // Receives one packet and acknowledges it, whatever its flags say.
    EReturnCode Receive(CLLProtocolPacket& packet);

private:
    bool WritePart(const void* data, UINT16 len, int part, int attempts);
    bool WritePacket(const CLLProtocolPacket& packet, int attempts);
    EReturnCode AwaitAck();
    void DrainWire();
    EReturnCode FinishReceive(const CLLProtocolPacket& packet);

    CLLProtocolWire* m_Wire;
    QTextEdit* m_pDebugOutput;
    UINT16 m_SilencePolls;
};

#endif // LLPROTOCOL_H
