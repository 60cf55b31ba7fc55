// The helpers are inline; this unit keeps the header self-contained under compilation.
#include "LittleEndian.h"
