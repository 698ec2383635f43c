#include "icons/IconConverter.h"

#include "context/Prompts.h"
#include "icons/IconFileNames.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(IconConverter)
};

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath() + u'/';
}
} // namespace

IconConverter::IconConverter(Prompts& prompts, QWidget* owner) : prompts_(prompts), owner_(owner) {}

void IconConverter::open() {
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::OpenPicture;
    dialog.title = Text::tr("Open a Icon File");
    dialog.filter = Text::tr("Icons (*.ico)");
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
        prompts_.notice(owner_, Text::tr("First you have to open the icon you want to convert."));
        return false;
    }
    converted_ = true;
    bitmap_ = render(icon_, background);
    icon_ = Picture();
    return true;
}

bool IconConverter::save() {
    if (!converted_) {
        prompts_.notice(owner_, Text::tr("First you have to convert the icon to a bitmap."));
        return false;
    }
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::Save;
    dialog.title = Text::tr("Save Bitmap As...");
    dialog.file = chosenName_.isEmpty() ? QStringLiteral("Untitled.bmp") : chosenName_;
    dialog.filter = Text::tr("Bitmaps (*.bmp)");
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
    prompts_.notice(owner_, Text::tr("The picture was copied to the clipboard."));
}

void IconConverter::properties() {
    prompts_.notice(owner_, Text::tr("Bitmap file path:\r") + savedPath_ +
                                Text::tr("\rBitmap dementions:\r32 x 32"));
}

void IconConverter::close() {
    iconOpen_ = false;
    converted_ = false;
}
