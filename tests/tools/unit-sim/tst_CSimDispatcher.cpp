// The unit's application side, message by message, without the link:
// answer records, multi-packet remaining counts, request checks, and what
// commands do to the unit's state.

#include "LittleEndian.h"
#include "SimDispatcher.h"

#include <QDateTime>
#include <QtTest>
#include <memory>

class tst_CSimDispatcher : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void counters();
    void primLog_data();
    void primLog();
    void secLogAcrossRingEnd();
    void secLogCount();
    void secLogWrongSpanIgnored();
    void rejectedRequests_data();
    void rejectedRequests();
    void bootLoaderAnswersOnlyIdent();
    void setSerialNumber();
    void startApplicationRestarts();
    void timer();
    void singleCounter_data();
    void singleCounter();
    void reportMemory_data();
    void reportMemory();
    void eraseAndCheckSecLog();
    void simulationValues100();
    void simulationValues70();
    void moveVent_data();
    void moveVent();
    void wifiFlow_data();
    void wifiFlow();

private:
    SSimReply send(const QByteArray& request) { return m_Dispatcher.handle(*m_State, request); }
    static QByteArray single(quint8 number) { return QByteArray(1, char(number)); }

    CSimDispatcher m_Dispatcher;
    std::unique_ptr<CSimUnitState> m_State;
};

namespace {

// Little-endian stores into a request under construction (byte by byte).
void setWord(QByteArray& a, int offset, quint16 v)
{
    a[offset] = char(v & 0xFF);
    a[offset + 1] = char(v >> 8);
}

void setDword(QByteArray& a, int offset, quint32 v)
{
    setWord(a, offset, quint16(v & 0xFFFF));
    setWord(a, offset + 2, quint16(v >> 16));
}

const qint64 kStart = QDateTime(QDate(2026, 1, 15), QTime(12, 0), Qt::UTC).toSecsSinceEpoch();

quint16 word(const QByteArray& a, int offset)
{
    return LE::get16(reinterpret_cast<const uint8_t*>(a.constData()) + offset);
}

quint32 dword(const QByteArray& a, int offset)
{
    return LE::get32(reinterpret_cast<const uint8_t*>(a.constData()) + offset);
}

QByteArray request(int size, quint8 number, std::initializer_list<quint8> head = {})
{
    QByteArray r(size, '\0');
    r[0] = char(number);
    int i = 1;
    for (quint8 b : head)
        r[i++] = char(b);
    return r;
}

QByteArray secLogRequest(int span, int start, int count)
{
    QByteArray r = request(166, 20, {quint8(span)});
    r[2] = char(start & 0xFF);
    r[3] = char(start >> 8);
    r[4] = char(count & 0xFF);
    r[5] = char(count >> 8);
    return r;
}

} // namespace

void tst_CSimDispatcher::init()
{
    SSimIdentity id;
    m_State.reset(new CSimUnitState(id, kStart, 0.0));
}

void tst_CSimDispatcher::counters()
{
    const SSimReply reply = send(single(13));
    QCOMPARE(reply.answers.size(), 10);
    QVector<quint32> values;
    for (int i = 0; i < reply.answers.size(); ++i) {
        const QByteArray& a = reply.answers.at(i);
        QCOMPARE(a.size(), 37);
        QCOMPARE(quint8(a.at(0)), quint8(13));
        QCOMPARE(dword(a, 1), quint32(74 - 8 * i));     // 74, 66, ... 10, 2
        for (int k = 0; k < 8; ++k)
            values << dword(a, 5 + 4 * k);
    }
    QCOMPARE(values.mid(0, 74), m_State->counters());
    QCOMPARE(values.mid(74), QVector<quint32>(6, 0));
}

void tst_CSimDispatcher::primLog_data()
{
    QTest::addColumn<bool>("family70");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QList<int>>("remaining");
    QTest::newRow("100: 15 entries") << false << 15 << QList<int>{15, 8, 1};
    QTest::newRow("100: 7 entries") << false << 7 << QList<int>{7};
    QTest::newRow("100: empty log") << false << 0 << QList<int>{0};
    QTest::newRow("70: 8 entries") << true << 8 << QList<int>{8, 1};
}

void tst_CSimDispatcher::primLog()
{
    QFETCH(bool, family70);
    QFETCH(int, entries);
    QFETCH(QList<int>, remaining);
    m_State->setFamily70(family70);
    m_State->resetPrimLog(entries);
    const int entrySize = family70 ? 28 : 26;

    const SSimReply reply = send(single(15));
    QCOMPARE(reply.answers.size(), remaining.size());
    QByteArray all;
    for (int i = 0; i < remaining.size(); ++i) {
        const QByteArray& a = reply.answers.at(i);
        QCOMPARE(a.size(), family70 ? 200 : 186);
        QCOMPARE(int(word(a, 2)), remaining.at(i));
        all += a.mid(4, qMin(7, remaining.at(i)) * entrySize);
    }
    QByteArray expected;
    for (const QByteArray& e : m_State->primLog())
        expected += e;
    QCOMPARE(expected.size(), entries * entrySize);
    QCOMPARE(all, expected);
}

void tst_CSimDispatcher::secLogAcrossRingEnd()
{
    // Capacity 96, oldest 90, 25 used: the reader asks at 90, 4 and 14.
    m_State->configureRing(0, 96, 25, 90);
    const CSimSecLogRing& ring = m_State->ring(0);
    QList<QByteArray> entries;
    const int pages[3][3] = {{90, 10, 2}, {4, 10, 2}, {14, 5, 1}};
    for (const auto& page : pages) {
        const SSimReply reply = send(secLogRequest(0, page[0], page[1]));
        QCOMPARE(reply.answers.size(), page[2]);
        for (int p = 0; p < reply.answers.size(); ++p) {
            const QByteArray& a = reply.answers.at(p);
            QCOMPARE(a.size(), 166);
            QCOMPARE(quint8(a.at(1)), quint8(0));
            const int left = word(a, 4);
            QCOMPARE(left, page[1] - 5 * p);
            for (int k = 0; k < qMin(5, left); ++k)
                entries << a.mid(6 + 32 * k, 32);
        }
    }
    QCOMPARE(entries.size(), 25);
    for (int k = 0; k < 25; ++k) {
        QCOMPARE(entries.at(k), ring.slot((90 + k) % 96));
        // The entry's 7-bit running number (w28 bits 0-6) counts from the oldest.
        QCOMPARE(word(entries.at(k), 28) & 0x7F, k);
    }
}

void tst_CSimDispatcher::secLogCount()
{
    m_State->configureRing(0, 96, 25, 90);
    m_State->configureRing(1, 400, 400, 17);
    m_State->configureRing(2, 40, 0, 0);
    const SSimReply reply = send(request(20, 24));
    QCOMPARE(reply.answers.size(), 1);
    // capacities 96, 400, 40; counts 25, 400, 0; oldest 90, 17, 0.
    const QByteArray expected = QByteArray::fromHex("18 00 60 00 90 01 28 00 19 00 90 01 00 00 5A 00 11 00 00 00");
    QCOMPARE(reply.answers.first().toHex(' '), expected.toHex(' '));
}

void tst_CSimDispatcher::secLogWrongSpanIgnored()
{
    QVERIFY(send(secLogRequest(3, 0, 10)).answers.isEmpty());
}

void tst_CSimDispatcher::rejectedRequests_data()
{
    QTest::addColumn<bool>("family70");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("secondary log request one byte short") << false << request(165, 20);
    QTest::newRow("log count request one byte long") << false << request(21, 24);
    QTest::newRow("single counter request short") << false << request(6, 27);
    QTest::newRow("check request long") << false << request(4, 23);
    QTest::newRow("memory request short") << false << request(8, 12);
    QTest::newRow("unknown message 99") << false << single(99);
    QTest::newRow("vent info on a 70 unit") << true << single(25);
    QTest::newRow("wifi data on a 70 unit") << true << single(26);
}

void tst_CSimDispatcher::rejectedRequests()
{
    QFETCH(bool, family70);
    QFETCH(QByteArray, request);
    m_State->setFamily70(family70);
    const SSimReply reply = send(request);
    QVERIFY(reply.answers.isEmpty());
    QVERIFY(!reply.restart);
}

void tst_CSimDispatcher::bootLoaderAnswersOnlyIdent()
{
    m_State->identity().runningSystem = SSimIdentity::RS_Boot2;
    QVERIFY(send(single(19)).answers.isEmpty());
    QVERIFY(send(single(13)).answers.isEmpty());
    const SSimReply ident = send(single(1));
    QCOMPARE(ident.answers.size(), 1);
    QCOMPARE(ident.answers.first().size(), 39);
    QCOMPARE(quint8(ident.answers.first().at(0)), quint8(2));
    QCOMPARE(quint8(ident.answers.first().at(7)), quint8(2));
}

void tst_CSimDispatcher::setSerialNumber()
{
    QByteArray r = request(39, 3);
    r[1] = char(0x67);              // 4711 = 0x1267
    r[2] = char(0x12);
    QVERIFY(send(r).answers.isEmpty());
    QCOMPARE(dword(send(single(1)).answers.first(), 1), quint32(4711));
    send(request(39, 3));           // serial 0 is never stored
    QCOMPARE(dword(send(single(1)).answers.first(), 1), quint32(4711));
}

void tst_CSimDispatcher::startApplicationRestarts()
{
    const SSimReply reply = send(single(17));
    QVERIFY(reply.restart);
    QVERIFY(reply.answers.isEmpty());
}

void tst_CSimDispatcher::timer()
{
    m_State->clock().advance(86400 + 2 * 3600 + 3 * 60 + 4);
    const SSimReply reply = send(single(14));
    QCOMPARE(reply.answers.size(), 1);
    // 0 ms, 4 s, 3 min, 2 h, 1 day.
    QCOMPARE(reply.answers.first().toHex(' '), QByteArray::fromHex("0E 00 00 04 03 02 01 00").toHex(' '));
}

void tst_CSimDispatcher::singleCounter_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("action");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("answerAction");
    QTest::addColumn<quint32>("answerValue");
    QTest::newRow("read boot cycles") << 3 << 0 << 0xFFFFFFFFu << 0 << 37u;
    QTest::newRow("write de-icing temperature") << 39 << 1 << 5u << 1 << 5u;
    QTest::newRow("read unknown id 74") << 74 << 0 << 0xFFFFFFFFu << 2 << 0xFFFFFFFFu;
    QTest::newRow("unknown action") << 3 << 7 << 0u << 2 << 0u;
}

void tst_CSimDispatcher::singleCounter()
{
    QFETCH(int, id);
    QFETCH(int, action);
    QFETCH(quint32, value);
    QFETCH(int, answerAction);
    QFETCH(quint32, answerValue);
    QByteArray r = request(7, 27, {quint8(id), quint8(action)});
    setDword(r, 3, value);
    const SSimReply reply = send(r);
    QCOMPARE(reply.answers.size(), 1);
    const QByteArray& a = reply.answers.first();
    QCOMPARE(a.size(), 7);
    QCOMPARE(quint8(a.at(1)), quint8(id));
    QCOMPARE(int(quint8(a.at(2))), answerAction);
    QCOMPARE(dword(a, 3), answerValue);
    if (action == 1)
        QCOMPARE(m_State->counters().at(id), value);
}

void tst_CSimDispatcher::reportMemory_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("answerSize");
    QTest::newRow("4 bytes") << 4 << 5;
    QTest::newRow("more than a packet holds") << 500 << 200;
    QTest::newRow("negative length") << -3 << 1;
}

void tst_CSimDispatcher::reportMemory()
{
    QFETCH(int, length);
    QFETCH(int, answerSize);
    QByteArray r = request(9, 12);
    setDword(r, 1, 0x1000);
    setDword(r, 5, quint32(length));
    const SSimReply reply = send(r);
    QCOMPARE(reply.answers.size(), 1);
    QCOMPARE(reply.answers.first().size(), answerSize);
    QCOMPARE(quint8(reply.answers.first().at(0)), quint8(12));
}

void tst_CSimDispatcher::eraseAndCheckSecLog()
{
    const quint32 erasedBefore = m_State->counters().at(CSimUnitState::C_Erased1Day);
    QVERIFY(send(request(2, 21, {1})).answers.isEmpty());
    QCOMPARE(m_State->ring(1).count(), 0);
    QCOMPARE(m_State->counters().at(CSimUnitState::C_Erased1Day), erasedBefore + 1);
    QVERIFY(m_State->ring(0).count() > 0);

    m_State->setCheckResult(2, 7);
    const SSimReply reply = send(request(3, 23, {2, 0}));
    QCOMPARE(reply.answers.size(), 1);
    QCOMPARE(reply.answers.first(), QByteArray::fromHex("17 02 07"));
}

// Message 16 as the 100 family's test panel fills it: supply, outdoor,
// outdoor humidity, exhaust, extract, extract humidity, CO2, an unused slot.
void tst_CSimDispatcher::simulationValues100()
{
    const QByteArray before = send(single(19)).answers.first().mid(2);
    QByteArray r = request(22, 16, {4, 0x31, 1});
    // 20.5 °C, -5 °C, 90 %, 2 °C, 21 °C, 60 %, 1600 ppm.
    const quint16 values[8] = {164, quint16(-40), 90, 16, 168, 60, 1600, 0};
    for (int i = 0; i < 8; ++i)
        setWord(r, 6 + 2 * i, values[i]);
    QVERIFY(send(r).answers.isEmpty());

    const QByteArray e = send(single(19)).answers.first().mid(2);
    QCOMPARE(e.size(), 26);
    QCOMPARE(word(e, 0) & 0x7FF, 164);
    QCOMPARE(word(e, 2) & 0x7FF, 2048 - 40);
    QCOMPARE(word(e, 4) & 0x7FF, 16);
    QCOMPARE(word(e, 6) & 0x7FF, 168);
    QCOMPARE(quint8(e.at(10)) & 0x7F, 90);
    QCOMPARE(quint8(e.at(11)) & 0x7F, 60);
    QCOMPARE(quint8(e.at(12)), quint8(100));                       // 1600 / 16
    QCOMPARE(quint8(e.at(13)) >> 5, 4);                             // comfort level 5
    QCOMPARE(quint8(e.at(20)), quint8(0x31));
    QCOMPARE((word(e, 18) >> 12) & 1, 1);                           // humidity reduction
    // No pressure in the record: the unit keeps measuring it.
    QCOMPARE(word(e, 2) >> 11, word(before, 2) >> 11);
    QCOMPARE((word(e, 8) >> 11) & 0x0F, (word(before, 8) >> 11) & 0x0F);

    m_State->restart();
    const QByteArray after = send(single(19)).answers.first().mid(2);
    QVERIFY(quint8(after.at(12)) != 100);
}

// Message 16 as the 70 family's test panel fills it: supply, extract, supply
// and extract humidity, supply and extract CO2, six unused slots.
void tst_CSimDispatcher::simulationValues70()
{
    m_State->setFamily70(true);
    const QByteArray before = send(single(19)).answers.first().mid(2);
    QByteArray r = request(30, 16, {1, 0x18});
    // 1.25 °C, 1.375 °C, 45 %, 55 %, 480 ppm, 800 ppm.
    const quint16 values[6] = {10, 11, 45, 55, 480, 800};
    for (int i = 0; i < 6; ++i)
        setWord(r, 6 + 2 * i, values[i]);
    QVERIFY(send(r).answers.isEmpty());
    const QByteArray e = send(single(19)).answers.first().mid(2);
    QCOMPARE(e.size(), 28);
    QCOMPARE(word(e, 0) & 0x7FF, 10);                               // supply, 1/8 °C
    QCOMPARE(word(e, 6) & 0x7FF, 11);                               // extract
    QCOMPARE(quint8(e.at(10)), quint8(45));                         // outdoor (supply sensor) humidity
    QCOMPARE(quint8(e.at(11)), quint8(55));                         // extract humidity
    QCOMPARE(quint8(e.at(21)), quint8(480 / 16));                   // supply air quality
    QCOMPARE(quint8(e.at(20)), quint8(800 / 16));                   // extract air quality
    QCOMPARE(quint8(e.at(14)) & 7, 1);                              // comfort level 2
    QCOMPARE(quint8(e.at(22)), quint8(0x18));
    // The fan is not simulated: its speed stays the unit's own.
    QCOMPARE(quint8(e.at(16)) | ((quint8(e.at(17)) & 0x0F) << 8),
             quint8(before.at(16)) | ((quint8(before.at(17)) & 0x0F) << 8));
}

void tst_CSimDispatcher::moveVent_data()
{
    QTest::addColumn<int>("flap");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("code");
    QTest::newRow("bypass open") << 3 << 1 << 31;
    QTest::newRow("extract closed") << 0 << 0 << 25;
    QTest::newRow("bath to 45 degrees") << 1 << 4 << 28;
    QTest::newRow("supply unknown command") << 2 << 9 << 0;
}

void tst_CSimDispatcher::moveVent()
{
    QFETCH(int, flap);
    QFETCH(int, command);
    QFETCH(int, code);
    QVERIFY(send(request(3, 28, {quint8(flap), quint8(command)})).answers.isEmpty());
    const QByteArray e = send(single(19)).answers.first().mid(2);
    // Extract w4 bits 11-15, bath b13 bits 0-4, supply b14 bits 0-4, bypass w6 bits 11-15.
    const int positions[4] = {word(e, 4) >> 11, quint8(e.at(13)) & 0x1F, quint8(e.at(14)) & 0x1F, word(e, 6) >> 11};
    QCOMPARE(positions[flap], code);
}

void tst_CSimDispatcher::wifiFlow_data()
{
    QTest::addColumn<int>("credType");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("forceFail");
    QTest::addColumn<QList<int>>("statuses");
    QTest::newRow("update, good password") << 2 << "HomeNet" << "secret123" << false << QList<int>{1, 2, 3, 3, 3, 0, 0};
    QTest::newRow("update, password of 7") << 2 << "HomeNet" << "secret1" << false << QList<int>{1, 2, 4, 4, 4, 0};
    QTest::newRow("update, module fails") << 2 << "HomeNet" << "secret123" << true << QList<int>{1, 2, 4, 4, 4, 0};
    QTest::newRow("delete") << 1 << "" << "" << false << QList<int>{1, 2, 5, 5, 5, 0};
    QTest::newRow("delete fails") << 1 << "" << "" << true << QList<int>{1, 2, 6, 6, 6, 0};
}

void tst_CSimDispatcher::wifiFlow()
{
    QFETCH(int, credType);
    QFETCH(QString, ssid);
    QFETCH(QString, password);
    QFETCH(bool, forceFail);
    QFETCH(QList<int>, statuses);
    m_State->wifi().setForceFailure(forceFail);
    QCOMPARE(quint8(send(single(26)).answers.first().at(1)), quint8(0));

    QByteArray r = request(200, 29);
    r.replace(2, 25, QByteArray(ssid.toLatin1()).leftJustified(25, '\0', true));
    r.replace(27, 25, QByteArray(password.toLatin1()).leftJustified(25, '\0', true));
    r.replace(52, 20, QByteArray("key1").leftJustified(20, '\0', true));
    r[72] = char(credType);
    QVERIFY(send(r).answers.isEmpty());
    for (int expected : statuses) {
        const QByteArray a = send(single(26)).answers.first();
        QCOMPARE(a.size(), 170);
        QCOMPARE(int(quint8(a.at(1))), expected);
        const int signal = qint8(a.at(2));
        if (m_State->wifi().configured())
            QVERIFY2(signal >= -80 && signal <= -40, qPrintable(QString::number(signal)));
        else
            QCOMPARE(signal, 0);
    }
}

QTEST_GUILESS_MAIN(tst_CSimDispatcher)
#include "tst_CSimDispatcher.moc"
