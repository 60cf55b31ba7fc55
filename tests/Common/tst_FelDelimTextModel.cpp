#include "FelDelimTextModel.h"
#include "FelDelimTextReader.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QSignalSpy>
#include <QtTest>

using Rows = QList<QStringList>;
Q_DECLARE_METATYPE(Rows)

namespace {

// A device that accepts nothing, like a full disk.
class CRefusingDevice : public QIODevice
{
protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

// Every data row with all the fields it has (missing fields are not listed).
Rows modelRows(const CFelDelimTextModel& model)
{
    Rows rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; !model.cell(r, c).isNull(); ++c)
            fields << model.cell(r, c);
        rows << fields;
    }
    return rows;
}

bool readText(CFelDelimTextModel& model, QByteArray text, bool bHeader = false)
{
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    return model.readDelimited(&buffer, bHeader, ';', '"', "ISO 8859-1");
}

QByteArray writeText(CFelDelimTextModel& model, bool bHeader = false)
{
    QByteArray text;
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    if (!model.writeDelimited(&buffer, bHeader, ';', '"', "ISO 8859-1"))
        return "write failed";
    return text;
}

// Fills a model the way the export does: columns, rows, then cell by cell.
void fill(CFelDelimTextModel& model, int nColumns, const Rows& rows)
{
    model.insertColumns(0, nColumns);
    model.insertRows(0, rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            model.setCell(r, c, rows[r][c]);
}

} // namespace

class tst_FelDelimTextModel : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void readAndWriteBack_data();
    void readAndWriteBack();
    void readSplitAtEveryOffset_data();
    void readSplitAtEveryOffset();
    void write_data();
    void write();

    void shortHeader();
    void headerIndexAndFindRow();

    void hostile_data();
    void hostile();
    void randomJunkEndsCleanly();
    void limits_data();
    void limits();
    void unusableDevice();

    void editing();
    void removeCutsAtEnd();
    void invalidEditArguments_data();
    void invalidEditArguments();
    void wideAndLongFields();

private:
    std::unique_ptr<CFelDelimTextModel> m_pModel;
    std::unique_ptr<QAbstractItemModelTester> m_pTester;
};

void tst_FelDelimTextModel::init()
{
    m_pModel.reset(new CFelDelimTextModel);
    m_pTester.reset(new QAbstractItemModelTester(m_pModel.get(),
                                                 QAbstractItemModelTester::FailureReportingMode::QtTest));
}

void tst_FelDelimTextModel::readAndWriteBack_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("writesBack");   // writing the rows gives text again

    QTest::newRow("quoted separator and doubled quote")
        << QByteArray("a;\"b;c\";\"d\"\"e\"\n") << Rows{{"a", "b;c", "d\"e"}} << 3 << true;
    QTest::newRow("a;b; LF drops the empty last field")
        << QByteArray("a;b;\n") << Rows{{"a", "b"}} << 2 << false;
    QTest::newRow("a;b; CRLF keeps the empty last field")
        << QByteArray("a;b;\r\n") << Rows{{"a", "b", ""}} << 3 << false;
    QTest::newRow("empty line LF: row without fields")
        << QByteArray("a\n\nb\n") << Rows{{"a"}, {}, {"b"}} << 1 << true;
    QTest::newRow("empty line CRLF: one empty field")
        << QByteArray("a\r\n\r\nb\r\n") << Rows{{"a"}, {""}, {"b"}} << 1 << false;
    QTest::newRow("last line without line end")
        << QByteArray("a;b\nc;d") << Rows{{"a", "b"}, {"c", "d"}} << 2 << false;
    QTest::newRow("trailing empty field at end of file dropped")
        << QByteArray("a;b\nc;") << Rows{{"a", "b"}, {"c"}} << 2 << false;
    QTest::newRow("\"x\"y reads as xy")
        << QByteArray("\"x\"y") << Rows{{"xy"}} << 1 << false;
    QTest::newRow("CR-only line ends keep every first character")
        << QByteArray("ab;c\rde;f\rgh\r") << Rows{{"ab", "c"}, {"de", "f"}, {"gh"}} << 2 << false;
    QTest::newRow("CR-only file, last line without line end")
        << QByteArray("a\rb") << Rows{{"a"}, {"b"}} << 1 << false;
    QTest::newRow("quote inside unquoted field is data")
        << QByteArray("a\"b;c\n") << Rows{{"a\"b", "c"}} << 2 << false;
    QTest::newRow("LF inside quotes")
        << QByteArray("\"TEX\n[\xB0""C]\";x\n") << Rows{{QString::fromUtf8("TEX\n[°C]"), "x"}} << 2 << true;
    QTest::newRow("CRLF inside quotes becomes LF")
        << QByteArray("\"a\r\nb\";c\n") << Rows{{"a\nb", "c"}} << 2 << false;
    QTest::newRow("CR inside quotes becomes LF")
        << QByteArray("\"a\rb\"\n") << Rows{{"a\nb"}} << 1 << false;
    QTest::newRow("quoted empty field")
        << QByteArray("\"\";x\n") << Rows{{"", "x"}} << 2 << false;
    QTest::newRow("empty fields between separators")
        << QByteArray(";;x\n") << Rows{{"", "", "x"}} << 3 << true;
    QTest::newRow("Latin-1 degree sign")
        << QByteArray("21,5\xB0\n") << Rows{{QString::fromUtf8("21,5°")}} << 1 << true;
    QTest::newRow("empty file") << QByteArray() << Rows{} << 0 << true;
    QTest::newRow("only a line feed") << QByteArray("\n") << Rows{{}} << 0 << true;
    QTest::newRow("rows of different length")
        << QByteArray("a\nb;c;d\n") << Rows{{"a"}, {"b", "c", "d"}} << 3 << false;
    QTest::newRow("UTF-8 byte-order mark switches the code page")
        << QByteArray("\xEF\xBB\xBF\xC2\xB0;x\n") << Rows{{QString::fromUtf8("°"), "x"}} << 2 << false;
    QTest::newRow("UTF-16 byte-order mark switches the code page")
        << QByteArray("\xFF\xFEx\0;\0y\0\n\0", 10) << Rows{{"x", "y"}} << 2 << false;
}

void tst_FelDelimTextModel::readAndWriteBack()
{
    QFETCH(QByteArray, text);
    QFETCH(Rows, rows);
    QFETCH(int, columns);
    QFETCH(bool, writesBack);

    QVERIFY(readText(*m_pModel, text));
    QCOMPARE(modelRows(*m_pModel), rows);
    QCOMPARE(m_pModel->columnCount(), columns);
    QVERIFY(m_pModel->errorString().isEmpty());
    if (writesBack)
        QCOMPARE(writeText(*m_pModel), text);
}

void tst_FelDelimTextModel::readSplitAtEveryOffset_data()
{
    readAndWriteBack_data();
}

// The file is decoded and parsed in blocks; a CR LF, a doubled quote or a
// field may straddle two blocks.
void tst_FelDelimTextModel::readSplitAtEveryOffset()
{
    QFETCH(QByteArray, text);
    QFETCH(Rows, rows);
    if (text.startsWith("\xEF\xBB\xBF") || text.startsWith("\xFF\xFE"))
        QSKIP("byte-order marks are the decoder's business, not the reader's");

    const QString decoded = QString::fromLatin1(text);
    for (int split = 0; split <= decoded.size(); ++split) {
        CFelDelimTextReader reader(';', '"', CFelDelimTextReader::SLimits());
        QVector<CFelDelimTextRow> parsed;
        QVERIFY(reader.feed(decoded.constData(), split, parsed));
        QVERIFY(reader.feed(decoded.constData() + split, decoded.size() - split, parsed));
        QVERIFY(reader.finish(parsed));
        Rows got;
        for (const CFelDelimTextRow& r : parsed)
            got << r.fields();
        QVERIFY2(got == rows, qPrintable(QString("split at %1").arg(split)));
    }
}

void tst_FelDelimTextModel::write_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("short row written with separators") << 3 << Rows{{"a"}} << QByteArray("a;;\n");
    QTest::newRow("empty row of three columns") << 3 << Rows{{}} << QByteArray(";;\n");
    QTest::newRow("two of three fields") << 3 << Rows{{"a", "b"}} << QByteArray("a;b;\n");
    QTest::newRow("separator, quote and LF are quoted")
        << 3 << Rows{{"a;b", "say \"hi\"", "x\ny"}} << QByteArray("\"a;b\";\"say \"\"hi\"\"\";\"x\ny\"\n");
    QTest::newRow("CR is quoted so the row stays whole")
        << 2 << Rows{{"a\rb", "c"}} << QByteArray("\"a\rb\";c\n");
    QTest::newRow("character outside Latin-1 becomes ?")
        << 1 << Rows{{QString::fromUtf8("5 €")}} << QByteArray("5 ?\n");
    QTest::newRow("no rows") << 2 << Rows{} << QByteArray();
}

void tst_FelDelimTextModel::write()
{
    QFETCH(int, columns);
    QFETCH(Rows, rows);
    QFETCH(QByteArray, text);

    fill(*m_pModel, columns, rows);
    QCOMPARE(writeText(*m_pModel), text);
}

void tst_FelDelimTextModel::shortHeader()
{
    QVERIFY(readText(*m_pModel, "TS;TEX\n1;2;3\n4\n", true));
    QCOMPARE(m_pModel->columnCount(), 3);
    QCOMPARE(m_pModel->rowCount(), 2);
    QCOMPARE(m_pModel->headerData(1, Qt::Horizontal), QVariant("TEX"));
    QCOMPARE(m_pModel->headerData(2, Qt::Horizontal), QVariant());
    QCOMPARE(m_pModel->headerData(0, Qt::Vertical), QVariant());
    QCOMPARE(m_pModel->data(m_pModel->index(1, 0)), QVariant("4"));
    QCOMPARE(m_pModel->data(m_pModel->index(1, 1)), QVariant());

    // The header is padded like any short row.
    QCOMPARE(writeText(*m_pModel, true), QByteArray("TS;TEX;\n1;2;3\n4;;\n"));
}

void tst_FelDelimTextModel::headerIndexAndFindRow()
{
    const QByteArray text("LogTimestamp;TEX\n01.01.2025 00:00;21,5\n01.01.2025 00:01;21,6\n");

    QVERIFY(readText(*m_pModel, text, false));
    QCOMPARE(m_pModel->headerIndex("LogTimestamp", Qt::CaseSensitive), -1);
    QCOMPARE(m_pModel->rowCount(), 3);

    QVERIFY(readText(*m_pModel, text, true));
    QCOMPARE(m_pModel->headerIndex("TEX", Qt::CaseSensitive), 1);
    QCOMPARE(m_pModel->headerIndex("tex", Qt::CaseSensitive), -1);
    QCOMPARE(m_pModel->headerIndex("tex", Qt::CaseInsensitive), 1);
    QCOMPARE(m_pModel->findRow("21,6", 1, Qt::CaseSensitive), 1);
    QCOMPARE(m_pModel->findRow("21,7", 1, Qt::CaseSensitive), -1);
    QCOMPARE(m_pModel->findRow("21,6", 2, Qt::CaseSensitive), -1);
    QCOMPARE(m_pModel->findRow("21,6", -1, Qt::CaseSensitive), -1);

    // A row without the field does not match, not even an empty text.
    QVERIFY(readText(*m_pModel, "a\nb;\"\"\n", false));
    QCOMPARE(m_pModel->findRow("", 1, Qt::CaseSensitive), 1);
}

void tst_FelDelimTextModel::hostile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("error");   // part of the error text

    const CFelDelimTextReader::SLimits limits;
    QByteArray junk;
    for (int i = 0; i < 4000; ++i)
        junk += char((i * 151 + 7) % 256);

    QTest::newRow("binary junk") << junk << false << "NUL character";
    QTest::newRow("UTF-16 without byte-order mark") << QByteArray("x\0;\0y\0", 6) << false << "Line 1";
    QTest::newRow("unbalanced quote in the last line")
        << QByteArray("a;b\nc;\"d") << true << QString();
    QTest::newRow("unbalanced quote swallowing the rest")
        << QByteArray("a;b\nc;\"d\ne;f\ng;h\n") << false << "begins in line 2";
    QTest::newRow("huge field") << QByteArray(limits.nMaxFieldLength + 1, 'x') << false
                                << QString("longer than %1").arg(limits.nMaxFieldLength);
    QTest::newRow("huge quoted field")
        << (QByteArray("ok\n\"") + QByteArray(limits.nMaxFieldLength, 'x') + "\"\"\"\n") << false << "line 2";
    QTest::newRow("field at the limit") << QByteArray(limits.nMaxFieldLength, 'x') << true << QString();
    QTest::newRow("a million columns") << QByteArray(1000000, ';') << false << "more than 16384 fields";
    QTest::newRow("columns at the limit")
        << QByteArray(limits.nMaxColumns - 1, ';').append('x') << true << QString();
    QTest::newRow("empty file") << QByteArray() << true << QString();
    QTest::newRow("header only") << QByteArray("TS;TEX\n") << true << QString();
}

void tst_FelDelimTextModel::hostile()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(QString, error);

    QVERIFY(readText(*m_pModel, "kept;as;before\n", true));
    QCOMPARE(readText(*m_pModel, text, true), ok);
    if (ok) {
        QVERIFY(m_pModel->errorString().isEmpty());
        return;
    }
    QVERIFY2(m_pModel->errorString().contains(error), qPrintable(m_pModel->errorString()));
    // A refused file leaves the model as it was.
    QCOMPARE(m_pModel->headerData(2, Qt::Horizontal), QVariant("before"));
    QCOMPARE(m_pModel->rowCount(), 0);
    QCOMPARE(m_pModel->columnCount(), 3);
}

// Whatever bytes come, the read ends, and success and error text agree.
void tst_FelDelimTextModel::randomJunkEndsCleanly()
{
    QRandomGenerator random(20250101);
    for (int round = 0; round < 200; ++round) {
        QByteArray junk(int(random.bounded(1, 5000)), Qt::Uninitialized);
        const bool withNul = round % 2 == 0;
        for (char& c : junk)
            c = char(random.bounded(withNul ? 0 : 1, 256));
        const bool ok = readText(*m_pModel, junk, round % 3 == 0);
        QVERIFY2(ok == m_pModel->errorString().isEmpty(), qPrintable(m_pModel->errorString()));
        for (int r = 0; r < m_pModel->rowCount(); ++r)
            QVERIFY(m_pModel->cell(r, m_pModel->columnCount()).isNull());
    }
}

void tst_FelDelimTextModel::limits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("error");

    QTest::newRow("rows at the limit") << QByteArray("h\n1\n2\n3\n") << true << QString();
    QTest::newRow("one row more") << QByteArray("h\n1\n2\n3\n4\n") << false << "more than 4 rows";
    QTest::newRow("empty lines count as rows") << QByteArray("\n\n\n\n\n") << false << "more than 4 rows";
    QTest::newRow("characters at the limit") << QByteArray("abcdefghij;klmnopqrs\n") << true << QString();
    QTest::newRow("one character more") << QByteArray("abcdefghij;klmnopqrst\n") << false
                                        << "more than 21 characters";
}

void tst_FelDelimTextModel::limits()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(QString, error);

    CFelDelimTextReader::SLimits limits;
    limits.nMaxRows = 4;
    limits.nMaxChars = 21;
    m_pModel->setReadLimits(limits);
    QCOMPARE(readText(*m_pModel, text, true), ok);
    QVERIFY2(m_pModel->errorString().contains(error), qPrintable(m_pModel->errorString()));
}

void tst_FelDelimTextModel::unusableDevice()
{
    QVERIFY(readText(*m_pModel, "a;b\n"));

    QBuffer closed;
    QVERIFY(!m_pModel->readDelimited(&closed, true, ';', '"', "ISO 8859-1"));
    QVERIFY(!m_pModel->errorString().isEmpty());
    QCOMPARE(m_pModel->cell(0, 1), QString("b"));

    QByteArray text("x\n");
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    QVERIFY(!m_pModel->readDelimited(&buffer, true, ';', '"', "no such code page"));
    QVERIFY(m_pModel->errorString().contains("no such code page"));
    QVERIFY(!m_pModel->writeDelimited(&buffer, true, ';', '"', "ISO 8859-1"));
    QCOMPARE(text, QByteArray("x\n"));

    CRefusingDevice full;
    full.open(QIODevice::ReadWrite);
    QVERIFY(!m_pModel->writeDelimited(&full, true, ';', '"', "ISO 8859-1"));
    QVERIFY(!m_pModel->errorString().isEmpty());
    QVERIFY(!m_pModel->readDelimited(&full, true, ';', '"', "ISO 8859-1"));
    QCOMPARE(m_pModel->cell(0, 1), QString("b"));
}

void tst_FelDelimTextModel::editing()
{
    QVERIFY(readText(*m_pModel, "A;B;C\n1;2;3\n4\n", true));
    QSignalSpy changed(m_pModel.get(), &QAbstractItemModel::dataChanged);

    QVERIFY(m_pModel->setData(m_pModel->index(1, 2), 9));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), m_pModel->index(1, 2));
    QCOMPARE(changed[0][1].toModelIndex(), m_pModel->index(1, 2));
    QCOMPARE(modelRows(*m_pModel), (Rows{{"1", "2", "3"}, {"4", "", "9"}}));
    QVERIFY(!m_pModel->setData(m_pModel->index(1, 2), "x", Qt::ToolTipRole));
    QVERIFY(m_pModel->flags(m_pModel->index(0, 0)) & Qt::ItemIsEditable);

    QVERIFY(m_pModel->insertColumns(1, 2));
    QCOMPARE(m_pModel->columnCount(), 5);
    QCOMPARE(modelRows(*m_pModel), (Rows{{"1", "", "", "2", "3"}, {"4", "", "", "", "9"}}));
    QCOMPARE(m_pModel->headerData(3, Qt::Horizontal), QVariant("B"));
    QCOMPARE(m_pModel->headerIndex("C"), 4);

    QVERIFY(m_pModel->insertRows(1, 1));
    QCOMPARE(m_pModel->rowCount(), 3);
    QCOMPARE(m_pModel->data(m_pModel->index(1, 0)), QVariant());
    QCOMPARE(writeText(*m_pModel, true), QByteArray("A;;;B;C\n1;;;2;3\n;;;;\n4;;;;9\n"));

    QVERIFY(m_pModel->removeColumns(0, 2));
    QCOMPARE(m_pModel->headerIndex("B"), 1);
    QCOMPARE(modelRows(*m_pModel), (Rows{{"", "2", "3"}, {}, {"", "", "9"}}));

    QVERIFY(m_pModel->setHeaderData(1, Qt::Horizontal, "b"));
    QCOMPARE(m_pModel->headerData(1, Qt::Horizontal), QVariant("b"));
    QVERIFY(!m_pModel->setHeaderData(3, Qt::Horizontal, "out"));
}

void tst_FelDelimTextModel::removeCutsAtEnd()
{
    QVERIFY(readText(*m_pModel, "1\n2\n3\n4\n"));
    QSignalSpy removing(m_pModel.get(), &QAbstractItemModel::rowsAboutToBeRemoved);
    QVERIFY(m_pModel->removeRows(2, 10));
    QCOMPARE(removing.count(), 1);
    QCOMPARE(removing[0][1].toInt(), 2);
    QCOMPARE(removing[0][2].toInt(), 3);
    QCOMPARE(modelRows(*m_pModel), (Rows{{"1"}, {"2"}}));

    QVERIFY(readText(*m_pModel, "a;b;c\nd;e\n"));
    QSignalSpy removingColumns(m_pModel.get(), &QAbstractItemModel::columnsAboutToBeRemoved);
    QVERIFY(m_pModel->removeColumns(1, 5));
    QCOMPARE(removingColumns[0][2].toInt(), 2);
    QCOMPARE(m_pModel->columnCount(), 1);
    QCOMPARE(modelRows(*m_pModel), (Rows{{"a"}, {"d"}}));
}

void tst_FelDelimTextModel::invalidEditArguments_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("ok");

    // The fixture has 2 rows and 3 columns.
    QTest::newRow("insert rows at the end") << "insertRows" << 2 << 1 << true;
    QTest::newRow("insert rows beyond the end") << "insertRows" << 3 << 1 << false;
    QTest::newRow("insert rows before the start") << "insertRows" << -1 << 1 << false;
    QTest::newRow("insert no rows") << "insertRows" << 0 << 0 << false;
    QTest::newRow("insert columns at the end") << "insertColumns" << 3 << 2 << true;
    QTest::newRow("insert columns beyond the end") << "insertColumns" << 4 << 1 << false;
    QTest::newRow("remove rows at the end") << "removeRows" << 2 << 1 << false;
    QTest::newRow("remove negative count") << "removeRows" << 0 << -1 << false;
    QTest::newRow("remove columns at the end") << "removeColumns" << 3 << 1 << false;
    QTest::newRow("remove columns before the start") << "removeColumns" << -1 << 1 << false;
    QTest::newRow("set a cell outside the columns") << "setCell" << 0 << 3 << false;
    QTest::newRow("set a cell outside the rows") << "setCell" << 2 << 0 << false;
}

void tst_FelDelimTextModel::invalidEditArguments()
{
    QFETCH(QString, operation);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(bool, ok);

    QVERIFY(readText(*m_pModel, "a;b;c\nd\n"));
    bool result = false;
    if (operation == "insertRows")
        result = m_pModel->insertRows(first, count);
    else if (operation == "insertColumns")
        result = m_pModel->insertColumns(first, count);
    else if (operation == "removeRows")
        result = m_pModel->removeRows(first, count);
    else if (operation == "removeColumns")
        result = m_pModel->removeColumns(first, count);
    else
        result = m_pModel->setCell(first, count, "x");
    QCOMPARE(result, ok);
    if (!ok)
        QCOMPARE(modelRows(*m_pModel), (Rows{{"a", "b", "c"}, {"d"}}));
}

// Rows store Latin-1 text and short offsets until a field needs more.
void tst_FelDelimTextModel::wideAndLongFields()
{
    const QString euro = QString::fromUtf8("€");
    const QString longText(70000, 'y');
    fill(*m_pModel, 3, Rows{{"a", "b", "c"}});

    m_pModel->setCell(0, 1, euro);
    QCOMPARE(modelRows(*m_pModel), (Rows{{"a", euro, "c"}}));
    m_pModel->setCell(0, 0, longText);
    QCOMPARE(modelRows(*m_pModel), (Rows{{longText, euro, "c"}}));
    QVERIFY(m_pModel->insertColumns(1, 1));
    QVERIFY(m_pModel->removeColumns(2, 1));
    QCOMPARE(modelRows(*m_pModel), (Rows{{longText, "", "c"}}));
    QCOMPARE(m_pModel->findRow(longText, 0, Qt::CaseSensitive), 0);
    QCOMPARE(m_pModel->findRow("C", 2, Qt::CaseInsensitive), 0);

    m_pModel->appendRow(QStringList{"d", "e", "f", euro});
    QCOMPARE(m_pModel->columnCount(), 4);
    QCOMPARE(m_pModel->findRow(euro, 3, Qt::CaseSensitive), 1);
}

QTEST_GUILESS_MAIN(tst_FelDelimTextModel)
#include "tst_FelDelimTextModel.moc"
