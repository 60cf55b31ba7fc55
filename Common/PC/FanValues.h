#ifndef FANVALUES_H
#define FANVALUES_H

// The current values of a 100-family unit: one current-state record
// (SPrimLogEntry) decoded into physical units, its codes mapped onto field
// indexes of the field dictionary, and the quantities derived from them.
// A plain value: built in the polling thread, copied through queued signals
// under the meta-type name "CFanValues". The receiver trusts the values only
// when hasValidChecksum() holds.

#include "PC/PrimLogEntry.h"

#include <QCoreApplication>
#include <QMetaType>
#include <QString>
#include <QVariant>

class CFanValues
{
    Q_DECLARE_TR_FUNCTIONS(CFanValues)

public:
    CFanValues();
    explicit CFanValues(const SPrimLogEntry& entry);

    // qRegisterMetaType under the name "CFanValues"; returns the type id.
    static int registerMetaType();

    // The value stored under a dictionary field, as the minute log writes it;
    // an invalid variant for a field this record does not carry.
    QVariant value(int nDataDictField) const;

    // Field index of the enumeration member; -1 when the code has none.
    int operationModeField() const;
    int programField() const;
    int reductionReasonField() const;
    static int errorField(int nCode);

    QString operationModeText() const;
    QString minVentilationText() const;
    bool hasEnthalpyExchanger() const { return (m_uDipSwitch2 & 0x04) != 0; }
    bool isAirFlowActive() const { return m_nExtractAirFlow != 0; }

    int heatRecoveryPercent() const;
    int heatRecoveryWatt() const;
    int coolingPower() const;

    // Sum over the decoded members (dipSwitch2, noCO2Sensor and the version excluded).
    int calcChecksum() const;
    int checksum() const { return m_nChecksum; }
    bool hasValidChecksum() const { return calcChecksum() == m_nChecksum; }
    // Overwrites the stored sum, e.g. with one that travelled separately.
    void setChecksum(int nChecksum) { m_nChecksum = nChecksum; }

    double extractTemp() const { return m_dExtractTemp; }       // degC
    double outdoorTemp() const { return m_dOutdoorTemp; }       // degC
    double exhaustTemp() const { return m_dExhaustTemp; }       // degC
    int extractHum() const { return m_nExtractHum; }            // %
    int outdoorHum() const { return m_nOutdoorHum; }            // %
    int co2() const { return m_nCO2; }                          // ppm
    int comfortLevel() const { return m_nComfortLevel; }        // 1..8
    int fanFlow() const { return m_nFanFlow; }                  // m3/h
    int extractAirFlow() const { return m_nExtractAirFlow; }    // m3/h
    int roomArea() const { return m_nRoomArea; }                // m2
    int max2ndRoomExtract() const { return m_nMax2ndRoomExtract; } // m3/h
    int fanSupplyRPM() const { return m_nFanSupplyRPM; }
    int fanExtractRPM() const { return m_nFanExtractRPM; }
    int operationModeCode() const { return m_nOperationModeCode; }
    int programCode() const { return m_nProgramCode; }
    int defrostCode() const { return m_nDefrostCode; }
    int errorStateCode() const { return m_nErrorStateCode; }
    bool deicing() const { return m_bDeicing; }
    bool humReductionMode() const { return m_bHumReductionMode; }
    bool fanLimited() const { return m_bFanLimited; }
    bool secondRoomOver20() const { return m_bSecondRoomOver20; }
    int ventPosExtract() const { return m_nVentPosExtract; }
    int ventPosBypass() const { return m_nVentPosBypass; }
    bool sumCoolBypassOpen() const { return m_bSumCoolBypassOpen; }
    int pressure() const { return m_nPressure; }                // hPa
    int ventPosBath() const { return m_nVentPosBath; }
    int ventPosSupply() const { return m_nVentPosSupply; }
    int filterSupplyFull() const { return m_nFilterSupplyFull; }
    int filterExtractFull() const { return m_nFilterExtractFull; }
    int dipSwitch() const { return m_nDipSwitch; }
    unsigned dipSwitch2() const { return m_uDipSwitch2; }
    unsigned errorFileNr() const { return m_uErrorFileNr; }
    unsigned errorLineNr() const { return m_uErrorLineNr; }
    int errorCode() const { return m_nErrorCode; }
    int ventCtrlSetExtract() const { return m_nVentCtrlSetExtract; }
    int ventCtrlSetBath() const { return m_nVentCtrlSetBath; }
    int ventCtrlSetSupply() const { return m_nVentCtrlSetSupply; }
    int ventCtrlSetBypass() const { return m_nVentCtrlSetBypass; }
    bool noCO2Sensor() const { return m_bNoCO2Sensor; }
    int swVersionMajor() const { return m_nSwVersionMajor; }
    int swVersionMinor() const { return m_nSwVersionMinor; }
    double supplyTemp() const { return m_dSupplyTemp; }         // degC
    double supplyTempVirt() const { return m_dSupplyTempVirt; } // degC

private:
    void decodeTemperatures(const SPrimLogEntry& entry);
    void decodeAirAndFans(const SPrimLogEntry& entry);
    void decodeStates(const SPrimLogEntry& entry);
    void decodeFlaps(const SPrimLogEntry& entry);
    void decodeErrorAndVersion(const SPrimLogEntry& entry);
    QVariant textValue(int nDataDictField) const;

    double m_dExtractTemp = 0.0;
    double m_dOutdoorTemp = 0.0;
    double m_dExhaustTemp = 0.0;
    int m_nExtractHum = 0;
    int m_nOutdoorHum = 0;
    int m_nCO2 = 0;
    int m_nComfortLevel = 0;
    int m_nFanFlow = 0;
    int m_nExtractAirFlow = 0;
    int m_nRoomArea = 0;
    int m_nMax2ndRoomExtract = 0;
    int m_nFanSupplyRPM = 0;
    int m_nFanExtractRPM = 0;
    int m_nOperationModeCode = 0;
    int m_nProgramCode = 0;
    int m_nDefrostCode = 0;
    int m_nErrorStateCode = 0;
    bool m_bDeicing = false;
    bool m_bHumReductionMode = false;
    bool m_bFanLimited = false;
    bool m_bSecondRoomOver20 = false;
    int m_nVentPosExtract = 0;
    int m_nVentPosBypass = 0;
    bool m_bSumCoolBypassOpen = false;
    int m_nPressure = 0;
    int m_nVentPosBath = 0;
    int m_nVentPosSupply = 0;
    int m_nFilterSupplyFull = 0;
    int m_nFilterExtractFull = 0;
    int m_nDipSwitch = 0;
    unsigned m_uDipSwitch2 = 0;
    unsigned m_uErrorFileNr = 0;
    unsigned m_uErrorLineNr = 0;
    int m_nErrorCode = 0;
    int m_nVentCtrlSetExtract = 0;
    int m_nVentCtrlSetBath = 0;
    int m_nVentCtrlSetSupply = 0;
    int m_nVentCtrlSetBypass = 0;
    bool m_bNoCO2Sensor = false;
    int m_nSwVersionMajor = 0;
    int m_nSwVersionMinor = 0;
    double m_dSupplyTemp = 0.0;
    double m_dSupplyTempVirt = 0.0;
    int m_nChecksum = 0;
};

Q_DECLARE_METATYPE(CFanValues)

#endif // FANVALUES_H
