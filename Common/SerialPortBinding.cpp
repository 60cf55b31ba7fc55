#include "SerialPortBinding.h"

#include "LLProtocolWireWin.h"

#include <QDebug>
#include <QSerialPort>

CSerialPortBinding::CSerialPortBinding() = default;

CSerialPortBinding::~CSerialPortBinding()
{
    close();
}

bool CSerialPortBinding::open(const QString& strPortName)
{
    close();
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(strPortName);
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        qDebug() << "CSerialPortBinding::open: cannot open" << strPortName << port->errorString();
        return false;
    }
    m_pPort = std::move(port);
    m_pWire = std::make_unique<CLLProtocolWireWin>(m_pPort.get());
    m_strPortName = strPortName;

    // Whatever the unit sent before we were listening belongs to no exchange.
    UINT16 len = 0;
    while (m_pWire->Receive(&len))
        ;
    return true;
}

void CSerialPortBinding::close()
{
    m_pWire.reset();
    if (m_pPort && m_pPort->isOpen())
        m_pPort->close();
    m_pPort.reset();
    m_strPortName.clear();
}

bool CSerialPortBinding::isOpen() const
{
    return m_pPort && m_pPort->isOpen();
}

QString CSerialPortBinding::portName() const
{
    return isOpen() ? m_strPortName : QString();
}

CLLProtocolWire* CSerialPortBinding::wire() const
{
    return m_pWire.get();
}
