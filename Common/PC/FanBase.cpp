#include "PC/FanBase.h"

#include "PortBinding.h"
#include "SerialPortBinding.h"

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

QString CFanBase::familyName() const
{
    return QStringLiteral("Zyvent100");
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
