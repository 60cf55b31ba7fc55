#ifndef FANBASE_H
#define FANBASE_H

#include "LLProtocol.h"
#include "LLTypes.h"

#include <QObject>
#include <QString>
#include <memory>

class CLLProtocolWire;
class CPortBinding;
class QTextEdit;

// The device object: binds to the unit's port and runs the device operations
// over it. Family classes derive from it. Which port binding it uses is the
// program's choice: pass one shared binding to every device object (the
// monitoring program), or none, and each object gets its own serial port.
// Every call comes from the one thread that does the device's I/O.
class CFanBase : public QObject
{
    Q_OBJECT

public:
    // Own serial port, opened by openPort.
    explicit CFanBase(QObject* parent = nullptr);
    // Works on the given binding, which may already be open. Null: own serial port.
    explicit CFanBase(std::shared_ptr<CPortBinding> binding, QObject* parent = nullptr);
    // Closes the port when this is the last device object on its binding.
    ~CFanBase() override;

    // Binds to the named port; an empty name closes the port. Progress and
    // failure go to the user through signalUserInfo.
    bool openPort(const QString& portName);
    void closePort();
    // The open port's name, otherwise empty.
    QString portName() const;

    // "Zyvent100" or "Zyvent plus"; fills the placeholders of the user texts.
    virtual QString familyName() const;

    // Display for the unit's debug messages; not owned; may be null.
    void setDebugOutput(QTextEdit* output) { m_pDebugOutput = output; }
    QTextEdit* debugOutput() const { return m_pDebugOutput; }

    // Empty receive polls that end a wait (about 1 ms each); tests shorten it.
    void setLinkSilencePolls(UINT16 polls) { m_nSilencePolls = polls; }

    // The binding, so that a device object of the other family can be
    // created on the same (open) port before this one is destroyed.
    std::shared_ptr<CPortBinding> portBinding() const { return m_pBinding; }

signals:
    void signalUserInfo(QString strInfo);

public slots:
    void userInfo(QString strInfo);

protected:
    // True when a port is open and a transport exists; every device
    // operation checks this first and returns false without I/O otherwise.
    bool isPortBound() const;
    // The transport, null while no port is bound.
    CLLProtocolWire* wire() const;
    // A link layer for one operation: transport, debug display, silence limit.
    CLLProtocol linkProtocol() const;

private:
    std::shared_ptr<CPortBinding> m_pBinding;
    QTextEdit* m_pDebugOutput = nullptr;
    UINT16 m_nSilencePolls = CLLProtocol::DEFAULT_SILENCE_POLLS;
};

#endif // FANBASE_H
