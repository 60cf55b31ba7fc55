#ifndef PORTBINDING_H
#define PORTBINDING_H

#include <QString>

class CLLProtocolWire;

// One port and the transport over it, as used by device objects. The
// monitoring program shares one binding between all its device objects (so a
// device object created for the other family works on the port already open);
// the update program gives each device object its own. The port is closed
// when the last device object using the binding goes away.
// All calls come from the thread that does the device's I/O.
class CPortBinding
{
public:
    virtual ~CPortBinding();

    // Opens the named port and creates a transport on it, discarding whatever
    // the unit sent before. An open port is closed first. False: no port open,
    // no transport.
    virtual bool open(const QString& strPortName) = 0;
    // Closes the port if open and deletes the transport.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The name given to open while the port is open, otherwise empty.
    virtual QString portName() const = 0;
    // The transport while the port is open, otherwise null. Owned by the binding.
    virtual CLLProtocolWire* wire() const = 0;

    // Device objects register while they use the binding.
    void attachUser();
    void detachUser();

private:
    int m_nUsers = 0;
};

#endif // PORTBINDING_H
