#include "strip/SlotOperations.h"

#include "context/Prompts.h"
#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "graphics/Picture.h"
#include "platform/IconReader.h"
#include "strip/KindPicture.h"
#include "strip/LaunchOptions.h"
#include "strip/Selection.h"
#include "strip/ShownSettings.h"
#include "strip/StripView.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SlotOperations)
};

Picture firstIcon(const QString& path) {
    const std::optional<QImage> icon = iconreader::icon(path, 0);
    // An executable without icons shows an empty picture; that is no error.
    return icon ? Picture::fromIcon(*icon) : Picture();
}
} // namespace

SlotOperations::SlotOperations(StripView& view, Selection& selection, ControlFile& controlFile,
                               Prompts& prompts, QString iconsDir)
    : view_(view), selection_(selection), file_(controlFile), slots_(controlFile),
      prompts_(prompts), iconsDir_(std::move(iconsDir)) {}

QString SlotOperations::pictureFilter() {
    return Text::tr("All (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png *.svg);;"
                    "JPEG Image File (*.jpg *.jpeg);;"
                    "Bitmaps (*.bmp);;"
                    "Icons (*.ico);;"
                    "Enhanced Metafiles (*.emf);;"
                    "Metafiles (*.wmf);;"
                    "PNG Images (*.png);;"
                    "SVG Images (*.svg)");
}

bool SlotOperations::takesTarget(int button, const QString& path) {
    // A target of two characters or fewer ("/") would never open and could
    // not be deleted or cut: it is ignored like an assignment without a button.
    return button >= 1 && button <= buttonslots::ButtonCount &&
           ControlFile::isSet(int(path.size()));
}

// --- assignment ---------------------------------------------------------------

void SlotOperations::chooseTarget() {
    // Nothing is selected (after a launch or a Delete): there is no button to fill.
    const int n = selection_.button();
    if (!selection_.has())
        return;
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::Open;
    dialog.mustExist = false; // a typed name is put on the button whether or not it exists
    const std::optional<QString> chosen = prompts_.file(view_.owner(), dialog);
    if (!chosen)
        return;
    assign(n, *chosen);
}

void SlotOperations::assign(int n, const QString& path) {
    if (!takesTarget(n, path))
        return;
    currentPath_ = path;
    switch (buttonslots::kindOf(path)) {
    case buttonslots::Kind::Shortcut:
        prompts_.notice(view_.owner(),
                        Text::tr("Tabdeck CANNOT OPEN Window's Shortcuts!\rPlease open "
                                 "the folder the program is in and Drag && Drop the "
                                 "original file onto a Tabdeck button."));
        return;
    case buttonslots::Kind::Executable:
        iconBuffer_ = firstIcon(path);
        slots_.setIcon(n, path);
        slots_.setTarget(n, path);
        break;
    case buttonslots::Kind::Other: {
        Prompts::FileDialog dialog;
        dialog.kind = Prompts::FileDialog::OpenPicture;
        dialog.folder = QDir(iconsDir_).exists() ? iconsDir_ : QString();
        dialog.filter = pictureFilter();
        dialog.mustExist = true;
        const std::optional<QString> picture = prompts_.file(view_.owner(), dialog);
        if (!picture)
            return;
        // Loaded before anything is written: an unreadable picture leaves the slot as it was.
        iconBuffer_ = Picture::load(*picture);
        slots_.setIcon(n, *picture);
        slots_.setTarget(n, path);
        break;
    }
    }
    showButton(n);
    prompts_.notice(view_.owner(), Text::tr("The Program was Setup on Button %1").arg(n));
}

void SlotOperations::showButton(int n) {
    buttonface::show(view_, n, iconBuffer_, currentPath_);
}

void SlotOperations::clearButton(int n) {
    if (n < 1 || n > buttonslots::ButtonCount)
        return;
    view_.setButtonPicture(n, Picture());
    buttonface::showEmpty(view_, n);
}

// --- Delete, Cut, Paste -------------------------------------------------------

void SlotOperations::deleteButton() {
    struct Deselect {
        Selection& selection;
        ~Deselect() { selection.clear(); }
    } deselect{selection_};

    const int n = selection_.button();
    const ControlFile::Value target = slots_.target(n);
    if (!target.isSet()) {
        prompts_.notice(view_.owner(), Text::tr("There is nothing on the Button to Remove!"));
        return;
    }
    if (!prompts_.confirm(view_.owner(), Text::tr("Are you sure you want to remove this program?")))
        return;
    slots_.clear(n);
    clearButton(n);
}

void SlotOperations::cutButton() {
    executable_ = false;
    const int n = selection_.button();
    const ControlFile::Value target = slots_.target(n);
    if (!target.isSet())
        return;
    setCut(1, target.text);
    cutOptions_ = LaunchOptionsSettings(file_).read(n, target.text);
    const ControlFile::Value icon = slots_.icon(n);
    if (icon.nonEmpty()) {
        // The same test as everywhere else: an ICON entry ending in ".EXE"
        // names an executable too, and must not be pasted as a picture.
        if (buttonslots::isExecutable(icon.text))
            executable_ = true;
        else
            setCut(3, icon.text);
    }
    slots_.clear(n);
    if (!cutOptions_.isEmpty())
        LaunchOptionsSettings(file_).write(n, QString(), LaunchOptions{});
    clearButton(n);
}

void SlotOperations::pasteButton() {
    // With no button selected the slot would go under key "0", which nothing
    // reads, and the emptied cut buffer would lose it for good.
    if (!selection_.has())
        return;
    const int n = selection_.button();
    const QString target = cutTarget_;
    const QString picture = cutPicture_;
    if (!target.isEmpty())
        slots_.setTarget(n, target);
    const LaunchOptions options = std::exchange(cutOptions_, LaunchOptions{});
    if (!target.isEmpty() && !options.isEmpty())
        LaunchOptionsSettings(file_).write(n, target, options);
    if (executable_ && !target.isEmpty()) {
        slots_.setIcon(n, target);
        currentPath_ = target;
        iconBuffer_ = firstIcon(target);
        showButton(n);
    }
    if (!executable_ && !picture.isEmpty()) {
        slots_.setIcon(n, picture);
        currentPath_ = target;
        // A theme's icon the theme lacks gives the picture of the target's kind.
        iconBuffer_ = Picture::isThemeName(picture) ? KindPicture(iconsDir_).load(picture, target)
                                                    : Picture::load(picture);
        showButton(n);
    }
    if (!target.isEmpty() && !options.isEmpty())
        view_.setButtonHint(n,
                            buttontexts::loaded(file_, n, target, buttonslots::loadedHint(target)));
    setCut(1, QString());
    setCut(3, QString());
}

void SlotOperations::setCut(int box, const QString& text) {
    (box == 1 ? cutTarget_ : cutPicture_) = text;
    view_.setCutText(box, text);
}
