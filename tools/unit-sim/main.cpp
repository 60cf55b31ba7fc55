// zyvent-unit-sim: a simulated Zyvent unit on a pseudo-terminal, controlled
// by commands on standard input; ends on SIGINT/SIGTERM or `quit`.

#include "SimConsole.h"
#include "SimOptions.h"
#include "UnitSimThread.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_SignalPipe[2] = {-1, -1};
bool g_bVerbose = false;

void onSignal(int)
{
    const char c = 1;
    const ssize_t unused = ::write(g_SignalPipe[1], &c, 1);
    (void)unused;
}

void messageFilter(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtDebugMsg && !g_bVerbose)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

bool installSignalHandlers()
{
    if (::pipe(g_SignalPipe) != 0)
        return false;
    ::fcntl(g_SignalPipe[1], F_SETFL, O_NONBLOCK);
    struct sigaction sa{};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    return ::sigaction(SIGINT, &sa, nullptr) == 0 && ::sigaction(SIGTERM, &sa, nullptr) == 0;
}

void print(const QString& text)
{
    std::fprintf(stdout, "%s\n", qPrintable(text));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zyvent-unit-sim"));
    qInstallMessageHandler(messageFilter);

    SSimConfig config;
    QString helpText;
    QString error;
    if (!CSimOptions::parse(QCoreApplication::arguments(), config, g_bVerbose, helpText, error)) {
        std::fprintf(stderr, "zyvent-unit-sim: %s\n", qPrintable(error));
        return 2;
    }
    if (!helpText.isEmpty()) {
        print(helpText);
        return 0;
    }
    if (!installSignalHandlers()) {
        std::fprintf(stderr, "zyvent-unit-sim: cannot install signal handlers\n");
        return 1;
    }

    CUnitSimThread unit(config);
    if (!unit.startUnit()) {
        std::fprintf(stderr, "zyvent-unit-sim: cannot open a pseudo-terminal\n");
        return 1;
    }
    print(QStringLiteral("Zyvent%1 unit simulator, serial %2")
              .arg(config.identity.family70 ? QStringLiteral(" plus (70 family)") : QStringLiteral("100"))
              .arg(config.identity.serialNr));
    print(QStringLiteral("device: %1").arg(unit.devicePath()));
    if (!config.linkPath.isEmpty())
        print(QStringLiteral("link:   %1").arg(config.linkPath));
    print(QStringLiteral("Type 'help' for commands; Ctrl+C ends."));

    CSimConsole console(unit.simulator());
    QSocketNotifier signalNotifier(g_SignalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&]() {
        char buf[1024];
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            input.setEnabled(false);        // end of input: keep serving the link
            return;
        }
        pending.append(buf, int(n));
        int nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(pending.left(nl));
            pending.remove(0, nl + 1);
            const QString reply = console.execute(line);
            if (!reply.isEmpty())
                print(reply);
            if (console.quitRequested())
                app.quit();
        }
    });

    const int rc = app.exec();
    unit.stopUnit();
    unit.simulator().unplug();          // removes the link
    print(QStringLiteral("unit simulator ended"));
    return rc;
}
