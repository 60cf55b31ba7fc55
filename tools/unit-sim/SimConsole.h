#ifndef SIMCONSOLE_H
#define SIMCONSOLE_H

#include <QHash>
#include <QString>
#include <QStringList>

class CUnitSimulator;

// The run-time command language of the simulator: one command per line
// (`help` lists them). Each command is a small function; execute() returns
// the text to print. quitRequested() turns true after `quit`.
class CSimConsole
{
public:
    explicit CSimConsole(CUnitSimulator& simulator);

    QString execute(const QString& line);
    bool quitRequested() const { return m_bQuit; }

private:
    using Command = QString (CSimConsole::*)(const QStringList& args);
    struct SCommand { Command fn; QString usage; QString help; };

    void add(const QString& name, Command fn, const QString& usage, const QString& help);

    QString cmdHelp(const QStringList& args);
    QString cmdStatus(const QStringList& args);
    QString cmdFamily(const QStringList& args);
    QString cmdSerial(const QStringList& args);
    QString cmdBoard(const QStringList& args);
    QString cmdSystem(const QStringList& args);
    QString cmdVersion(const QStringList& args);
    QString cmdComfort(const QStringList& args);
    QString cmdError(const QStringList& args);
    QString cmdInternal(const QStringList& args);
    QString cmdFilter(const QStringList& args);
    QString cmdOutdoor(const QStringList& args);
    QString cmdFlap(const QStringList& args);
    QString cmdSim(const QStringList& args);
    QString cmdRing(const QStringList& args);
    QString cmdCheck(const QStringList& args);
    QString cmdCounter(const QStringList& args);
    QString cmdWifi(const QStringList& args);
    QString cmdFault(const QStringList& args);
    QString cmdDebug(const QStringList& args);
    QString cmdUnplug(const QStringList& args);
    QString cmdReplug(const QStringList& args);
    QString cmdRestart(const QStringList& args);
    QString cmdClock(const QStringList& args);
    QString cmdLog(const QStringList& args);
    QString cmdQuit(const QStringList& args);

    CUnitSimulator& m_Sim;
    QHash<QString, SCommand> m_Commands;
    QStringList m_Order;
    bool m_bQuit = false;
};

#endif // SIMCONSOLE_H
