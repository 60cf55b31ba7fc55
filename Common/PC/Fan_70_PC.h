#ifndef FAN_70_PC_H
#define FAN_70_PC_H

#include "PC/FanBase.h"
#include "PC/FanRecords_70.h"
#include "PC/Logging_70.h"

#include <QVector>

// The device object of the 70 family: current state, primary and secondary
// logs and simulated sensor values. The family has no flaps to report or
// move and no WiFi module. Its answers have their own sizes (30 and 200
// bytes), so an answer of the 100 family is refused as a size mismatch.
class CFan_70_PC : public CFanBase
{
    Q_OBJECT

public:
    explicit CFan_70_PC(QObject* parent = nullptr);
    // On the given port binding (shared by the monitoring program's device objects).
    explicit CFan_70_PC(std::shared_ptr<CPortBinding> binding, QObject* parent = nullptr);

    const char* reasonName(int nCode) const override;  // the 70 family's table
    QString familyName() const override;               // "Zyvent plus"
    int familyType() const override;                    // 1

    // Message 15: entries is cleared and receives the unit's whole primary log.
    virtual bool getPrimLog(QVector<SPrimLogEntry_70>& entries);
    // Message 20: entries is cleared and receives up to nCount entries of the
    // span's ring buffer from index nStartIndex.
    virtual bool getSecLog(QVector<SSecLogEntry_70>& entries, CLogging_70::EMaxTimeSpan span,
                           UINT16 nCount, UINT16 nStartIndex);

    // Text reports for the update program's debug panel (Fan_70_PC_Reports.cpp):
    // the whole primary log, and the entries of one secondary log chosen by
    // the panel's radio buttons ("10 Youngest", "100 Youngest", "10 Oldest",
    // "100 Oldest"; none set: all). strSpanText is printed in the title.
    // A failed read gives its failure text as the report.
    QString getPrimaryLog();
    QString getSecondaryLog(CLogging_70::EMaxTimeSpan span, bool b10Youngest, bool b100Youngest,
                            bool b10Oldest, bool b100Oldest, const QString& strSpanText);

    // Message 19: the current state as one primary log entry (30-byte answer only).
    bool getCurrentState(SPrimLogEntry_70& entry);
    // Message 16: simulated sensor values (30 bytes), sent unchanged.
    bool setSimulationValues(const SHLP_SetSimulationValues_70& values);
};

#endif // FAN_70_PC_H
