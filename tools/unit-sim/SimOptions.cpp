#include "SimOptions.h"

#include <QCommandLineParser>
#include <QDateTime>

namespace {

bool parseVersion(const QString& text, int* major, int* minor)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    bool ok1 = false;
    bool ok2 = false;
    if (parts.size() != 2)
        return false;
    *major = parts[0].toInt(&ok1);
    *minor = parts[1].toInt(&ok2);
    return ok1 && ok2 && *major >= 0 && *major < 256 && *minor >= 0 && *minor < 256;
}

bool parseRing(const QString& text, SSimConfig& config)
{
    const QStringList p = text.split(QLatin1Char(':'));
    if (p.size() != 4)
        return false;
    bool ok[4] = {};
    const int span = p[0].toInt(&ok[0]);
    const int capacity = p[1].toInt(&ok[1]);
    const int count = p[2].toInt(&ok[2]);
    const int oldest = p[3].toInt(&ok[3]);
    if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || span < 0 || span > 2 || capacity < 0 || capacity > 65535
        || count < 0 || count > capacity || oldest < 0 || (capacity > 0 && oldest >= capacity))
        return false;
    config.ringCapacity[span] = capacity;
    config.ringCount[span] = count;
    config.ringOldest[span] = oldest;
    return true;
}

bool parseFault(const QString& text, SSimFaults& faults)
{
    const int eq = text.indexOf(QLatin1Char('='));
    const int fault = SSimFaults::fromName(eq < 0 ? text : text.left(eq));
    bool ok = eq < 0;
    const double rate = eq < 0 ? 1.0 : text.mid(eq + 1).toDouble(&ok);
    if (fault < 0 || !ok || rate < 0.0 || rate > 1.0)
        return false;
    faults.rate[fault] = rate;
    return true;
}

} // namespace

bool CSimOptions::parse(const QStringList& arguments, SSimConfig& config, bool& verbose,
                        QString& helpText, QString& error)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "A simulated Zyvent ventilation unit on a pseudo-terminal. Commands on standard input; 'help' lists them."));
    const QCommandLineOption help(QStringList{"h", "help"}, QStringLiteral("Show this help."));
    const QCommandLineOption family("family", QStringLiteral("Device family: 100 or 70."), "100|70", "100");
    const QCommandLineOption link("link", QStringLiteral("Keep a symbolic link to the device at PATH."), "PATH");
    const QCommandLineOption serial("serial", QStringLiteral("Serial number (0 = none assigned)."), "N");
    const QCommandLineOption board("board", QStringLiteral("Board version."), "N");
    const QCommandLineOption system("system", QStringLiteral("Running firmware part: 1, 2 (boot loaders) or 3."), "N");
    const QCommandLineOption app("app-version", QStringLiteral("Application version."), "M.m");
    const QCommandLineOption boot("boot-version", QStringLiteral("Boot loader version."), "M.m");
    const QCommandLineOption wifi("wifi-version", QStringLiteral("WiFi module version."), "M.m");
    const QCommandLineOption flag("version-flag", QStringLiteral("Set the boot loader version flag (shown as X)."));
    const QCommandLineOption start("start", QStringLiteral("Unit clock start, ISO date-time (UTC) or Unix seconds."), "TIME");
    const QCommandLineOption speed("speed", QStringLiteral("Clock speed factor (0 stands still)."), "X");
    const QCommandLineOption ring("ring", QStringLiteral("Secondary log SPAN (0, 1, 2): capacity, count, oldest index."), "SPAN:CAP:COUNT:OLDEST");
    const QCommandLineOption prim("primlog", QStringLiteral("Number of primary log entries."), "N");
    const QCommandLineOption seed("seed", QStringLiteral("Random seed for faults and debug messages."), "N");
    const QCommandLineOption restart("restart-delay", QStringLiteral("Silence after command 17 in ms."), "MS");
    const QCommandLineOption fault("fault", QStringLiteral("Fault with probability 0..1: ") + SSimFaults::names().join(", "), "NAME[=RATE]");
    const QCommandLineOption late("late", QStringLiteral("Delay of late answers in ms."), "MS");
    const QCommandLineOption polls("wifi-result-polls", QStringLiteral("Polls that report a WiFi result before idle."), "N");
    const QCommandLineOption verb(QStringList{"v", "verbose"}, QStringLiteral("Print the unit's debug lines."));
    p.addOptions({help, family, link, serial, board, system, app, boot, wifi, flag, start, speed, ring, prim,
                  seed, restart, fault, late, polls, verb});
    if (!p.parse(arguments)) {
        error = p.errorText();
        return false;
    }
    if (p.isSet(help)) {
        helpText = p.helpText();
        return true;
    }
    auto bad = [&](const QString& what) { error = QStringLiteral("bad value for --") + what; return false; };
    bool ok = true;
    const QString fam = p.value(family);
    if (fam != QLatin1String("100") && fam != QLatin1String("70"))
        return bad("family");
    config.identity.family70 = fam == QLatin1String("70");
    config.linkPath = p.value(link);
    if (p.isSet(serial) && ((config.identity.serialNr = p.value(serial).toUInt(&ok)), !ok))
        return bad("serial");
    if (p.isSet(board) && ((config.identity.boardVersion = p.value(board).toInt(&ok)), !ok))
        return bad("board");
    if (p.isSet(system)) {
        config.identity.runningSystem = p.value(system).toInt(&ok);
        if (!ok || config.identity.runningSystem < 1 || config.identity.runningSystem > 3)
            return bad("system");
    }
    if (p.isSet(app) && !parseVersion(p.value(app), &config.identity.appMajor, &config.identity.appMinor))
        return bad("app-version");
    if (p.isSet(boot) && !parseVersion(p.value(boot), &config.identity.bootMajor, &config.identity.bootMinor))
        return bad("boot-version");
    if (p.isSet(wifi) && !parseVersion(p.value(wifi), &config.identity.wifiMajor, &config.identity.wifiMinor))
        return bad("wifi-version");
    config.identity.versionFlag = p.isSet(flag) ? 1 : 0;
    if (p.isSet(start)) {
        QDateTime t = QDateTime::fromString(p.value(start), Qt::ISODate);
        if (t.isValid() && t.timeSpec() == Qt::LocalTime)
            t.setTimeSpec(Qt::UTC);        // a time without offset is read as UTC
        config.startUnixSec = t.isValid() ? t.toSecsSinceEpoch() : p.value(start).toLongLong(&ok);
        if (!t.isValid() && (!ok || config.startUnixSec <= 0))
            return bad("start");
    }
    if (p.isSet(speed) && (((config.clockSpeed = p.value(speed).toDouble(&ok)), !ok) || config.clockSpeed < 0))
        return bad("speed");
    for (const QString& r : p.values(ring))
        if (!parseRing(r, config))
            return bad("ring");
    if (p.isSet(prim) && (((config.primLogCount = p.value(prim).toInt(&ok)), !ok) || config.primLogCount < 0))
        return bad("primlog");
    if (p.isSet(seed) && ((config.seed = p.value(seed).toUInt(&ok)), !ok))
        return bad("seed");
    if (p.isSet(restart) && (((config.restartDelayMs = p.value(restart).toInt(&ok)), !ok) || config.restartDelayMs < 0))
        return bad("restart-delay");
    for (const QString& f : p.values(fault))
        if (!parseFault(f, config.faults))
            return bad("fault");
    if (p.isSet(late) && (((config.faults.lateAnswerMs = p.value(late).toInt(&ok)), !ok) || config.faults.lateAnswerMs < 0))
        return bad("late");
    if (p.isSet(polls) && (((config.wifiResultPolls = p.value(polls).toInt(&ok)), !ok) || config.wifiResultPolls < 1))
        return bad("wifi-result-polls");
    verbose = p.isSet(verb);
    return true;
}
