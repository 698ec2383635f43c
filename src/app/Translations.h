#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace translations {

// Installs the translation for the first of the user's languages that has
// one (LANGUAGE, then LC_ALL/LC_MESSAGES/LANG). English, in any country,
// gets the English translation: the program's own texts keep the spelling
// its stored values and object names rely on, and that translation shows
// them spelled right. "C" and "POSIX" (also an unset locale) mean no
// translation, as they do for every program: the program's own texts, which
// is also what LANGUAGE=C asks for. Qt's own texts (standard buttons, file
// dialogs) follow where installed. Returns the language installed, or an
// empty text.
QString install(QCoreApplication& app,
                const QStringList& uiLanguages = QLocale::system().uiLanguages(),
                const QString& folder = QStringLiteral(":/i18n"));

// The file of the installed language beside `path` ("ExtensiveHelp_de.hlp"
// for "de_DE", else "ExtensiveHelp_de_DE.hlp" first), or `path` itself for
// English, no language, or a language without its own file.
QString localFile(const QString& path, const QString& language);

} // namespace translations
