#include "strip/TableLoader.h"

#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "graphics/Picture.h"
#include "platform/IconReader.h"
#include "strip/LaunchOptions.h"
#include "strip/PictureFetch.h"
#include "strip/ShownSettings.h"
#include "strip/StripView.h"

#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <pthread.h>

namespace {
// While a turn's pictures are read, its worker carries the turn's name, so a
// debugger or `top -H` shows which turn it is.
class ThreadName {
public:
    explicit ThreadName(const QString& name) {
        pthread_getname_np(pthread_self(), previous_, sizeof previous_);
        pthread_setname_np(pthread_self(), name.toLatin1().left(15).constData());
    }
    ~ThreadName() { pthread_setname_np(pthread_self(), previous_); }
    ThreadName(const ThreadName&) = delete;
    ThreadName& operator=(const ThreadName&) = delete;

private:
    char previous_[16] = {};
};
} // namespace

TableLoader::TableLoader(StripView& view, ControlFile& file, QObject* parent)
    : QObject(parent), view_(view), file_(file),
      iconSource_([](const QString& path, int index) { return iconreader::icon(path, index); }) {}

QList<int> TableLoader::groupsOf(int thread) {
    switch (thread) {
    case 1:
        return {1, 2};
    case 2:
        return {3, 4};
    case 3:
        return {5, 6, 7};
    case 4:
        return {8, 9};
    case 5:
        return {10, 11};
    case 6:
        return {12, 13};
    case 7:
        return {14, 15};
    case 8:
        return {16, 17};
    case 9:
        return {18, 19, 20};
    default:
        return {};
    }
}

void TableLoader::start() {
    // The first turn comes from the event loop, so no job runs before the
    // show steps have returned.
    QTimer::singleShot(0, this, [this] { nextTurn(); });
}

void TableLoader::nextTurn() {
    const int t = ++turnsGiven_;
    const QList<int> groups = groupsOf(t);
    if (groups.isEmpty())
        return;
    // The keys are read here, the pictures and entries they name on the worker.
    const QList<PictureFetch::Request> wanted = PictureFetch::wanted(
        file_, GroupSize * (groups.front() - 1) + 1, GroupSize * groups.back());
    const QString name = QStringLiteral("TInfo%1").arg(t);
    fetch_.run(
        [wanted, name](const Job::Stop& stop) {
            const ThreadName named(name);
            auto fetched = std::make_shared<PictureFetch>();
            fetched->fetch(wanted, [&stop] { return stop.requested(); });
            return fetched;
        },
        [this, t, name](const std::shared_ptr<PictureFetch>& fetched) {
            runGroupJob(t, name, fetched.get());
        },
        // A fetch that failed as a whole leaves the pictures to the job.
        [this, t, name](const QString&) { runGroupJob(t, name); });
}

void TableLoader::loadButton(int n, PictureFetch* fetched) {
    const ButtonSlotSettings stored(file_);
    const ControlFile::Value target = stored.target(n);
    if (!target.nonEmpty()) {
        // A button being loaded never showed a picture: only its hint is set.
        buttonface::showEmpty(view_, n);
        return;
    }
    const QString& path = target.text;
    if (!buttonslots::isExecutable(path)) {
        const ControlFile::Value icon = stored.icon(n);
        if (!icon.nonEmpty())
            return;
        // An unreadable picture costs only its own button: no picture, the
        // target's hint, and loading goes on. A JPEG's pixels wait for the
        // first paint of its button (most tables are hidden); broken data
        // found then also leaves the button without a picture.
        std::optional<Picture> picture = fetched ? fetched->take(n, icon.text) : std::nullopt;
        if (!picture) {
            // Not fetched ahead (a single button, or a key changed since).
            try {
                picture = kindPicture_.load(icon.text, path);
            } catch (const AppError&) {
                picture = Picture();
            }
        }
        buttonface::show(view_, n, *picture, path);
        view_.setButtonHint(n, buttontexts::loaded(file_, n, path, view_.buttonHint(n)));
        return;
    }
    // An executable is named by its file name alone, also when it is an
    // address, and its icon comes after the hint.
    view_.setButtonHint(n, buttontexts::loaded(file_, n, path, buttonslots::loadedHint(path)));
    const std::optional<QImage> image = iconSource_ ? iconSource_(path, 0) : std::nullopt;
    view_.setButtonPicture(n, image ? Picture::fromIcon(*image) : Picture());
}

void TableLoader::loadButtonGroup(int k, PictureFetch* fetched) {
    for (int n = GroupSize * (k - 1) + 1; n <= GroupSize * k; ++n)
        loadButton(n, fetched);
}

void TableLoader::runGroupJob(int thread, const QString& threadName, PictureFetch* fetched) {
    QElapsedTimer clock;
    clock.start();
    try {
        for (int k : groupsOf(thread))
            loadButtonGroup(k, fetched);
    } catch (...) {
        // Swallowed without a message: the rest of this thread's groups stay
        // unloaded, the other threads go on.
    }
    longestJobNs_ = std::max(longestJobNs_, clock.nsecsElapsed());
    jobThreads_.append(threadName);
    ++jobsDone_;
    emit jobDone(thread);
    if (finished()) {
        emit allLoaded();
        return;
    }
    // The next turn comes after the event loop has run once more.
    QTimer::singleShot(0, this, [this] { nextTurn(); });
}
