#include "strip/BrokenTargets.h"

#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "platform/DesktopApps.h"
#include "strip/StripView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BrokenTargets)
};
} // namespace

BrokenTargets::BrokenTargets(StripView& view, ControlFile& file, QObject* parent)
    : QObject(parent), view_(view), file_(file),
      usable_([](const QString& path) { return desktopapps::usable(path); }) {}

bool BrokenTargets::isLocalPath(const QString& target) {
    return target.startsWith(QLatin1Char('/'));
}

QString BrokenTargets::missingHint(const QString& path) {
    return Text::tr("Target missing: %1").arg(path);
}

QString BrokenTargets::missingNotice(const QString& path) {
    // The notice's text shows "&&" as "&".
    const QString shown = QString(path).replace(QLatin1Char('&'), QLatin1String("&&"));
    // A desktop entry that is there names a program that is not.
    if (QFileInfo::exists(path))
        return Text::tr("Cannot open %1: its program is not installed.").arg(shown);
    return Text::tr("Cannot open %1: it no longer exists.").arg(shown);
}

void BrokenTargets::checkTable(int t) {
    if (t < 1 || t > buttonslots::TableCount)
        return;
    ++round_;
    const ButtonSlotSettings stored(file_);
    const int first = buttonslots::firstButtonOfTable(t);
    for (int n = first; n < first + buttonslots::ButtonsPerTable; ++n) {
        const ControlFile::Value target = stored.target(n);
        const QString path = target.nonEmpty() ? target.text : QString();
        if (!isLocalPath(path)) {
            restore(n); // no longer a path to ask about
            continue;
        }
        // A path under way is not asked twice (a hung mount would pile up
        // threads); its answer serves every button that holds it, and a
        // later check asks again once it is in, as the path may have gone
        // since the question was put.
        const auto asked = asking_.find(path);
        if (asked == asking_.end()) {
            asking_.insert(path, {{n}, round_, false});
            ask(path);
            continue;
        }
        if (!asked->buttons.contains(n))
            asked->buttons.append(n);
        asked->again = asked->again || asked->round != round_;
    }
}

void BrokenTargets::ask(const QString& path) {
    struct Answer {
        bool there = false;
        bool inTime = false;
    };
    questions_.run(
        [usable = usable_, path, limit = limitMs_](const Job::Stop&) {
            QElapsedTimer clock;
            clock.start();
            const bool there = usable(path);
            return Answer{there, clock.elapsed() <= limit};
        },
        [this, path](Answer a) { answer(path, a.there, a.inTime); },
        // A question that failed counts as one not answered in time.
        [this, path](const QString&) { answer(path, false, false); });
}

void BrokenTargets::answer(const QString& path, bool there, bool inTime) {
    const auto it = asking_.find(path);
    if (it == asking_.end())
        return;
    if (it->again) {
        it->again = false;
        it->round = round_;
        ask(path);
        return;
    }
    const QList<int> buttons = asking_.take(path).buttons;
    if (inTime)
        for (int n : buttons)
            apply(n, path, there);
}

void BrokenTargets::setInSight(bool inSight, int t) {
    const bool cameBack = inSight && !inSight_;
    inSight_ = inSight;
    if (cameBack)
        checkTable(t);
}

void BrokenTargets::apply(int n, const QString& target, bool usable) {
    // The button may hold another target by now: its face is that target's.
    const ControlFile::Value now = ButtonSlotSettings(file_).target(n);
    if (!now.nonEmpty() || now.text != target) {
        emit answered(n);
        return;
    }
    if (!usable) {
        // The hint to give back is the one shown now: the face may have been
        // made anew (loaded, pasted) since an earlier answer dimmed it.
        const QString hint = view_.buttonHint(n);
        if (hint != missingHint(target) || !gone_.contains(n))
            gone_.insert(n, {target, hint});
        view_.setButtonDimmed(n, true);
        view_.setButtonHint(n, missingHint(target));
    } else {
        restore(n);
    }
    emit answered(n);
}

void BrokenTargets::restore(int n) {
    const auto it = gone_.constFind(n);
    if (it == gone_.constEnd())
        return;
    view_.setButtonDimmed(n, false);
    if (view_.buttonHint(n) == missingHint(it->target))
        view_.setButtonHint(n, it->hint);
    gone_.erase(it);
}

bool BrokenTargets::missing(int n, const QString& target) const {
    const auto it = gone_.constFind(n);
    return it != gone_.constEnd() && it->target == target;
}
