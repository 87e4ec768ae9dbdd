#pragma once

// The program's translations, installed into the running application for as long as this object lives:
// the program's own texts and Qt's (the stock dialogs' buttons and labels), both in the first of the
// user's languages that the program is translated to. English is the language the texts are written in,
// so a user who prefers English, or a language the program does not speak, gets the English texts and
// English stock dialogs alike, never a mixture. Needs nothing but QtCore: the command line loads its
// translations the same way as the window.

#include <QLocale>
#include <QStringList>
#include <QTranslator>

class Translations
{
public:
    // The languages come from `locale`'s list of preferred languages; the system's locale follows LANGUAGE,
    // LC_ALL, LC_MESSAGES and LANG. Needs the application object.
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language the program's texts are shown in: English unless a translation was installed.
    QLocale::Language language() const { return m_language; }
    // Whether Qt's own translation for that language was found (Debian's qt6-translations-l10n).
    bool hasQtTranslation() const { return m_qtInstalled; }

    // Where the program's translations are looked for, in order: the installed folder beside the program's
    // own (share/tovalin-image-optimizer/translations), then the copy built into the program.
    static QStringList searchPaths();

private:
    QTranslator m_program;
    QTranslator m_qt;
    QLocale::Language m_language = QLocale::English;
    bool m_programInstalled = false;
    bool m_qtInstalled = false;
};
