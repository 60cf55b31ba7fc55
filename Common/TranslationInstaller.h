#ifndef TRANSLATIONINSTALLER_H
#define TRANSLATIONINSTALLER_H

// Owns one translator per base name ("Orvelle-connect_", "common_", ...) and installs
// them in the application. Every file is looked up as base name + locale name in one
// directory with QTranslator's default search, which drops the last "_" part of the
// name until a file is found: de_DE tries "common_de_DE", then "common_de", then "common".
//
// Constructing one registers the shared translations "common_de.qm" and "common_en.qm"
// under ":/", which a static library would otherwise leave out of the program.
// Use from the GUI thread; the translators stay installed until the object is destroyed.

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

class CTranslationInstaller
{
public:
    static constexpr const char* ResourceDirectory = ":/";
    static constexpr const char* CommonBaseName = "common_";

    explicit CTranslationInstaller(const QStringList& baseNames,
                                   const QString& strDirectory = QLatin1String(ResourceDirectory));
    ~CTranslationInstaller();
    CTranslationInstaller(const CTranslationInstaller&) = delete;
    CTranslationInstaller& operator=(const CTranslationInstaller&) = delete;

    // Loads base name + strLocaleName into each translator, replacing what it held.
    // True only when every file was found; a translator whose file is missing is empty.
    bool load(const QString& strLocaleName);

    // Installs every translator in the application, whatever the load results.
    void install();

    // Loads "common_" + strLocaleName from ":/" into a translator of the caller's.
    static bool loadCommon(QTranslator& translator, const QString& strLocaleName);

    // Makes the embedded shared translations visible under ":/"; idempotent.
    static void registerResources();

private:
    QStringList m_BaseNames;
    QString m_strDirectory;
    std::vector<std::unique_ptr<QTranslator>> m_Translators;
    bool m_bInstalled = false;
};

#endif // TRANSLATIONINSTALLER_H
