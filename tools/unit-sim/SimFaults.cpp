#include "SimFaults.h"

namespace {

const char* const kNames[SSimFaults::FaultCount] = {
    "noise", "crc", "dropack", "noanswer", "late", "wrongnumber", "wrongsize", "debug"
};

} // namespace

QString SSimFaults::name(EFault fault)
{
    return QString::fromLatin1(kNames[fault]);
}

int SSimFaults::fromName(const QString& name)
{
    for (int i = 0; i < FaultCount; ++i)
        if (name.compare(QLatin1String(kNames[i]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QStringList SSimFaults::names()
{
    QStringList list;
    for (int i = 0; i < FaultCount; ++i)
        list << QString::fromLatin1(kNames[i]);
    return list;
}
