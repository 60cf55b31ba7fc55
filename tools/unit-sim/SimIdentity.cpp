#include "SimIdentity.h"

#include "LittleEndian.h"
#include "SimBits.h"

QByteArray SSimIdentity::record() const
{
    QByteArray out(39, '\0');
    uint8_t* b = reinterpret_cast<uint8_t*>(out.data());
    b[0] = 2;
    LE::put32(b + 1, serialNr);
    b[6] = quint8(boardVersion);
    b[7] = quint8(runningSystem);
    b[8] = quint8(versionFlag);
    b[9] = quint8(bootMajor);
    b[10] = quint8(bootMinor);
    b[11] = quint8(appMajor);
    b[12] = quint8(appMinor);
    // Byte 13, 16 bits: bit 0 family, bits 1-5 WiFi major, bits 6-12 WiFi minor.
    LE::put16(b + 13, quint16((family70 ? 1 : 0) | (SimBits::unsignedField(wifiMajor, 5) << 1)
                              | (SimBits::unsignedField(wifiMinor, 7) << 6)));
    return out;
}
