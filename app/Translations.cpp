#include "app/Translations.h"

#include "base/Fatal.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace {

// Where the build puts the program's compiled catalogs, varnok_de.qm and so on.
const QString kCatalogFolder = QStringLiteral(":/translations/");

QString catalogOf(const QString& language) {
    return kCatalogFolder + QStringLiteral("varnok_") + language + QStringLiteral(".qm");
}

// The first of the locale's languages that has a catalog. English, the language the texts
// are written in, ends the search where it comes first; so does a C or POSIX locale, which
// desktop programs take to mean untranslated, whatever LANGUAGE says.
QString chosenLanguage(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return {};
    }
    for (const QString& name : locale.uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English || language == QLocale::C) {
            return {};
        }
        const QString code = QLocale::languageToCode(language);
        if (QFile::exists(catalogOf(code))) {
            return code;
        }
    }
    return {};
}

} // namespace

Translations::Translations() : Translations(QLocale::system()) {}

Translations::Translations(const QLocale& locale) : m_language(chosenLanguage(locale)) {
    if (m_language.isEmpty()) {
        return;
    }
    // A catalog of the build that does not load is a broken build, not a user's mistake.
    if (!m_program.load(catalogOf(m_language))) {
        stopWithError("the catalog " + catalogOf(m_language).toStdString() + " does not load");
    }
    // Qt's own texts come with Debian's qt6-translations-l10n; without it they stay English.
    static_cast<void>(m_qt.load(QStringLiteral("qtbase_") + m_language,
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

void Translations::install() {
    if (m_language.isEmpty()) {
        return;
    }
    QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(&m_program);
}
