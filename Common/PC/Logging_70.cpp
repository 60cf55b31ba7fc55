#include "PC/Logging_70.h"

#include "PC/Logging.h"

// The spans of both families share their periods.
int CLogging_70::periodSeconds(int nSpan) { return CLogging::periodSeconds(nSpan); }

int CLogging_70::durationUnitSeconds(int nSpan) { return CLogging::durationUnitSeconds(nSpan); }
