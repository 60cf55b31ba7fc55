#include "PC/Logging.h"

int CLogging::periodSeconds(int nSpan)
{
    switch (nSpan) {
    case MTS_15Min: return 900;
    case MTS_1Day: return 86400;
    case MTS_30Days: return 2592000;
    default: return 0;
    }
}

int CLogging::durationUnitSeconds(int nSpan)
{
    switch (nSpan) {
    case MTS_15Min: return 60;
    case MTS_1Day: return 3600;
    case MTS_30Days: return 86400;
    default: return 0;
    }
}
