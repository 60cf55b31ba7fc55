#ifndef SIMDISPATCHER_H
#define SIMDISPATCHER_H

#include "SimUnitState.h"

#include <QByteArray>
#include <QHash>
#include <QList>

// What one command record does to the unit: the answer records to send (each
// its own packet; empty for commands answered by the acknowledgement alone)
// and whether the unit now restarts.
struct SSimReply
{
    QList<QByteArray> answers;
    bool restart = false;
};

// The application side of the unit: one small handler per message number.
// Each handler entry says which firmware part and family understand it and
// the exact request size it accepts; anything else is acknowledged by the
// link and otherwise ignored, as the unit does with unknown commands.
// Boot-loader commands slot into the same table with the boot-part mask.
class CSimDispatcher
{
public:
    CSimDispatcher();

    // packetFlags: the flags of the packet that carried the request (the boot
    // loader reads the user bit of data records).
    SSimReply handle(CSimUnitState& state, const QByteArray& request, quint8 packetFlags = 0) const;

    // Flap move commands of message 28 (byte 2): 0 close, 1 open, 2-6 the
    // angles 15° to 75°; other values leave the flap in an unknown position.
    static int flapPositionFor(int command);

private:
    using Handler = void (*)(CSimUnitState&, const QByteArray&, SSimReply&);
    enum EWhere { InBoot = 1, InApp = 2, Family100 = 4, Family70 = 8,
                  Everywhere = InBoot | InApp | Family100 | Family70,
                  App = InApp | Family100 | Family70, App100 = InApp | Family100,
                  Boot = InBoot | Family100 | Family70 };
    struct SEntry { Handler handler; int requestSize; int where; };

    void add(quint8 number, Handler handler, int requestSize, int where);
    static int requestSizeFor(const SEntry& entry, const CSimUnitState& state);

    static void onIdent(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onSetSerialNumber(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onReportMemory(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onCounters(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onTimer(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onPrimLog(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onSimulationValues(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onStartApplication(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onStartupMode(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onCurrentState(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onSecLog(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onEraseSecLog(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onCalcAverage(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onCheckSecLog(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onSecLogCount(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onVentInfo(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onWifiData(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onSingleCounter(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onMoveVent(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onNetworkCredentials(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    // Boot loader (CSimBootLoader checks sizes itself, so that a wrong one is noted).
    static void onImageBegin(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onImageEnd(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onSwap(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onPartitionStart(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onFlashData(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onPartitionEnd(CSimUnitState& st, const QByteArray& req, SSimReply& reply);
    static void onReportPartitionTable(CSimUnitState& st, const QByteArray& req, SSimReply& reply);

    QHash<quint8, SEntry> m_Table;
};

#endif // SIMDISPATCHER_H
