#include "strip/SlotOperations.h"

#include "context/Prompts.h"
#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "graphics/Picture.h"
#include "platform/DropTarget.h"
#include "platform/IconReader.h"
#include "strip/CutBox.h"
#include "strip/ShownSettings.h"
#include "strip/StripMenus.h"
#include "strip/StripView.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
Picture firstIcon(const QString& path) {
    const std::optional<QImage> icon = iconreader::icon(path, 0);
    // An executable without icons shows an empty picture; that is no error.
    return icon ? Picture::fromIcon(*icon) : Picture();
}
} // namespace

SlotOperations::SlotOperations(StripView& view, ControlFile& controlFile, Prompts& prompts,
                               QString iconsDir, QObject* parent)
    : QObject(parent), view_(view), strip_(view.stripWindow()), file_(controlFile),
      slots_(controlFile), prompts_(prompts), iconsDir_(std::move(iconsDir)),
      cutTo1_(view.cutTo(1)), cutTo3_(view.cutTo(3)) {}

void SlotOperations::attach() {
    strip_->installEventFilter(this);
    const StripMenus& menus = view_.menus();
    for (auto [item, body] : {std::pair{menus.open, &SlotOperations::Open1Click},
                              {menus.cut, &SlotOperations::Cut1Click},
                              {menus.paste, &SlotOperations::Paste1Click},
                              {menus.remove, &SlotOperations::Delete1Click}})
        if (item)
            connect(item, &QAction::triggered, this,
                    actionguard::guarded(prompts_, strip_, [this, body] { (this->*body)(); }));
}

QString SlotOperations::pictureFilter() {
    return QStringLiteral("All (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf);;"
                          "JPEG Image File (*.jpg *.jpeg);;"
                          "Bitmaps (*.bmp);;"
                          "Icons (*.ico);;"
                          "Enhanced Metafiles (*.emf);;"
                          "Metafiles (*.wmf)");
}

bool SlotOperations::hasSelection() const {
    return view_.state().selectedButton >= 1 &&
           view_.state().selectedButton <= buttonslots::ButtonCount;
}

bool SlotOperations::takesTarget(const QString& path) const {
    // A target of two characters or fewer ("/") would never open and could
    // not be deleted or cut: it is ignored like an assignment without a button.
    return hasSelection() && ControlFile::isSet(int(path.size()));
}

int SlotOperations::selected() const {
    return view_.state().selectedButton;
}

// --- assignment ---------------------------------------------------------------

void SlotOperations::Open1Click() {
    // Nothing is selected (after a launch or a Delete): there is no button to fill.
    if (!hasSelection())
        return;
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::Open;
    dialog.mustExist = false; // a typed name is put on the button whether or not it exists
    const std::optional<QString> chosen = prompts_.file(strip_, dialog);
    if (!chosen)
        return;
    assign(*chosen);
}

void SlotOperations::WMDropFiles(const QMimeData& data) {
    assign(droptarget::firstItem(&data).value_or(QString()));
}

void SlotOperations::assign(const QString& path) {
    if (!takesTarget(path))
        return;
    currentPath_ = path;
    const int n = view_.state().selectedButton;
    switch (buttonslots::kindOf(path)) {
    case buttonslots::Kind::Shortcut:
        prompts_.notice(strip_,
                        QStringLiteral("Tabdeck CANNOT OPEN Window's Shortcuts!\rPlease open "
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
        const std::optional<QString> picture = prompts_.file(strip_, dialog);
        if (!picture)
            return;
        // Loaded before anything is written: an unreadable picture leaves the slot as it was.
        iconBuffer_ = Picture::load(*picture);
        slots_.setIcon(n, *picture);
        slots_.setTarget(n, path);
        break;
    }
    }
    ShowSelectedButton();
    prompts_.notice(strip_, QStringLiteral("The Program was Setup on Button %1").arg(n));
}

void SlotOperations::ShowSelectedButton() {
    if (!hasSelection())
        return;
    ShownSettings(view_, file_).applyButton(selected(), iconBuffer_, currentPath_);
}

void SlotOperations::ClearSelectedButton() {
    if (!hasSelection())
        return;
    const int n = view_.state().selectedButton;
    view_.setButtonPicture(n, Picture());
    ShownSettings(view_, file_).applyEmptyButton(n);
}

// --- Delete, Cut, Paste -------------------------------------------------------

void SlotOperations::Delete1Click() {
    struct Deselect {
        int& selected;
        ~Deselect() { selected = 0; }
    } deselect{view_.state().selectedButton};

    const ControlFile::Value target = slots_.target(selected());
    if (!target.isSet()) {
        prompts_.notice(strip_, QStringLiteral("There is nothing on the Button to Remove!"));
        return;
    }
    if (!prompts_.confirm(strip_, QStringLiteral("Are you sure you want to remove this program?")))
        return;
    slots_.clear(selected());
    ClearSelectedButton();
}

void SlotOperations::Cut1Click() {
    executable_ = false;
    const ControlFile::Value target = slots_.target(selected());
    if (!target.isSet())
        return;
    cutTo1_->setText(target.text);
    const ControlFile::Value icon = slots_.icon(selected());
    if (icon.nonEmpty()) {
        // The same test as everywhere else: an ICON entry ending in ".EXE"
        // names an executable too, and must not be pasted as a picture.
        if (buttonslots::isExecutable(icon.text))
            executable_ = true;
        else
            cutTo3_->setText(icon.text);
    }
    slots_.clear(selected());
    ClearSelectedButton();
}

void SlotOperations::Paste1Click() {
    // With no button selected the slot would go under key "0", which nothing
    // reads, and the emptied cut buffer would lose it for good.
    if (!hasSelection())
        return;
    const QString target = cutTo1_->text();
    const QString picture = cutTo3_->text();
    if (!target.isEmpty())
        slots_.setTarget(selected(), target);
    if (executable_ && !target.isEmpty()) {
        slots_.setIcon(selected(), target);
        currentPath_ = target;
        iconBuffer_ = firstIcon(target);
        ShowSelectedButton();
    }
    if (!executable_ && !picture.isEmpty()) {
        slots_.setIcon(selected(), picture);
        currentPath_ = target;
        iconBuffer_ = Picture::load(picture);
        ShowSelectedButton();
    }
    cutTo1_->clear();
    cutTo3_->clear();
}

// --- drops --------------------------------------------------------------------

bool SlotOperations::eventFilter(QObject* watched, QEvent* event) {
    if (watched != strip_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
        // The first item is read once per drag: a source learns from the
        // answers to its moves whether the drop will be taken, and with what.
        draggedPath_ =
            droptarget::firstItem(static_cast<QDropEvent*>(event)->mimeData()).value_or(QString());
        [[fallthrough]];
    case QEvent::DragMove: {
        auto* de = static_cast<QDropEvent*>(event);
        const std::optional<Qt::DropAction> action = droptarget::actionFor(de->possibleActions());
        if (action && takesTarget(draggedPath_)) {
            de->setDropAction(*action);
            de->accept();
        } else {
            de->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* de = static_cast<QDropEvent*>(event);
        const QString path = droptarget::firstItem(de->mimeData()).value_or(QString());
        const std::optional<Qt::DropAction> action = droptarget::actionFor(de->possibleActions());
        if (!action || !takesTarget(path)) {
            de->ignore(); // the source learns that nothing was taken
            return true;
        }
        // Never the proposed Move: a source that honours it would remove the user's file.
        de->setDropAction(*action);
        de->accept();
        // The drop is released at once; the boxes the assignment may show
        // then run after the drag source has been told, not inside its drop.
        QPointer<SlotOperations> self(this);
        QTimer::singleShot(0, this, [self, path] {
            if (self)
                actionguard::run(self->prompts_, self->strip_, [&] { self->assign(path); });
        });
        return true;
    }
    default:
        return false;
    }
}
