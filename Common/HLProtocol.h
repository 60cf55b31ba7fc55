#ifndef HLPROTOCOL_H
#define HLPROTOCOL_H

class CLLProtocolPacket;
class QTextEdit;

// Consumes a debug message of the unit (a complete, correct packet of type 2):
// text (id 0x0202) and number (id 0x0201) messages are appended to output when
// there is one, a debug line names the text, the packet is reset and the
// result is true. Any other packet is left alone and the result is false.
// Runs in the thread of the receive loop; output must live in that thread.
bool ProcessDebugMsg(CLLProtocolPacket& packet, QTextEdit* output);

#endif // HLPROTOCOL_H
