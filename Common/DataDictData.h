#ifndef DATADICTDATA_H
#define DATADICTDATA_H

// The rows behind CDataDict, one per field index. Literal texts are marked for
// lupdate in context "CDataDict"; the others name an entry of the text catalogue.

#include "DataDictField.h"

namespace DataDictData {

struct SRow {
    const char* key;
    const char* column;          // "" for a field that is never stored
    int dataType;                // CDataDict::EDataType
    int tableMask;               // CDataDict::ETableMask bits
    int colorGroup;
    bool curve;
    const char* abbreviation;    // literal; nullptr when abbreviationText names it
    int abbreviationText;        // catalogue index, or -1
    const char* description;     // literal ("" for none); nullptr when descriptionText names it
    int descriptionText;         // catalogue index, or -1
    const char* unit;            // literal; "" for a field without unit
};

extern const SRow rows[DDF_Count];

} // namespace DataDictData

#endif // DATADICTDATA_H
