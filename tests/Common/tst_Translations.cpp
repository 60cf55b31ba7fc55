#include "DataDict.h"
#include "DataDictData.h"
#include "TranslationInstaller.h"

#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The user texts of the device object and the value records, copied from their
// tables. Their classes translate them in these contexts.
const char* const DeviceTexts[] = {
    "Please connect your application via the USB cable.",
    "Checking for new devices...",
    "Unable to open COM port for %1.\nPlease switch your %2 off and then on again.",
    "%1 did not respond - ",
    "%1 did not respond! ",
    "%1 detected!",
    " The %1 did not (correctly) respond - ",
    "- The %1 responded with the wrong packet - ",
    "Unable to set startup mode for application.",
    "%1 did not (correctly) respond - ",
    "%1 did respond with the wrong packet - ",
    "Error sending data to %1.",
    "The update process failed. Please switch off your %1.\nThen switch in on again and retry the update.",
    "Number of Flash write cycles",
    "Total operating hours",
    "Filter operating hours",
    "Number of boot cycles",
    "Sensor supply temperature value",
    "Sensor outdoor temperature value",
    "Sensor outdoor humidity value",
    "Sensor exhaust temperature value",
    "Sensor extract temperature value",
    "Sensor extract humidity value",
    "Sensor CO2 value",
    "Comfort level",
    "An illegal instruction have been detected",
    "A Stack overflow have been detected",
    "The Watchdog has expired",
    "The SW version of the application prior to the current application",
    "The current SW version of the application",
    "The secondary log with 15 min  per log has been erased",
    "The secondary log with  1 day  per log has been erased",
    "The secondary log with 30 days per log has been erased",
    "Min. switch off temperature (de-icing)",
    "Min. exhaust temperature (de-icing)",
    "Fan supply characteristics based on pressure (FSC)",
    "Fan extract characteristics based on pressure (FEC)",
    "Fan communication FCA",
    "Fan communication FCF",
};

const char* const ValueTexts[] = {
    "Humidity reduction",
    "Humidity reduction (1st room)",
};

const QStringList SharedContexts = { "CDataDict", "CFanBase", "CFanValues" };

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void embeddedFiles();
    void defaultSearch_data();
    void defaultSearch();
    void germanInstalled();
    void englishReplacement();
    void removedOnDestruction();
    void everyCodeTextHasGerman();
    void everyTsEntryIsTranslated();

private:
    QTranslator m_german;
};

void tst_Translations::initTestCase()
{
    QVERIFY(CTranslationInstaller::loadCommon(m_german, QStringLiteral("de_DE")));
}

void tst_Translations::embeddedFiles()
{
    QVERIFY(QFile::exists(QStringLiteral(":/common_de.qm")));
    QVERIFY(QFile::exists(QStringLiteral(":/common_en.qm")));
}

void tst_Translations::defaultSearch_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("found");
    QTest::newRow("de_DE shortens to de") << "de_DE" << true;
    QTest::newRow("de_CH shortens to de") << "de_CH" << true;
    QTest::newRow("de")                   << "de" << true;
    QTest::newRow("en_US shortens to en") << "en_US" << true;
    QTest::newRow("fr_FR is missing")     << "fr_FR" << false;
    QTest::newRow("empty name")           << "" << false;
}

void tst_Translations::defaultSearch()
{
    QFETCH(QString, locale);
    QFETCH(bool, found);
    CTranslationInstaller translations({ QLatin1String(CTranslationInstaller::CommonBaseName) });
    QCOMPARE(translations.load(locale), found);
}

void tst_Translations::germanInstalled()
{
    CTranslationInstaller translations({ QLatin1String(CTranslationInstaller::CommonBaseName) });
    QVERIFY(translations.load(QStringLiteral("de_DE")));
    translations.install();
    const CDataDict dict(ECatalogueLanguage::German);
    QCOMPARE(dict.text(DDF_Pressure, CDataDict::TextDescription), QStringLiteral("Luftdruck"));
    QCOMPARE(dict.text(DDF_CO2Inp, CDataDict::TextDescription), QStringLiteral("CO2 Eintrag"));
    QCOMPARE(dict.text(DDF_FanRPM70, CDataDict::TextUnit), QStringLiteral("U/min"));
    QCOMPARE(dict.text(DDF_MinAir, CDataDict::TextDescription), QString::fromUtf8("Mindestlüftung"));
    QCOMPARE(QCoreApplication::translate("CFanBase", "Checking for new devices..."),
             QString::fromUtf8("Suche nach neuen Geräten..."));
    QCOMPARE(QCoreApplication::translate("CFanBase", "%1 detected!").arg(QStringLiteral("Zyvent100")),
             QStringLiteral("Zyvent100 erkannt!"));
    QCOMPARE(QCoreApplication::translate("CFanValues", "Humidity reduction"), QStringLiteral("Entfeuchtung"));
}

void tst_Translations::englishReplacement()
{
    CTranslationInstaller translations({ QLatin1String(CTranslationInstaller::CommonBaseName) });
    QVERIFY(translations.load(QStringLiteral("en_GB")));
    translations.install();
    const CDataDict dict(ECatalogueLanguage::English);
    QCOMPARE(dict.text(DDF_SupCO2UnCor70, CDataDict::TextAbbreviation), QStringLiteral("QSU"));
    QCOMPARE(dict.text(DDF_SupCO2UnCor70, CDataDict::TextAbbreviationRaw), QStringLiteral(" QSU"));
    QCOMPARE(dict.text(DDF_Pressure, CDataDict::TextDescription), QStringLiteral("Air pressure"));
}

void tst_Translations::removedOnDestruction()
{
    {
        CTranslationInstaller translations({ QLatin1String(CTranslationInstaller::CommonBaseName) });
        QVERIFY(translations.load(QStringLiteral("de")));
        translations.install();
        QCOMPARE(QCoreApplication::translate("CDataDict", "Air pressure"), QStringLiteral("Luftdruck"));
    }
    QCOMPARE(QCoreApplication::translate("CDataDict", "Air pressure"), QStringLiteral("Air pressure"));
}

void tst_Translations::everyCodeTextHasGerman()
{
    QStringList missing;
    auto check = [&](const char* context, const char* text) {
        if (text != nullptr && *text != '\0' && m_german.translate(context, text).isEmpty())
            missing << QStringLiteral("%1: \"%2\"").arg(QLatin1String(context), QString::fromUtf8(text));
    };
    for (const DataDictData::SRow& row : DataDictData::rows) {
        check("CDataDict", row.abbreviation);
        check("CDataDict", row.description);
        check("CDataDict", row.unit);
    }
    for (const char* text : DeviceTexts)
        check("CFanBase", text);
    for (const char* text : ValueTexts)
        check("CFanValues", text);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

void tst_Translations::everyTsEntryIsTranslated()
{
    // The .ts source also carries texts of classes built elsewhere; each entry of
    // the shared contexts must be a finished, non-empty German text.
    const QString path = QFINDTESTDATA("../../Common/translations/common_de.ts");
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QXmlStreamReader xml(&file);
    QString context, source;
    QStringList untranslated;
    int nChecked = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && SharedContexts.contains(context)) {
            const bool bUnfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            if (bUnfinished || xml.readElementText().isEmpty())
                untranslated << context + QLatin1String(": ") + source;
            ++nChecked;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(nChecked > 0);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_Translations.moc"
