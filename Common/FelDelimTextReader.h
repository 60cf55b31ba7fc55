#ifndef FELDELIMTEXTREADER_H
#define FELDELIMTEXTREADER_H

// Splits decoded text into the rows and fields of a delimited text file.
//
// The text arrives in pieces of any size (the caller decodes the file in
// large blocks); the reader keeps its state between pieces, so a quote, a
// carriage return or a field may straddle two pieces. Row rules:
//  - line feed, carriage return and carriage return + line feed end a row;
//  - inside quotes the separator and line ends are data, a carriage return
//    (with a line feed right after it) becomes one line feed, and a doubled
//    quote is one quote; a quote inside an unquoted field is data; after a
//    closing quote any character other than separator, quote or line end is
//    added and the field continues as quoted (so "x"y reads as xy);
//  - an empty line ending in a line feed is a row without fields, a line
//    ending in separator + line feed drops the empty last field, while a
//    carriage return keeps it; at the end of the text an empty last field is
//    dropped and a row without any field does not exist.
//
// Files are untrusted, so the reader stops with an error instead of growing
// without bound or guessing: see SLimits and EError.

#include "FelDelimTextRow.h"

#include <QChar>
#include <QVector>
#include <vector>

class CFelDelimTextReader
{
public:
    // Bounds on what one file may hold. The defaults are far above any log
    // export (a year of minute values: 525 600 rows of about 40 fields of a
    // few characters) and keep a hostile file to about a gigabyte of memory.
    struct SLimits
    {
        int nMaxColumns = 16384;          // fields per row (Excel's own limit)
        int nMaxFieldLength = 1 << 20;    // characters per field
        int nMaxRows = 1 << 24;           // rows per file, header included
        qint64 nMaxChars = qint64(1) << 30; // characters per file
    };

    enum EError {
        ERR_None,
        ERR_TooManyColumns,   // a row has more than nMaxColumns fields
        ERR_FieldTooLong,     // a field has more than nMaxFieldLength characters
        ERR_TooManyRows,      // the file has more than nMaxRows rows
        ERR_TooLarge,         // the file has more than nMaxChars characters
        ERR_NulCharacter,     // a NUL character: binary data or a different encoding
        ERR_UnclosedQuote     // a quoted field runs over line ends to the end of the file
    };

    CFelDelimTextReader(QChar separator, QChar quote, const SLimits& limits);

    // Parses the next piece of text; complete rows are appended to rows.
    // Returns false once an error was found; the reader then ignores input.
    bool feed(const QChar* pText, int nLength, QVector<CFelDelimTextRow>& rows);
    // Ends the text: completes the last row if it has fields.
    bool finish(QVector<CFelDelimTextRow>& rows);

    EError error() const { return m_error; }
    // 1-based line of the file where the error was found (for an unclosed
    // quote: the line where the quoted field began).
    int errorLine() const { return m_nErrorLine; }

private:
    enum EState { ST_StartOfField, ST_Unquoted, ST_Quoted, ST_QuoteSeen };

    const QChar* startOfField(const QChar* p, QVector<CFelDelimTextRow>& rows);
    const QChar* unquoted(const QChar* p, const QChar* pEnd, QVector<CFelDelimTextRow>& rows);
    const QChar* quoted(const QChar* p, const QChar* pEnd);
    const QChar* quoteSeen(const QChar* p, QVector<CFelDelimTextRow>& rows);

    bool addChars(const QChar* p, int n);
    bool endField();
    void endRow(QVector<CFelDelimTextRow>& rows);
    void lineEnd(bool bCarriageReturn);
    void fail(EError error, int nLine);

    const QChar m_separator;
    const QChar m_quote;
    const SLimits m_limits;

    EState m_state = ST_StartOfField;
    bool m_bSkipLineFeed = false;      // a carriage return was the last character
    bool m_bQuotedLineEnd = false;     // the open quoted field holds a line end
    int m_nLine = 1;
    int m_nQuoteLine = 0;              // line where the open quoted field began
    qint64 m_nChars = 0;
    int m_nFieldStart = 0;             // start of the current field in m_rowText
    std::vector<QChar> m_rowText;      // the current row's fields back to back
    std::vector<int> m_rowEnds;        // end of each completed field in m_rowText
    EError m_error = ERR_None;
    int m_nErrorLine = 0;
};

#endif // FELDELIMTEXTREADER_H
