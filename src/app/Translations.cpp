#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
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

QString install(QCoreApplication& app, const QStringList& uiLanguages, const QString& folder) {
    for (QString name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::C)
            return {};
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (installFile(app, QStringLiteral("tabdeckv10_") + name, folder)) {
            // Qt's own texts are English already.
            if (language != QLocale::English)
                installFile(app, QStringLiteral("qtbase_") + name,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return name;
        }
        // An English without a translation of ours keeps the program's own
        // texts rather than a later language of the list.
        if (language == QLocale::English)
            return {};
    }
    return {};
}

QString localFile(const QString& path, const QString& language) {
    if (language.isEmpty() || QLocale(language).language() == QLocale::English)
        return path;
    const QFileInfo info(path);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    // As the translation was found: "de_DE", then "de".
    QString name = language;
    for (;;) {
        const QString candidate = stem + QLatin1Char('_') + name + suffix;
        if (QFileInfo(candidate).isFile())
            return candidate;
        const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
        if (cut <= 0)
            return path;
        name.truncate(cut);
    }
}

} // namespace translations
