// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace platform {

// The language the program speaks, for as long as this lives: its own
// catalogue for the first of the locale's UI languages that has one, Qt's
// catalogue for the same language (the message box's button), and the
// locale's numbers. With no catalogue for any of them the program speaks
// English, the language its texts are written in, with "." for a decimal
// point whatever the locale.
class Translations {
public:
    explicit Translations(const QLocale& locale, const QStringList& folders = catalogueFolders());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // "de", "ja", ...; "en" for the source texts.
    QString language() const;

    // Where the catalogues are looked for: installed beside the program's
    // other data, then in the build tree beside the program.
    static QStringList catalogueFolders();

private:
    QTranslator m_program;
    QTranslator m_qt;
    QLocale m_numbersBefore; // the default locale as it was, made before the body changes it
};

} // namespace platform
