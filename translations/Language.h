#pragma once

// The program's language: its own translation and Qt's (buttons and dialogs
// of Qt's making), chosen from the user's languages as the system lists them
// (QLocale::system().uiLanguages(), which follows LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG). The first language in that list that is English, or
// that a translation is compiled in for, decides; English is the source and
// needs none. Shared by the windows and tessera-cli, on Qt Core alone.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace i18n {

// The translators of one language, installed into the running application
// for as long as the object lives. Create it after the application object.
class Translation {
public:
    explicit Translation(const QStringList& languages = QLocale::system().uiLanguages());
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The language in force as its translation names it ("de"), or empty
    // for English.
    QString language() const { return m_language; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
};

} // namespace i18n
