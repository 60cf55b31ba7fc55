#ifndef LLTYPES_H
#define LLTYPES_H

// Fixed-width names used throughout the link and command layers; the unit's
// firmware defines its records with the same names.

#include <QtGlobal>

typedef quint8  UINT8;
typedef quint16 UINT16;
typedef quint32 UINT32;

#endif // LLTYPES_H
