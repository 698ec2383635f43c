#include "icons/IconConverter.h"

#include "context/Prompts.h"
#include "icons/IconFileNames.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

namespace {
QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath() + u'/';
}
} // namespace

IconConverter::IconConverter(Prompts& prompts, QWidget* owner) : prompts_(prompts), owner_(owner) {}

void IconConverter::open() {
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::OpenPicture;
    dialog.title = QStringLiteral("Open a Icon File");
    dialog.filter = QStringLiteral("Icons (*.ico)");
    dialog.folder = openFolder_;
    dialog.defaultSuffix = QStringLiteral("ico");
    const std::optional<QString> path = prompts_.file(owner_, dialog);
    if (!path)
        return;
    icon_ = Picture::load(*path);
    openedName_ = iconfilenames::fileNamePart(*path);
    openFolder_ = folderOf(*path);
    iconOpen_ = true;
}

QImage IconConverter::render(const Picture& icon, const QColor& background) {
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(background);
    if (!icon.isEmpty()) {
        QPainter painter(&image);
        const QSize size = icon.size();
        const QRectF target(QPointF((Side - size.width()) / 2, (Side - size.height()) / 2), size);
        icon.draw(painter, target);
    }
    return image;
}

bool IconConverter::convert(const QColor& background) {
    if (!iconOpen_) {
        prompts_.notice(owner_,
                        QStringLiteral("First you have to open the icon you want to convert."));
        return false;
    }
    converted_ = true;
    bitmap_ = render(icon_, background);
    icon_ = Picture();
    return true;
}

bool IconConverter::save() {
    if (!converted_) {
        prompts_.notice(owner_, QStringLiteral("First you have to convert the icon to a bitmap."));
        return false;
    }
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::Save;
    dialog.title = QStringLiteral("Save Bitmap As...");
    dialog.file = chosenName_.isEmpty() ? QStringLiteral("Untitled.bmp") : chosenName_;
    dialog.filter = QStringLiteral("Bitmaps (*.bmp)");
    dialog.folder = saveFolder_;
    dialog.defaultSuffix = QStringLiteral("bmp");
    dialog.confirmOverwrite = true;
    const std::optional<QString> path = prompts_.file(owner_, dialog);
    if (!path)
        return false;
    chosenName_ = iconfilenames::fileNamePart(*path);
    Picture::fromImage(bitmap_).save(*path);
    savedName_ = chosenName_;
    savedPath_ = *path;
    saveFolder_ = folderOf(*path);
    return true;
}

void IconConverter::copyToClipboard() {
    if (!converted_)
        return;
    QGuiApplication::clipboard()->setImage(bitmap_);
    prompts_.notice(owner_, QStringLiteral("The picture was copied to the clipboard."));
}

void IconConverter::properties() {
    prompts_.notice(owner_, QStringLiteral("Bitmap file path:\r") + savedPath_ +
                                QStringLiteral("\rBitmap dementions:\r32 x 32"));
}

void IconConverter::close() {
    iconOpen_ = false;
    converted_ = false;
}
