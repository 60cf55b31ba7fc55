#ifndef SIMCONFIG_H
#define SIMCONFIG_H

#include "SimFaults.h"
#include "SimIdentity.h"

#include <QString>

// How a simulated unit starts: identity, clock, log sizes, link timing and
// faults. The defaults describe a healthy 100-family unit in the application.
struct SSimConfig
{
    SSimIdentity identity;
    qint64 startUnixSec = 0;            // 0: the current time
    double clockSpeed = 1.0;            // 0: the clock stands still
    int ringCapacity[3] = {2000, 400, 40};
    int ringCount[3] = {960, 120, 12};
    int ringOldest[3] = {0, 0, 0};
    int primLogCount = 20;
    quint32 seed = 1;                   // for faults and debug messages
    int restartDelayMs = 3000;          // silence after command 17
    int ackTimeoutMs = 1500;            // how long an answer waits for the PC's ACK
    int wifiResultPolls = 3;
    QString linkPath;                   // symbolic link kept at the device path
    SSimFaults faults;
};

#endif // SIMCONFIG_H
