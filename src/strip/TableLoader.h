#pragma once
#include "strip/KindPicture.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSemaphore>
#include <QString>
#include <QThread>
#include <array>
#include <atomic>
#include <functional>
#include <optional>

class ControlFile;
class PictureFetch;
class StripView;
class TableLoader;

// One of the nine loader threads TInfo1..TInfo9. It only names itself,
// waits for its turn, hands its button groups to the main thread with a
// blocking queued call and ends; it deletes itself when finished.
class TTableInfo : public QThread {
    Q_OBJECT
public:
    TTableInfo(int number, TableLoader& loader);
    int number() const { return number_; }

protected:
    void run() override;

private:
    int number_;
    TableLoader& loader_;
};

// Gives all 360 buttons their pictures and hints from the control file. The
// work is cut into 20 groups of 18 buttons shared by nine threads; each
// thread's groups run as one job on the main thread, one job at a time,
// with at least one turn of the event loop between jobs so the strip can
// repaint and answer the user.
class TableLoader : public QObject {
    Q_OBJECT
public:
    using IconSource = std::function<std::optional<QImage>(const QString& path, int index)>;
    static constexpr int ThreadCount = 9;
    static constexpr int GroupSize = 18;

    TableLoader(StripView& view, ControlFile& file, QObject* parent = nullptr);
    ~TableLoader() override;

    // The platform's icon reader by default; tests give their own.
    void setIconSource(IconSource source) { iconSource_ = std::move(source); }
    // Where a picture named by a theme's icon the theme lacks is taken from.
    void setKindPicture(KindPicture kindPicture) { kindPicture_ = std::move(kindPicture); }

    // Creates and starts the nine threads; returns at once.
    void start();
    // The groups of thread t (1..9), in order.
    static QList<int> groupsOf(int thread);

    // With `fetched`, the pictures read ahead on the loader thread are used.
    void loadButton(int n, PictureFetch* fetched = nullptr);
    void loadButtonGroup(int k, PictureFetch* fetched = nullptr);
    // Thread t's job, on the main thread.
    void runGroupJob(int thread, const QString& threadName = QString(),
                     PictureFetch* fetched = nullptr);

    int jobsDone() const { return jobsDone_; }
    bool finished() const { return jobsDone_ == ThreadCount; }
    // Names of the handing threads in the order their jobs ran.
    const QList<QString>& jobThreads() const { return jobThreads_; }
    qint64 longestJobNs() const { return longestJobNs_; }

    // Used by the threads.
    void waitForTurn();
    bool abandoned() const { return abandoned_.load(); }

signals:
    void jobDone(int thread);
    void allLoaded();

private:
    friend class TTableInfo;
    StripView& view_;
    ControlFile& file_;
    IconSource iconSource_;
    KindPicture kindPicture_;
    std::array<QPointer<TTableInfo>, ThreadCount> threads_{};
    QSemaphore turn_{0};
    std::atomic<bool> abandoned_{false};
    int jobsDone_ = 0;
    QList<QString> jobThreads_;
    qint64 longestJobNs_ = 0;
};
