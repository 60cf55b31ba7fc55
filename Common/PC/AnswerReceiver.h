#ifndef ANSWERRECEIVER_H
#define ANSWERRECEIVER_H

#include "LLProtocol.h"
#include "LLProtocolPacket.h"
#include "LLTypes.h"
#include "PC/PagedAnswer.h"

#include <cstdint>

// Receives one answer of the unit and accepts it only when it is what the
// operation asked for: a type-1 packet whose identifier is 0x0100 + the answer
// number and whose data length is exactly the record's size. The unit is
// untrusted: a short, long or wrong-numbered answer is refused with the
// operation's own debug line and never read past its end.
// Lives on the stack of one device operation, in the device's I/O thread.
class CAnswerReceiver
{
public:
    enum EResult {
        AR_OK,
        AR_NotReceived,   // the link layer failed (silence, CRC error, ACK in its place)
        AR_WrongPacket,   // another identifier
        AR_SizeMismatch   // the right identifier with another data length
    };

    // Accept any data length (the identity answer, memory dumps).
    static constexpr int AnyLength = -1;

    // The debug lines of one operation, written as they are; a null text writes
    // no line (operations that tell the user instead). A size mismatch is
    // followed by "Expected: <size>, got: <length>".
    struct STexts {
        const char* pszNotReceived;
        const char* pszWrongPacket;
        const char* pszSizeMismatch;
    };

    // link must outlive this object.
    CAnswerReceiver(CLLProtocol& link, const STexts& texts);

    // Receives and acknowledges one packet; AR_OK when it is answer nAnswer
    // with exactly nSize data bytes (or any number for AnyLength).
    EResult receive(UINT8 nAnswer, int nSize);

    // Receives answer nAnswer and decodes it into record (TRecord::Size bytes).
    template <class TRecord>
    bool receiveRecord(UINT8 nAnswer, TRecord& record)
    {
        return receive(nAnswer, TRecord::Size) == AR_OK && record.decode(data(), length());
    }

    // For a packet of a multi-packet answer: true when its remaining count
    // follows the packets before; otherwise the packet belongs to another
    // answer, and the wrong-packet line is written with
    // "Expected: <count>, received: <count>".
    bool inSequence(const CPageSequence& sequence, uint32_t nRemaining);

    // The last packet received: valid after receive() up to its length.
    const CLLProtocolPacket& packet() const { return m_Packet; }
    const uint8_t* data() const { return m_Packet.GetData(); }
    int length() const { return m_Packet.GetLength(); }

private:
    CLLProtocol& m_Link;
    STexts m_Texts;
    CLLProtocolPacket m_Packet;
};

#endif // ANSWERRECEIVER_H
