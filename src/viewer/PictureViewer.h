#pragma once
#include "core/FileRewrites.h"
#include "core/Job.h"
#include "graphics/Picture.h"
#include "viewer/RecentList.h"
#include "viewer/ViewerSettings.h"

#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <atomic>
#include <memory>

class ControlFile;
class Prompts;
class QClipboard;
class QColor;
class QWidget;

// What the picture viewer does, without its widgets: the picture on show and
// its file, the recent list, the display options and the two colours. The
// window forwards the user's actions here and shows what the signals report.
class PictureViewer : public QObject {
    Q_OBJECT
public:
    static QString pastedName() { return tr("Picture pasted from clipboard!"); }
    // The Open and Save dialogs' filter list.
    static QString fileFilter();

    // owner parents the boxes; it is only handed on to the prompts. The
    // list file is written by writeList (atomicfile::replace when none).
    PictureViewer(ControlFile& file, Prompts& prompts, QWidget* owner, const QString& listPath,
                  QClipboard* clipboard, RecentList::Writer writeList = {});
    // Drops a picture still loading; a list entry still only in memory
    // reaches the file, after a write under way.
    ~PictureViewer() override;

    // The creation steps: the list file, the two colours, the six options.
    // An unreadable colour raises ConversionError and skips the later steps.
    void create();

    // The size of the picture area, in logical pixels and their ratio.
    void setArea(const QSize& size, qreal devicePixelRatio = 1.0);
    // Where the picture on show is drawn in the area.
    QRect placement() const;

    // Open: the dialog, then openFile.
    void open();
    // Loads the picture off the UI thread, then makes it current, shows its
    // path and appends it to the list (Open and a drop). A picture that does
    // not load changes nothing and its error is shown. A later open wins over
    // one still loading. The list file is rewritten on a worker once the
    // picture is drawn (a flushed write can wait long on a busy disk).
    void openFile(const QString& path);
    // Whether a picture is loading.
    bool busy() const { return loading_ != 0; }
    void saveAs();
    // A double click on a row (-1: none selected).
    void openEntry(int row);
    // A right press on the list with a row selected (-1: none).
    void removeEntry(int row);

    void cut();
    void copy();
    void paste();
    void deleteShown();
    void clearClipboard();

    void setOption(ViewOption option, bool on);
    void chooseColor(ViewColor which, const QColor& initial);
    void defaultColor(ViewColor which);

    const Picture& picture() const { return picture_; }
    const QString& currentFile() const { return currentFile_; }
    const QStringList& recentEntries() const { return recent_.entries(); }
    const DisplayOptions& options() const { return options_; }
    uint32_t color(ViewColor which) const {
        return which == ViewColor::Program ? programColor_ : pictureColor_;
    }

signals:
    void pictureChanged();
    // A load started (true) or every load ended (false).
    void busyChanged(bool busy);
    // IncDisplay: the picture decoded so far and where it goes.
    void decodeStep(const QImage& soFar, const QRect& target);
    void statusChanged(const QString& text);
    void listChanged();
    // A list entry was loaded: the list panel goes away.
    void entryOpened();
    void optionChanged(ViewOption option, bool on);
    void colorChanged(ViewColor which, uint32_t value);

private:
    enum class Then { Open, Entry };
    // Starts loading path; then() runs once it has loaded, unless a later
    // load was started meanwhile.
    void show(const QString& path, Then then);
    // A JPEG decoded smaller than it is now drawn is decoded again for its
    // new size in the background; until then it is drawn scaled up.
    void sharpen();
    void setPicture(const Picture& picture);
    void loaded(int generation, const QString& path, Then then, const Picture& picture,
                const QString& error);
    void setCurrent(const QString& file, bool toStatus);
    void appendRecent(const QString& path);
    // The list's changes written on a worker, after any write under way.
    void writeRecentInBackground();
    void putOnClipboard();

    Prompts& prompts_;
    QWidget* owner_;
    QClipboard* clipboard_;
    ViewerSettings settings_;
    // Every write of the list file, in order; before the list, which writes
    // through it.
    FileRewrites listWrites_;
    RecentList recent_;
    Picture picture_;
    QString currentFile_;
    DisplayOptions options_;
    uint32_t programColor_ = 0;
    uint32_t pictureColor_ = 0;
    QSize area_;
    qreal dpr_ = 1.0;
    QTimer recentFlush_;
    // The newest load; a job that finds itself superseded skips its work.
    std::shared_ptr<std::atomic<int>> generation_ = std::make_shared<std::atomic<int>>(0);
    int loading_ = 0;
    int serial_ = 0; // counts the pictures put on show
    bool sharpening_ = false;
    // Last, so they go first: no answer reaches a half-destroyed viewer.
    Job loads_;
    Job sharpener_;
};
