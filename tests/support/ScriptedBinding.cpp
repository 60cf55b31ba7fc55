#include "ScriptedBinding.h"

bool CScriptedBinding::open(const QString& strPortName)
{
    close();
    ++m_nOpens;
    if (m_unopenable.contains(strPortName))
        return false;
    m_bOpen = true;
    m_strPortName = strPortName;
    UINT16 len = 0;
    while (m_wire.Receive(&len))
        ;
    return true;
}

void CScriptedBinding::close()
{
    if (m_bOpen)
        ++m_nCloses;
    m_bOpen = false;
    m_strPortName.clear();
}

CLLProtocolWire* CScriptedBinding::wire() const
{
    return m_bOpen ? &m_wire : nullptr;
}
