#include "LLProtocol.h"

#include "HLProtocol.h"
#include "LLProtocolWire.h"

#include <QDebug>

namespace {

const char* const kReadStateNames[] = {
    "CLLProtocolPacket::RS_READING_NOT_STARTED",
    "CLLProtocolPacket::RS_HEADER_STARTED",
    "CLLProtocolPacket::RS_HEADER_COMPLETED",
    "CLLProtocolPacket::RS_DATA_STARTED",
    "CLLProtocolPacket::RS_DATA_COMPLETED",
    "CLLProtocolPacket::RS_CRC_STARTED"
};

bool IsComplete(const CLLProtocolPacket& packet)
{
    return packet.GetReadState() >= CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT;
}

} // namespace

CLLProtocol::CLLProtocol(CLLProtocolWire* wire)
    : CLLProtocol(wire, nullptr, DEFAULT_SILENCE_POLLS)
{
}

CLLProtocol::CLLProtocol(CLLProtocolWire* wire, QTextEdit* debugOutput)
    : CLLProtocol(wire, debugOutput, DEFAULT_SILENCE_POLLS)
{
}

CLLProtocol::CLLProtocol(CLLProtocolWire* wire, QTextEdit* debugOutput, UINT16 silencePolls)
    : m_Wire(wire)
    , m_pDebugOutput(debugOutput)
    , m_SilencePolls(silencePolls)
{
}

CLLProtocol::EReturnCode CLLProtocol::RecSinglePacketNoAck(CLLProtocolPacket& packet, UINT16 timeout)
{
    packet.Reset();
    UINT16 emptyPolls = 0;
    while (timeout != 0) {
        m_Wire->WaitForData(1);
        UINT16 len = 0;
        const UINT8* buf = m_Wire->Receive(&len);
        if (!buf || len == 0) {
            if (++emptyPolls >= timeout)
                break;
            continue;
        }
        UINT16 leftOver = len;
        packet.PacketFromBuffer(buf, leftOver);
        // The tail is the start of whatever the unit sent next.
        m_Wire->PutBack(len, leftOver);
        emptyPolls = 1;
        if (IsComplete(packet)) {
            if (ProcessDebugMsg(packet, m_pDebugOutput)) {
                if (emptyPolls < timeout)
                    continue;
                break;
            }
            if (leftOver > 0)
                qDebug().nospace() << "Unused bytes left over!..." << leftOver;
            break;
        }
        if (emptyPolls >= timeout)
            break;
    }
    return FinishReceive(packet);
}

CLLProtocol::EReturnCode CLLProtocol::FinishReceive(const CLLProtocolPacket& packet)
{
    const CLLProtocolPacket::EReadState state = packet.GetReadState();
    if (state == CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT)
        return RC_OK;
    if (state == CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_INCORRECT) {
        qDebug() << "Received packet corrupt.";
        return RC_FAILED;
    }
    qDebug() << "Packet not completlely received.";
    qDebug() << kReadStateNames[state];
    m_Wire->Clear();
    return RC_FAILED;
}

CLLProtocol::EReturnCode CLLProtocol::Send(CLLProtocolPacket& packet)
{
    const int attempts = packet.IsRetry() ? 3 : 1;
    for (int a = 0; a < attempts; ++a) {
        qDebug().nospace() << "Sending packet...:" << a;
        if (!WritePacket(packet, attempts))
            continue;
        if (packet.IsNoAck())
            return RC_OK;
        qDebug() << "Sending completed, now waiting for ACK...";
        if (AwaitAck() == RC_OK)
            return RC_OK;
    }
    qDebug() << "Did not receive ACK packet\n";
    DrainWire();
    return RC_FAILED;
}

// The ACK's type is not compared with the request's: the unit's firmware
// acknowledges with whatever type it chooses.
CLLProtocol::EReturnCode CLLProtocol::AwaitAck()
{
    CLLProtocolPacket answer;
    if (RecSinglePacketNoAck(answer, m_SilencePolls) != RC_OK)
        return RC_FAILED;
    qDebug() << "Received packet...";
    if (answer.GetReadState() != CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT) {
        qDebug() << "Packet corrupt";
        return RC_FAILED;
    }
    qDebug() << "Received complete and correct packet";
    if (answer.IsAck()) {
        qDebug() << "Received ACK packet";
        return RC_OK;
    }
    qDebug() << "Received non-ACK packet";
    return RC_FAILED;
}

bool CLLProtocol::WritePacket(const CLLProtocolPacket& packet, int attempts)
{
    for (int part = 0; part < 3; ++part) {
        UINT16 len = 0;
        const void* data = packet.GetBufferPart(part, &len);
        if (data && len > 0 && !WritePart(data, len, part, attempts))
            return false;
    }
    m_Wire->Flush();
    return true;
}

bool CLLProtocol::WritePart(const void* data, UINT16 len, int part, int attempts)
{
    for (int failures = 0; !m_Wire->Send(data, len);) {
        qDebug().nospace() << "CLLProtocol::Send: m_Wire.Send failed! Chunk: " << part;
        m_Wire->Sleep(WRITE_RETRY_PAUSE_MS);
        if (++failures >= attempts)
            return false;
    }
    return true;
}

void CLLProtocol::DrainWire()
{
    UINT16 len = 0;
    while (m_Wire->Receive(&len))
        ;
}

CLLProtocol::EReturnCode CLLProtocol::Receive(CLLProtocolPacket& packet)
{
    qDebug() << "Try to receicve packet...";
    if (RecSinglePacketNoAck(packet, m_SilencePolls) != RC_OK) {
        qDebug() << "Receive failed.";
        return RC_FAILED;
    }
    if (packet.IsAck()) {
        qDebug() << "Received out-of place ACK package.";
        return RC_FAILED;
    }
    CLLProtocolPacket ack;
    ack.SetPacket(packet.GetType(), false, true, false, 0, nullptr);
    qDebug() << "Sending ACK...";
    bool sent = true;
    for (int part = 0; part < 3 && sent; ++part) {
        UINT16 len = 0;
        const void* data = ack.GetBufferPart(part, &len);
        if (data && len > 0 && !m_Wire->Send(data, len)) {
            qDebug() << "Sending failed.";
            sent = false;
        }
    }
    m_Wire->Flush();
    qDebug().nospace() << "Sending completed with success code: " << (sent ? "true" : "false");
    return sent ? RC_OK : RC_FAILED;
}
