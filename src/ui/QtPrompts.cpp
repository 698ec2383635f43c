#include "ui/QtPrompts.h"
#include "ui/FontColorDialog.h"

#include "ui/PicturePreview.h"
#include "ui/ToolWindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace {

// The window a dialog is kept above: its owner's, or for a box without an
// owner (the help messages) the window the user is working in, so that a box
// asked for by a window that stays on top does not open hidden behind it.
QWidget* askingWindow(QWidget* owner) {
    return owner ? owner->window() : QApplication::activeWindow();
}

// The least width of a window whose title bar shows the whole caption.
int titleBarWidth(const QString& caption) {
    // The window manager draws the caption bold in a font of its own, often
    // a little wider than ours, beside the window's icon and its three
    // buttons, each about a line and a half square with padding around it.
    QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    title.setBold(true);
    const QFontMetrics fm(title);
    const int text = fm.horizontalAdvance(caption);
    return text + text / 10 + 4 * 2 * fm.height() + fm.height();
}

// The window that asked for a dialog: the dialog is kept above it, and it
// takes the keyboard back once the dialog has closed, as a window manager
// need not hand it to a window kept out of its task bar (the strip).
class Asker {
public:
    Asker(QDialog& dialog, QWidget* owner) : window_(askingWindow(owner)) {
        toolwindow::keepAbove(dialog, window_);
    }
    void takeKeyboardBack() const {
        if (window_ && window_->isVisible() && !QApplication::activeWindow())
            window_->activateWindow();
    }

private:
    QPointer<QWidget> window_;
};

int execAbove(QDialog& dialog, QWidget* owner) {
    const Asker asker(dialog, owner);
    const int result = dialog.exec();
    asker.takeKeyboardBack();
    return result;
}

} // namespace

namespace {

// A message box as asked; shown by the caller.
QMessageBox* makeBox(QWidget* owner, const Prompts::Box& asked) {
    using P = Prompts;
    auto* mb = new QMessageBox(owner);
    mb->setWindowTitle(asked.caption);
    mb->setText(P::displayText(asked.text));
    mb->setTextFormat(Qt::PlainText);
    switch (asked.icon) {
    case P::Icon::None:
        mb->setIcon(QMessageBox::NoIcon);
        break;
    case P::Icon::Information:
        mb->setIcon(QMessageBox::Information);
        break;
    case P::Icon::Warning:
        mb->setIcon(QMessageBox::Warning);
        break;
    case P::Icon::Error:
        mb->setIcon(QMessageBox::Critical);
        break;
    case P::Icon::Question:
        mb->setIcon(QMessageBox::Question);
        break;
    }
    QMessageBox::StandardButtons buttons;
    if (asked.buttons & P::Ok)
        buttons |= QMessageBox::Ok;
    if (asked.buttons & P::Yes)
        buttons |= QMessageBox::Yes;
    if (asked.buttons & P::No)
        buttons |= QMessageBox::No;
    if (asked.buttons & P::Cancel)
        buttons |= QMessageBox::Cancel;
    mb->setStandardButtons(buttons);
    switch (asked.defaultButton & asked.buttons) {
    case P::Yes:
        mb->setDefaultButton(QMessageBox::Yes);
        break;
    case P::No:
        mb->setDefaultButton(QMessageBox::No);
        break;
    case P::Cancel:
        mb->setDefaultButton(QMessageBox::Cancel);
        break;
    case P::Ok:
        mb->setDefaultButton(QMessageBox::Ok);
        break;
    default:
        break;
    }
    return mb;
}

Prompts::Button buttonOf(int result, const Prompts::Box& asked) {
    switch (result) {
    case QMessageBox::Ok:
        return Prompts::Ok;
    case QMessageBox::Yes:
        return Prompts::Yes;
    case QMessageBox::No:
        return Prompts::No;
    default:
        return (asked.buttons & Prompts::Cancel)
                   ? Prompts::Cancel
                   : ((asked.buttons & Prompts::No) ? Prompts::No : Prompts::Ok);
    }
}

// The input box; its edit is the dialog's only QLineEdit.
QDialog* makeInput(QWidget* owner, const Prompts::Input& asked) {
    // Built by hand so that the edit's length limit is set on a control we own.
    auto* dlg = new QDialog(owner);
    dlg->setWindowTitle(asked.caption);
    auto* label = new QLabel(asked.prompt, dlg);
    auto* edit = new QLineEdit(dlg);
    edit->setMaxLength(asked.maxLength);
    if (asked.secret)
        edit->setEchoMode(QLineEdit::Password);
    edit->setText(asked.initial);
    edit->selectAll();
    label->setBuddy(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dlg);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dlg, &QDialog::reject);
    auto* layout = new QVBoxLayout(dlg);
    // Wide enough for the window manager to show the whole caption, and the
    // prompt clear of the edges.
    dlg->setMinimumWidth(std::max(titleBarWidth(asked.caption),
                                  label->fontMetrics().horizontalAdvance(asked.prompt) +
                                      4 * layout->spacing() + layout->contentsMargins().left() +
                                      layout->contentsMargins().right()));
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    return dlg;
}

std::optional<QString> inputOf(QDialog& dlg, int result) {
    if (result != QDialog::Accepted)
        return std::nullopt;
    return dlg.findChild<QLineEdit*>()->text();
}

// Shows a dialog without a nested loop; `done` gets its result once it closes.
void openAbove(QDialog* dialog, QWidget* owner, std::function<void(int)> done) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [asker = Asker(*dialog, owner), done](int result) {
                         asker.takeKeyboardBack();
                         if (done)
                             done(result);
                     });
    dialog->open();
}

} // namespace

Prompts::Button QtPrompts::box(QWidget* owner, const Box& asked) {
    const std::unique_ptr<QMessageBox> mb(makeBox(owner, asked));
    return buttonOf(execAbove(*mb, owner), asked);
}

void QtPrompts::boxLater(QWidget* owner, const Box& asked, std::function<void(Button)> done) {
    openAbove(makeBox(owner, asked), owner, [asked, done](int result) {
        if (done)
            done(buttonOf(result, asked));
    });
}

std::optional<QString> QtPrompts::input(QWidget* owner, const Input& asked) {
    const std::unique_ptr<QDialog> dlg(makeInput(owner, asked));
    const int result = execAbove(*dlg, owner);
    return inputOf(*dlg, result);
}

void QtPrompts::inputLater(QWidget* owner, const Input& asked,
                           std::function<void(std::optional<QString>)> done) {
    QDialog* dlg = makeInput(owner, asked);
    openAbove(dlg, owner, [dlg, done](int result) {
        if (done)
            done(inputOf(*dlg, result));
    });
}

void QtPrompts::addPreview(QFileDialog& dialog) {
    // The platform's own dialog has no room for a pane of ours.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return;
    auto* preview = new PicturePreview(&dialog);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreview::showFile);
}

std::optional<QString> QtPrompts::file(QWidget* owner, const FileDialog& asked) {
    QFileDialog dlg(owner, asked.title, asked.folder, asked.filter);
    if (asked.kind == FileDialog::Save) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        if (!asked.confirmOverwrite)
            dlg.setOption(QFileDialog::DontConfirmOverwrite);
    } else if (asked.kind == FileDialog::Folder) {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::Directory);
        dlg.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(asked.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (!asked.defaultSuffix.isEmpty())
        dlg.setDefaultSuffix(asked.defaultSuffix);
    if (asked.kind == FileDialog::OpenPicture)
        addPreview(dlg);
    if (!asked.file.isEmpty())
        dlg.selectFile(asked.file);
    if (execAbove(dlg, owner) != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().constFirst();
}

std::optional<QColor> QtPrompts::color(QWidget* owner, const QColor& initial) {
    QColorDialog dlg(initial, owner);
    if (execAbove(dlg, owner) != QDialog::Accepted || !dlg.selectedColor().isValid())
        return std::nullopt;
    return dlg.selectedColor();
}

std::optional<QFont> QtPrompts::font(QWidget* owner, const QFont& initial) {
    QFontDialog dlg(initial, owner);
    if (execAbove(dlg, owner) != QDialog::Accepted)
        return std::nullopt;
    return dlg.selectedFont();
}

std::optional<Prompts::FontChoice> QtPrompts::fontAndColor(QWidget* owner,
                                                           const FontChoice& initial) {
    FontColorDialog dlg(initial.font, initial.color, owner);
    if (execAbove(dlg, owner) != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{dlg.selectedFont(), dlg.selectedColor()};
}

bool QtPrompts::print(QWidget* owner, QPrinter& printer) {
    QPrintDialog dlg(&printer, owner);
    return execAbove(dlg, owner) == QDialog::Accepted;
}

bool QtPrompts::pageSetup(QWidget* owner, QPrinter& printer) {
    QPageSetupDialog dlg(&printer, owner);
    return execAbove(dlg, owner) == QDialog::Accepted;
}

void QtPrompts::modal(QWidget* owner, QDialog& dialog) {
    // The program's windows are made once without a parent and keep their
    // own place; every other window waits while this one shows. It is kept
    // above the window the user is in (the about box asked for by a tool
    // window that stays on top), else above its owner.
    dialog.setWindowModality(Qt::ApplicationModal);
    QWidget* active = QApplication::activeWindow();
    toolwindow::keepAbove(dialog, active && active != &dialog ? active : owner);
    dialog.exec();
}
