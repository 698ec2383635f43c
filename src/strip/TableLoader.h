#pragma once
#include "core/Job.h"
#include "strip/KindPicture.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class ControlFile;
class PictureFetch;
class StripView;

// Gives all 360 buttons their pictures and hints from the control file. The
// work is cut into 20 groups of 18 buttons shared by nine turns TInfo1 ..
// TInfo9; in each turn the control file is read on the main thread, the
// pictures and desktop entries it names are read by a Job, and the turn's groups
// then run as one job on the main thread. Turns run one at a time, with at
// least one turn of the event loop between them, so the strip can repaint
// and answer the user.
class TableLoader : public QObject {
    Q_OBJECT
public:
    using IconSource = std::function<std::optional<QImage>(const QString& path, int index)>;
    static constexpr int ThreadCount = 9;
    static constexpr int GroupSize = 18;

    TableLoader(StripView& view, ControlFile& file, QObject* parent = nullptr);

    // The platform's icon reader by default; tests give their own.
    void setIconSource(IconSource source) { iconSource_ = std::move(source); }
    // Where a picture named by a theme's icon the theme lacks is taken from.
    void setKindPicture(KindPicture kindPicture) { kindPicture_ = std::move(kindPicture); }

    // Schedules the nine turns; returns at once, the first runs from the
    // event loop.
    void start();
    // The groups of turn t (1..9), in order.
    static QList<int> groupsOf(int thread);

    // With `fetched`, the pictures read ahead on the loader thread are used.
    void loadButton(int n, PictureFetch* fetched = nullptr);
    void loadButtonGroup(int k, PictureFetch* fetched = nullptr);
    // Turn t's job, on the main thread.
    void runGroupJob(int thread, const QString& threadName = QString(),
                     PictureFetch* fetched = nullptr);

    int jobsDone() const { return jobsDone_; }
    bool finished() const { return jobsDone_ == ThreadCount; }
    // Names of the turns in the order their jobs ran.
    const QList<QString>& jobThreads() const { return jobThreads_; }
    qint64 longestJobNs() const { return longestJobNs_; }

signals:
    void jobDone(int thread);
    void allLoaded();

private:
    void nextTurn();

    StripView& view_;
    ControlFile& file_;
    IconSource iconSource_;
    KindPicture kindPicture_;
    // Its end drops a fetch under way: nothing waits for the worker.
    Job fetch_;
    int turnsGiven_ = 0;
    int jobsDone_ = 0;
    QList<QString> jobThreads_;
    qint64 longestJobNs_ = 0;
};
