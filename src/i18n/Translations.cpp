#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

const QString programCatalog = QStringLiteral("tovalin");
const QString qtCatalog = QStringLiteral("qtbase");

} // namespace

Translations::Translations(const QLocale& locale)
{
    for (const QString& name : locale.uiLanguages()) {
        const QLocale candidate(name);
        // The texts are written in English: a user who puts English before any language of ours reads them
        // as they are.
        if (candidate.language() == QLocale::English || candidate.language() == QLocale::C) {
            return;
        }
        for (const QString& folder : searchPaths()) {
            if (m_program.load(candidate, programCatalog, QStringLiteral("_"), folder)) {
                m_language = candidate.language();
                m_programInstalled = QCoreApplication::installTranslator(&m_program);
                // Qt's own texts in the same language, where the system has them.
                m_qtInstalled = m_qt.load(candidate, qtCatalog, QStringLiteral("_"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                                QCoreApplication::installTranslator(&m_qt);
                return;
            }
        }
    }
}

Translations::~Translations()
{
    if (m_qtInstalled) {
        QCoreApplication::removeTranslator(&m_qt);
    }
    if (m_programInstalled) {
        QCoreApplication::removeTranslator(&m_program);
    }
}

QStringList Translations::searchPaths()
{
    return {
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                        QStringLiteral(TOVALIN_INSTALLED_TRANSLATIONS)),
        QStringLiteral(":/i18n"),
    };
}
