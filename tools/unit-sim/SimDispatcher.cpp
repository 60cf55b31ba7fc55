#include "SimDispatcher.h"

#include "LittleEndian.h"
#include "SimBits.h"

#include <QDebug>

namespace {

constexpr int kSimValuesSize100 = 22;
constexpr int kSimValuesSize70 = 30;
constexpr int kAnySize = -1;
constexpr int kSimValuesSize = -2;      // depends on the family

uint8_t* bytes(QByteArray& a) { return reinterpret_cast<uint8_t*>(a.data()); }
const uint8_t* bytes(const QByteArray& a) { return reinterpret_cast<const uint8_t*>(a.constData()); }

QByteArray record(int size, quint8 number)
{
    QByteArray r(size, '\0');
    r[0] = char(number);
    return r;
}

// The memory the unit reports for message 12: a fixed pattern of the address.
quint8 memoryByte(quint32 address)
{
    return quint8((address * 31u + (address >> 8) * 7u + 0x5A) & 0xFF);
}

bool validSpan(int span) { return span >= 0 && span < CSimUnitState::SpanCount; }

} // namespace

CSimDispatcher::CSimDispatcher()
{
    add(1, &onIdent, kAnySize, Everywhere);
    add(3, &onSetSerialNumber, 39, Everywhere);
    add(4, &onImageBegin, kAnySize, Boot);
    add(5, &onImageEnd, kAnySize, Boot);
    add(6, &onSwap, kAnySize, Boot);
    add(7, &onPartitionStart, kAnySize, Boot);
    add(8, &onFlashData, kAnySize, Boot);
    add(9, &onPartitionEnd, kAnySize, Boot);
    add(11, &onReportPartitionTable, kAnySize, Boot);
    add(12, &onReportMemory, 9, App);
    add(13, &onCounters, kAnySize, App);
    add(14, &onTimer, kAnySize, App);
    add(15, &onPrimLog, kAnySize, App);
    add(16, &onSimulationValues, kSimValuesSize, App);
    add(17, &onStartApplication, kAnySize, Everywhere);
    add(18, &onStartupMode, 2, Everywhere);
    add(19, &onCurrentState, kAnySize, App);
    add(20, &onSecLog, 166, App);
    add(21, &onEraseSecLog, 2, App);
    add(22, &onCalcAverage, kAnySize, App);
    add(23, &onCheckSecLog, 3, App);
    add(24, &onSecLogCount, 20, App);
    add(25, &onVentInfo, kAnySize, App100);
    add(26, &onWifiData, kAnySize, App100);
    add(27, &onSingleCounter, 7, App);
    add(28, &onMoveVent, 3, App100);
    add(29, &onNetworkCredentials, 200, App100);
}

void CSimDispatcher::add(quint8 number, Handler handler, int requestSize, int where)
{
    m_Table.insert(number, SEntry{handler, requestSize, where});
}

int CSimDispatcher::requestSizeFor(const SEntry& entry, const CSimUnitState& state)
{
    if (entry.requestSize == kSimValuesSize)
        return state.family70() ? kSimValuesSize70 : kSimValuesSize100;
    return entry.requestSize;
}

SSimReply CSimDispatcher::handle(CSimUnitState& state, const QByteArray& request, quint8 packetFlags) const
{
    SSimReply reply;
    if (request.isEmpty())
        return reply;
    const quint8 number = quint8(request.at(0));
    const auto it = m_Table.constFind(number);
    if (it == m_Table.constEnd()) {
        qDebug() << "unit: ignoring unknown message" << number;
        return reply;
    }
    const bool inApp = state.identity().runningSystem == SSimIdentity::RS_Application;
    const int where = (inApp ? InApp : InBoot) | (state.family70() ? Family70 : Family100);
    if ((it->where & where) != where) {
        qDebug() << "unit: message" << number << "not understood by this firmware part or family";
        return reply;
    }
    const int size = requestSizeFor(*it, state);
    if (size != kAnySize && request.size() != size) {
        qDebug() << "unit: message" << number << "has" << request.size() << "bytes, expected" << size;
        return reply;
    }
    state.advance();
    state.bootLoader().setPacketFlags(packetFlags);
    it->handler(state, request, reply);
    return reply;
}

int CSimDispatcher::flapPositionFor(int command)
{
    if (command == 0)
        return 25;
    if (command == 1)
        return 31;
    if (command >= 2 && command <= 6)
        return 24 + command;
    return 0;
}

void CSimDispatcher::onIdent(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    reply.answers << st.identity().record();
}

void CSimDispatcher::onSetSerialNumber(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    const quint32 serial = LE::get32(bytes(req) + 1);
    if (serial != 0)
        st.identity().serialNr = serial;
}

void CSimDispatcher::onReportMemory(CSimUnitState&, const QByteArray& req, SSimReply& reply)
{
    const quint32 address = quint32(LE::getS32(bytes(req) + 1));
    const int wanted = LE::getS32(bytes(req) + 5);
    const int n = SimBits::clampInt(wanted, 0, 199);   // one packet holds 200 data bytes
    QByteArray answer = record(1 + n, 12);
    for (int i = 0; i < n; ++i)
        answer[1 + i] = char(memoryByte(address + quint32(i)));
    reply.answers << answer;
}

void CSimDispatcher::onCounters(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    // Eight values per packet; each carries the count still to come including its own.
    const QVector<quint32> c = st.counters();
    for (int first = 0; first < c.size() || first == 0; first += 8) {
        QByteArray answer = record(37, 13);
        LE::put32(bytes(answer) + 1, quint32(c.size() - first));
        for (int i = 0; i < 8 && first + i < c.size(); ++i)
            LE::put32(bytes(answer) + 5 + 4 * i, c.at(first + i));
        reply.answers << answer;
    }
}

void CSimDispatcher::onTimer(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    const qint64 ms = st.uptimeMs();
    QByteArray answer = record(8, 14);
    uint8_t* b = bytes(answer);
    LE::put16(b + 1, quint16(ms % 1000));
    b[3] = quint8((ms / 1000) % 60);
    b[4] = quint8((ms / 60000) % 60);
    b[5] = quint8((ms / 3600000) % 24);
    LE::put16(b + 6, quint16(ms / 86400000));
    reply.answers << answer;
}

void CSimDispatcher::onPrimLog(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    const QVector<QByteArray>& log = st.primLog();
    const int entrySize = st.family70() ? 28 : 26;
    const int size = 4 + 7 * entrySize;
    for (int first = 0; first < log.size() || first == 0; first += 7) {
        QByteArray answer = record(size, 15);
        LE::put16(bytes(answer) + 2, quint16(log.size() - first));
        for (int i = 0; i < 7 && first + i < log.size(); ++i)
            answer.replace(4 + i * entrySize, entrySize, log.at(first + i));
        reply.answers << answer;
    }
}

void CSimDispatcher::onSimulationValues(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    SSimSettings& s = st.settings();
    const int slotCount = st.family70() ? 12 : 8;
    s.simActive = true;
    s.simComfortLevel = quint8(req.at(1)) + 1;
    s.simDipSwitch = quint8(req.at(2));
    s.simHumReduction = !st.family70() && req.at(3) != 0;
    for (int i = 0; i < 12; ++i)
        s.simValues[i] = i < slotCount ? LE::get16(bytes(req) + 6 + 2 * i) : 0;
}

void CSimDispatcher::onStartApplication(CSimUnitState&, const QByteArray&, SSimReply& reply)
{
    reply.restart = true;
}

void CSimDispatcher::onStartupMode(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    st.identity().startupMode = quint8(req.at(1));
}

void CSimDispatcher::onCurrentState(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    QByteArray answer = record(2, 19);
    answer += st.currentEntry();
    reply.answers << answer;
}

void CSimDispatcher::onSecLog(CSimUnitState& st, const QByteArray& req, SSimReply& reply)
{
    const quint8 span = quint8(req.at(1));
    if (!validSpan(span))
        return;
    const CSimSecLogRing& ring = st.ring(span);
    const int start = LE::get16(bytes(req) + 2);
    const int wanted = LE::get16(bytes(req) + 4);
    // Five entries per packet, read from the ring slots, wrapping at its end.
    for (int sent = 0; sent < wanted || sent == 0; sent += 5) {
        QByteArray answer = record(166, 20);
        answer[1] = char(span);
        LE::put16(bytes(answer) + 2, quint16(ring.capacity() ? (start + sent) % ring.capacity() : 0));
        LE::put16(bytes(answer) + 4, quint16(wanted - sent));
        for (int i = 0; i < 5 && sent + i < wanted; ++i)
            answer.replace(6 + 32 * i, 32, ring.slot(start + sent + i));
        reply.answers << answer;
    }
}

void CSimDispatcher::onEraseSecLog(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    const quint8 span = quint8(req.at(1));
    if (validSpan(span))
        st.eraseRing(span);
}

void CSimDispatcher::onCalcAverage(CSimUnitState&, const QByteArray&, SSimReply&)
{
    qDebug() << "unit: averaging sensor values";
}

void CSimDispatcher::onCheckSecLog(CSimUnitState& st, const QByteArray& req, SSimReply& reply)
{
    const quint8 span = quint8(req.at(1));
    QByteArray answer = record(3, 23);
    answer[1] = char(span);
    answer[2] = char(validSpan(span) ? st.checkResult(span) : 0xFF);
    reply.answers << answer;
}

void CSimDispatcher::onSecLogCount(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    QByteArray answer = record(20, 24);
    for (int span = 0; span < CSimUnitState::SpanCount; ++span) {
        const CSimSecLogRing& ring = st.ring(span);
        LE::put16(bytes(answer) + 2 + 2 * span, quint16(ring.capacity()));
        LE::put16(bytes(answer) + 8 + 2 * span, quint16(ring.count()));
        LE::put16(bytes(answer) + 14 + 2 * span, quint16(ring.oldest()));
    }
    reply.answers << answer;
}

void CSimDispatcher::onVentInfo(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    uint8_t answer[146] = {25};
    const QVector<quint32> c = st.counters();
    for (int flap = 0; flap < 4; ++flap) {
        uint8_t* v = answer + 2 + 36 * flap;
        LE::put32(v + 12, 41000u + 1300u * quint32(flap) + c.at(CSimUnitState::C_OperatingHours) % 97);
        LE::put32(v + 16, 39500u + 1100u * quint32(flap));
        v[25] = quint8((flap << 4) | 1);        // stops, shake-loose cycles
        v[27] = quint8(46 + 2 * flap);          // quarter units to open
        v[28] = quint8(44 + 2 * flap);          // quarter units to close
        LE::put16(v + 32, quint16(180 + 15 * flap));
    }
    reply.answers << QByteArray(reinterpret_cast<const char*>(answer), int(sizeof answer));
}

void CSimDispatcher::onWifiData(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    QByteArray answer = record(170, 26);
    answer[1] = char(st.wifi().pollStatus());
    answer[2] = char(SimBits::int8Byte(st.wifi().pollSignal(st.clock().nowSec())));
    LE::putText(bytes(answer) + 3, 25, st.wifi().ssid());
    reply.answers << answer;
}

void CSimDispatcher::onSingleCounter(CSimUnitState& st, const QByteArray& req, SSimReply& reply)
{
    enum { ERead = 0, EWrite = 1, EError = 2 };
    QByteArray answer = req;
    const int id = quint8(req.at(1));
    const int action = quint8(req.at(2));
    const QVector<quint32> c = st.counters();
    if (id >= c.size() || (action != ERead && action != EWrite)) {
        answer[2] = char(EError);
    } else if (action == EWrite) {
        st.setCounter(id, LE::get32(bytes(req) + 3));
        LE::put32(bytes(answer) + 3, st.counters().at(id));
    } else {
        LE::put32(bytes(answer) + 3, c.at(id));
    }
    reply.answers << answer;
}

void CSimDispatcher::onMoveVent(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    const int flap = quint8(req.at(1));
    if (flap < 4)
        st.settings().flapPos[flap] = flapPositionFor(quint8(req.at(2)));
}

void CSimDispatcher::onNetworkCredentials(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    const uint8_t* b = bytes(req);
    st.wifi().setCredentials(b[72], LE::getText(b + 2, 25), LE::getText(b + 27, 25));
}

void CSimDispatcher::onImageBegin(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    st.bootLoader().onImageBegin(req);
}

void CSimDispatcher::onImageEnd(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    st.bootLoader().onImageEnd(st.identity(), req);
    st.settings().swMajor = st.identity().appMajor;
    st.settings().swMinor = st.identity().appMinor;
}

void CSimDispatcher::onSwap(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    st.bootLoader().onSwap(st.identity(), reply.answers);
}

void CSimDispatcher::onPartitionStart(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    st.bootLoader().onPartitionStart(req);
}

void CSimDispatcher::onFlashData(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    st.bootLoader().onData(req);
}

void CSimDispatcher::onPartitionEnd(CSimUnitState& st, const QByteArray& req, SSimReply&)
{
    st.bootLoader().onPartitionEnd(req);
}

void CSimDispatcher::onReportPartitionTable(CSimUnitState& st, const QByteArray&, SSimReply& reply)
{
    st.bootLoader().onReportTable(reply.answers);
}
