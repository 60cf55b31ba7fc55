#include "DataDict.h"

#include <QtTest>

// The schema of the four log tables follows from the field dictionary alone. The
// expected lists are the tables' column lists (name and type, in creation order)
// as they are written out for the log database, so this one test guards the schema.
class tst_DataDictSchema : public QObject
{
    Q_OBJECT
private slots:
    void columns_data();
    void columns();
    void keyFields_data();
    void keyFields();

private:
    static QStringList describe(const QVector<CDataDict::SColumn>& columns);
};

namespace {

QStringList expand(const QString& list)
{
    // Items read "NAME (type)"; "DL1 to DL5 (int)" stands for five columns.
    QStringList out;
    for (QString item : list.split(QStringLiteral(", "))) {
        item.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
        if (item == QLatin1String("DL1 to DL5 int")) {
            for (int i = 1; i <= 5; ++i)
                out << QStringLiteral("DL%1 int").arg(i);
        } else {
            out << item;
        }
    }
    return out;
}

} // namespace

QStringList tst_DataDictSchema::describe(const QVector<CDataDict::SColumn>& columns)
{
    QStringList out;
    for (const CDataDict::SColumn& column : columns) {
        out << column.name + QLatin1Char(' ') + column.sqlType;
        if (CDataDict::instance()->text(column.nDataDictField, CDataDict::TextColumn) != column.name)
            out << QStringLiteral("<field %1 does not own column %2>").arg(column.nDataDictField).arg(column.name);
    }
    return out;
}

void tst_DataDictSchema::columns_data()
{
    QTest::addColumn<int>("tableId");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ValueLogs") << int(CDataDict::TM_ValueLogs) << expand(
        "LogTimestamp (int), SNR (int), OM (text), PRG (text), RED (text), HR (int), SC (int), "
        "CL (int), RA (int), A2 (int), FSS (int), FSE (int), AFL (int), TET (real), HET (int), "
        "TOU (real), HOU (int), CO2 (int), TSU (real), TSC (real), TEH (real), PRS (int), "
        "OPH (int), FIH (int), DEI (int), RSSI (int), SWV (text), ES (text), EFN (int), ELN (int), "
        "ECO (int), VPE (int), VBY (int), VBA (int), VPS (int), TPE (int), TBY (int), TBA (int), "
        "TPS (int), FSF (int), FEF (int), DIP (int), DIP2 (int), FSC (int), FEC (int), CSU (int), "
        "CFA (int), NOCO2 (int)");
    QTest::newRow("SecLogs") << int(CDataDict::TM_SecLogs) << expand(
        "LogTimestamp (int), LTS (int), SNR (int), RES (int), TET (real), HET (int), TOU (real), "
        "HOU (int), CO2 (int), TSU (real), TEH (real), PRS (int), DL1 to DL5 (int), DSM (int), "
        "DTM (int), D1R (int), DDF (int), DMV (int), DWI (int), DHI (int), DRA (int), DRR (int), "
        "DCO (int), DC2 (int), HRU (int), HRN (int), EXE (int), REE (int), COE (int), AEX (real), "
        "WAR (int), ES (text), EFN (int), ELN (int), ECO (int), FSF (int), FEF (int), NOCO2 (int)");
    QTest::newRow("ValueLogs70") << int(CDataDict::TM_ValueLogs70) << expand(
        "LogTimestamp (int), SNR (int), OM (text), PRG (text), RED (text), CL (int), RA (int), "
        "FSP (int), AFL (int), TET (real), TSU (real), HET (int), HOU (int), AQE (int), AQS (int), "
        "OPH (int), ES (text), QEU (int), QSU (int), EFN (int), ELN (int), ECO (int), DIP (int)");
    QTest::newRow("SecLogs70") << int(CDataDict::TM_SecLogs70) << expand(
        "LogTimestamp (int), LTS (int), SNR (int), RES (int), TET (real), TSU (real), HET (int), "
        "HOU (int), AQE (int), AQS (int), DL1 to DL5 (int), DTM (int), DSeM (int), DMV (int), "
        "DHI (int), DCO2I (int), DHuCO2I (int), DRA (int), DRR (int), DCO (int), DC2 (int), "
        "COE (int), AEX (real), WAR (int), ES (text), EFN (int), ELN (int), ECO (int)");
    QTest::newRow("no table 0")           << 0 << QStringList();
    QTest::newRow("bit 4 is unused")      << 4 << QStringList();
    QTest::newRow("two bits are no table") << 3 << QStringList();
    QTest::newRow("no table 32")          << 32 << QStringList();
}

void tst_DataDictSchema::columns()
{
    QFETCH(int, tableId);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(CDataDict::instance()->tableColumns(tableId)), expected);
}

void tst_DataDictSchema::keyFields_data()
{
    QTest::addColumn<int>("tableId");
    QTest::addColumn<QVector<int>>("keys");
    QTest::newRow("ValueLogs")   << int(CDataDict::TM_ValueLogs) << QVector<int>{ 0, 59 };
    QTest::newRow("SecLogs")     << int(CDataDict::TM_SecLogs) << QVector<int>{ 0, 62, 59 };
    QTest::newRow("ValueLogs70") << int(CDataDict::TM_ValueLogs70) << QVector<int>{ 0, 59 };
    QTest::newRow("SecLogs70")   << int(CDataDict::TM_SecLogs70) << QVector<int>{ 0, 62, 59 };
    QTest::newRow("no table")    << 4 << QVector<int>();
}

void tst_DataDictSchema::keyFields()
{
    QFETCH(int, tableId);
    QFETCH(QVector<int>, keys);
    QCOMPARE(CDataDict::instance()->keyFields(tableId), keys);
}

QTEST_GUILESS_MAIN(tst_DataDictSchema)
#include "tst_DataDictSchema.moc"
