#ifndef FELDELIMTEXTROW_H
#define FELDELIMTEXTROW_H

// One row of a delimited text table, stored as a single block of memory.
//
// A year of minute values is half a million rows of some 40 short fields;
// as QStringLists that would be one heap block per field (over a gigabyte).
// Here a row is one QByteArray: a flag byte, the field count, the end offset
// of every field and then the text of all fields back to back, Latin-1 (one
// byte per character) unless a field needs more, then UTF-16. Offsets take
// 16 bits while the row's text fits, else 32. Field access decodes on demand.
// Rows share their block on copy (implicit sharing through QByteArray).

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QStringList>

class CFelDelimTextRow
{
public:
    CFelDelimTextRow() = default;
    explicit CFelDelimTextRow(const QStringList& fields);
    // Fields given as one text with the end offset of each field in it.
    CFelDelimTextRow(const QChar* pText, const int* pEnds, int nFields);

    int size() const;
    bool isEmpty() const { return m_data.isEmpty(); }

    // The field's text; a null string for an index outside the row.
    QString field(int i) const;
    bool fieldEquals(int i, const QString& text, Qt::CaseSensitivity cs) const;
    QStringList fields() const;
    // Whether every field is Latin-1; then latin1Field gives the stored bytes
    // without a copy (valid until the row changes).
    bool isLatin1() const { return !isWide(); }
    QLatin1String latin1Field(int i) const;

    // Stores text at i, padding the row with empty fields up to i.
    // Editing in place keeps the block's spare capacity, so filling a table
    // cell by cell, column after column, costs no allocation per cell.
    void setField(int i, const QString& text);
    // Inserts nCount empty fields at i (0 <= i <= size()).
    void insertFields(int i, int nCount);
    // Removes up to nCount fields from i; the count is cut at the row's end.
    void removeFields(int i, int nCount);

private:
    friend class CFelDelimTextRowBuilder;

    bool canEditInPlace(int i, const QString& text) const;
    void replaceInPlace(int i, const QString& text);
    void appendInPlace(int i, const QString& text);
    void putChars(int nChar, const QString& text);

    bool isWide() const;
    bool hasWideOffsets() const;
    int fieldEnd(int i) const;
    int fieldStart(int i) const { return i == 0 ? 0 : fieldEnd(i - 1); }
    int textLength() const;
    int textOffset() const;
    const uchar* textBytes() const;
    const uchar* base() const;

    QByteArray m_data;
};

Q_DECLARE_TYPEINFO(CFelDelimTextRow, Q_MOVABLE_TYPE);

#endif // FELDELIMTEXTROW_H
