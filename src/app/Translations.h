#pragma once

class QCoreApplication;

namespace translations {

// Installs the translation for the first of the user's languages that has
// one (LANGUAGE, then LC_ALL/LC_MESSAGES/LANG); English or "C" first, or no
// translation for any of them, keeps the program's own English texts.
// Qt's own texts (standard buttons, file dialogs) follow where installed.
void install(QCoreApplication& app);

} // namespace translations
