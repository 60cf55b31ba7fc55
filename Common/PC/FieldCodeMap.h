#ifndef FIELDCODEMAP_H
#define FIELDCODEMAP_H

// Enumerated device codes (operation mode, program, error state) are shown and
// stored through the field dictionary: each code maps onto the field index of an
// enumeration member, and that field's texts are the code's texts. A code beyond
// the end of a table maps onto -1, whose texts are empty.

#include "DataDict.h"

#include <QString>
#include <cstddef>

namespace FieldCodeMap {

template <std::size_t N>
int field(const int (&table)[N], int nCode)
{
    return nCode >= 0 && nCode < int(N) ? table[nCode] : -1;
}

// The dictionary's abbreviation, translated at the time of the call.
inline QString abbreviation(int nDataDictField)
{
    return CDataDict::instance()->text(nDataDictField, CDataDict::TextAbbreviation);
}

inline QString description(int nDataDictField)
{
    return CDataDict::instance()->text(nDataDictField, CDataDict::TextDescription);
}

} // namespace FieldCodeMap

#endif // FIELDCODEMAP_H
