#include "PC/LogNames.h"
#include "PC/LogNames_70.h"

#include <QtTest>

// Expected texts are copied from the name tables of both families.

enum ETable {
    T_OperationMode, T_Defrost, T_Reason, T_ErrorState, T_VentPosition,
    T_OperationMode70, T_FanState70, T_Reason70
};

static QString nameOf(int table, int code)
{
    switch (table) {
    case T_OperationMode: return QString(CLogNames::operationModeName(code));
    case T_Defrost: return QString(CLogNames::defrostName(code));
    case T_Reason: return QString(CLogNames::reasonName(code));
    case T_ErrorState: return QString(CLogNames::errorStateName(code));
    case T_VentPosition: return QString(CLogNames::ventPositionName(code));
    case T_OperationMode70: return QString(CLogNames_70::operationModeName(code));
    case T_FanState70: return QString(CLogNames_70::fanStateName(code));
    case T_Reason70: return QString(CLogNames_70::reasonName(code));
    }
    return QString("no such table");
}

class tst_LogNames : public QObject
{
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void wholeTables_data();
    void wholeTables();
    void roomAreas_data();
    void roomAreas();
};

void tst_LogNames::names_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");

    QTest::newRow("mode 0")            << int(T_OperationMode) << 0  << "AutoStd";
    QTest::newRow("mode 6")            << int(T_OperationMode) << 6  << "Test";
    QTest::newRow("mode 7")            << int(T_OperationMode) << 7  << "??";
    QTest::newRow("mode -1")           << int(T_OperationMode) << -1 << "??";
    QTest::newRow("defrost 3")         << int(T_Defrost)       << 3  << "Heat";
    QTest::newRow("defrost 4")         << int(T_Defrost)       << 4  << "";
    QTest::newRow("defrost -1")        << int(T_Defrost)       << -1 << "";
    QTest::newRow("reason 7")          << int(T_Reason)        << 7  << "HumInp";
    QTest::newRow("reason 8")          << int(T_Reason)        << 8  << "- ?? -";
    QTest::newRow("error 19")          << int(T_ErrorState)    << 19 << "?Detail on press??";
    QTest::newRow("error 22")          << int(T_ErrorState)    << 22 << "Wlan Error";
    QTest::newRow("error 23")          << int(T_ErrorState)    << 23 << "??";
    QTest::newRow("error -1")          << int(T_ErrorState)    << -1 << "??";
    QTest::newRow("flap 0")            << int(T_VentPosition)  << 0  << "UNKN";
    QTest::newRow("flap 1")            << int(T_VentPosition)  << 1  << "T 00";
    QTest::newRow("flap 24")           << int(T_VentPosition)  << 24 << "T 23";
    QTest::newRow("flap 25")           << int(T_VentPosition)  << 25 << "CLOS";
    QTest::newRow("flap 26")           << int(T_VentPosition)  << 26 << QString::fromUtf8(" 15\xC2\xB0");
    QTest::newRow("flap 30")           << int(T_VentPosition)  << 30 << QString::fromUtf8(" 75\xC2\xB0");
    QTest::newRow("flap 31")           << int(T_VentPosition)  << 31 << "OPEN";
    QTest::newRow("flap 32")           << int(T_VentPosition)  << 32 << "";
    QTest::newRow("70 mode 4")         << int(T_OperationMode70) << 4 << "Manufacturer";
    QTest::newRow("70 mode 5")         << int(T_OperationMode70) << 5 << "??";
    QTest::newRow("70 fan state 5")    << int(T_FanState70)    << 5  << "BackNoM";
    QTest::newRow("70 fan state 6")    << int(T_FanState70)    << 6  << "??";
    QTest::newRow("70 reason 7")       << int(T_Reason70)      << 7  << "HCO2In";
    QTest::newRow("70 reason 8")       << int(T_Reason70)      << 8  << "- ?? -";
    QTest::newRow("70 reason -1")      << int(T_Reason70)      << -1 << "- ?? -";
}

void tst_LogNames::names()
{
    QFETCH(int, table);
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(nameOf(table, code), name);
}

void tst_LogNames::wholeTables_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("operation modes") << int(T_OperationMode)
        << QStringList { "AutoStd", "AutoAlt", "Sleep", "Turbo", "TurboCool", "Service", "Test" };
    QTest::newRow("defrost") << int(T_Defrost) << QStringList { "None", "Bypa", "Supp", "Heat" };
    QTest::newRow("reasons") << int(T_Reason)
        << QStringList { "MinAir", "RelDry", "AbsDry", "SumCoo", "CO2Ven", "SupCon", "MinTOu", "HumInp" };
    QTest::newRow("error states") << int(T_ErrorState)
        << QStringList { "OK", "Filter old", "Filter dirty", "General error", "Error TSup", "Error TOut",
                         "Error HOut", "Error TExh", "Error TExt", "Error HExt", "Error CO2", "Error Pres",
                         "Error Vent Extract", "Error Vent Bath", "Error Vent Supply", "Error Vent Bypass",
                         "Error Fan Extract", "Error Fan Supply", "Error DIP switch", "?Detail on press??",
                         "CO2 too high", "Fire", "Wlan Error" };
    QTest::newRow("70 operation modes") << int(T_OperationMode70)
        << QStringList { "Auto", "Turbo", "Service", "Test", "Manufacturer" };
    QTest::newRow("70 fan states") << int(T_FanState70)
        << QStringList { "Normal", "Back", "CDown", "CDownB", "NorNoM", "BackNoM" };
    QTest::newRow("70 reasons") << int(T_Reason70)
        << QStringList { "MinAir", "RelDry", "AbsDry", "SumCoo", "VenCO2", "HumInp", "CO2Inp", "HCO2In" };
}

void tst_LogNames::wholeTables()
{
    QFETCH(int, table);
    QFETCH(QStringList, names);
    QStringList actual;
    for (int code = 0; code < names.size(); ++code)
        actual << nameOf(table, code);
    QCOMPARE(actual, names);
}

void tst_LogNames::roomAreas_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("area");

    QTest::newRow("0") << 0 << 20;
    QTest::newRow("1") << 1 << 25;
    QTest::newRow("2") << 2 << 35;
    QTest::newRow("3") << 3 << 45;
    QTest::newRow("4") << 4 << 60;
    QTest::newRow("5") << 5 << 75;
    QTest::newRow("6 gives 0") << 6 << 0;
    QTest::newRow("7 gives 0") << 7 << 0;
    QTest::newRow("-1 gives 0") << -1 << 0;
}

void tst_LogNames::roomAreas()
{
    QFETCH(int, code);
    QFETCH(int, area);
    QCOMPARE(CLogNames::roomArea(code), area);
    QCOMPARE(CLogNames_70::roomArea(code), area);
}

QTEST_GUILESS_MAIN(tst_LogNames)
#include "tst_LogNames.moc"
