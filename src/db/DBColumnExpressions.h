#ifndef DBCOLUMNEXPRESSIONS_H
#define DBCOLUMNEXPRESSIONS_H

#include <QString>

// The SELECT-list expression that shows one dictionary field of a log table:
// local time stamps, "-" for missing readings, hours:minutes for durations and
// the quantities that have no column of their own (air density, heat recovery,
// recovered power, comfort level 5, power consumption). An empty expression
// means the field is not shown.
class CDBColumnExpressions
{
public:
    // bRules70 selects the 70-family builder: special rules only for fields
    // 0 to 86 and no CO2 rule.
    CDBColumnExpressions(int nTableId, bool bIsoTimestamps, bool bRules70);

    QString expression(int nDataDictField) const;

private:
    static QString column(int nDataDictField);
    static QString effectiveSupplyTemp();
    static QString sqlQuoted(const QString& strText);
    QString timestamp() const;
    QString recoveryPercent() const;
    static QString duration(const QString& strSeconds);
    static QString comfortLevel5();
    static QString powerConsumption();

    int m_nTableId;
    bool m_bIsoTimestamps;
    bool m_bRules70;
    QString m_strSupplyTemp;
};

#endif // DBCOLUMNEXPRESSIONS_H
