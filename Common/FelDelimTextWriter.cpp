#include "FelDelimTextWriter.h"

#include <QIODevice>
#include <QTextCodec>

namespace {

// Characters collected before one encode-and-write step.
constexpr int kFlushChars = 1 << 18;

} // namespace

CFelDelimTextWriter::CFelDelimTextWriter(QIODevice* pDevice, QTextCodec* pCodec, QChar separator, QChar quote)
    : m_pDevice(pDevice),
      // No byte-order mark: the file holds the rows and nothing else.
      m_pEncoder(pCodec->makeEncoder(QTextCodec::IgnoreHeader)),
      m_separator(separator),
      m_quote(quote)
{
    m_buffer.reserve(kFlushChars + 1024);
}

CFelDelimTextWriter::~CFelDelimTextWriter() = default;

bool CFelDelimTextWriter::writeRow(const CFelDelimTextRow& row, int nColumns)
{
    const int n = row.size();
    const bool latin1 = row.isLatin1();
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            m_buffer.append(m_separator);
        if (latin1)
            appendField(row.latin1Field(i));
        else
            appendField(row.field(i));
    }
    // An empty row has no first field to stand before the first separator.
    for (int i = qMax(n, 1); i < nColumns; ++i)
        m_buffer.append(m_separator);
    m_buffer.append(QLatin1Char('\n'));
    if (m_buffer.size() >= kFlushChars)
        return flush();
    return m_bOk;
}

bool CFelDelimTextWriter::flush()
{
    if (m_bOk && !m_buffer.isEmpty()) {
        const QByteArray bytes = m_pEncoder->fromUnicode(m_buffer);
        m_bOk = m_pDevice->write(bytes) == bytes.size();
    }
    m_buffer.resize(0);
    return m_bOk;
}

// Most fields of a log need no quotes: those go from the row's Latin-1 block
// into the buffer without a QString of their own.
void CFelDelimTextWriter::appendField(QLatin1String field)
{
    for (const char c : field) {
        const QChar ch = QLatin1Char(c);
        if (ch == m_separator || ch == m_quote || c == '\n' || c == '\r') {
            appendField(QString(field));
            return;
        }
    }
    m_buffer.append(field);
}

void CFelDelimTextWriter::appendField(const QString& field)
{
    bool needsQuotes = false;
    for (const QChar c : field) {
        if (c == m_separator || c == m_quote || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes) {
        m_buffer.append(field);
        return;
    }
    m_buffer.append(m_quote);
    for (const QChar c : field) {
        if (c == m_quote)
            m_buffer.append(m_quote);
        m_buffer.append(c);
    }
    m_buffer.append(m_quote);
}
