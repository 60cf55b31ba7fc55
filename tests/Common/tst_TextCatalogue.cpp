#include "TextCatalogue.h"

#include <QLocale>
#include <QtTest>

// Expected texts are copied from the catalogue table, byte for byte.
class tst_TextCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void languageFollowsDefaultLocale_data();
    void languageFollowsDefaultLocale();
    void emptyEntries_data();
    void emptyEntries();
    void placeholdersOf163();
    void sample_data();
    void sample();

private:
    QLocale m_originalDefault;
};

void tst_TextCatalogue::initTestCase()
{
    m_originalDefault = QLocale();
}

void tst_TextCatalogue::cleanup()
{
    QLocale::setDefault(m_originalDefault);
}

void tst_TextCatalogue::languageFollowsDefaultLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("yes");
    QTest::addColumn<QByteArray>("no");
    QTest::newRow("de_DE")                  << QLocale("de_DE") << QByteArray("Ja")  << QByteArray("Nein");
    QTest::newRow("de_CH is German too")    << QLocale("de_CH") << QByteArray("Ja")  << QByteArray("Nein");
    QTest::newRow("de_AT is German too")    << QLocale("de_AT") << QByteArray("Ja")  << QByteArray("Nein");
    QTest::newRow("en_US")                  << QLocale("en_US") << QByteArray("Yes") << QByteArray("No");
    QTest::newRow("fr_FR")                  << QLocale("fr_FR") << QByteArray("Yes") << QByteArray("No");
    QTest::newRow("Swiss German is not German") << QLocale(QLocale::SwissGerman) << QByteArray("Yes") << QByteArray("No");
    QTest::newRow("C")                      << QLocale::c()     << QByteArray("Yes") << QByteArray("No");
}

void tst_TextCatalogue::languageFollowsDefaultLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, yes);
    QFETCH(QByteArray, no);
    QLocale::setDefault(locale);
    QCOMPARE(QByteArray(catalogueText(0)), yes);
    QCOMPARE(QByteArray(catalogueText(1)), no);
    QCOMPARE(catalogueString(1), QString::fromUtf8(no));
}

void tst_TextCatalogue::emptyEntries_data()
{
    QTest::addColumn<int>("index");
    for (int index : { 147, 148, 149, 158, 159, 161 })
        QTest::addRow("entry %d", index) << index;
    QTest::newRow("below the table") << -1;
    QTest::newRow("past the table") << 200;
}

void tst_TextCatalogue::emptyEntries()
{
    QFETCH(int, index);
    for (auto language : { ECatalogueLanguage::English, ECatalogueLanguage::German }) {
        QCOMPARE(catalogueText(index, language), static_cast<const char*>(nullptr));
        QVERIFY(catalogueString(index, language).isEmpty());
    }
}

void tst_TextCatalogue::placeholdersOf163()
{
    const QString text = catalogueString(163, ECatalogueLanguage::English);
    QCOMPARE(text.count(QStringLiteral("%1")), 2);
    QCOMPARE(text.count(QLatin1Char('\n')), 5);
    QCOMPARE(text.arg(QStringLiteral("Zyvent100")),
             QString::fromUtf8("The device needs to reboot in order to continue the update process.\n"
                               "Please press and hold the button until all LEDs are on and \n"
                               "off again.\n"
                               "Do not remove the USB cable.\n"
                               "Do not close this Update-Zyvent100 application.\n"
                               "After the Zyvent100 is switched on again, please press the button "
                               "\"Update Firmware\" again"));
}

void tst_TextCatalogue::sample_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("english");
    QTest::addColumn<QByteArray>("german");
    QTest::newRow("8 umlaut") << 8 << QByteArray("Detailed Information") << QByteArray("Geräte-Infos");
    QTest::newRow("9 degree sign") << 9 << QByteArray("Outside temperature below -22°C")
                                   << QByteArray("Außenluft unter -22°C");
    QTest::newRow("11 abbreviation") << 11 << QByteArray("TEX") << QByteArray("TAB");
    QTest::newRow("28") << 28 << QByteArray("Room area (minimal ventilation)")
                        << QByteArray("Raumfläche (Minimallüftung)");
    QTest::newRow("58 error code") << 58 << QByteArray("Err-FiOH") << QByteArray("Err-FiBZ");
    QTest::newRow("112") << 112 << QByteArray("System value flap extract air 2nd room - speed close")
                         << QByteArray("Systemwert Klappe Abluft - Zweitraum Geschw. schließen");
    QTest::newRow("129") << 129 << QByteArray("Available Software") << QByteArray("Verfügbare Software:");
    QTest::newRow("136 double blank") << 136
        << QByteArray("Your Zyvent device was successfully updated! \nPlease disconnect the USB cable and "
                      "switch the device off.  \nWait until all LEDs are off, only then switch on again.")
        << QByteArray("Ihr Zyvent Gerät wurde erfolgreich aktualisiert. \nBitte entfernen Sie nun das USB "
                      "Kabel und schalten Ihr Zyvent Gerät aus. \nWARTEN Sie, bis alle LEDs ausgegangen "
                      "sind.. Erst dann wieder einschalten!");
    QTest::newRow("152") << 152 << QByteArray("Serial number already set") << QByteArray("Seriennummer schon gesetz");
    QTest::newRow("154 trailing blank") << 154 << QByteArray("Updating firmware of your device ...")
                                        << QByteArray("Ihr Zyvent Gerät wird aktualisiert ... ");
    QTest::newRow("164 leading line feed") << 164
        << QByteArray("\nTo update it, press the button until all LEDs are on\nand are off again.\n")
        << QByteArray("\nUm Ihr Zyvent Gerät zu aktualisieren, schalten Sie es bitte aus und WARTEN Sie, "
                      "\nbis alle LEDs erlöschen. Erst dann wieder einschalten.");
    QTest::newRow("175") << 175
        << QByteArray("The update process failed. \nThe CRC is corrupted!\nPlease press and hold the button "
                      "until all LEDs are onand off again. Then try again.")
        << QByteArray("Der Updateprozess ist fehlgeschlagen. \nDie Checksumme ist korrupt!\nBitte drücken Sie "
                      "den Knopf und halten ihn, bis alle LEDs an-\nund ausgehen. Dann probieren Sie es noch "
                      "einmal.");
    QTest::newRow("192 as written") << 192 << QByteArray("Temperature sesnsor") << QByteArray("Temperatur-Sensor");
    QTest::newRow("199 last") << 199 << QByteArray("Address Kestrano Connect (optional)")
                              << QByteArray("Adresse Kestrano Connect (optional)");
}

void tst_TextCatalogue::sample()
{
    QFETCH(int, index);
    QFETCH(QByteArray, english);
    QFETCH(QByteArray, german);
    QCOMPARE(QByteArray(catalogueText(index, ECatalogueLanguage::English)), english);
    QCOMPARE(QByteArray(catalogueText(index, ECatalogueLanguage::German)), german);
}

QTEST_GUILESS_MAIN(tst_TextCatalogue)
#include "tst_TextCatalogue.moc"
