#include "FelDelimTextModel.h"

#include "FelDelimTextWriter.h"

#include <QDebug>
#include <QIODevice>
#include <QTextCodec>

#include <climits>
#include <memory>

namespace {

// Bytes read and decoded in one step: large enough that the per-block cost
// vanishes, small enough that the raw file is never held twice in memory.
constexpr qint64 kReadBlock = 1 << 20;

} // namespace

CFelDelimTextModel::CFelDelimTextModel(QObject* pParent)
    : QAbstractTableModel(pParent)
{
}

bool CFelDelimTextModel::isTextRole(int role)
{
    return role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::UserRole;
}

int CFelDelimTextModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int CFelDelimTextModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_nColumns;
}

QVariant CFelDelimTextModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !isTextRole(role) || index.column() >= m_nColumns)
        return QVariant();
    const QString text = cell(index.row(), index.column());
    return text.isNull() ? QVariant() : QVariant(text);
}

QVariant CFelDelimTextModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !isTextRole(role) || section < 0 || section >= m_header.size())
        return QVariant();
    return m_header.at(section);
}

bool CFelDelimTextModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || !isTextRole(role))
        return false;
    return setCell(index.row(), index.column(), value);
}

bool CFelDelimTextModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                       int role)
{
    if (orientation != Qt::Horizontal || !isTextRole(role) || section < 0 || section >= m_nColumns)
        return false;
    while (m_header.size() <= section)
        m_header.append(QString());
    m_header[section] = value.toString();
    emit headerDataChanged(Qt::Horizontal, section, section);
    return true;
}

bool CFelDelimTextModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row > m_rows.size() || count <= 0 || count > INT_MAX - m_rows.size())
        return false;
    beginInsertRows(QModelIndex(), row, row + count - 1);
    m_rows.insert(row, count, CFelDelimTextRow());
    endInsertRows();
    return true;
}

bool CFelDelimTextModel::insertColumns(int column, int count, const QModelIndex& parent)
{
    if (parent.isValid() || column < 0 || column > m_nColumns || count <= 0 || count > INT_MAX - m_nColumns)
        return false;
    beginInsertColumns(QModelIndex(), column, column + count - 1);
    m_nColumns += count;
    // The header moves with its columns whether it came from a file or from
    // setHeaderData, so texts stay above the columns they name.
    if (m_header.size() > column) {
        for (int i = 0; i < count; ++i)
            m_header.insert(column, QString());
    }
    for (CFelDelimTextRow& r : m_rows) {
        if (r.size() > column)
            r.insertFields(column, count);
    }
    endInsertColumns();
    return true;
}

bool CFelDelimTextModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row >= m_rows.size() || count <= 0)
        return false;
    count = qMin(count, m_rows.size() - row);
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    m_rows.remove(row, count);
    endRemoveRows();
    return true;
}

bool CFelDelimTextModel::removeColumns(int column, int count, const QModelIndex& parent)
{
    if (parent.isValid() || column < 0 || column >= m_nColumns || count <= 0)
        return false;
    count = qMin(count, m_nColumns - column);
    beginRemoveColumns(QModelIndex(), column, column + count - 1);
    if (m_header.size() > column)
        m_header.erase(m_header.begin() + column, m_header.begin() + qMin(m_header.size(), column + count));
    for (CFelDelimTextRow& r : m_rows)
        r.removeFields(column, count);
    m_nColumns -= count;
    endRemoveColumns();
    return true;
}

Qt::ItemFlags CFelDelimTextModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.row() < m_rows.size() && index.column() < m_nColumns)
        f |= Qt::ItemIsEditable;
    return f;
}

bool CFelDelimTextModel::setCell(int row, int column, const QVariant& value)
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_nColumns)
        return false;
    m_rows[row].setField(column, value.toString());
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i);
    return true;
}

QString CFelDelimTextModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return QString();
    return m_rows.at(row).field(column);
}

void CFelDelimTextModel::appendRow(const QStringList& fields)
{
    if (fields.size() > m_nColumns) {
        beginInsertColumns(QModelIndex(), m_nColumns, fields.size() - 1);
        m_nColumns = fields.size();
        endInsertColumns();
    }
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size());
    m_rows.append(CFelDelimTextRow(fields));
    endInsertRows();
}

int CFelDelimTextModel::headerIndex(const QString& name, Qt::CaseSensitivity cs) const
{
    if (!m_bHeader)
        return -1;
    for (int i = 0; i < m_header.size(); ++i) {
        if (m_header.at(i).compare(name, cs) == 0)
            return i;
    }
    return -1;
}

int CFelDelimTextModel::findRow(const QString& text, int column, Qt::CaseSensitivity cs) const
{
    if (column < 0 || column >= m_nColumns)
        return -1;
    for (int r = 0; r < m_rows.size(); ++r) {
        if (m_rows.at(r).fieldEquals(column, text, cs))
            return r;
    }
    return -1;
}

bool CFelDelimTextModel::readDelimited(QIODevice* device, bool bHeader, QChar separator, QChar quote,
                                       const char* codec)
{
    m_strError.clear();
    if (!device || !device->isReadable())
        return fail("readDelimited", tr("The file is not open for reading."));
    // Line ends are ours to interpret: no translation by the device.
    device->setTextModeEnabled(false);

    QVector<CFelDelimTextRow> rows;
    if (!readRows(device, codec, separator, quote, rows))
        return false;

    beginResetModel();
    m_header.clear();
    m_nColumns = 0;
    m_bHeader = bHeader;
    if (bHeader && !rows.isEmpty()) {
        m_header = rows.first().fields();
        m_nColumns = m_header.size();
        rows.removeFirst();
    }
    m_rows = rows;
    for (const CFelDelimTextRow& r : qAsConst(m_rows))
        m_nColumns = qMax(m_nColumns, r.size());
    endResetModel();
    return true;
}

bool CFelDelimTextModel::readRows(QIODevice* device, const char* codec, QChar separator, QChar quote,
                                  QVector<CFelDelimTextRow>& rows)
{
    QTextCodec* pCodec = QTextCodec::codecForName(codec);
    if (!pCodec)
        return fail("readDelimited", tr("Unknown code page '%1'.").arg(QLatin1String(codec)));

    CFelDelimTextReader reader(separator, quote, m_limits);
    std::unique_ptr<QTextDecoder> pDecoder;
    QByteArray block(int(kReadBlock), Qt::Uninitialized);
    QString text;   // reused, so the decoded text costs no fresh memory per block
    for (;;) {
        const qint64 n = device->read(block.data(), kReadBlock);
        if (n < 0)
            return fail("readDelimited", tr("Error reading the file: %1").arg(device->errorString()));
        if (n == 0)
            break;
        if (!pDecoder) {
            // Like a text stream: a byte-order mark at the start overrides the code page.
            pCodec = QTextCodec::codecForUtfText(QByteArray::fromRawData(block.constData(), int(n)), pCodec);
            pDecoder.reset(pCodec->makeDecoder());
        }
        pDecoder->toUnicode(&text, block.constData(), int(n));
        if (!reader.feed(text.constData(), text.size(), rows))
            return fail("readDelimited", readerErrorText(reader, codec));
    }
    if (!reader.finish(rows))
        return fail("readDelimited", readerErrorText(reader, codec));
    return true;
}

QString CFelDelimTextModel::readerErrorText(const CFelDelimTextReader& reader, const char* codec) const
{
    const int line = reader.errorLine();
    switch (reader.error()) {
    case CFelDelimTextReader::ERR_TooManyColumns:
        return tr("Line %1 has more than %2 fields.").arg(line).arg(m_limits.nMaxColumns);
    case CFelDelimTextReader::ERR_FieldTooLong:
        return tr("A field in line %1 is longer than %2 characters.").arg(line).arg(m_limits.nMaxFieldLength);
    case CFelDelimTextReader::ERR_TooManyRows:
        return tr("The file has more than %1 rows.").arg(m_limits.nMaxRows);
    case CFelDelimTextReader::ERR_TooLarge:
        return tr("The file has more than %1 characters.").arg(m_limits.nMaxChars);
    case CFelDelimTextReader::ERR_NulCharacter:
        return tr("Line %1 contains a NUL character: the file is binary or not in the code page %2.")
            .arg(line).arg(QLatin1String(codec));
    case CFelDelimTextReader::ERR_UnclosedQuote:
        return tr("The quoted field that begins in line %1 is not closed before the end of the file.")
            .arg(line);
    case CFelDelimTextReader::ERR_None:
        break;
    }
    return QString();
}

bool CFelDelimTextModel::writeDelimited(QIODevice* device, bool bHeader, QChar separator, QChar quote,
                                        const char* codec)
{
    m_strError.clear();
    if (!device || !device->isWritable())
        return fail("writeDelimited", tr("The file is not open for writing."));
    QTextCodec* pCodec = QTextCodec::codecForName(codec);
    if (!pCodec)
        return fail("writeDelimited", tr("Unknown code page '%1'.").arg(QLatin1String(codec)));
    device->setTextModeEnabled(false);

    CFelDelimTextWriter writer(device, pCodec, separator, quote);
    bool ok = !bHeader || writer.writeRow(CFelDelimTextRow(m_header), m_nColumns);
    for (int r = 0; ok && r < m_rows.size(); ++r)
        ok = writer.writeRow(m_rows.at(r), m_nColumns);
    if (!writer.flush() || !ok)
        return fail("writeDelimited", tr("Error writing the file: %1").arg(device->errorString()));
    return true;
}

bool CFelDelimTextModel::fail(const char* operation, const QString& text)
{
    m_strError = text;
    qDebug().noquote() << QStringLiteral("CFelDelimTextModel::%1: %2").arg(QLatin1String(operation), text);
    return false;
}
