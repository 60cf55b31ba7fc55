#include "PC/FanBase.h"

#include "PC/AnswerReceiver.h"
#include "HLProtocol.h"
#include "LLProtocolPacket.h"
#include "LLProtocolWire.h"
#include "PC/LogNames.h"
#include "PortBinding.h"
#include "SerialPortBinding.h"

#include <QDebug>
#include <QElapsedTimer>

CFanBase::CFanBase(QObject* parent)
    : CFanBase(nullptr, parent)
{
}

CFanBase::CFanBase(std::shared_ptr<CPortBinding> binding, QObject* parent)
    : QObject(parent)
    , m_pBinding(binding ? std::move(binding) : std::make_shared<CSerialPortBinding>())
{
    m_pBinding->attachUser();
}

CFanBase::~CFanBase()
{
    m_pBinding->detachUser();
}

bool CFanBase::openPort(const QString& portName)
{
    if (portName.isEmpty()) {
        closePort();
        emit signalUserInfo(tr("Please connect your application via the USB cable."));
        return false;
    }
    if (m_pBinding->isOpen()) {
        if (m_pBinding->portName() == portName)
            return true;
        closePort();
    }
    emit signalUserInfo(tr("Checking for new devices..."));
    if (m_pBinding->open(portName))
        return true;
    emit signalUserInfo(tr("Unable to open COM port for %1.\nPlease switch your %2 off and then on again.")
                            .arg(familyName(), familyName()));
    return false;
}

void CFanBase::closePort()
{
    m_pBinding->close();
}

QString CFanBase::portName() const
{
    return m_pBinding->portName();
}

void CFanBase::userInfo(QString strInfo)
{
    emit signalUserInfo(strInfo);
}

bool CFanBase::isPortBound() const
{
    return m_pBinding->isOpen() && m_pBinding->wire();
}

CLLProtocolWire* CFanBase::wire() const
{
    return m_pBinding->wire();
}

CLLProtocol CFanBase::linkProtocol() const
{
    return CLLProtocol(m_pBinding->wire(), m_pDebugOutput, m_nSilencePolls);
}

CLLProtocol CFanBase::quietLinkProtocol() const
{
    return CLLProtocol(m_pBinding->wire(), nullptr, m_nSilencePolls);
}

void CFanBase::discardLeftovers() const
{
    CLLProtocolWire* pWire = wire();
    if (!pWire)
        return;
    // Debug messages the unit sent between two operations still reach the
    // display; everything else is the rest of an answer nobody waits for.
    CLLProtocolPacket packet;
    int nBytes = 0;
    UINT16 nLen = 0;
    while (const UINT8* pData = pWire->Receive(&nLen)) {
        UINT16 nRest = nLen;
        while (nRest > 0) {
            const UINT16 nBefore = nRest;
            packet.PacketFromBuffer(pData + (nLen - nRest), nRest);
            const auto state = packet.GetReadState();
            const bool bComplete = state == CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_CORRECT
                || state == CLLProtocolPacket::RS_PACKET_COMPLETED_CRC_INCORRECT;
            if (bComplete && !ProcessDebugMsg(packet, m_pDebugOutput)) {
                nBytes += CLLProtocolPacket::HEADER_SIZE + packet.GetLength() + CLLProtocolPacket::CRC_SIZE;
                packet.Reset();
            }
            if (nRest == nBefore && !bComplete)
                break;
        }
        nLen = 0;
    }
    if (nBytes > 0)
        qDebug() << "Discarded bytes left over from an earlier exchange:" << nBytes;
}

bool CFanBase::sendRecord(CLLProtocol& link, const QByteArray& record) const
{
    discardLeftovers();
    CLLProtocolPacket packet;
    packet.SetPacket(1, false, false, false, UINT16(record.size()), record.constData());
    return link.Send(packet) == CLLProtocol::RC_OK;
}

const char* CFanBase::reasonName(int nCode) const
{
    return CLogNames::reasonName(nCode);
}

bool CFanBase::sendCommand(UINT8 nNumber)
{
    if (!isPortBound())
        return false;
    CLLProtocolPacket packet;
    packet.SetSingleByte(1, true, nNumber);
    // 17 restarts the unit into its application: nobody is left to acknowledge.
    if (nNumber == MSG_StartApplication)
        packet.SetNoAckFlag();
    CLLProtocol link = linkProtocol();
    discardLeftovers();
    if (link.Send(packet) == CLLProtocol::RC_OK)
        return true;
    emit signalUserInfo(tr("%1 did not respond - ").arg(familyName()));
    return false;
}

// A unit that is still starting does not acknowledge: the request is repeated
// until it does or the time limit has passed.
bool CFanBase::getIdentData(SHLP_IdentData& ident)
{
    if (!isPortBound())
        return false;
    CLLProtocol link = linkProtocol();
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        CLLProtocolPacket request;
        request.SetSingleByte(1, false, MSG_IdentRequest);
        qDebug() << "Sending report ident request...";
        discardLeftovers();
        if (link.Send(request) == CLLProtocol::RC_OK)
            break;
        if (timer.elapsed() >= m_nIdentTimeoutMs) {
            emit signalUserInfo(tr("%1 did not respond! ").arg(familyName()));
            return false;
        }
    }
    qDebug() << "...Debug: appllication has answered!";
    emit signalUserInfo(tr("%1 detected!").arg(familyName()));

    // No exact length is demanded of the identity, but it is never read past
    // its end: a shorter answer counts as the wrong packet.
    CAnswerReceiver answer(link, { nullptr, nullptr, nullptr });
    const CAnswerReceiver::EResult result = answer.receive(MSG_IdentData, CAnswerReceiver::AnyLength);
    if (result == CAnswerReceiver::AR_NotReceived) {
        emit signalUserInfo(tr(" The %1 did not (correctly) respond - ").arg(familyName()));
        return false;
    }
    if (result != CAnswerReceiver::AR_OK || !ident.decode(answer.data(), answer.length())) {
        if (result == CAnswerReceiver::AR_OK) {
            qDebug() << "CFanBase::getIdentData: Packet too small";
            qDebug().nospace() << "Expected: " << SHLP_IdentData::Size << ", got: " << answer.length();
        }
        emit signalUserInfo(tr("- The %1 responded with the wrong packet - ").arg(familyName()));
        return false;
    }
    return true;
}

bool CFanBase::setSerialNumber(UINT32 nSerialNr)
{
    if (!isPortBound() || nSerialNr == 0)
        return false;
    CLLProtocol link = linkProtocol();
    return sendRecord(link, SHLP_IdentData::serialNumberRecord(nSerialNr).toBytes());
}

bool CFanBase::startApplication(UINT8 nMode)
{
    if (!isPortBound())
        return false;
    if (nMode != 0) {
        const char record[] = { char(MSG_SetStartupMode), char(nMode) };
        CLLProtocol link = quietLinkProtocol();
        if (!sendRecord(link, QByteArray(record, sizeof record))) {
            emit signalUserInfo(tr("Unable to set startup mode for application."));
            return false;
        }
    }
    return sendCommand(MSG_StartApplication);
}
