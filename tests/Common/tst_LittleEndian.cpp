#include "LittleEndian.h"

#include <QtTest>

class tst_LittleEndian : public QObject
{
    Q_OBJECT
private slots:
    void integers();
    void text_data();
    void text();
};

void tst_LittleEndian::integers()
{
    const uint8_t bytes[] = { 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF };
    QCOMPARE(LE::get16(bytes), uint16_t(0x5678));
    QCOMPARE(LE::get32(bytes), uint32_t(0x12345678));
    QCOMPARE(LE::getS16(bytes + 4), int16_t(-2));

    uint8_t out[4] = {};
    LE::put32(out, 0xA1B2C3D4u);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(out), 4), QByteArray("\xD4\xC3\xB2\xA1", 4));
}

void tst_LittleEndian::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("short text is zero-padded") << QString("ab")    << QByteArray("ab\0\0", 4);
    QTest::newRow("full field, no terminator") << QString("abcd")  << QByteArray("abcd", 4);
    QTest::newRow("too long is cut")           << QString("abcde") << QByteArray("abcd", 4);
    QTest::newRow("Latin-1, not UTF-8")        << QString::fromUtf8("\xC3\xA4") << QByteArray("\xE4\0\0\0", 4);
}

void tst_LittleEndian::text()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    uint8_t buf[4];
    std::memset(buf, 0x55, sizeof buf);
    LE::putText(buf, 4, text);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 4), field);
    QCOMPARE(LE::getText(buf, 4), text.left(4));
}

QTEST_GUILESS_MAIN(tst_LittleEndian)
#include "tst_LittleEndian.moc"
