#ifndef SERIALPORTBINDING_H
#define SERIALPORTBINDING_H

#include "PortBinding.h"

#include <memory>

class CLLProtocolWireWin;
class QSerialPort;

// A serial port (9600 baud, 8 data bits, no parity, 1 stop bit, no flow
// control: the unit's fixed settings) with its CLLProtocolWireWin. The port
// object is created by open in the calling thread, so it lives in the thread
// that does the I/O, and deleted by close.
class CSerialPortBinding : public CPortBinding
{
public:
    CSerialPortBinding();
    ~CSerialPortBinding() override;

    bool open(const QString& strPortName) override;
    void close() override;
    bool isOpen() const override;
    QString portName() const override;
    CLLProtocolWire* wire() const override;

private:
    std::unique_ptr<QSerialPort> m_pPort;
    std::unique_ptr<CLLProtocolWireWin> m_pWire;
    QString m_strPortName;
};

#endif // SERIALPORTBINDING_H
