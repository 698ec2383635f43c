#include "strip/ButtonFinder.h"

#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "strip/LaunchOptions.h"

#include <QStringList>

void ButtonFinder::readButtons() {
    buttons_.clear();
    const ButtonSlotSettings stored(file_);
    for (int n = 1; n <= buttonslots::ButtonCount; ++n) {
        // The same test as the table loader's: an empty entry is an empty button.
        const ControlFile::Value target = stored.target(n);
        if (!target.nonEmpty())
            continue;
        buttons_.append(
            {n, buttonslots::tableOfButton(n),
             buttontexts::loaded(file_, n, target.text, buttonslots::loadedHint(target.text)),
             target.text});
    }
    revision_ = file_.revision();
    read_ = true;
    ++reads_;
}

QList<FoundButton> ButtonFinder::find(const QString& query) {
    const QStringList words = query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<FoundButton> found;
    if (words.isEmpty())
        return found;
    if (!read_ || revision_ != file_.revision())
        readButtons();
    for (const FoundButton& b : buttons_) {
        if (found.size() == MaxMatches)
            break;
        const bool all = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return b.hint.contains(w, Qt::CaseInsensitive) ||
                   b.target.contains(w, Qt::CaseInsensitive);
        });
        if (all)
            found.append(b);
    }
    return found;
}

void ButtonFinder::forget() {
    read_ = false;
    buttons_.clear();
}
