#ifndef DATADICT_H
#define DATADICT_H

// The field dictionary: for every field index 0..141 its key, translated
// description, abbreviation, unit, database column, storage type, log tables,
// curve colour group and curve flag. Database schema, table headers, CSV headers,
// diagram curves and page labels all come from here.
//
// Built once on the first instance() call, in the UI thread during start-up and
// after the translators are installed; afterwards it is only read, from any thread.

#include "DataDictField.h"
#include "TextCatalogue.h"

#include <QColor>
#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>

class CDataDict : public QObject
{
    Q_OBJECT

public:
    enum ETextKind {
        TextDescription = 0,     // translated when the dictionary is built
        TextAbbreviation = 1,    // passed through the translator at each call
        TextAbbreviationRaw = 2, // as stored, untranslated
        TextUnit = 3,            // translated when the dictionary is built
        TextColumn = 4           // database column; the same in every language
    };

    enum EDataType { DT_None = 0, DT_Int = 1, DT_Real = 2, DT_Flag = 3, DT_Text = 4 };

    // Table bits; a table's id is its bit. Bit 4 is not used.
    enum ETableMask {
        TM_ValueLogs = 1,    // "ValueLogs": minute values, 100 family
        TM_SecLogs = 2,      // "SecLogs": secondary logs, 100 family
        TM_ValueLogs70 = 8,  // "ValueLogs70"
        TM_SecLogs70 = 16    // "SecLogs70"
    };

    // The count of fields; fieldIndex() returns it for an unknown key.
    static constexpr int FieldCount = DDF_Count;

    // One column of a log table as the database creates it.
    struct SColumn {
        int nDataDictField;
        QString name;     // the TextColumn text
        QString sqlType;  // "int", "real" or "text"
    };

    // The process-wide dictionary, built in the catalogue language of the default
    // locale with the translators installed at the first call. Never freed.
    static CDataDict* instance();

    // A dictionary of its own, for a caller that needs another catalogue language
    // than the process's (tests, tools). Translated texts use the installed translators.
    explicit CDataDict(ECatalogueLanguage language, QObject* parent = nullptr);

    // With bBrackets the text comes back in parentheses: "(°C)". Empty for a field
    // outside 0..141 or an unknown kind, also with bBrackets.
    QString text(int nDataDictField, ETextKind kind, bool bBrackets = false) const;

    // 0 (false) for a field outside 0..141.
    int dataType(int nDataDictField) const;
    int tableMask(int nDataDictField) const;
    int colorGroup(int nDataDictField) const;
    bool isCurve(int nDataDictField) const;

    // FieldCount (142) when the key is not in the dictionary.
    int fieldIndex(const QString& key) const;

    // "int" for DT_Int and DT_Flag, "real" for DT_Real, "text" for DT_Text, else empty.
    static QString sqlType(int nDataType);

    // The key fields of a table, in key order: LogTimestamp, LTS (secondary logs
    // only) and SNR. Empty for a table id that is not one of the four bits.
    QVector<int> keyFields(int nTableId) const;

    // The columns of a table: every field whose table mask has the table's bit and
    // which has a column. The key columns come first (the table is created with
    // them), then the others in ascending field index, which is also the order in
    // which an upgrade adds missing columns.
    QVector<SColumn> tableColumns(int nTableId) const;

private:
    struct SDataDictEntry {
        QString description;
        QString unit;
        const char* abbreviation; // a literal or a catalogue entry; UTF-8
        QString column;
        int dataType;
        int tableMask;
        int colorGroup;
        bool curve;
    };

    const SDataDictEntry* entry(int nDataDictField) const;
    QString plainText(const SDataDictEntry& e, ETextKind kind) const;

    QVector<SDataDictEntry> m_Entries;
    QHash<QString, int> m_FieldIndex;
};

// The curve colour of a colour group: 1 supply air, 2 extract air, 3 outdoor air,
// 4 exhaust air, 5 other; black for any other group. Always opaque.
QColor colorForGroup(int group);

#endif // DATADICT_H
