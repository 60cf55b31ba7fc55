#include "CommandLine.h"

#include <QtTest>

// One call of CCommandLine::option and what it must give.
struct SCall
{
    QString name;
    bool bHasValue;
    bool bFound;
    QString value;
};
using Calls = QVector<SCall>;
Q_DECLARE_METATYPE(Calls)

class tst_CommandLine : public QObject
{
    Q_OBJECT
private slots:
    void options_data();
    void options();
    void nameIsLowerCasedInPlace();
};

void tst_CommandLine::options_data()
{
    QTest::addColumn<QStringList>("arguments");   // without the program name
    QTest::addColumn<Calls>("calls");
    QTest::addColumn<QString>("unused");          // after all calls

    QTest::newRow("-L de_DE") << QStringList{"-L", "de_DE"}
                              << Calls{{"l", true, true, "de_DE"}} << "";
    QTest::newRow("/l de_DE") << QStringList{"/l", "de_DE"}
                              << Calls{{"l", true, true, "de_DE"}} << "";
    QTest::newRow("option name in upper case") << QStringList{"-l", "de_DE"}
                                               << Calls{{"L", true, true, "de_DE"}} << "";
    QTest::newRow("option absent") << QStringList{"-t"}
                                   << Calls{{"l", true, false, ""}} << "-t ";
    QTest::newRow("no arguments: the program name is no option") << QStringList{}
                                         << Calls{{"d", false, false, ""}} << "";
    QTest::newRow("-s last: present, empty value") << QStringList{"-t", "-s"}
                                                   << Calls{{"t", false, true, ""}, {"s", true, true, ""}} << "";
    QTest::newRow("-s word: the word is consumed") << QStringList{"-s", "anything", "-t"}
                                                   << Calls{{"s", true, true, "anything"}} << "-t ";
    QTest::newRow("no prefix is no option") << QStringList{"l", "de"}
                                            << Calls{{"l", true, false, ""}} << "l de ";
    QTest::newRow("a value option stops at its first match") << QStringList{"-l", "de", "-l", "en"}
                                                             << Calls{{"l", true, true, "de"}} << "-l en ";
    QTest::newRow("a flag marks every match") << QStringList{"-d", "/D"}
                                              << Calls{{"d", false, true, ""}} << "";
    QTest::newRow("updater flags in any case") << QStringList{"-D", "-Owner", "/ap"}
        << Calls{{"d", false, true, ""}, {"m", false, false, ""}, {"owner", false, true, ""},
                 {"ap", false, true, ""}} << "";
    QTest::newRow("updater serial number and ignored port") << QStringList{"-ec", "51234", "-sn", "COM3"}
        << Calls{{"l", true, false, ""}, {"ec", true, true, "51234"}, {"sn", true, true, "COM3"}} << "";
    QTest::newRow("unrecognised arguments reported in order") << QStringList{"-x", "foo", "-d"}
        << Calls{{"d", false, true, ""}} << "-x foo ";
    QTest::newRow("a prefix of an option does not match") << QStringList{"-own", "-apx"}
        << Calls{{"owner", false, false, ""}, {"ap", false, false, ""}} << "-own -apx ";
}

void tst_CommandLine::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(Calls, calls);
    QFETCH(QString, unused);

    // A program name that looks like an option: position 0 is never scanned.
    CCommandLine commandLine(QStringList{"/d"} + arguments);
    for (const SCall& call : calls) {
        bool found = !call.bFound;
        QString name = call.name;
        QCOMPARE(commandLine.option(name, &found, call.bHasValue), call.value);
        QVERIFY2(found == call.bFound, qPrintable(call.name));
    }
    QCOMPARE(commandLine.unusedArguments(), unused);
}

void tst_CommandLine::nameIsLowerCasedInPlace()
{
    CCommandLine commandLine(QStringList{"program", "-OWNER"});
    QString name("Owner");
    bool found = false;
    commandLine.option(name, &found, false);
    QVERIFY(found);
    QCOMPARE(name, QString("owner"));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
