#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace translations {

namespace {
bool installFile(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    // load() drops "_DE", then "_Latn" from the name until a file is found.
    if (translator->load(name, folder) && !translator->isEmpty()) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}
} // namespace

void install(QCoreApplication& app) {
    for (QString name : QLocale::system().uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::C || language == QLocale::English)
            return;
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (installFile(app, QStringLiteral("tabdeckv10_") + name, QStringLiteral(":/i18n"))) {
            installFile(app, QStringLiteral("qtbase_") + name,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

} // namespace translations
