#ifndef TEXTCATALOGUE_H
#define TEXTCATALOGUE_H

// The fixed catalogue of 200 user texts, English and German, compiled into both
// programs: tab names, counter names, short error codes, dictionary texts and most
// texts of the update program. Its language follows the process's default locale
// at the moment of the call, independently of the installed translators.

#include <QString>

enum class ECatalogueLanguage { English, German };

constexpr int CatalogueSize = 200;

// German when the English name of the default locale's language is exactly "German".
ECatalogueLanguage catalogueLanguage();

// Entry nIndex (0..199) as zero-terminated UTF-8 in the language of the default
// locale. A null pointer for the six empty entries and for an index out of range.
const char* catalogueText(int nIndex);
const char* catalogueText(int nIndex, ECatalogueLanguage language);

// The same entry as a QString; empty where catalogueText gives a null pointer.
QString catalogueString(int nIndex);
QString catalogueString(int nIndex, ECatalogueLanguage language);

#endif // TEXTCATALOGUE_H
