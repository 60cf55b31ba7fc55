#include "RecordingDBMessenger.h"
