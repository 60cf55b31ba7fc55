#include "SimRecords100.h"

#include "LittleEndian.h"
#include "SimBits.h"

using namespace SimBits;

QByteArray CSimRecords100::primEntry(const SSimSample& s)
{
    // Built in a plain array: every byte defined, then copied out once.
    uint8_t b[PrimEntrySize] = {};

    // Pressure travels as 700 hPa + 16 × (5 high bits) + (4 low bits).
    const int p = clampInt(s.pressureHpa - 700, 0, 31 * 16 + 15);
    const int pHigh = p >> 4;
    const int pLow = p & 0x0F;

    LE::put16(b + 0, quint16(temp11(s.supplyTemp) | (unsignedField(s.errorState, 5) << 11)));
    LE::put16(b + 2, quint16(temp11(s.outdoorTemp) | (pHigh << 11)));
    LE::put16(b + 4, quint16(temp11(s.exhaustTemp) | (unsignedField(s.flapPos[0], 5) << 11)));
    LE::put16(b + 6, quint16(temp11(s.extractTemp) | (unsignedField(s.flapPos[3], 5) << 11)));
    LE::put16(b + 8, quint16(temp11(s.supplyTempVirt) | (pLow << 11) | (s.deicing ? 0x8000 : 0)));
    b[10] = quint8(unsignedField(s.outdoorHum, 7) | (s.filterSupplyFull ? 0x80 : 0));
    b[11] = quint8(unsignedField(s.extractHum, 7) | (s.filterExtractFull ? 0x80 : 0));
    b[12] = quint8(unsignedField(s.co2Ppm / 16, 8));
    b[13] = quint8(unsignedField(s.flapPos[1], 5) | (unsignedField(s.comfortLevel - 1, 3) << 5));
    b[14] = quint8(unsignedField(s.flapPos[2], 5) | (unsignedField(s.operationMode, 3) << 5));
    b[15] = quint8(unsignedField(s.ventReason, 3) | (unsignedField(s.avgFlowCode, 5) << 3));
    LE::put16(b + 16, quint16(unsignedField(s.fanRpmExtract, 12) | (unsignedField(s.fanFlow / 10, 4) << 12)));
    LE::put16(b + 18, quint16(unsignedField(s.fanRpmSupply, 12) | (s.humReduction ? 0x1000 : 0)
                              | (s.fanLimited ? 0x2000 : 0) | (s.secondRoomAbove20 ? 0x4000 : 0)
                              | (s.sumCoolBypassOpen ? 0x8000 : 0)));
    b[20] = quint8(s.dipSwitch);
    b[21] = quint8(unsignedField(s.defrost, 2) | (unsignedField(s.errorFileNr, 6) << 2));
    // Without an internal error the line-number bits carry the software version.
    const quint16 line = s.errorFileNr != 0
        ? unsignedField(s.errorLineNr, 10)
        : quint16((unsignedField(s.swMajor, 3) << 7) | unsignedField(s.swMinor, 7));
    LE::put16(b + 22, quint16(line | (s.noCO2Sensor ? 0x1000 : 0) | (unsignedField(s.dipSwitch2, 3) << 13)));
    b[24] = int8Byte(s.errorCode);
    b[25] = quint8(unsignedField(s.flapCtrl[0], 2) | (unsignedField(s.flapCtrl[1], 2) << 2)
                   | (unsignedField(s.flapCtrl[2], 2) << 4) | (unsignedField(s.flapCtrl[3], 2) << 6));
    return QByteArray(reinterpret_cast<const char*>(b), int(sizeof b));
}

namespace {

// Three 5-bit durations and one flag in one 16-bit word.
quint16 durationWord(int d0, int d1, int d2, bool flag)
{
    return quint16(unsignedField(d0, 5) | (unsignedField(d1, 5) << 5) | (unsignedField(d2, 5) << 10)
                   | (flag ? 0x8000 : 0));
}

} // namespace

QByteArray CSimRecords100::secEntry(const SSimPeriod& p)
{
    // Built in a plain array: every byte defined, then copied out once.
    uint8_t b[SecEntrySize] = {};
    const int* t = p.time;

    b[0] = int8Byte(p.supplyTemp);
    b[1] = int8Byte(p.outdoorTemp);
    b[2] = int8Byte(p.outdoorHum);
    b[3] = int8Byte(p.exhaustTemp);
    b[4] = int8Byte(p.extractTemp);
    b[5] = int8Byte(p.extractHum);
    b[6] = quint8(unsignedField(p.co2Div16, 8));
    b[7] = int8Byte(p.warningCode);
    LE::put16(b + 8, durationWord(t[SSimPeriod::D_SupCond], t[SSimPeriod::D_HumInp],
                                  t[SSimPeriod::D_ComLev0], p.filterSupplyFull));
    LE::put16(b + 10, durationWord(t[SSimPeriod::D_AbsDrying], t[SSimPeriod::D_RelDrying],
                                   t[SSimPeriod::D_ComLev1], p.filterExtractFull));
    LE::put16(b + 12, durationWord(t[SSimPeriod::D_Cooling], t[SSimPeriod::D_CO2Ventilation],
                                   t[SSimPeriod::D_ComLev2], p.humRedModeSet));
    LE::put16(b + 14, durationWord(t[SSimPeriod::D_SleepMode], t[SSimPeriod::D_TurboMode],
                                   t[SSimPeriod::D_ComLev3], p.humRedModeClr));
    LE::put16(b + 16, durationWord(t[SSimPeriod::D_AutoAlt], t[SSimPeriod::D_DefExh],
                                   t[SSimPeriod::D_MinAir], p.restarted));
    LE::put16(b + 18, signedField(p.energyExtracted, 16));
    LE::put16(b + 20, signedField(p.energyRecovered, 16));
    LE::put16(b + 22, signedField(p.energyCooled, 16));
    LE::put16(b + 24, quint16(unsignedField(p.airExchanged, 10) | (unsignedField(p.entryState, 3) << 10)));
    LE::put16(b + 26, quint16(unsignedField(p.errorState, 5) | (signedField(p.waterRemoved, 11) << 5)));
    // Pressure: 700 hPa + 2 × value.
    const int pressure = clampInt((p.pressureHpa - 700) / 2, 0, 255);
    LE::put16(b + 28, quint16(unsignedField(p.count & 0x7F, 7) | (pressure << 7) | (p.noCO2Sensor ? 0x8000 : 0)));
    LE::put16(b + 30, quint16(unsignedField(p.warningLine, 10) | (unsignedField(p.warningFile, 6) << 10)));
    return QByteArray(reinterpret_cast<const char*>(b), int(sizeof b));
}
