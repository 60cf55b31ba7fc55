#ifndef FELDELIMTEXTWRITER_H
#define FELDELIMTEXTWRITER_H

// Writes rows of a delimited text file to a device, encoded in a code page.
//
// A field is put between quotes, with every quote in it doubled, when it
// holds the separator, the quote, a line feed or a carriage return (a bare
// carriage return would end the row when the file is read back). A row
// shorter than the column count gets one separator per missing field; every
// row ends with a single line feed. Text is collected and encoded in large
// blocks; characters the code page lacks become '?'.

#include "FelDelimTextRow.h"

#include <QString>

#include <memory>

class QIODevice;
class QTextCodec;
class QTextEncoder;

class CFelDelimTextWriter
{
public:
    // The device must be open for writing; the writer does not own it.
    CFelDelimTextWriter(QIODevice* pDevice, QTextCodec* pCodec, QChar separator, QChar quote);
    ~CFelDelimTextWriter();

    bool writeRow(const CFelDelimTextRow& row, int nColumns);
    // Writes what is still buffered. False when the device took less than given.
    bool flush();

private:
    void appendField(const QString& field);
    void appendField(QLatin1String field);

    QIODevice* m_pDevice;
    std::unique_ptr<QTextEncoder> m_pEncoder;
    const QChar m_separator;
    const QChar m_quote;
    QString m_buffer;
    bool m_bOk = true;
};

#endif // FELDELIMTEXTWRITER_H
