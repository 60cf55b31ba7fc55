#include "DataDict.h"

#include "DataDictData.h"

#include <QCoreApplication>

namespace {

const char* const DictContext = "CDataDict";

QString translated(const char* literal)
{
    // An empty literal has nothing to translate and must not hit the translators.
    if (literal == nullptr || *literal == '\0')
        return QString();
    return QCoreApplication::translate(DictContext, literal);
}

QString catalogueOrTranslated(const char* literal, int nCatalogueIndex, ECatalogueLanguage language)
{
    return nCatalogueIndex >= 0 ? catalogueString(nCatalogueIndex, language) : translated(literal);
}

} // namespace

CDataDict* CDataDict::instance()
{
    // Thread-safe initialisation; the dictionary stays reachable until the process
    // ends, so it is deliberately never freed.
    static CDataDict* const s_pInstance = new CDataDict(catalogueLanguage());
    return s_pInstance;
}

CDataDict::CDataDict(ECatalogueLanguage language, QObject* parent)
    : QObject(parent)
{
    m_Entries.reserve(FieldCount);
    m_FieldIndex.reserve(FieldCount);
    for (int i = 0; i < FieldCount; ++i) {
        const DataDictData::SRow& row = DataDictData::rows[i];
        m_FieldIndex.insert(QString::fromLatin1(row.key), i);
        SDataDictEntry e;
        e.description = catalogueOrTranslated(row.description, row.descriptionText, language);
        e.unit = translated(row.unit);
        e.abbreviation = row.abbreviationText >= 0 ? catalogueText(row.abbreviationText, language)
                                                   : row.abbreviation;
        e.column = QString::fromLatin1(row.column);
        e.dataType = row.dataType;
        e.tableMask = row.tableMask;
        e.colorGroup = row.colorGroup;
        e.curve = row.curve;
        m_Entries.append(e);
    }
}

const CDataDict::SDataDictEntry* CDataDict::entry(int nDataDictField) const
{
    if (nDataDictField < 0 || nDataDictField >= m_Entries.size())
        return nullptr;
    return &m_Entries.at(nDataDictField);
}

QString CDataDict::plainText(const SDataDictEntry& e, ETextKind kind) const
{
    switch (kind) {
    case TextDescription:
        return e.description;
    case TextAbbreviation:
        // Translated at each call: literal abbreviations follow a translator loaded
        // later; catalogue abbreviations have no entry and keep their build language.
        return translated(e.abbreviation);
    case TextAbbreviationRaw:
        return QString::fromUtf8(e.abbreviation);
    case TextUnit:
        return e.unit;
    case TextColumn:
        return e.column;
    }
    return QString();
}

QString CDataDict::text(int nDataDictField, ETextKind kind, bool bBrackets) const
{
    const SDataDictEntry* e = entry(nDataDictField);
    if (e == nullptr || kind < TextDescription || kind > TextColumn)
        return QString();
    const QString result = plainText(*e, kind);
    return bBrackets ? QStringLiteral("(%1)").arg(result) : result;
}

int CDataDict::dataType(int nDataDictField) const
{
    const SDataDictEntry* e = entry(nDataDictField);
    return e ? e->dataType : 0;
}

int CDataDict::tableMask(int nDataDictField) const
{
    const SDataDictEntry* e = entry(nDataDictField);
    return e ? e->tableMask : 0;
}

int CDataDict::colorGroup(int nDataDictField) const
{
    const SDataDictEntry* e = entry(nDataDictField);
    return e ? e->colorGroup : 0;
}

bool CDataDict::isCurve(int nDataDictField) const
{
    const SDataDictEntry* e = entry(nDataDictField);
    return e ? e->curve : false;
}

int CDataDict::fieldIndex(const QString& key) const
{
    return m_FieldIndex.value(key, FieldCount);
}

QString CDataDict::sqlType(int nDataType)
{
    switch (nDataType) {
    case DT_Int:
    case DT_Flag:
        return QStringLiteral("int");
    case DT_Real:
        return QStringLiteral("real");
    case DT_Text:
        return QStringLiteral("text");
    default:
        return QString();
    }
}

QVector<int> CDataDict::keyFields(int nTableId) const
{
    QVector<int> keys;
    if (nTableId != TM_ValueLogs && nTableId != TM_SecLogs
        && nTableId != TM_ValueLogs70 && nTableId != TM_SecLogs70)
        return keys;
    // Rows are told apart by their time, their span (secondary logs) and their unit.
    for (int field : { DDF_LogTimestamp, DDF_LogEntryTimeSpan, DDF_SerialNumber }) {
        if ((tableMask(field) & nTableId) != 0)
            keys.append(field);
    }
    return keys;
}

QVector<CDataDict::SColumn> CDataDict::tableColumns(int nTableId) const
{
    const QVector<int> keys = keyFields(nTableId);
    QVector<SColumn> columns;
    if (keys.isEmpty())
        return columns;
    QVector<int> fields = keys;
    for (int i = 0; i < FieldCount; ++i) {
        if ((tableMask(i) & nTableId) != 0 && !keys.contains(i))
            fields.append(i);
    }
    for (int field : fields) {
        const SDataDictEntry& e = m_Entries.at(field);
        if (!e.column.isEmpty())
            columns.append({ field, e.column, sqlType(e.dataType) });
    }
    return columns;
}

QColor colorForGroup(int group)
{
    switch (group) {
    case 1: return QColor(128, 0, 0);
    case 2: return QColor(128, 128, 0);
    case 3: return QColor(0, 128, 0);
    case 4: return QColor(196, 160, 96);
    case 5: return QColor(249, 169, 49);
    default: return QColor(0, 0, 0);
    }
}
