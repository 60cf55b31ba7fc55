#include "LLProtocolWireWin.h"

#include "PtyPair.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QtTest>

// The serial transport on a real pseudo-terminal: the master side plays the unit.

namespace {

const int kWaitMs = 5000;  // generous: only reached when something is broken

QByteArray Bytes(const UINT8* p, UINT16 len)
{
    return QByteArray(reinterpret_cast<const char*>(p), len);
}

} // namespace

class tst_LLProtocolWireWin : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void putBack_data();
    void putBack();
    void sendReachesTheUnit_data();
    void sendReachesTheUnit();
    void sendNullWritesNothing();
    void receiveWithNothingWaiting();
    void clearForgetsKeptBackBytes();

private:
    // Unit sends bytes; returns once the transport can read all of them.
    bool unitSends(const QByteArray& bytes);

    CPtyPair* m_pPty = nullptr;
    QSerialPort* m_pPort = nullptr;
    CLLProtocolWireWin* m_pWire = nullptr;
};

void tst_LLProtocolWireWin::init()
{
    m_pPty = new CPtyPair;
    QVERIFY(m_pPty->isValid());
    m_pPort = new QSerialPort(m_pPty->slavePath());
    QVERIFY2(m_pPort->open(QIODevice::ReadWrite), qPrintable(m_pPort->errorString()));
    m_pWire = new CLLProtocolWireWin(m_pPort);
}

void tst_LLProtocolWireWin::cleanup()
{
    delete m_pWire;
    delete m_pPort;
    delete m_pPty;
}

bool tst_LLProtocolWireWin::unitSends(const QByteArray& bytes)
{
    const qint64 before = m_pWire->BytesAvailable();
    if (!m_pPty->write(bytes))
        return false;
    QDeadlineTimer deadline(kWaitMs);
    while (m_pWire->BytesAvailable() < before + bytes.size()) {
        if (deadline.hasExpired())
            return false;
        m_pPort->waitForReadyRead(10);
    }
    return true;
}

void tst_LLProtocolWireWin::putBack_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<QByteArray>("nextRead");

    QTest::newRow("10, 3: the last 3 again") << 10 << 3 << QByteArray("789");
    QTest::newRow("10, 0: nothing kept") << 10 << 0 << QByteArray("later");
    QTest::newRow("300, 3: more than the buffer, ignored") << 300 << 3 << QByteArray("later");
    QTest::newRow("2, 3: more kept than read, ignored") << 2 << 3 << QByteArray("later");
}

void tst_LLProtocolWireWin::putBack()
{
    QFETCH(int, total);
    QFETCH(int, remaining);
    QFETCH(QByteArray, nextRead);

    QVERIFY(unitSends("0123456789"));
    UINT16 len = 0;
    const UINT8* got = m_pWire->Receive(&len);
    QCOMPARE(Bytes(got, len), QByteArray("0123456789"));

    QVERIFY(unitSends("later"));
    m_pWire->PutBack(UINT16(total), UINT16(remaining));
    got = m_pWire->Receive(&len);
    QCOMPARE(Bytes(got, len), nextRead);
    if (nextRead != "later") {
        got = m_pWire->Receive(&len);
        QCOMPARE(Bytes(got, len), QByteArray("later"));
    }
}

// The parts of a packet are queued and pushed out together as soon as the link
// turns to reading, waiting or sleeping, or the transport goes away (a packet
// sent without acknowledgement right before the port is closed).
void tst_LLProtocolWireWin::sendReachesTheUnit_data()
{
    QTest::addColumn<QString>("then");
    QTest::newRow("flush")         << "flush";
    QTest::newRow("wait for data") << "wait";
    QTest::newRow("receive")       << "receive";
    QTest::newRow("sleep")         << "sleep";
    QTest::newRow("transport gone") << "delete";
}

void tst_LLProtocolWireWin::sendReachesTheUnit()
{
    QFETCH(QString, then);
    QVERIFY(m_pWire->Send("kdrw", 4));
    QVERIFY(m_pWire->Send("\x01\x20", 2));
    UINT16 len = 0;
    if (then == "flush") {
        m_pWire->Flush();
    } else if (then == "wait") {
        m_pWire->WaitForData(0);
    } else if (then == "receive") {
        m_pWire->Receive(&len);
    } else if (then == "sleep") {
        m_pWire->Sleep(0);
    } else {
        delete m_pWire;
        m_pWire = nullptr;
    }
    QCOMPARE(m_pPty->read(6, kWaitMs), QByteArray("kdrw\x01\x20"));
}

void tst_LLProtocolWireWin::sendNullWritesNothing()
{
    QVERIFY(!m_pWire->Send(nullptr, 4));
    QVERIFY(m_pWire->Send("z", 1));
    m_pWire->WaitForData(0);
    // Whatever arrives first is the byte written after the refused call.
    QCOMPARE(m_pPty->read(1, kWaitMs), QByteArray("z"));
}

void tst_LLProtocolWireWin::receiveWithNothingWaiting()
{
    UINT16 len = 77;
    QVERIFY(!m_pWire->Receive(&len));
    QCOMPARE(int(len), 0);
}

void tst_LLProtocolWireWin::clearForgetsKeptBackBytes()
{
    QVERIFY(unitSends("abc"));
    UINT16 len = 0;
    m_pWire->Receive(&len);
    m_pWire->PutBack(3, 2);
    m_pWire->Clear();
    QVERIFY(!m_pWire->Receive(&len));
}

QTEST_GUILESS_MAIN(tst_LLProtocolWireWin)
#include "tst_LLProtocolWireWin.moc"
