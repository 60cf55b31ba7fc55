#include "LLProtocolWire.h"

CLLProtocolWire::~CLLProtocolWire() = default;

void CLLProtocolWire::PutBack(UINT16 /*total*/, UINT16 /*remaining*/)
{
}

void CLLProtocolWire::Flush()
{
}

void CLLProtocolWire::WaitForData(UINT16 ms)
{
    Sleep(ms);
}
