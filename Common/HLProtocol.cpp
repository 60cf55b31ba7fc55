#include "HLProtocol.h"

#include "LLProtocolPacket.h"
#include "LittleEndian.h"

#include <QDebug>
#include <QTextEdit>

namespace {

const UINT8 kDebugMsgType = 2;
const UINT16 kDebugNumberId = 0x0201;
const UINT16 kDebugTextId = 0x0202;

// UTF-8 text from data byte 1 up to the first zero byte or the end of the data.
QString DebugText(const CLLProtocolPacket& packet)
{
    const char* text = reinterpret_cast<const char*>(packet.GetData()) + 1;
    const int available = packet.GetLength() - 1;
    int n = 0;
    while (n < available && text[n] != 0)
        ++n;
    return QString::fromUtf8(text, n);
}

// Signed 32-bit LE at data bytes 1-4. A shorter message carries no number
// (its bytes would be whatever an earlier packet left in the data area).
QString DebugNumber(const CLLProtocolPacket& packet)
{
    if (packet.GetLength() < 5)
        return QString();
    return QString::number(LE::getS32(packet.GetData() + 1));
}

} // namespace

bool ProcessDebugMsg(CLLProtocolPacket& packet, QTextEdit* output)
{
    if (packet.GetReadState() != CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT
        || packet.GetType() != kDebugMsgType)
        return false;

    QString text;
    if (output) {
        const UINT16 id = packet.GetId();
        if (id == kDebugTextId || id == kDebugNumberId) {
            text = id == kDebugTextId ? DebugText(packet) : DebugNumber(packet);
            output->setText(output->toPlainText() + text);
        }
        output->repaint();
    }
    qDebug().noquote() << "Debug message received: " + QLatin1Char('"') + text + QLatin1Char('"');
    packet.Reset();
    return true;
}
