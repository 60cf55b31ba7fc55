#include "FelDelimTextReader.h"

namespace {

constexpr ushort kLineFeed = '\n';
constexpr ushort kCarriageReturn = '\r';
constexpr ushort kNul = 0;

} // namespace

CFelDelimTextReader::CFelDelimTextReader(QChar separator, QChar quote, const SLimits& limits)
    : m_separator(separator), m_quote(quote), m_limits(limits)
{
}

bool CFelDelimTextReader::feed(const QChar* pText, int nLength, QVector<CFelDelimTextRow>& rows)
{
    if (m_error != ERR_None)
        return false;
    m_nChars += nLength;
    if (m_nChars > m_limits.nMaxChars) {
        fail(ERR_TooLarge, m_nLine);
        return false;
    }
    const QChar* p = pText;
    const QChar* const pEnd = pText + nLength;
    while (p < pEnd && m_error == ERR_None) {
        if (m_bSkipLineFeed) {
            m_bSkipLineFeed = false;
            if (p->unicode() == kLineFeed) {
                ++p;
                continue;
            }
        }
        switch (m_state) {
        case ST_StartOfField: p = startOfField(p, rows); break;
        case ST_Unquoted:     p = unquoted(p, pEnd, rows); break;
        case ST_Quoted:       p = quoted(p, pEnd); break;
        case ST_QuoteSeen:    p = quoteSeen(p, rows); break;
        }
    }
    return m_error == ERR_None;
}

bool CFelDelimTextReader::finish(QVector<CFelDelimTextRow>& rows)
{
    if (m_error != ERR_None)
        return false;
    // A quote left open is harmless within one line ("x"y), but one that ran
    // over line ends has swallowed the rows after it.
    if (m_state == ST_Quoted && m_bQuotedLineEnd) {
        fail(ERR_UnclosedQuote, m_nQuoteLine);
        return false;
    }
    if (int(m_rowText.size()) > m_nFieldStart && !endField())
        return false;
    if (!m_rowEnds.empty())
        endRow(rows);
    m_state = ST_StartOfField;
    return m_error == ERR_None;
}

const QChar* CFelDelimTextReader::startOfField(const QChar* p, QVector<CFelDelimTextRow>& rows)
{
    const QChar c = *p;
    if (c == m_quote) {
        m_state = ST_Quoted;
        m_nQuoteLine = m_nLine;
        m_bQuotedLineEnd = false;
    } else if (c.unicode() == kCarriageReturn) {
        if (endField())
            endRow(rows);
        lineEnd(true);
    } else if (c.unicode() == kLineFeed) {
        endRow(rows);
        lineEnd(false);
    } else if (c == m_separator) {
        endField();
    } else if (c.unicode() == kNul) {
        fail(ERR_NulCharacter, m_nLine);
    } else {
        m_state = ST_Unquoted;
        return p;   // the unquoted scan takes this character
    }
    return p + 1;
}

const QChar* CFelDelimTextReader::unquoted(const QChar* p, const QChar* pEnd, QVector<CFelDelimTextRow>& rows)
{
    const QChar* q = p;
    while (q < pEnd) {
        const ushort c = q->unicode();
        if (c == kLineFeed || c == kCarriageReturn || c == kNul || *q == m_separator)
            break;
        ++q;
    }
    if (!addChars(p, int(q - p)) || q == pEnd)
        return q;
    const ushort c = q->unicode();
    if (c == kNul) {
        fail(ERR_NulCharacter, m_nLine);
    } else if (endField()) {
        m_state = ST_StartOfField;
        if (c == kCarriageReturn || c == kLineFeed) {
            endRow(rows);
            lineEnd(c == kCarriageReturn);
        }
    }
    return q + 1;
}

const QChar* CFelDelimTextReader::quoted(const QChar* p, const QChar* pEnd)
{
    const QChar* q = p;
    while (q < pEnd) {
        const ushort c = q->unicode();
        if (c == kLineFeed || c == kCarriageReturn || c == kNul || *q == m_quote)
            break;
        ++q;
    }
    if (!addChars(p, int(q - p)) || q == pEnd)
        return q;
    const ushort c = q->unicode();
    if (*q == m_quote) {
        m_state = ST_QuoteSeen;
    } else if (c == kNul) {
        fail(ERR_NulCharacter, m_nLine);
    } else {
        // Line ends inside quotes are data; a carriage return counts as a line feed.
        static const QChar lineFeed(kLineFeed);
        if (addChars(&lineFeed, 1)) {
            m_bQuotedLineEnd = true;
            lineEnd(c == kCarriageReturn);
        }
    }
    return q + 1;
}

const QChar* CFelDelimTextReader::quoteSeen(const QChar* p, QVector<CFelDelimTextRow>& rows)
{
    const QChar c = *p;
    if (c == m_quote) {
        if (addChars(p, 1))
            m_state = ST_Quoted;
    } else if (c.unicode() == kCarriageReturn || c.unicode() == kLineFeed) {
        if (endField())
            endRow(rows);
        m_state = ST_StartOfField;
        lineEnd(c.unicode() == kCarriageReturn);
    } else if (c == m_separator) {
        endField();
        m_state = ST_StartOfField;
    } else if (c.unicode() == kNul) {
        fail(ERR_NulCharacter, m_nLine);
    } else {
        // The quote before c was stray: it is dropped and the field goes on quoted.
        if (addChars(p, 1))
            m_state = ST_Quoted;
    }
    return p + 1;
}

bool CFelDelimTextReader::addChars(const QChar* p, int n)
{
    if (n == 0)
        return true;
    if (int(m_rowText.size()) - m_nFieldStart + qint64(n) > m_limits.nMaxFieldLength) {
        fail(ERR_FieldTooLong, m_nLine);
        return false;
    }
    m_rowText.insert(m_rowText.end(), p, p + n);
    return true;
}

bool CFelDelimTextReader::endField()
{
    if (int(m_rowEnds.size()) >= m_limits.nMaxColumns) {
        fail(ERR_TooManyColumns, m_nLine);
        return false;
    }
    m_nFieldStart = int(m_rowText.size());
    m_rowEnds.push_back(m_nFieldStart);
    return true;
}

void CFelDelimTextReader::endRow(QVector<CFelDelimTextRow>& rows)
{
    if (rows.size() >= m_limits.nMaxRows) {
        fail(ERR_TooManyRows, m_nLine);
        return;
    }
    rows.append(CFelDelimTextRow(m_rowText.data(), m_rowEnds.data(), int(m_rowEnds.size())));
    m_rowText.clear();
    m_rowEnds.clear();
    m_nFieldStart = 0;
}

void CFelDelimTextReader::lineEnd(bool bCarriageReturn)
{
    ++m_nLine;
    m_bSkipLineFeed = bCarriageReturn;
}

void CFelDelimTextReader::fail(EError error, int nLine)
{
    if (m_error != ERR_None)
        return;
    m_error = error;
    m_nErrorLine = nLine;
}
