#include "TranslationInstaller.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTranslator>

#include <mutex>

// Q_INIT_RESOURCE declares the resource's init function, which lives in the global
// namespace, so it must be called from here.
static void initCommonTranslationResources()
{
    Q_INIT_RESOURCE(common_translations);
}

void CTranslationInstaller::registerResources()
{
    static std::once_flag s_once;
    std::call_once(s_once, initCommonTranslationResources);
}

CTranslationInstaller::CTranslationInstaller(const QStringList& baseNames, const QString& strDirectory)
    : m_BaseNames(baseNames)
    , m_strDirectory(strDirectory)
{
    registerResources();
    for (int i = 0; i < m_BaseNames.size(); ++i)
        m_Translators.push_back(std::make_unique<QTranslator>());
}

CTranslationInstaller::~CTranslationInstaller()
{
    if (!m_bInstalled)
        return;
    for (const auto& translator : m_Translators)
        QCoreApplication::removeTranslator(translator.get());
}

bool CTranslationInstaller::load(const QString& strLocaleName)
{
    bool bAll = true;
    for (int i = 0; i < m_BaseNames.size(); ++i) {
        const QString fileName = m_BaseNames.at(i) + strLocaleName;
        if (!m_Translators.at(size_t(i))->load(fileName, m_strDirectory)) {
            qDebug() << "CTranslationInstaller::load: no translation" << fileName << "in" << m_strDirectory;
            bAll = false;
        }
    }
    return bAll;
}

void CTranslationInstaller::install()
{
    if (m_bInstalled)
        return;
    for (const auto& translator : m_Translators)
        QCoreApplication::installTranslator(translator.get());
    m_bInstalled = true;
}

bool CTranslationInstaller::loadCommon(QTranslator& translator, const QString& strLocaleName)
{
    registerResources();
    return translator.load(QLatin1String(CommonBaseName) + strLocaleName, QLatin1String(ResourceDirectory));
}
