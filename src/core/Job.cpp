#include "Job.h"

#include "Error.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Job)
};
} // namespace

Job::Job(QObject* parent, Pool pool)
    : QObject(parent), pool_(pool), channel_(std::make_shared<Channel>()) {
    channel_->owner = this;
}

Job::~Job() {
    // The watchers go with this object and the channel forgets it, so no
    // answer can reach it; the stop flag tells the work it may end early.
    stop_.flag_->store(true);
    const std::lock_guard lock(channel_->mutex);
    channel_->owner = nullptr;
}

std::function<void(int, int)> Job::reporter(std::shared_ptr<Channel> channel, quint64 generation,
                                            std::function<void(int, int)> progress) {
    struct Latest {
        int done = 0;
        int total = 0;
        bool posted = false;
    };
    auto latest = std::make_shared<Latest>();
    // One callback for the whole run: it may keep state between reports.
    auto call = std::make_shared<std::function<void(int, int)>>(std::move(progress));
    return [channel, generation, call, latest](int done, int total) {
        const std::lock_guard lock(channel->mutex);
        latest->done = done;
        latest->total = total;
        Job* owner = channel->owner;
        if (!owner || latest->posted)
            return;
        latest->posted = true;
        // A call posted to the Job is dropped with it if it goes first.
        QMetaObject::invokeMethod(
            owner,
            [owner, channel, generation, call, latest] {
                int d = 0;
                int t = 0;
                {
                    const std::lock_guard lock(channel->mutex);
                    latest->posted = false;
                    d = latest->done;
                    t = latest->total;
                }
                if (generation == owner->generation_)
                    (*call)(d, t);
            },
            Qt::QueuedConnection);
    };
}

void Job::cancel() {
    stop_.flag_->store(true);
    stop_ = Stop();
    ++generation_;
}

QString Job::describe(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const AppError& e) {
        return e.text();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    return Text::tr("The work stopped with an unknown error");
}

QThreadPool* Job::pool(Pool pool) {
    if (pool == Pool::Compute)
        return QThreadPool::globalInstance();
    // Never deleted: deleting waits for its threads, and one may be stuck in
    // the kernel for as long as its mount is dead.
    static QThreadPool* const mayHang = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(256);
        p->setExpiryTimeout(2000);
        return p;
    }();
    return mayHang;
}

void Job::post(Pool which, std::function<void()> task) {
    pool(which)->start(std::move(task));
}
