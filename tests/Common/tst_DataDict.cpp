#include "DataDict.h"
#include "TranslationInstaller.h"

#include <QtTest>

#include <memory>

// Expected values are copied from the field tables; German texts from common_de.ts.
class tst_DataDict : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fieldIndex_data();
    void fieldIndex();
    void text_data();
    void text();
    void members_data();
    void members();
    void abbreviationLanguage_data();
    void abbreviationLanguage();
    void literalAbbreviationFollowsLaterTranslator();
    void colorForGroup_data();
    void colorForGroup();
    void instanceIsBuiltOnce();

private:
    std::unique_ptr<CDataDict> m_pDict;
};

void tst_DataDict::initTestCase()
{
    // instance() takes the catalogue language from the default locale on first use.
    QLocale::setDefault(QLocale::c());
    m_pDict = std::make_unique<CDataDict>(ECatalogueLanguage::English);
}

void tst_DataDict::fieldIndex_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");
    QTest::newRow("first")                  << "LogTimestamp" << 0;
    QTest::newRow("last")                   << "NoCO2Sensor" << 141;
    QTest::newRow("enumeration member")     << "ERR_Wlan" << 119;
    QTest::newRow("same column, 70 family") << "SupplyTemp70" << 38;
    QTest::newRow("same column, 100 family") << "SupplyTemp" << 46;
    QTest::newRow("missing")                << "NoSuchField" << 142;
    QTest::newRow("case matters")           << "logtimestamp" << 142;
    QTest::newRow("column is no key")       << "TET" << 142;
    QTest::newRow("empty")                  << "" << 142;
}

void tst_DataDict::fieldIndex()
{
    QFETCH(QString, key);
    QFETCH(int, index);
    QCOMPARE(m_pDict->fieldIndex(key), index);
    QCOMPARE(CDataDict::FieldCount, 142);
}

void tst_DataDict::text_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("brackets");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unit % in brackets")    << 39 << int(CDataDict::TextUnit) << true << "(%)";
    QTest::newRow("unit °C")               << 37 << int(CDataDict::TextUnit) << false << QString::fromUtf8("°C");
    QTest::newRow("unit °C in brackets")   << 37 << int(CDataDict::TextUnit) << true << QString::fromUtf8("(°C)");
    QTest::newRow("unit m²")               << 31 << int(CDataDict::TextUnit) << false << QString::fromUtf8("m²");
    QTest::newRow("no unit")               << 0 << int(CDataDict::TextUnit) << false << "";
    QTest::newRow("column of 50")          << 50 << int(CDataDict::TextColumn) << false << "PRS";
    QTest::newRow("abbreviation of 50")    << 50 << int(CDataDict::TextAbbreviation) << false << "APR";
    QTest::newRow("abbreviation in brackets") << 49 << int(CDataDict::TextAbbreviation) << true << "(TEH)";
    QTest::newRow("never stored")          << 40 << int(CDataDict::TextColumn) << false << "";
    QTest::newRow("leading blank kept")    << 121 << int(CDataDict::TextAbbreviationRaw) << false << " QSU";
    QTest::newRow("literal description")   << 50 << int(CDataDict::TextDescription) << false << "Air pressure";
    QTest::newRow("catalogue description") << 26 << int(CDataDict::TextDescription) << false
                                           << QString::fromUtf8("Outside temperature below -22°C");
    QTest::newRow("double blank kept")     << 121 << int(CDataDict::TextDescription) << false
                                           << "Supply air quality  (uncor.)";
    QTest::newRow("empty description")     << 62 << int(CDataDict::TextDescription) << false << "";
    QTest::newRow("field 142")             << 142 << int(CDataDict::TextDescription) << false << "";
    QTest::newRow("field 142 in brackets") << 142 << int(CDataDict::TextUnit) << true << "";
    QTest::newRow("field -1 in brackets")  << -1 << int(CDataDict::TextColumn) << true << "";
    QTest::newRow("kind 5 in brackets")    << 37 << 5 << true << "";
    QTest::newRow("kind -1")               << 37 << -1 << false << "";
}

void tst_DataDict::text()
{
    QFETCH(int, field);
    QFETCH(int, kind);
    QFETCH(bool, brackets);
    QFETCH(QString, expected);
    QCOMPARE(m_pDict->text(field, CDataDict::ETextKind(kind), brackets), expected);
}

void tst_DataDict::members_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("dataType");
    QTest::addColumn<int>("tableMask");
    QTest::addColumn<int>("colorGroup");
    QTest::addColumn<bool>("curve");
    QTest::newRow("0 LogTimestamp")       << 0 << int(CDataDict::DT_Int) << 27 << 5 << false;
    QTest::newRow("2 text column")        << 2 << int(CDataDict::DT_Text) << 9 << 5 << false;
    QTest::newRow("23 enumeration member") << 23 << int(CDataDict::DT_None) << 0 << 1 << false;
    QTest::newRow("37 curve, all tables") << 37 << int(CDataDict::DT_Real) << 27 << 2 << true;
    QTest::newRow("49 exhaust group")     << 49 << int(CDataDict::DT_Real) << 3 << 4 << true;
    QTest::newRow("51 computed")          << 51 << int(CDataDict::DT_Real) << 3 << 5 << true;
    QTest::newRow("70 only SecLogs70")    << 70 << int(CDataDict::DT_Int) << 16 << 5 << false;
    QTest::newRow("141 flag")             << 141 << int(CDataDict::DT_Flag) << 3 << 5 << false;
    QTest::newRow("142 outside")          << 142 << 0 << 0 << 0 << false;
    QTest::newRow("-1 outside")           << -1 << 0 << 0 << 0 << false;
}

void tst_DataDict::members()
{
    QFETCH(int, field);
    QFETCH(int, dataType);
    QFETCH(int, tableMask);
    QFETCH(int, colorGroup);
    QFETCH(bool, curve);
    QCOMPARE(m_pDict->dataType(field), dataType);
    QCOMPARE(m_pDict->tableMask(field), tableMask);
    QCOMPARE(m_pDict->colorGroup(field), colorGroup);
    QCOMPARE(m_pDict->isCurve(field), curve);
}

void tst_DataDict::abbreviationLanguage_data()
{
    QTest::addColumn<bool>("germanCatalogue");
    QTest::addColumn<bool>("germanTranslator");
    QTest::addColumn<QString>("field37");
    QTest::addColumn<QString>("field0");
    QTest::addColumn<QString>("description37");
    QTest::newRow("English, untranslated")           << false << false << "TEX" << "TIM" << "Temperature extract air";
    QTest::newRow("German catalogue, untranslated")  << true  << false << "TAB" << "TIM" << "Temperatur Abluft";
    QTest::newRow("German catalogue and translator") << true  << true  << "TAB" << "ZST" << "Temperatur Abluft";
    // Catalogue texts follow the locale, not the translator (the "l" option case).
    QTest::newRow("English catalogue, German translator") << false << true << "TEX" << "ZST"
                                                          << "Temperature extract air";
}

void tst_DataDict::abbreviationLanguage()
{
    QFETCH(bool, germanCatalogue);
    QFETCH(bool, germanTranslator);
    QFETCH(QString, field37);
    QFETCH(QString, field0);
    QFETCH(QString, description37);
    CTranslationInstaller translations({ QLatin1String(CTranslationInstaller::CommonBaseName) });
    if (germanTranslator) {
        QVERIFY(translations.load(QStringLiteral("de_DE")));
        translations.install();
    }
    const CDataDict dict(germanCatalogue ? ECatalogueLanguage::German : ECatalogueLanguage::English);
    QCOMPARE(dict.text(37, CDataDict::TextAbbreviation), field37);
    QCOMPARE(dict.text(37, CDataDict::TextAbbreviationRaw), field37);
    QCOMPARE(dict.text(0, CDataDict::TextAbbreviation), field0);
    QCOMPARE(dict.text(0, CDataDict::TextAbbreviationRaw), QStringLiteral("TIM"));
    QCOMPARE(dict.text(37, CDataDict::TextDescription), description37);
}

void tst_DataDict::literalAbbreviationFollowsLaterTranslator()
{
    const CDataDict dict(ECatalogueLanguage::English);
    CTranslationInstaller translations({ QLatin1String(CTranslationInstaller::CommonBaseName) });
    QVERIFY(translations.load(QStringLiteral("de")));
    translations.install();
    // Abbreviations are translated per call, descriptions and units once at build time.
    QCOMPARE(dict.text(50, CDataDict::TextAbbreviation), QStringLiteral("LDR"));
    QCOMPARE(dict.text(50, CDataDict::TextDescription), QStringLiteral("Air pressure"));
    QCOMPARE(dict.text(33, CDataDict::TextUnit), QStringLiteral("1/min"));
}

void tst_DataDict::colorForGroup_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QColor>("color");
    QTest::newRow("0 black")         << 0 << QColor(0, 0, 0);
    QTest::newRow("1 supply air")    << 1 << QColor(128, 0, 0);
    QTest::newRow("2 extract air")   << 2 << QColor(128, 128, 0);
    QTest::newRow("3 outdoor air")   << 3 << QColor(0, 128, 0);
    QTest::newRow("4 exhaust air")   << 4 << QColor(196, 160, 96);
    QTest::newRow("5 other")         << 5 << QColor(249, 169, 49);
    QTest::newRow("6 black")         << 6 << QColor(0, 0, 0);
    QTest::newRow("-1 black")        << -1 << QColor(0, 0, 0);
}

void tst_DataDict::colorForGroup()
{
    QFETCH(int, group);
    QFETCH(QColor, color);
    const QColor actual = ::colorForGroup(group);
    QCOMPARE(actual.rgba(), color.rgba());
    QCOMPARE(actual.alpha(), 255);
}

void tst_DataDict::instanceIsBuiltOnce()
{
    CDataDict* pFirst = CDataDict::instance();
    QVERIFY(pFirst != nullptr);
    QCOMPARE(CDataDict::instance(), pFirst);
    // Built under the C locale: English catalogue texts.
    QCOMPARE(pFirst->text(37, CDataDict::TextAbbreviationRaw), QStringLiteral("TEX"));
    QCOMPARE(pFirst->fieldIndex(QStringLiteral("NoCO2Sensor")), 141);
}

QTEST_GUILESS_MAIN(tst_DataDict)
#include "tst_DataDict.moc"
