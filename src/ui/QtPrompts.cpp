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
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>

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

int execAbove(QDialog& dialog, QWidget* owner) {
    QWidget* asker = askingWindow(owner);
    toolwindow::keepAbove(dialog, asker);
    const int result = dialog.exec();
    // The window that asked takes the keyboard back: a window manager need
    // not hand it to a window kept out of its task bar (the strip).
    if (asker && asker->isVisible() && !QApplication::activeWindow())
        asker->activateWindow();
    return result;
}

} // namespace

Prompts::Button QtPrompts::box(QWidget* owner, const Box& spec) {
    QMessageBox mb(owner);
    mb.setWindowTitle(spec.caption);
    mb.setText(displayText(spec.text));
    mb.setTextFormat(Qt::PlainText);
    switch (spec.icon) {
    case Icon::None:
        mb.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        mb.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        mb.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
        mb.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        mb.setIcon(QMessageBox::Question);
        break;
    }
    QMessageBox::StandardButtons buttons;
    if (spec.buttons & Ok)
        buttons |= QMessageBox::Ok;
    if (spec.buttons & Yes)
        buttons |= QMessageBox::Yes;
    if (spec.buttons & No)
        buttons |= QMessageBox::No;
    if (spec.buttons & Cancel)
        buttons |= QMessageBox::Cancel;
    mb.setStandardButtons(buttons);
    switch (spec.defaultButton & spec.buttons) {
    case Yes:
        mb.setDefaultButton(QMessageBox::Yes);
        break;
    case No:
        mb.setDefaultButton(QMessageBox::No);
        break;
    case Cancel:
        mb.setDefaultButton(QMessageBox::Cancel);
        break;
    case Ok:
        mb.setDefaultButton(QMessageBox::Ok);
        break;
    default:
        break;
    }
    switch (execAbove(mb, owner)) {
    case QMessageBox::Ok:
        return Ok;
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        return (spec.buttons & Cancel) ? Cancel : ((spec.buttons & No) ? No : Ok);
    }
}

std::optional<QString> QtPrompts::input(QWidget* owner, const Input& spec) {
    // Built by hand so that the edit's length limit is set on a control we own.
    QDialog dlg(owner);
    dlg.setWindowTitle(spec.caption);
    auto* label = new QLabel(spec.prompt, &dlg);
    auto* edit = new QLineEdit(&dlg);
    edit->setMaxLength(spec.maxLength);
    if (spec.secret)
        edit->setEchoMode(QLineEdit::Password);
    edit->setText(spec.initial);
    edit->selectAll();
    label->setBuddy(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dlg);
    // Wide enough for the window manager to show the whole caption, and the
    // prompt clear of the edges.
    dlg.setMinimumWidth(std::max(titleBarWidth(spec.caption),
                                 label->fontMetrics().horizontalAdvance(spec.prompt) +
                                     4 * layout->spacing() + layout->contentsMargins().left() +
                                     layout->contentsMargins().right()));
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    if (execAbove(dlg, owner) != QDialog::Accepted)
        return std::nullopt;
    return edit->text();
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

std::optional<QString> QtPrompts::file(QWidget* owner, const FileDialog& spec) {
    QFileDialog dlg(owner, spec.title, spec.folder, spec.filter);
    if (spec.kind == FileDialog::Save) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        if (!spec.confirmOverwrite)
            dlg.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(spec.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (!spec.defaultSuffix.isEmpty())
        dlg.setDefaultSuffix(spec.defaultSuffix);
    if (spec.kind == FileDialog::OpenPicture)
        addPreview(dlg);
    if (!spec.file.isEmpty())
        dlg.selectFile(spec.file);
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
