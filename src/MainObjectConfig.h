#ifndef MAINOBJECTCONFIG_H
#define MAINOBJECTCONFIG_H

#include "LLProtocol.h"
#include "PC/FanBase.h"

#include <QDateTime>
#include <QString>
#include <functional>

class CDBMessenger;

// The supervisor's time limits and seams. The defaults are the program's
// values; tests shorten the periods and point the log store elsewhere.
struct SMainObjectConfig
{
    // Period of the poll timer.
    int nPollPeriodMs = 11000;
    // Pause after asking a unit in its boot loader to start the application.
    int nStartPauseMs = 8000;
    // Re-send period of the identification request, for every device object.
    int nIdentTimeoutMs = CFanBase::DEFAULT_IDENT_TIMEOUT_MS;
    // Empty receive polls (about 1 ms each) that end a wait on the unit.
    UINT16 nLinkSilencePolls = CLLProtocol::DEFAULT_SILENCE_POLLS;
    // Directory of "Log2.sql"; empty: the per-user application data directory.
    QString strDatabaseDirectory;
    // Receives the log store's failure texts; not owned; null: message boxes.
    CDBMessenger* pDBMessenger = nullptr;
    // The PC clock in Unix seconds, from which the log time stamps are derived.
    std::function<qint64()> nowSecs = [] { return QDateTime::currentSecsSinceEpoch(); };
};

#endif // MAINOBJECTCONFIG_H
