#include "FelDelimTextRow.h"

#include <QtTest>

class tst_FelDelimTextRow : public QObject
{
    Q_OBJECT
private slots:
    void setField_data();
    void setField();
    void insertAndRemove_data();
    void insertAndRemove();
};

void tst_FelDelimTextRow::setField_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    const QString euro = QString::fromUtf8("€");
    const QString big(65530, 'b');
    QTest::newRow("longer text in the middle") << QStringList{"a", "b", "c"} << 1 << "bbbb"
                                               << QStringList{"a", "bbbb", "c"};
    QTest::newRow("shorter text in the middle") << QStringList{"a", "bbbb", "c"} << 1 << ""
                                                << QStringList{"a", "", "c"};
    QTest::newRow("same length, last field") << QStringList{"a", "b"} << 1 << "z" << QStringList{"a", "z"};
    QTest::newRow("append right after the end") << QStringList{"a"} << 1 << "b" << QStringList{"a", "b"};
    QTest::newRow("append with padding") << QStringList{"a"} << 3 << "d" << QStringList{"a", "", "", "d"};
    QTest::newRow("first field of an empty row") << QStringList{} << 2 << "c" << QStringList{"", "", "c"};
    QTest::newRow("non-Latin-1 text widens the row") << QStringList{"a", QString::fromUtf8("°"), "c"} << 0
                                                     << euro << QStringList{euro, QString::fromUtf8("°"), "c"};
    QTest::newRow("Latin-1 text into a wide row") << QStringList{euro, "b"} << 1 << "xyz"
                                                  << QStringList{euro, "xyz"};
    QTest::newRow("text beyond 16-bit offsets") << QStringList{big, "c"} << 1 << "0123456789"
                                                << QStringList{big, "0123456789"};
    QTest::newRow("append beyond 16-bit offsets") << QStringList{big} << 2 << "0123456789"
                                                  << QStringList{big, "", "0123456789"};
    QTest::newRow("shrinking a row with long offsets") << QStringList{big + big, "c"} << 0 << "a"
                                                       << QStringList{"a", "c"};
}

void tst_FelDelimTextRow::setField()
{
    QFETCH(QStringList, fields);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    CFelDelimTextRow row(fields);
    const CFelDelimTextRow before = row;
    row.setField(index, text);
    QCOMPARE(row.fields(), expected);
    QCOMPARE(row.size(), expected.size());
    QCOMPARE(row.field(expected.size()), QString());
    QVERIFY(row.fieldEquals(index, text, Qt::CaseSensitive));
    // A copy shares the block until one of them changes.
    QCOMPARE(before.fields(), fields);
}

void tst_FelDelimTextRow::insertAndRemove_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("insert");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expected");

    const QStringList abc{"a", "b", "c"};
    QTest::newRow("insert in the middle") << abc << true << 1 << 2 << QStringList{"a", "", "", "b", "c"};
    QTest::newRow("insert at the end") << abc << true << 3 << 1 << QStringList{"a", "b", "c", ""};
    QTest::newRow("insert beyond the end is ignored") << abc << true << 4 << 1 << abc;
    QTest::newRow("remove in the middle") << abc << false << 1 << 1 << QStringList{"a", "c"};
    QTest::newRow("remove cut at the end") << abc << false << 1 << 9 << QStringList{"a"};
    QTest::newRow("remove everything") << abc << false << 0 << 3 << QStringList{};
    QTest::newRow("remove beyond the end is ignored") << abc << false << 3 << 1 << abc;
}

void tst_FelDelimTextRow::insertAndRemove()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, insert);
    QFETCH(int, index);
    QFETCH(int, count);
    QFETCH(QStringList, expected);

    CFelDelimTextRow row(fields);
    if (insert)
        row.insertFields(index, count);
    else
        row.removeFields(index, count);
    QCOMPARE(row.fields(), expected);
}

QTEST_GUILESS_MAIN(tst_FelDelimTextRow)
#include "tst_FelDelimTextRow.moc"
