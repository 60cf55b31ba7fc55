#include "TextCatalogue.h"

#include "TextCatalogueData.h"

#include <QLocale>

ECatalogueLanguage catalogueLanguage()
{
    // The language's English name, compared case-sensitively: only "German" selects
    // German, so Swiss or Austrian locales are German too and everything else English.
    const QLocale locale;
    return QLocale::languageToString(locale.language()) == QLatin1String("German")
        ? ECatalogueLanguage::German : ECatalogueLanguage::English;
}

const char* catalogueText(int nIndex, ECatalogueLanguage language)
{
    if (nIndex < 0 || nIndex >= CatalogueSize)
        return nullptr;
    return language == ECatalogueLanguage::German ? TextCatalogueData::german[nIndex]
                                                  : TextCatalogueData::english[nIndex];
}

const char* catalogueText(int nIndex)
{
    return catalogueText(nIndex, catalogueLanguage());
}

QString catalogueString(int nIndex, ECatalogueLanguage language)
{
    return QString::fromUtf8(catalogueText(nIndex, language));
}

QString catalogueString(int nIndex)
{
    return catalogueString(nIndex, catalogueLanguage());
}
