#include "translations/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace i18n {
namespace {

// Where qt_add_translations puts the compiled .qm files in the resources.
const QString kFolder = QStringLiteral(":/i18n");
const QString kProgram = QStringLiteral("tessera");

bool speaksEnglish(const QLocale& locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

} // namespace

Translation::Translation(const QStringList& languages) {
    for (const QString& name : languages) {
        const QLocale locale(name);
        if (speaksEnglish(locale))
            return;
        if (!m_program.load(locale, kProgram, QStringLiteral("_"), kFolder))
            continue;
        QCoreApplication::installTranslator(&m_program);
        // Qt's own words (Yes, No, Cancel, file dialogs, command line errors);
        // the program's words stand without them where they are missing.
        if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        m_language = m_program.language();
        return;
    }
}

Translation::~Translation() {
    // Removing a translator that was never installed does nothing.
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

} // namespace i18n
