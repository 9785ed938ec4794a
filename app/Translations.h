#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's texts, and Qt's own, in the user's language, chosen as a desktop program
// chooses it: LANGUAGE gives an order of languages, else LC_ALL, LC_MESSAGES or LANG names
// one. A C or POSIX locale, English first, or no language that has a catalog keeps every text
// as written. Numbers are not the language's: the program writes them as the settings file
// does, whatever the locale.
class Translations {
public:
    // The catalogs of the user's messages locale. Loading needs no application object.
    Translations();
    // The catalogs of `locale`'s languages.
    explicit Translations(const QLocale& locale);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Puts the catalogs in force for the application object of the moment: each new one
    // needs them again.
    void install();

    // The two-letter code of the catalog in use ("de"), or empty where the texts stay English.
    QString language() const { return m_language; }

private:
    QString m_language;
    QTranslator m_program;
    QTranslator m_qt;
};
