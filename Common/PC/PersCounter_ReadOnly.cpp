#include "PC/PersCounter_ReadOnly.h"

#include "TextCatalogue.h"

#include <QCoreApplication>
#include <iterator>

namespace {

// A counter's name is either an English text of the device object's
// translation context or an entry of the text catalogue; neither: no name.
struct SCounterName {
    const char* pszText;
    int nCatalogue;
};

constexpr SCounterName Text(const char* pszText) { return { pszText, -1 }; }
constexpr SCounterName Catalogue(int nIndex) { return { nullptr, nIndex }; }
constexpr SCounterName None() { return { nullptr, -1 }; }

// The double blanks of 35 and 36 belong to the texts.
const SCounterName kNames[] = {
    /*  0 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Number of Flash write cycles")),
    /*  1 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Total operating hours")),
    /*  2 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Filter operating hours")),
    /*  3 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Number of boot cycles")),
    /*  4 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Sensor supply temperature value")),
    /*  5 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Sensor outdoor temperature value")),
    /*  6 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Sensor outdoor humidity value")),
    /*  7 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Sensor exhaust temperature value")),
    /*  8 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Sensor extract temperature value")),
    /*  9 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Sensor extract humidity value")),
    /* 10 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Sensor CO2 value")),
    /* 11 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Comfort level")),
    /* 12 */ Catalogue(75), Catalogue(76), Catalogue(77), Catalogue(78), Catalogue(79),
    /* 17 */ Catalogue(80), Catalogue(81), Catalogue(82), Catalogue(83), Catalogue(87),
    /* 22 */ Catalogue(85), Catalogue(86), Catalogue(84), Catalogue(90), Catalogue(91),
    /* 27 */ Catalogue(88), Catalogue(92), Catalogue(93),
    /* 30 */ Text(QT_TRANSLATE_NOOP("CFanBase", "An illegal instruction have been detected")),
    /* 31 */ Text(QT_TRANSLATE_NOOP("CFanBase", "A Stack overflow have been detected")),
    /* 32 */ Text(QT_TRANSLATE_NOOP("CFanBase", "The Watchdog has expired")),
    /* 33 */ Text(QT_TRANSLATE_NOOP("CFanBase", "The SW version of the application prior to the current application")),
    /* 34 */ Text(QT_TRANSLATE_NOOP("CFanBase", "The current SW version of the application")),
    /* 35 */ Text(QT_TRANSLATE_NOOP("CFanBase", "The secondary log with 15 min  per log has been erased")),
    /* 36 */ Text(QT_TRANSLATE_NOOP("CFanBase", "The secondary log with  1 day  per log has been erased")),
    /* 37 */ Text(QT_TRANSLATE_NOOP("CFanBase", "The secondary log with 30 days per log has been erased")),
    /* 38 */ Catalogue(89),
    /* 39 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Min. switch off temperature (de-icing)")),
    /* 40 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Min. exhaust temperature (de-icing)")),
    /* 41 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Fan supply characteristics based on pressure (FSC)")),
    /* 42 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Fan extract characteristics based on pressure (FEC)")),
    /* 43 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Fan communication FCA")),
    /* 44 */ Text(QT_TRANSLATE_NOOP("CFanBase", "Fan communication FCF")),
    /* 45 */ None(), None(), None(), None(), None(),
    // Flap statistics: extract, second room, supply, bypass for each quantity.
    /* 50 */ Catalogue(95), Catalogue(99), Catalogue(103), Catalogue(107), Catalogue(111), Catalogue(115),
    /* 56 */ Catalogue(96), Catalogue(100), Catalogue(104), Catalogue(108), Catalogue(112), Catalogue(116),
    /* 62 */ Catalogue(97), Catalogue(101), Catalogue(105), Catalogue(109), Catalogue(113), Catalogue(117),
    /* 68 */ Catalogue(98), Catalogue(102), Catalogue(106), Catalogue(110), Catalogue(114), Catalogue(118),
};
static_assert(std::size(kNames) == CPersCounter_ReadOnly::NamedCount, "one name per counter 0 to 73");

} // namespace

QString CPersCounter_ReadOnly::name(int nId)
{
    if (nId < 0 || nId >= NamedCount)
        return QString();
    const SCounterName& entry = kNames[nId];
    if (entry.pszText)
        return QCoreApplication::translate("CFanBase", entry.pszText);
    if (entry.nCatalogue >= 0)
        return catalogueString(entry.nCatalogue);
    return QString();
}
