#pragma once
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QString>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>

class QThreadPool;

// The one way work runs off the user-interface thread. The work gets values,
// never the object that started it, and a stop flag to look at between
// steps; its result, or what it threw, comes back on the Job's thread in a
// later turn of its event loop. cancel() and the Job's end raise the flag
// and drop every answer still to come, so nothing ever waits for a worker:
// a run that outlives its Job ends on its own and calls nobody.
class Job : public QObject {
    Q_OBJECT
public:
    enum class Pool {
        Compute, // decoding, encoding, reading files: Qt's shared pool
        MayHang  // may block in the kernel for good (a dead mount): a pool
                 // that grows and is never waited for, not even at exit
    };

    class Stop {
    public:
        bool requested() const { return flag_->load(); }

    private:
        friend class Job;
        std::shared_ptr<std::atomic<bool>> flag_ = std::make_shared<std::atomic<bool>>(false);
    };

    // How far the work has come, for a progress bar: done of total steps.
    class Report {
    public:
        void operator()(int done, int total) const { set_(done, total); }

    private:
        friend class Job;
        std::function<void(int, int)> set_;
    };

    explicit Job(QObject* parent = nullptr, Pool pool = Pool::Compute);
    ~Job() override;

    // Runs work(stop) on a worker; done(result) or done() for work returning
    // nothing, or failed(text) with what it threw, on this Job's thread.
    // Runs started earlier go on unless cancel() drops them. The future is
    // for a reader that must know the work is over (its result goes to done).
    template <typename Work, typename Done>
    auto run(Work work, Done done, std::function<void(const QString&)> failed = {})
        -> QFuture<std::invoke_result_t<Work, const Stop&>>;

    // The same for work(stop, report): progress(done, total) on this Job's
    // thread with the newest report; reports made while one is on its way
    // are merged into it. All come before done or failed.
    template <typename Work, typename Done>
    void runReporting(Work work, std::function<void(int, int)> progress, Done done,
                      std::function<void(const QString&)> failed = {});

    // Drops every run under way: their stop flags are raised and their
    // answers never delivered. Runs started afterwards are answered.
    void cancel();
    int running() const { return running_; }

    // For readers that need the value on another thread or later in the
    // same call: the work's future, waited for by whoever takes it.
    template <typename Work>
    static auto future(Work work, Pool pool = Pool::Compute) -> QFuture<std::invoke_result_t<Work>>;

private:
    // What a failure says: an error's text, or a fixed one for the unknown.
    static QString describe(const std::exception_ptr& error);
    // Runs body(promise) on the pool; what it returns or throws ends the future.
    template <typename T, typename Body> static QFuture<T> launch(Pool pool, Body body);
    static QThreadPool* pool(Pool pool);
    static void post(Pool pool, std::function<void()> task);
    template <typename T>
    void watch(QFuture<T> future, std::function<void(QFuture<T>&)> deliver,
               std::function<void(const QString&)> failed);
    // The way back for reports: cleared when the Job goes, under its lock.
    struct Channel {
        std::mutex mutex;
        Job* owner = nullptr;
    };
    static std::function<void(int, int)> reporter(std::shared_ptr<Channel> channel,
                                                  quint64 generation,
                                                  std::function<void(int, int)> progress);
    template <typename T, typename Done>
    static std::function<void(QFuture<T>&)> deliverTo(Done done);

    Pool pool_;
    Stop stop_;
    std::shared_ptr<Channel> channel_;
    quint64 generation_ = 0;
    int running_ = 0;
};

template <typename T, typename Body> QFuture<T> Job::launch(Pool pool, Body body) {
    auto promise = std::make_shared<QPromise<T>>();
    QFuture<T> result = promise->future();
    promise->start();
    post(pool, [promise, body = std::move(body)]() mutable {
        try {
            if constexpr (std::is_void_v<T>)
                body(*promise);
            else
                promise->addResult(body(*promise));
        } catch (...) {
            promise->setException(std::current_exception());
        }
        promise->finish();
    });
    return result;
}

template <typename Work>
auto Job::future(Work work, Pool pool) -> QFuture<std::invoke_result_t<Work>> {
    using T = std::invoke_result_t<Work>;
    return launch<T>(pool, [work = std::move(work)](QPromise<T>&) mutable { return work(); });
}

template <typename T>
void Job::watch(QFuture<T> future, std::function<void(QFuture<T>&)> deliver,
                std::function<void(const QString&)> failed) {
    ++running_;
    auto* watcher = new QFutureWatcher<T>(this);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, generation = generation_, deliver = std::move(deliver),
             failed = std::move(failed)] {
                watcher->deleteLater();
                --running_;
                if (generation != generation_)
                    return;
                QFuture<T> f = watcher->future();
                std::exception_ptr error;
                try {
                    f.waitForFinished(); // finished already; rethrows the work's error
                } catch (...) {
                    error = std::current_exception();
                }
                if (error) {
                    if (failed)
                        failed(describe(error));
                    return;
                }
                deliver(f);
            });
    watcher->setFuture(future);
}

template <typename T, typename Done> std::function<void(QFuture<T>&)> Job::deliverTo(Done done) {
    if constexpr (std::is_void_v<T>)
        return [done = std::move(done)](QFuture<T>&) { done(); };
    else
        // A copy: taking the result would reset the future for its other readers.
        return [done = std::move(done)](QFuture<T>& r) { done(r.result()); };
}

template <typename Work, typename Done>
auto Job::run(Work work, Done done, std::function<void(const QString&)> failed)
    -> QFuture<std::invoke_result_t<Work, const Stop&>> {
    using T = std::invoke_result_t<Work, const Stop&>;
    QFuture<T> f = launch<T>(
        pool_, [work = std::move(work), stop = stop_](QPromise<T>&) mutable { return work(stop); });
    watch<T>(f, deliverTo<T>(std::move(done)), std::move(failed));
    return f;
}

template <typename Work, typename Done>
void Job::runReporting(Work work, std::function<void(int, int)> progress, Done done,
                       std::function<void(const QString&)> failed) {
    using T = std::invoke_result_t<Work, const Stop&, const Report&>;
    Report report;
    report.set_ = reporter(channel_, generation_, std::move(progress));
    watch<T>(launch<T>(pool_, [work = std::move(work), stop = stop_,
                               report](QPromise<T>&) mutable { return work(stop, report); }),
             deliverTo<T>(std::move(done)), std::move(failed));
}
