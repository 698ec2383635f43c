#include "viewer/PictureViewer.h"
#include "context/Prompts.h"
#include "core/AtomicFile.h"
#include "core/Error.h"
#include "graphics/LargeMemory.h"
#include "graphics/PictureClipboard.h"
#include "platform/SelectionServer.h"
#include "viewer/PicturePlacement.h"

#include <QClipboard>
#include <QColor>
#include <QCoreApplication>
#include <exception>
#include <limits>
#include <mutex>
#include <new>
#include <utility>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PictureViewer)
};
} // namespace

QString PictureViewer::fileFilter() {
    // Qt separates the patterns of one entry by blanks.
    return Text::tr("All (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf);;"
                    "JPEG Image File (*.jpg);;"
                    "JPEG Image File (*.jpeg);;"
                    "Bitmaps (*.bmp);;"
                    "Icons (*.ico);;"
                    "Enhanced Metafiles (*.emf);;"
                    "Metafiles (*.wmf)");
}

PictureViewer::PictureViewer(ControlFile& file, Prompts& prompts, QWidget* owner,
                             const QString& listPath, QClipboard* clipboard,
                             RecentList::Writer writeList)
    : prompts_(prompts), owner_(owner), clipboard_(clipboard), settings_(file),
      listWrites_(
          listPath, writeList
                        ? std::move(writeList)
                        : [](const QString& path,
                             const QByteArray& bytes) { return atomicfile::replace(path, bytes); }),
      recent_(listPath, [this](const QString&, const QByteArray& bytes) {
          return listWrites_.nowOrNext(bytes);
      }) {
    programColor_ = pictureColor_ = settings_.stripColor();
    // A timer, not a queued call: timers wait for the posted repaint.
    recentFlush_.setSingleShot(true);
    recentFlush_.setInterval(0);
    connect(&recentFlush_, &QTimer::timeout, this, &PictureViewer::writeRecentInBackground);
}

PictureViewer::~PictureViewer() {
    // Loads and sharpening under way are dropped with their Jobs; they work
    // on copies. A list entry still only in memory is written here, or after
    // the write under way by its worker.
    try {
        recent_.flush();
    } catch (const AppError&) {
        // No box can be shown any more; the list in memory is lost.
    }
}

void PictureViewer::writeRecentInBackground() {
    const std::optional<QByteArray> bytes = recent_.takeUnsaved();
    if (!bytes)
        return;
    listWrites_.later(*bytes, [this](int failed) {
        if (failed == 0)
            return;
        // Written again with the next change of the list.
        const QString text = recent_.writeFailed();
        for (int i = 0; i < failed; ++i)
            prompts_.errorLater(owner_, text);
    });
}

void PictureViewer::create() {
    // A list file that cannot be read costs the list, not the settings.
    try {
        recent_.load();
    } catch (const AppError& e) {
        prompts_.error(owner_, e.text());
    }
    emit listChanged();
    for (ViewColor which : {ViewColor::Program, ViewColor::Picture}) {
        const std::optional<uint32_t> stored = settings_.color(which);
        (which == ViewColor::Program ? programColor_ : pictureColor_) =
            stored ? *stored : settings_.stripColor();
        emit colorChanged(which, color(which));
    }
    for (ViewOption option : AllViewOptions) {
        options_.set(option, settings_.option(option));
        emit optionChanged(option, options_.get(option));
    }
}

void PictureViewer::setArea(const QSize& size, qreal devicePixelRatio) {
    area_ = size;
    dpr_ = devicePixelRatio;
    sharpen();
}

void PictureViewer::setPicture(const Picture& picture) {
    picture_ = picture;
    ++serial_;
    emit pictureChanged();
}

void PictureViewer::sharpen() {
    const QSize device = (QSizeF(placement().size()) * dpr_).toSize();
    if (sharpening_ || picture_.sharp(device))
        return;
    sharpening_ = true;
    sharpener_.run(
        [picture = picture_, device](const Job::Stop&) {
            try {
                return picture.sharpened(device);
            } catch (const AppError&) {
                // It decoded smaller when it was opened; it stays as drawn.
            } catch (const std::bad_alloc&) {
            }
            return picture;
        },
        [this, serial = serial_](const Picture& sharper) {
            sharpening_ = false;
            if (serial == serial_)
                setPicture(sharper);
            sharpen(); // the size may have changed meanwhile
        });
}

QRect PictureViewer::placement() const {
    return placePicture(area_, picture_.size(), options_);
}

void PictureViewer::show(const QString& path, Then then) {
    const int generation = generation_->fetch_add(1) + 1;
    if (loading_++ == 0)
        emit busyChanged(true);
    // The job works on copies: the user may resize or change options meanwhile.
    const std::shared_ptr<std::atomic<int>> latest = generation_;
    const QSize area = area_;
    const DisplayOptions options = options_;
    const qreal dpr = dpr_;
    // The newest decoded step waits here for the window; steps decoded
    // while it is drawn replace it, so one at a time is on its way.
    struct Step {
        std::mutex mutex;
        QImage image;
        QRect target;
        int count = 0;
    };
    auto step = std::make_shared<Step>();
    struct Loaded {
        Picture picture;
        QString error;
    };
    loads_.runReporting(
        [latest, generation, path, area, options, dpr, step](const Job::Stop&,
                                                             const Job::Report& report) {
            Loaded result;
            QSize natural;
            const auto shownSize = [&](const QSize& size) {
                natural = size;
                return (QSizeF(placePicture(area, size, options).size()) * dpr).toSize();
            };
            std::function<void(const QImage&)> onStep;
            if (options.incDisplay)
                onStep = [&](const QImage& soFar) {
                    if (latest->load() != generation)
                        return;
                    int count = 0;
                    {
                        const std::lock_guard lock(step->mutex);
                        step->image = largememory::copy(soFar);
                        step->target = placePicture(area, natural, options);
                        count = ++step->count;
                    }
                    report(count, std::numeric_limits<int>::max());
                };
            try {
                if (latest->load() == generation)
                    result.picture = Picture::loadForView(path, shownSize, onStep);
            } catch (const AppError& e) {
                result.error = e.text();
            } catch (const std::bad_alloc&) {
                result.error = Text::tr("Out of memory");
            } catch (const std::exception& e) {
                result.error = QString::fromLocal8Bit(e.what());
            }
            return result;
        },
        [this, generation, step](int, int) {
            QImage image;
            QRect target;
            {
                const std::lock_guard lock(step->mutex);
                image = std::exchange(step->image, QImage());
                target = step->target;
            }
            if (!image.isNull() && generation_->load() == generation)
                emit decodeStep(image, target);
        },
        [this, generation, path, then](const Loaded& r) {
            loaded(generation, path, then, r.picture, r.error);
        },
        [this, generation, path, then](const QString& error) {
            loaded(generation, path, then, Picture(), error);
        });
}

void PictureViewer::loaded(int generation, const QString& path, Then then, const Picture& picture,
                           const QString& error) {
    const bool latest = generation == generation_->load();
    if (--loading_ == 0)
        emit busyChanged(false);
    if (!latest)
        return;
    if (!error.isEmpty()) {
        if (options_.incDisplay)
            emit pictureChanged(); // the picture that stays, over the partial one
        prompts_.errorLater(owner_, error);
        return;
    }
    setPicture(picture);
    sharpen(); // the area may have changed while it loaded
    if (then == Then::Entry) {
        setCurrent(path, false);
        emit entryOpened();
        return;
    }
    setCurrent(path, true);
    // The rewrite, flushed to disk, would hold up the first paint.
    recent_.appendLater(path);
    emit listChanged();
    recentFlush_.start();
}

void PictureViewer::setCurrent(const QString& file, bool toStatus) {
    currentFile_ = file;
    if (toStatus)
        emit statusChanged(file);
}

void PictureViewer::appendRecent(const QString& path) {
    try {
        recent_.append(path);
    } catch (const AppError&) {
        emit listChanged();
        throw;
    }
    emit listChanged();
}

void PictureViewer::open() {
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::OpenPicture;
    dialog.title = Text::tr("Open A Picture");
    dialog.filter = fileFilter();
    dialog.mustExist = true;
    const std::optional<QString> path = prompts_.file(owner_, dialog);
    if (path)
        openFile(*path);
}

void PictureViewer::openFile(const QString& path) {
    show(path, Then::Open);
}

void PictureViewer::saveAs() {
    // Nothing on show: no file would be written, so none is named saved.
    if (picture_.isEmpty()) {
        prompts_.notice(owner_, Text::tr("There is no picture to save."));
        return;
    }
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::Save;
    dialog.title = Text::tr("Save Picture As...");
    dialog.filter = fileFilter();
    dialog.file = currentFile_;
    dialog.confirmOverwrite = true;
    const std::optional<QString> path = prompts_.file(owner_, dialog);
    if (!path)
        return;
    picture_.save(*path);
    setCurrent(*path, false);
    appendRecent(*path);
    prompts_.notice(owner_, Text::tr("The Picture was saved as:\r ") + *path);
}

void PictureViewer::openEntry(int row) {
    if (row < 0 || row >= recent_.entries().size()) {
        prompts_.notice(owner_, Text::tr("There is no item in the list selected!"));
        return;
    }
    show(recent_.entries().at(row), Then::Entry);
}

void PictureViewer::removeEntry(int row) {
    if (row < 0 || row >= recent_.entries().size()) {
        prompts_.notice(owner_, Text::tr("There is no item in the list selected to Remove!"));
        return;
    }
    if (!prompts_.confirm(owner_, Text::tr("Are you sure you want to remove the item?")))
        return;
    try {
        recent_.removeAt(row);
    } catch (const AppError&) {
        emit listChanged();
        throw;
    }
    emit listChanged();
}

void PictureViewer::putOnClipboard() {
    // Other programs get the picture's bytes without the UI thread.
    selectionserver::serveInBackground(
        [](const QMimeData& data, const QString& type) -> std::optional<QFuture<QByteArray>> {
            const auto* picture = dynamic_cast<const pictureclipboard::PictureData*>(&data);
            return picture ? picture->bytesInBackground(type) : std::nullopt;
        });
    std::unique_ptr<QMimeData> data = pictureclipboard::mimeData(picture_);
    if (clipboard_)
        clipboard_->setMimeData(data.release());
}

void PictureViewer::cut() {
    // With nothing on show the clipboard keeps what it holds.
    if (picture_.isEmpty())
        return;
    putOnClipboard();
    deleteShown();
}

void PictureViewer::copy() {
    if (!picture_.isEmpty())
        putOnClipboard();
}

void PictureViewer::paste() {
    const Picture pasted =
        pictureclipboard::fromMimeData(clipboard_ ? clipboard_->mimeData() : nullptr);
    if (pasted.isEmpty()) {
        prompts_.notice(owner_, Text::tr("Can only paste *.bmp picture files!"));
        return;
    }
    setCurrent(pastedName(), true);
    setPicture(pasted);
}

void PictureViewer::deleteShown() {
    setCurrent(QString(), true);
    setPicture(Picture());
}

void PictureViewer::clearClipboard() {
    if (clipboard_)
        clipboard_->clear();
    prompts_.notice(owner_, Text::tr("The clipboard was cleared!"));
}

void PictureViewer::setOption(ViewOption option, bool on) {
    options_.set(option, on);
    emit optionChanged(option, on);
    emit pictureChanged();
    settings_.setOption(option, on);
    sharpen();
}

void PictureViewer::chooseColor(ViewColor which, const QColor& initial) {
    const std::optional<QColor> chosen = prompts_.color(owner_, initial);
    if (!chosen)
        return;
    const QColor rgb = chosen->toRgb();
    const uint32_t value =
        uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) | (uint32_t(rgb.blue()) << 16);
    (which == ViewColor::Program ? programColor_ : pictureColor_) = value;
    emit colorChanged(which, value);
    settings_.setColor(which, value);
}

void PictureViewer::defaultColor(ViewColor which) {
    const QString question =
        which == ViewColor::Program
            ? Text::tr("Are you sure you want to set the program's default color?")
            : Text::tr("Are you sure you want to set the picture's default color?");
    if (!prompts_.confirm(owner_, question))
        return;
    (which == ViewColor::Program ? programColor_ : pictureColor_) = settings_.stripColor();
    emit colorChanged(which, color(which));
    settings_.setColor(which, std::nullopt);
}
