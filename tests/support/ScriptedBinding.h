#ifndef SCRIPTEDBINDING_H
#define SCRIPTEDBINDING_H

// A port binding over a CScriptedWire, for testing device objects without a
// serial port:
//
//   auto binding = std::make_shared<CScriptedBinding>();
//   CFan fan(false, binding);            // device object on the scripted wire
//   fan.openPort("ttyACM0");             // always succeeds unless made unopenable
//   binding->scriptedWire().onNextPacket(WireFrames::ack() + WireFrames::answer(record));
//
// Like the serial binding, open discards what the unit sent before (so
// script the wire after openPort). close keeps the wire and its record.

#include "PortBinding.h"
#include "ScriptedWire.h"

#include <QStringList>

class CScriptedBinding : public CPortBinding
{
public:
    bool open(const QString& strPortName) override;
    void close() override;
    bool isOpen() const override { return m_bOpen; }
    QString portName() const override { return m_bOpen ? m_strPortName : QString(); }
    CLLProtocolWire* wire() const override;

    CScriptedWire& scriptedWire() { return m_wire; }
    // open fails for these names.
    void setUnopenable(const QStringList& names) { m_unopenable = names; }
    int openCount() const { return m_nOpens; }
    int closeCount() const { return m_nCloses; }

private:
    mutable CScriptedWire m_wire;  // the transport is handed out from const wire()
    QStringList m_unopenable;
    QString m_strPortName;
    bool m_bOpen = false;
    int m_nOpens = 0;
    int m_nCloses = 0;
};

#endif // SCRIPTEDBINDING_H
