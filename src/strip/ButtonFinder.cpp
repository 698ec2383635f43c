#include "strip/ButtonFinder.h"

#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "strip/LaunchOptions.h"

#include <QStringList>

QList<FoundButton> ButtonFinder::find(const QString& query) const {
    const QStringList words = query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<FoundButton> found;
    if (words.isEmpty())
        return found;
    const ButtonSlotSettings stored(file_);
    for (int n = 1; n <= buttonslots::ButtonCount && found.size() < MaxMatches; ++n) {
        // The same test as the table loader's: an empty entry is an empty button.
        const ControlFile::Value target = stored.target(n);
        if (!target.nonEmpty())
            continue;
        const QString hint =
            buttontexts::loaded(file_, n, target.text, buttonslots::loadedHint(target.text));
        const bool all = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return hint.contains(w, Qt::CaseInsensitive) ||
                   target.text.contains(w, Qt::CaseInsensitive);
        });
        if (all)
            found.append({n, buttonslots::tableOfButton(n), hint, target.text});
    }
    return found;
}
