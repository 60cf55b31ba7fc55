#ifndef FANVALUES70_H
#define FANVALUES70_H

// The current values of a 70-family unit: one current-state record
// (SPrimLogEntry_70) decoded into physical units, its codes mapped onto field
// indexes of the field dictionary. A plain value copied through queued signals
// under the meta-type name "CFanValues70". Unlike CFanValues it carries no checksum.

#include "PC/PrimLogEntry_70.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

class CFanValues70
{
public:
    CFanValues70() = default;
    explicit CFanValues70(const SPrimLogEntry_70& entry);

    // qRegisterMetaType under the name "CFanValues70"; returns the type id.
    static int registerMetaType();

    // The value stored under a dictionary field, as the minute log writes it;
    // an invalid variant for a field this record does not carry.
    QVariant value(int nDataDictField) const;

    // Field index of the enumeration member; -1 when the code has none.
    int operationModeField() const;
    int programField() const;
    int errorField() const;

    QString operationModeText() const;

    double extractTemp() const { return m_dExtractTemp; }               // degC
    double supplyTemp() const { return m_dSupplyTemp; }                 // degC
    int extractHum() const { return m_nExtractHum; }                    // %
    int outdoorHum() const { return m_nOutdoorHum; }                    // %
    int extractAirQuality() const { return m_nExtractAirQuality; }      // VOC
    int supplyAirQuality() const { return m_nSupplyAirQuality; }        // VOC
    int extractAirQualityRaw() const { return m_nExtractAirQualityRaw; } // VOC, uncorrected
    int supplyAirQualityRaw() const { return m_nSupplyAirQualityRaw; }  // VOC, uncorrected
    int comfortLevel() const { return m_nComfortLevel; }                // 1..8
    int airFlow() const { return m_nAirFlow; }                          // m3/h, sign = direction
    int roomArea() const { return m_nRoomArea; }                        // m2, 0 when unset
    int fanRPM() const { return m_nFanRPM; }
    int operationModeCode() const { return m_nOperationModeCode; }
    int programCode() const { return m_nProgramCode; }
    int errorStateCode() const { return m_nErrorStateCode; }
    int dipSwitch() const { return m_nDipSwitch; }
    int errorFileNr() const { return m_nErrorFileNr; }
    int errorLineNr() const { return m_nErrorLineNr; }
    int errorCode() const { return m_nErrorCode; }

private:
    QVariant textValue(int nDataDictField) const;

    double m_dExtractTemp = 0.0;
    double m_dSupplyTemp = 0.0;
    int m_nExtractHum = 0;
    int m_nOutdoorHum = 0;
    int m_nExtractAirQuality = 0;
    int m_nSupplyAirQuality = 0;
    int m_nExtractAirQualityRaw = 0;
    int m_nSupplyAirQualityRaw = 0;
    int m_nComfortLevel = 0;
    int m_nAirFlow = 0;
    int m_nRoomArea = 0;
    int m_nFanRPM = 0;
    int m_nOperationModeCode = 0;
    int m_nProgramCode = 0;
    int m_nErrorStateCode = 0;
    int m_nDipSwitch = 0;
    int m_nErrorFileNr = 0;
    int m_nErrorLineNr = 0;
    int m_nErrorCode = 0;
};

Q_DECLARE_METATYPE(CFanValues70)

#endif // FANVALUES70_H
