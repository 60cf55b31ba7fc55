#include "CommandLine.h"

#include <QCoreApplication>

CCommandLine::CCommandLine()
    : CCommandLine(QCoreApplication::arguments())
{
}

CCommandLine::CCommandLine(const QStringList& arguments)
    : m_arguments(arguments), m_used(arguments.size(), false)
{
}

QString CCommandLine::option(QString& name, bool* found, bool bHasValue)
{
    name = name.toLower();
    const QString dashed = QLatin1Char('-') + name;
    const QString slashed = QLatin1Char('/') + name;
    bool bFound = false;
    QString value;
    for (int i = 1; i < m_arguments.size(); ++i) {
        const QString argument = m_arguments.at(i).toLower();
        if (argument != dashed && argument != slashed)
            continue;
        m_used[i] = true;
        bFound = true;
        if (bHasValue && i + 1 < m_arguments.size()) {
            value = m_arguments.at(i + 1);
            m_used[i + 1] = true;
            break;
        }
    }
    if (found)
        *found = bFound;
    return value;
}

QString CCommandLine::option(const QString& name, bool* found, bool bHasValue)
{
    QString lowered = name;
    return option(lowered, found, bHasValue);
}

QString CCommandLine::unusedArguments() const
{
    QString unused;
    for (int i = 1; i < m_arguments.size(); ++i) {
        if (!m_used.at(i))
            unused += m_arguments.at(i) + QLatin1Char(' ');
    }
    return unused;
}
