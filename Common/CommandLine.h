#ifndef COMMANDLINE_H
#define COMMANDLINE_H

// The command-line reader of both programs. Options are written with a
// leading "-" or "/" and their letters in any case ("-L", "/l"); an option
// may take the next argument as its value. Every argument an option claims is
// marked used, so the rest can be reported as unrecognised.

#include <QString>
#include <QStringList>
#include <QVector>

class CCommandLine
{
public:
    // The arguments of the running application (QCoreApplication must exist).
    CCommandLine();
    // Arguments as given, the program name first.
    explicit CCommandLine(const QStringList& arguments);

    // Looks for the option name (lower-cased in place) from the first
    // argument after the program name on. *found tells whether it was given.
    // With bHasValue the first match takes the following argument as its
    // value and the scan stops; an option standing last has an empty value.
    // Without a value every match is marked used. Returns the value or "".
    QString option(QString& name, bool* found, bool bHasValue);
    QString option(const QString& name, bool* found, bool bHasValue);

    // Every argument after the program name that no option claimed, each
    // followed by one blank.
    QString unusedArguments() const;

private:
    QStringList m_arguments;
    QVector<bool> m_used;   // by argument position
};

#endif // COMMANDLINE_H
