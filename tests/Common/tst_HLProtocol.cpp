#include "HLProtocol.h"

#include "DebugCapture.h"
#include "LLProtocolPacket.h"
#include "WireFrames.h"

#include <QTextEdit>
#include <QtTest>

using namespace WireFrames;

class tst_HLProtocol : public QObject
{
    Q_OBJECT
private slots:
    void processDebugMsg_data();
    void processDebugMsg();
};

void tst_HLProtocol::processDebugMsg_data()
{
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<bool>("withDisplay");
    QTest::addColumn<bool>("consumed");
    QTest::addColumn<QString>("shown");  // appended to "before: "
    QTest::addColumn<QString>("line");

    QTest::newRow("text, UTF-8, ends at the zero byte")
        << frame(2, 0, QByteArray("\x02gr\xC3\xBC\xC3\x9F\0junk", 11)) << true << true
        << QString::fromUtf8("gr\xC3\xBC\xC3\x9F") << QString::fromUtf8("Debug message received: \"gr\xC3\xBC\xC3\x9F\"");
    QTest::newRow("text without zero byte ends with the data")
        << frame(2, 0, QByteArray("\x02" "abc")) << true << true << "abc" << "Debug message received: \"abc\"";
    QTest::newRow("negative number") << debugNumber(-2) << true << true << "-2" << "Debug message received: \"-2\"";
    QTest::newRow("number, little-endian") << debugNumber(0x01020304) << true << true << "16909060"
                                           << "Debug message received: \"16909060\"";
    QTest::newRow("number too short: nothing shown") << frame(2, 0, QByteArray("\x01\x05\x00", 3)) << true << true
                                                     << "" << "Debug message received: \"\"";
    QTest::newRow("other type-2 message") << frame(2, 0, QByteArray("\x07zz")) << true << true << ""
                                          << "Debug message received: \"\"";
    QTest::newRow("no display") << debugText("abc") << false << true << "" << "Debug message received: \"\"";
    QTest::newRow("command answer is not a debug message") << frame(1, 0, QByteArray("\x02" "abc")) << true << false
                                                           << "" << "";
    QTest::newRow("corrupt debug message is left alone") << frameWithCrc(2, 0, QByteArray("\x02" "a"), 0) << true
                                                         << false << "" << "";
}

void tst_HLProtocol::processDebugMsg()
{
    QFETCH(QByteArray, wire);
    QFETCH(bool, withDisplay);
    QFETCH(bool, consumed);
    QFETCH(QString, shown);
    QFETCH(QString, line);

    CLLProtocolPacket packet;
    UINT16 len = UINT16(wire.size());
    packet.PacketFromBuffer(wire.constData(), len);
    const int stateBefore = packet.GetReadState();

    QTextEdit display;
    display.setPlainText("before: ");
    CDebugCapture log;
    QCOMPARE(ProcessDebugMsg(packet, withDisplay ? &display : nullptr), consumed);
    QCOMPARE(display.toPlainText(), "before: " + shown);
    QCOMPARE(log.lines(), line.isEmpty() ? QStringList() : QStringList{ line });
    QCOMPARE(int(packet.GetReadState()), consumed ? int(CLLProtocolPacket::RS_READING_NOT_STARTED) : stateBefore);
}

QTEST_MAIN(tst_HLProtocol)
#include "tst_HLProtocol.moc"
