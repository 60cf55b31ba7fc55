#ifndef TEXTCATALOGUEDATA_H
#define TEXTCATALOGUEDATA_H

// The two tables behind catalogueText(); read through TextCatalogue.h.

#include "TextCatalogue.h"

namespace TextCatalogueData {

// UTF-8 texts indexed 0..199; nullptr marks an entry without text.
extern const char* const english[CatalogueSize];
extern const char* const german[CatalogueSize];

} // namespace TextCatalogueData

#endif // TEXTCATALOGUEDATA_H
