#include "PC/AnswerReceiver.h"

#include "HLProtocolRecords.h"

#include <QDebug>

namespace {

void WriteLine(const char* pszText)
{
    if (pszText)
        qDebug().noquote() << pszText;
}

} // namespace

CAnswerReceiver::CAnswerReceiver(CLLProtocol& link, const STexts& texts)
    : m_Link(link)
    , m_Texts(texts)
{
}

CAnswerReceiver::EResult CAnswerReceiver::receive(UINT8 nAnswer, int nSize)
{
    m_Packet.Reset();
    if (m_Link.Receive(m_Packet) != CLLProtocol::RC_OK) {
        WriteLine(m_Texts.pszNotReceived);
        return AR_NotReceived;
    }
    // GetId of a packet without data is type * 256: never a command answer.
    if (m_Packet.GetLength() == 0 || m_Packet.GetId() != hlpAnswerId(nAnswer)) {
        WriteLine(m_Texts.pszWrongPacket);
        return AR_WrongPacket;
    }
    if (nSize != AnyLength && m_Packet.GetLength() != nSize) {
        WriteLine(m_Texts.pszSizeMismatch);
        if (m_Texts.pszSizeMismatch)
            qDebug().nospace() << "Expected: " << nSize << ", got: " << m_Packet.GetLength();
        return AR_SizeMismatch;
    }
    return AR_OK;
}

bool CAnswerReceiver::inSequence(const CPageSequence& sequence, uint32_t nRemaining)
{
    if (sequence.follows(nRemaining))
        return true;
    WriteLine(m_Texts.pszWrongPacket);
    qDebug().nospace() << "Expected: " << sequence.expected() << ", received: " << nRemaining;
    return false;
}
