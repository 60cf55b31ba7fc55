#ifndef SIMIDENTITY_H
#define SIMIDENTITY_H

#include <QByteArray>
#include <QtGlobal>

// Who the simulated unit says it is (identity record, message 1 → 2) and
// which firmware part is running. The boot-loader fields are kept here so
// that the firmware-transfer commands can later switch between the parts.
struct SSimIdentity
{
    enum ERunningSystem { RS_Boot1 = 1, RS_Boot2 = 2, RS_Application = 3 };

    quint32 serialNr = 1234567;
    int boardVersion = 4;
    int runningSystem = RS_Application;
    int versionFlag = 0;
    int bootMajor = 1;
    int bootMinor = 7;
    int appMajor = 3;
    int appMinor = 5;
    bool family70 = false;
    int wifiMajor = 2;
    int wifiMinor = 11;
    int startupMode = 0;        // set by message 18, used when the application starts

    // The 39-byte record as the unit sends it (message number 2).
    QByteArray record() const;
};

#endif // SIMIDENTITY_H
