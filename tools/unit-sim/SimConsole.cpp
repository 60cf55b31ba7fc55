#include "SimConsole.h"

#include "UnitSimulator.h"

#include <QTextStream>

namespace {

bool parseInt(const QString& text, int lo, int hi, int* out)
{
    bool ok = false;
    const int v = text.toInt(&ok, 0);
    if (!ok || v < lo || v > hi)
        return false;
    *out = v;
    return true;
}

bool parseOnOff(const QString& text, bool* out)
{
    if (text == QLatin1String("on") || text == QLatin1String("1")) {
        *out = true;
        return true;
    }
    if (text == QLatin1String("off") || text == QLatin1String("0")) {
        *out = false;
        return true;
    }
    return false;
}

// "M.m" into major and minor.
bool parseVersion(const QString& text, int* major, int* minor)
{
    // Decimal only: a two-digit minor such as "08" is not octal.
    const QStringList parts = text.split(QLatin1Char('.'));
    bool ok1 = false;
    bool ok2 = false;
    if (parts.size() != 2)
        return false;
    *major = parts[0].toInt(&ok1, 10);
    *minor = parts[1].toInt(&ok2, 10);
    return ok1 && ok2 && *major >= 0 && *major < 256 && *minor >= 0 && *minor < 256;
}

const char* const kSpanNames[3] = {"15min", "1day", "30days"};

bool parseSpan(const QString& text, int* span)
{
    for (int i = 0; i < 3; ++i)
        if (text == QLatin1String(kSpanNames[i])) {
            *span = i;
            return true;
        }
    return parseInt(text, 0, 2, span);
}

} // namespace

CSimConsole::CSimConsole(CUnitSimulator& simulator)
    : m_Sim(simulator)
{
    add("help", &CSimConsole::cmdHelp, "help", "list the commands");
    add("status", &CSimConsole::cmdStatus, "status", "identity, link, faults, live values");
    add("family", &CSimConsole::cmdFamily, "family 100|70", "switch the device family (logs rebuilt)");
    add("serial", &CSimConsole::cmdSerial, "serial N", "set the serial number");
    add("board", &CSimConsole::cmdBoard, "board N", "set the board version");
    add("system", &CSimConsole::cmdSystem, "system 1|2|3", "running firmware part (1, 2 boot loaders, 3 application)");
    add("version", &CSimConsole::cmdVersion, "version app|boot|wifi M.m", "set a firmware version");
    add("comfort", &CSimConsole::cmdComfort, "comfort 1-5", "set the comfort level");
    add("error", &CSimConsole::cmdError, "error N", "set the error state code (0 = OK)");
    add("internal", &CSimConsole::cmdInternal, "internal FILE LINE CODE", "set an internal error (0 0 0 clears)");
    add("filter", &CSimConsole::cmdFilter, "filter supply|extract on|off", "set a filter-full flag");
    add("outdoor", &CSimConsole::cmdOutdoor, "outdoor OFFSET", "shift the outdoor temperature by OFFSET °C");
    add("flap", &CSimConsole::cmdFlap, "flap 0-3 CODE", "set a flap position code (25 closed, 31 open)");
    add("sim", &CSimConsole::cmdSim, "sim off", "drop simulation values received with message 16");
    add("ring", &CSimConsole::cmdRing, "ring SPAN CAPACITY COUNT OLDEST",
        "refill a secondary log (SPAN 0|15min, 1|1day, 2|30days)");
    add("check", &CSimConsole::cmdCheck, "check SPAN RESULT", "result that message 23 reports for a log");
    add("counter", &CSimConsole::cmdCounter, "counter ID VALUE", "set a persistent counter");
    add("wifi", &CSimConsole::cmdWifi, "wifi fail on|off", "make the next WiFi transfers fail");
    add("fault", &CSimConsole::cmdFault, "fault NAME RATE | fault off | fault late MS",
        "set a fault probability 0..1 (" + SSimFaults::names().join(QLatin1Char(' ')) + ")");
    add("debug", &CSimConsole::cmdDebug, "debug TEXT | debug # NUMBER", "send a debug message now");
    add("unplug", &CSimConsole::cmdUnplug, "unplug [MS]", "pull the cable; replug after MS if given");
    add("replug", &CSimConsole::cmdReplug, "replug", "plug in again (new terminal, same link)");
    add("restart", &CSimConsole::cmdRestart, "restart", "power cycle: silent, then the application runs");
    add("clock", &CSimConsole::cmdClock, "clock +SECONDS | clock speed X", "move or speed up the unit's clock");
    add("log", &CSimConsole::cmdLog, "log [N]", "the last N commands received (default 10)");
    add("quit", &CSimConsole::cmdQuit, "quit", "end the simulator");
}

void CSimConsole::add(const QString& name, Command fn, const QString& usage, const QString& help)
{
    m_Commands.insert(name, SCommand{fn, usage, help});
    m_Order << name;
}

QString CSimConsole::execute(const QString& line)
{
    QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QString();
    const QString name = words.takeFirst().toLower();
    const auto it = m_Commands.constFind(name);
    if (it == m_Commands.constEnd())
        return QStringLiteral("unknown command '%1' (try help)").arg(name);
    const QString result = (this->*(it->fn))(words);
    return result.isNull() ? QStringLiteral("usage: ") + it->usage : result;
}

QString CSimConsole::cmdHelp(const QStringList&)
{
    QString text;
    QTextStream out(&text);
    for (const QString& name : m_Order)
        out << QStringLiteral("  %1  %2\n").arg(m_Commands[name].usage, -34).arg(m_Commands[name].help);
    return text.trimmed().prepend(QStringLiteral("  "));
}

QString CSimConsole::cmdStatus(const QStringList&)
{
    QString text;
    QTextStream out(&text);
    const SSimFaults faults = m_Sim.faults();
    m_Sim.withState([&](CSimUnitState& st) {
        const SSimIdentity& id = st.identity();
        const SSimSample s = st.currentSample();
        out << "family " << (id.family70 ? "70 (Zyvent plus)" : "100 (Zyvent100)")
            << ", serial " << id.serialNr << ", board " << id.boardVersion
            << ", running system " << id.runningSystem
            << ", app " << id.appMajor << '.' << QString::number(id.appMinor).rightJustified(2, '0')
            << ", boot " << id.bootMajor << '.' << QString::number(id.bootMinor).rightJustified(2, '0')
            << ", wifi " << id.wifiMajor << '.' << QString::number(id.wifiMinor).rightJustified(2, '0') << '\n';
        out << "outdoor " << s.outdoorTemp << " C, extract " << s.extractTemp << " C, supply " << s.supplyTemp
            << " C, CO2 " << s.co2Ppm << " ppm, comfort " << s.comfortLevel << ", flow " << s.fanFlow
            << " m3/h, error " << s.errorState << (st.settings().simActive ? ", simulation values active" : "")
            << '\n';
        for (int span = 0; span < CSimUnitState::SpanCount; ++span)
            out << "log " << kSpanNames[span] << ": capacity " << st.ring(span).capacity() << ", count "
                << st.ring(span).count() << ", oldest " << st.ring(span).oldest() << '\n';
        out << "wifi status " << st.wifi().peekStatus() << (st.wifi().configured() ? ", network " + st.wifi().ssid() : QString()) << '\n';
    });
    out << "device " << (m_Sim.isPlugged() ? m_Sim.devicePath() : QStringLiteral("(unplugged)"));
    if (!m_Sim.linkPath().isEmpty())
        out << ", link " << m_Sim.linkPath();
    out << (m_Sim.restarting() ? ", restarting" : "") << "\nfaults:";
    for (int f = 0; f < SSimFaults::FaultCount; ++f)
        out << ' ' << SSimFaults::name(SSimFaults::EFault(f)) << '=' << faults.rate[f];
    out << " late=" << faults.lateAnswerMs << "ms";
    return text;
}

QString CSimConsole::cmdFamily(const QStringList& args)
{
    if (args.size() != 1 || (args[0] != QLatin1String("100") && args[0] != QLatin1String("70")))
        return QString();
    m_Sim.setFamily70(args[0] == QLatin1String("70"));
    return QStringLiteral("family ") + args[0];
}

QString CSimConsole::cmdSerial(const QStringList& args)
{
    bool ok = false;
    const quint32 serial = args.size() == 1 ? args[0].toUInt(&ok) : 0;
    if (!ok)
        return QString();
    m_Sim.withState([&](CSimUnitState& st) { st.identity().serialNr = serial; });
    return QStringLiteral("serial %1").arg(serial);
}

QString CSimConsole::cmdBoard(const QStringList& args)
{
    int v = 0;
    if (args.size() != 1 || !parseInt(args[0], 0, 255, &v))
        return QString();
    m_Sim.withState([&](CSimUnitState& st) { st.identity().boardVersion = v; });
    return QStringLiteral("board %1").arg(v);
}

QString CSimConsole::cmdSystem(const QStringList& args)
{
    int v = 0;
    if (args.size() != 1 || !parseInt(args[0], 1, 3, &v))
        return QString();
    m_Sim.setRunningSystem(v);
    return QStringLiteral("running system %1").arg(v);
}

QString CSimConsole::cmdVersion(const QStringList& args)
{
    int major = 0;
    int minor = 0;
    if (args.size() != 2 || !parseVersion(args[1], &major, &minor))
        return QString();
    const QString which = args[0];
    if (which != QLatin1String("app") && which != QLatin1String("boot") && which != QLatin1String("wifi"))
        return QString();
    m_Sim.withState([&](CSimUnitState& st) {
        SSimIdentity& id = st.identity();
        if (which == QLatin1String("app")) {
            id.appMajor = major;
            id.appMinor = minor;
            st.settings().swMajor = major;
            st.settings().swMinor = minor;
        } else if (which == QLatin1String("boot")) {
            id.bootMajor = major;
            id.bootMinor = minor;
        } else {
            id.wifiMajor = major;
            id.wifiMinor = minor;
        }
    });
    return which + QStringLiteral(" version ") + args[1];
}

QString CSimConsole::cmdComfort(const QStringList& args)
{
    int v = 0;
    if (args.size() != 1 || !parseInt(args[0], 1, 5, &v))
        return QString();
    m_Sim.withState([&](CSimUnitState& st) { st.settings().comfortLevel = v; });
    return QStringLiteral("comfort level %1").arg(v);
}

QString CSimConsole::cmdError(const QStringList& args)
{
    int v = 0;
    if (args.size() != 1 || !parseInt(args[0], 0, 31, &v))
        return QString();
    m_Sim.withState([&](CSimUnitState& st) { st.settings().errorState = v; });
    return QStringLiteral("error state %1").arg(v);
}

QString CSimConsole::cmdInternal(const QStringList& args)
{
    int file = 0;
    int line = 0;
    int code = 0;
    if (args.size() != 3 || !parseInt(args[0], 0, 63, &file) || !parseInt(args[1], 0, 65535, &line)
        || !parseInt(args[2], -32768, 32767, &code))
        return QString();
    m_Sim.withState([&](CSimUnitState& st) {
        st.settings().errorFileNr = file;
        st.settings().errorLineNr = line;
        st.settings().errorCode = code;
    });
    return QStringLiteral("internal error file %1 line %2 code %3").arg(file).arg(line).arg(code);
}

QString CSimConsole::cmdFilter(const QStringList& args)
{
    bool on = false;
    if (args.size() != 2 || !parseOnOff(args[1], &on)
        || (args[0] != QLatin1String("supply") && args[0] != QLatin1String("extract")))
        return QString();
    const bool supply = args[0] == QLatin1String("supply");
    m_Sim.withState([&](CSimUnitState& st) {
        (supply ? st.settings().filterSupplyFull : st.settings().filterExtractFull) = on;
    });
    return QStringLiteral("%1 filter full: %2").arg(args[0], args[1]);
}

QString CSimConsole::cmdOutdoor(const QStringList& args)
{
    bool ok = false;
    const double offset = args.size() == 1 ? args[0].toDouble(&ok) : 0.0;
    if (!ok || offset < -40 || offset > 40)
        return QString();
    m_Sim.withState([&](CSimUnitState& st) { st.settings().outdoorOffset = offset; });
    return QStringLiteral("outdoor offset %1 C").arg(offset);
}

QString CSimConsole::cmdFlap(const QStringList& args)
{
    int flap = 0;
    int code = 0;
    if (args.size() != 2 || !parseInt(args[0], 0, 3, &flap) || !parseInt(args[1], 0, 31, &code))
        return QString();
    m_Sim.withState([&](CSimUnitState& st) { st.settings().flapPos[flap] = code; });
    return QStringLiteral("flap %1 at code %2").arg(flap).arg(code);
}

QString CSimConsole::cmdSim(const QStringList& args)
{
    if (args.size() != 1 || args[0] != QLatin1String("off"))
        return QString();
    m_Sim.withState([](CSimUnitState& st) { st.settings().simActive = false; });
    return QStringLiteral("simulation values off");
}

QString CSimConsole::cmdRing(const QStringList& args)
{
    int span = 0;
    int capacity = 0;
    int count = 0;
    int oldest = 0;
    if (args.size() != 4 || !parseSpan(args[0], &span) || !parseInt(args[1], 0, 65535, &capacity)
        || !parseInt(args[2], 0, capacity, &count) || !parseInt(args[3], 0, qMax(0, capacity - 1), &oldest))
        return QString();
    m_Sim.configureRing(span, capacity, count, oldest);
    return QStringLiteral("log %1: capacity %2, count %3, oldest %4").arg(kSpanNames[span]).arg(capacity).arg(count).arg(oldest);
}

QString CSimConsole::cmdCheck(const QStringList& args)
{
    int span = 0;
    int result = 0;
    if (args.size() != 2 || !parseSpan(args[0], &span) || !parseInt(args[1], 0, 255, &result))
        return QString();
    m_Sim.withState([&](CSimUnitState& st) { st.setCheckResult(span, result); });
    return QStringLiteral("check result of log %1: %2").arg(kSpanNames[span]).arg(result);
}

QString CSimConsole::cmdCounter(const QStringList& args)
{
    int id = 0;
    bool ok = false;
    const quint32 value = args.size() == 2 ? args[1].toUInt(&ok, 0) : 0;
    if (!ok || !parseInt(args[0], 0, CSimUnitState::CounterCount - 1, &id))
        return QString();
    m_Sim.withState([&](CSimUnitState& st) { st.setCounter(id, value); });
    return QStringLiteral("counter %1 = %2").arg(id).arg(value);
}

QString CSimConsole::cmdWifi(const QStringList& args)
{
    bool on = false;
    if (args.size() != 2 || args[0] != QLatin1String("fail") || !parseOnOff(args[1], &on))
        return QString();
    m_Sim.withState([&](CSimUnitState& st) { st.wifi().setForceFailure(on); });
    return QStringLiteral("wifi transfers fail: %1").arg(args[1]);
}

QString CSimConsole::cmdFault(const QStringList& args)
{
    if (args.size() == 1 && args[0] == QLatin1String("off")) {
        SSimFaults none;
        none.lateAnswerMs = m_Sim.faults().lateAnswerMs;
        m_Sim.setFaults(none);
        return QStringLiteral("all faults off");
    }
    if (args.size() != 2)
        return QString();
    int lateMs = 0;
    if (args[0] == QLatin1String("late")) {
        if (!parseInt(args[1], 0, 600000, &lateMs))
            return QString();
        SSimFaults f = m_Sim.faults();
        f.lateAnswerMs = lateMs;
        m_Sim.setFaults(f);
        return QStringLiteral("late answers come after %1 ms").arg(f.lateAnswerMs);
    }
    const int fault = SSimFaults::fromName(args[0]);
    bool ok = false;
    const double rate = args[1].toDouble(&ok);
    if (fault < 0 || !ok || rate < 0.0 || rate > 1.0)
        return QString();
    m_Sim.setFault(SSimFaults::EFault(fault), rate);
    return QStringLiteral("fault %1 at %2").arg(args[0]).arg(rate);
}

QString CSimConsole::cmdDebug(const QStringList& args)
{
    if (args.isEmpty())
        return QString();
    if (args[0] == QLatin1String("#")) {
        int n = 0;
        if (args.size() != 2 || !parseInt(args[1], INT_MIN, INT_MAX, &n))
            return QString();
        m_Sim.sendDebugNumber(n);
        return QStringLiteral("debug number %1 sent").arg(n);
    }
    m_Sim.sendDebugText(args.join(QLatin1Char(' ')) + QLatin1Char('\n'));
    return QStringLiteral("debug text sent");
}

QString CSimConsole::cmdUnplug(const QStringList& args)
{
    int after = -1;
    if (args.size() > 1 || (args.size() == 1 && !parseInt(args[0], 0, 3600000, &after)))
        return QString();
    m_Sim.unplug(after);
    return after >= 0 ? QStringLiteral("unplugged, replug in %1 ms").arg(after) : QStringLiteral("unplugged");
}

QString CSimConsole::cmdReplug(const QStringList&)
{
    if (!m_Sim.plugIn())
        return QStringLiteral("replug failed: no pseudo-terminal");
    return QStringLiteral("plugged in: %1").arg(m_Sim.devicePath());
}

QString CSimConsole::cmdRestart(const QStringList&)
{
    m_Sim.restart();
    return QStringLiteral("restarting");
}

QString CSimConsole::cmdClock(const QStringList& args)
{
    if (args.size() == 2 && args[0] == QLatin1String("speed")) {
        bool ok = false;
        const double speed = args[1].toDouble(&ok);
        if (!ok || speed < 0.0 || speed > 100000.0)
            return QString();
        m_Sim.withState([&](CSimUnitState& st) { st.clock().setSpeed(speed); });
        return QStringLiteral("clock speed %1").arg(speed);
    }
    bool ok = false;
    const qint64 seconds = args.size() == 1 ? args[0].toLongLong(&ok) : 0;
    if (!ok || seconds < 0)
        return QString();
    m_Sim.withState([&](CSimUnitState& st) {
        st.clock().advance(seconds);
        st.advance();
    });
    return QStringLiteral("clock moved %1 s ahead").arg(seconds);
}

QString CSimConsole::cmdLog(const QStringList& args)
{
    int n = 10;
    if (args.size() > 1 || (args.size() == 1 && !parseInt(args[0], 1, 1000, &n)))
        return QString();
    const QList<SSimReceivedCommand> all = m_Sim.receivedCommands();
    QStringList lines;
    for (int i = qMax(0, all.size() - n); i < all.size(); ++i)
        lines << QStringLiteral("%1 ms: message %2, %3 bytes").arg(all[i].atMs)
                     .arg(quint8(all[i].record.at(0))).arg(all[i].record.size());
    return lines.isEmpty() ? QStringLiteral("no commands received") : lines.join(QLatin1Char('\n'));
}

QString CSimConsole::cmdQuit(const QStringList&)
{
    m_bQuit = true;
    return QStringLiteral("bye");
}
