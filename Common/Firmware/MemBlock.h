#ifndef MEMBLOCK_H
#define MEMBLOCK_H

#include <QByteArray>
#include <QtGlobal>

// One memory block of a firmware image: the bytes the boot loader writes at memAdr.
// data is sent to the unit as it is (enciphered when the image says so) and may be
// longer than plainLen, the length before enciphering; the bytes after plainLen are
// the cipher's padding. crc16 is passed to the unit, which checks it; the PC never does.
struct SMemBlock {
    quint32 memAdr = 0;
    quint32 plainLen = 0;
    QByteArray data;
    quint16 crc16 = 0;
};

#endif // MEMBLOCK_H
