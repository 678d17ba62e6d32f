// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace platform {
namespace {

const QString catalogue = QStringLiteral("lurchfield");
const QString english = QStringLiteral("en");

bool loadFirst(QTranslator& translator, const QLocale& locale, const QStringList& folders) {
    for (const QString& folder : folders) {
        if (translator.load(locale, catalogue, QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

} // namespace

Translations::Translations(const QLocale& locale, const QStringList& folders) {
    // English has a catalogue of its own, of plural forms only ("1 trial",
    // "2 trials"), so that it is found like any other language and is what
    // the C locale and the languages with no catalogue fall back to.
    if (!loadFirst(m_program, locale, folders))
        loadFirst(m_program, QLocale(QLocale::English), folders);
    if (!m_program.isEmpty())
        QCoreApplication::installTranslator(&m_program);

    const QString spoken = language();
    if (spoken != english) {
        if (m_qt.load(QStringLiteral("qtbase_") + spoken,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
    }
    // The read-outs' decimal point follows the language spoken, so that
    // copied results paste as numbers into a spreadsheet set to it.
    QLocale::setDefault(spoken == english ? QLocale::c() : locale);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
    QLocale::setDefault(m_numbersBefore);
}

QString Translations::language() const {
    const QString name = m_program.language();
    return name.isEmpty() ? english : name.section(QLatin1Char('_'), 0, 0);
}

QStringList Translations::catalogueFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(program + QStringLiteral("/../share/lurchfield/translations")),
            program + QStringLiteral("/translations")};
}

} // namespace platform
