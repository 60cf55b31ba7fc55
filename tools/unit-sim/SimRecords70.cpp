#include "SimRecords70.h"

#include "LittleEndian.h"
#include "SimBits.h"

#include <cmath>

using namespace SimBits;

QByteArray CSimRecords70::primEntry(const SSimSample& s)
{
    // Built in a plain array: every byte defined, then copied out once.
    uint8_t b[PrimEntrySize] = {};

    LE::put16(b + 0, quint16(temp11(s.supplyTemp) | (unsignedField(s.errorState, 5) << 11)));
    // Column "HUSu" is split: bit 0 in b2 bit 7, bits 1-6 in b3 bits 0-5.
    const int huSu = unsignedField(s.hUSu70, 7);
    b[2] = quint8(unsignedField(s.hUEx70, 7) | ((huSu & 1) << 7));
    b[3] = quint8((huSu >> 1) & 0x3F);
    const quint16 hTExt = signedField(int(std::lround(s.hTExt70 * 4.0)), 10);
    LE::put16(b + 4, quint16(hTExt | (unsignedField(s.errorFileNr, 6) << 10)));
    LE::put16(b + 6, quint16(temp11(s.extractTemp) | (unsignedField(s.fanState70, 3) << 11)));
    // Air flow: signed 8-bit, bit 0 in b8 bit 7, bits 1-7 in b9 bits 0-6.
    const quint8 flow = int8Byte(s.airFlow70);
    b[8] = quint8(unsignedField(s.sbFlow70, 7) | ((flow & 1) << 7));
    b[9] = quint8((flow >> 1) & 0x7F);
    b[10] = quint8(unsignedField(s.outdoorHum, 7));
    b[11] = quint8(unsignedField(s.extractHum, 7));
    b[12] = 0;
    b[13] = quint8((unsignedField(s.serviceStep70, 4) << 3) | (s.summer70 ? 0x80 : 0));
    // Column "HTSup": 10 bits in 1/4 °C without sign, bits 0-1 in b14 bits 6-7.
    const quint16 hTSup = unsignedField(int(std::lround(s.hTSup70 * 4.0)), 10);
    b[14] = quint8(unsignedField(s.comfortLevel - 1, 3) | (unsignedField(s.operationMode, 3) << 3)
                   | ((hTSup & 3) << 6));
    b[15] = quint8(hTSup >> 2);
    const quint16 rpm = unsignedField(s.fanRpmExtract, 12);
    b[16] = quint8(rpm & 0xFF);
    b[17] = quint8((rpm >> 8) | (unsignedField(s.ventReason, 4) << 4));
    // Air-quality bytes travel as they are; the PC stores them plus 100.
    b[18] = quint8(unsignedField(s.extCO2UnCor70, 8));
    b[19] = quint8(unsignedField(s.supCO2UnCor70, 8));
    b[20] = quint8(unsignedField(s.extractCO270, 8));
    b[21] = quint8(unsignedField(s.supplyCO270, 8));
    b[22] = quint8(s.dipSwitch);
    b[23] = int8Byte(s.flow70);
    LE::put16(b + 24, unsignedField(s.errorLineNr, 16));
    LE::put16(b + 26, signedField(s.errorCode, 16));
    return QByteArray(reinterpret_cast<const char*>(b), int(sizeof b));
}

namespace {

quint16 durationWord(int d0, int d1, int d2)
{
    return quint16(unsignedField(d0, 5) | (unsignedField(d1, 5) << 5) | (unsignedField(d2, 5) << 10));
}

} // namespace

QByteArray CSimRecords70::secEntry(const SSimPeriod& p)
{
    // Built in a plain array: every byte defined, then copied out once.
    uint8_t b[SecEntrySize] = {};
    const int* t = p.time;

    b[0] = int8Byte(p.supplyTemp);
    b[1] = int8Byte(p.extractTemp);
    b[2] = int8Byte(p.outdoorHum);
    b[3] = int8Byte(p.extractHum);
    b[4] = quint8(unsignedField(p.supplyCO270, 8));
    b[5] = quint8(unsignedField(p.extractCO270, 8));
    LE::put16(b + 12, durationWord(t[SSimPeriod::D_HumInp], t[SSimPeriod::D_CO2Inp], t[SSimPeriod::D_HumCO2Inp]));
    LE::put16(b + 14, durationWord(t[SSimPeriod::D_ComLev0], t[SSimPeriod::D_AbsDrying], t[SSimPeriod::D_RelDrying]));
    LE::put16(b + 16, durationWord(t[SSimPeriod::D_ComLev1], t[SSimPeriod::D_Cooling],
                                   t[SSimPeriod::D_CO2Ventilation]));
    LE::put16(b + 18, durationWord(t[SSimPeriod::D_ComLev2], t[SSimPeriod::D_ServiceMode],
                                   t[SSimPeriod::D_TurboMode]));
    LE::put16(b + 20, quint16(unsignedField(t[SSimPeriod::D_ComLev3], 5)
                              | (unsignedField(t[SSimPeriod::D_MinAir], 5) << 5) | (p.restarted ? 0x8000 : 0)));
    LE::put16(b + 22, signedField(p.energyCooled, 16));
    LE::put16(b + 24, quint16(unsignedField(p.airExchanged, 11) | (unsignedField(p.entryState, 3) << 11)));
    LE::put16(b + 26, signedField(p.waterRemoved, 11));
    b[28] = quint8(p.count & 0x7F);
    b[29] = quint8(unsignedField(p.warningCode, 8));
    LE::put16(b + 30, quint16(unsignedField(p.warningLine, 10) | (unsignedField(p.warningFile, 6) << 10)));
    return QByteArray(reinterpret_cast<const char*>(b), int(sizeof b));
}
