#include "strip/BrokenTargets.h"

#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "strip/StripView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <mutex>
#include <thread>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BrokenTargets)
};
} // namespace

// The way back from the asking threads: cleared when the strip goes, so an
// answer that comes later (a hung mount) finds nobody and is dropped.
struct BrokenTargets::Channel {
    std::mutex mutex;
    BrokenTargets* owner = nullptr;
};

BrokenTargets::BrokenTargets(StripView& view, ControlFile& file, QObject* parent)
    : QObject(parent), view_(view), file_(file),
      exists_([](const QString& path) { return QFileInfo::exists(path); }),
      channel_(std::make_shared<Channel>()) {
    channel_->owner = this;
}

BrokenTargets::~BrokenTargets() {
    const std::lock_guard lock(channel_->mutex);
    channel_->owner = nullptr;
}

bool BrokenTargets::isLocalPath(const QString& target) {
    return target.startsWith(QLatin1Char('/'));
}

QString BrokenTargets::missingHint(const QString& path) {
    return Text::tr("Target missing: %1").arg(path);
}

QString BrokenTargets::missingNotice(const QString& path) {
    // The notice's text shows "&&" as "&".
    return Text::tr("Cannot open %1: it no longer exists.")
        .arg(QString(path).replace(QLatin1Char('&'), QLatin1String("&&")));
}

void BrokenTargets::checkTable(int t) {
    if (t < 1 || t > buttonslots::TableCount)
        return;
    const ButtonSlotSettings stored(file_);
    const int first = buttonslots::firstButtonOfTable(t);
    for (int n = first; n < first + buttonslots::ButtonsPerTable; ++n) {
        const ControlFile::Value target = stored.target(n);
        const QString path = target.nonEmpty() ? target.text : QString();
        if (!isLocalPath(path)) {
            if (gone_.contains(n))
                apply(n, path, true); // no longer a path to ask about
            continue;
        }
        if (asking_.contains(path))
            continue;
        asking_.insert(path);
        std::thread([channel = channel_, exists = exists_, n, path, limit = limitMs_] {
            QElapsedTimer clock;
            clock.start();
            const bool there = exists(path);
            const bool inTime = clock.elapsed() <= limit;
            const std::lock_guard lock(channel->mutex);
            if (BrokenTargets* owner = channel->owner)
                QMetaObject::invokeMethod(
                    owner,
                    [owner, n, path, there, inTime] {
                        owner->asking_.remove(path);
                        if (inTime)
                            owner->apply(n, path, there);
                    },
                    Qt::QueuedConnection);
        }).detach();
    }
}

void BrokenTargets::apply(int n, const QString& target, bool exists) {
    // The button may hold another target by now.
    const ControlFile::Value now = ButtonSlotSettings(file_).target(n);
    const bool current = now.nonEmpty() && now.text == target;
    if (!exists && current) {
        if (!gone_.contains(n))
            gone_.insert(n, {target, view_.buttonHint(n)});
        view_.setButtonDimmed(n, true);
        view_.setButtonHint(n, missingHint(target));
    } else if (const auto it = gone_.constFind(n); it != gone_.constEnd()) {
        view_.setButtonDimmed(n, false);
        if (view_.buttonHint(n) == missingHint(it->target))
            view_.setButtonHint(n, it->hint);
        gone_.erase(it);
    }
    emit answered(n);
}

bool BrokenTargets::missing(int n, const QString& target) const {
    const auto it = gone_.constFind(n);
    return it != gone_.constEnd() && it->target == target;
}
