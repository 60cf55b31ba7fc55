#ifndef FELDELIMTEXTMODEL_H
#define FELDELIMTEXTMODEL_H

// A table of strings read from or written to a delimited text (CSV) file:
// an optional header row and any number of data rows. The program's files use
// separator ";", the double quote as quote character, code page "ISO 8859-1",
// a header row and a line feed as line end; the defaults below are those.
//
// Rows may be shorter than the column count; missing fields read as invalid
// variants and are written as empty fields. The model is used in one thread
// at a time. Files are untrusted: reading checks the limits of
// CFelDelimTextReader::SLimits and refuses binary data and quotes that swallow
// the rest of the file; a failed read leaves the model as it was and says why
// in errorString().

#include "FelDelimTextReader.h"
#include "FelDelimTextRow.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class QIODevice;

class CFelDelimTextModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CFelDelimTextModel(QObject* pParent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // Display, edit and user role give the field as a string when it exists.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool insertColumns(int column, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeColumns(int column, int count, const QModelIndex& parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Stores value.toString() at an existing row and column, padding the row
    // with empty fields up to the column.
    bool setCell(int row, int column, const QVariant& value);
    // The field's text; a null string when the row has no such field.
    QString cell(int row, int column) const;
    // Appends a data row; the column count grows to fit it. The fast way to
    // fill a large model (one block per row instead of one edit per cell).
    void appendRow(const QStringList& fields);

    // Column of the first header text equal to name; -1 when the last read
    // file had no header row or no text matches.
    int headerIndex(const QString& name, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    // First row whose field in column equals text; -1 when none does.
    int findRow(const QString& text, int column, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    // Whether the last read file had a header row.
    bool hasHeader() const { return m_bHeader; }

    // Replaces the content with the file's rows (the first one is the header
    // when bHeader). The caller opens and closes the device. False when the
    // device is not readable, the code page is unknown, reading fails or the
    // file breaks a limit; the model then keeps its content.
    bool readDelimited(QIODevice* device, bool bHeader = true, QChar separator = QLatin1Char(';'),
                       QChar quote = QLatin1Char('"'), const char* codec = "ISO 8859-1");
    // Writes the header (when bHeader) and all rows. The caller opens and
    // closes the device. False when the device is not writable, the code page
    // is unknown or the device took less than it was given.
    bool writeDelimited(QIODevice* device, bool bHeader = true, QChar separator = QLatin1Char(';'),
                        QChar quote = QLatin1Char('"'), const char* codec = "ISO 8859-1");
    // Why the last read or write failed, for the user; empty after success.
    QString errorString() const { return m_strError; }

    void setReadLimits(const CFelDelimTextReader::SLimits& limits) { m_limits = limits; }
    const CFelDelimTextReader::SLimits& readLimits() const { return m_limits; }

private:
    static bool isTextRole(int role);
    bool readRows(QIODevice* device, const char* codec, QChar separator, QChar quote,
                  QVector<CFelDelimTextRow>& rows);
    QString readerErrorText(const CFelDelimTextReader& reader, const char* codec) const;
    bool fail(const char* operation, const QString& text);

    QStringList m_header;
    QVector<CFelDelimTextRow> m_rows;
    int m_nColumns = 0;
    bool m_bHeader = false;

    CFelDelimTextReader::SLimits m_limits;
    QString m_strError;
};

#endif // FELDELIMTEXTMODEL_H
