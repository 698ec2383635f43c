#pragma once
#include "graphics/Picture.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <optional>

class Prompts;
class QWidget;

// The icon-to-bitmap converter's state and steps: the icon opened, the
// 32 x 32 bitmap made of it, the names and folders the dialogs start from.
// The window shows icon() and bitmap() and hands it the program colour.
class IconConverter {
public:
    static constexpr int Side = 32;

    IconConverter(Prompts& prompts, QWidget* owner);

    // The open dialog, then the picture (any picture format, by extension).
    // A file that is no picture raises the picture error and changes nothing.
    void open();
    // The conversion, or the notice when no icon was opened. The icon area is
    // cleared afterwards, so converting again without a new Open gives the
    // background alone. Returns true when a bitmap was made.
    bool convert(const QColor& background);
    // The save dialog and the 24-bit bitmap file, or the notice when nothing
    // was converted. Returns true when a file was written.
    bool save();
    // Copy to Clipboard: only after a conversion; the one place the
    // converter writes the clipboard.
    void copyToClipboard();
    // The notice with the path of the bitmap saved last.
    void properties();
    // The tool bar's Close: both flags off; the pictures stay.
    void close();

    // The icon area's picture on the background: the whole icon, centred in
    // 32 x 32 (so a 32 x 32 icon has its top-left pixel at (0, 0)).
    static QImage render(const Picture& icon, const QColor& background);

    const Picture& icon() const { return icon_; }
    const QImage& bitmap() const { return bitmap_; }
    bool iconOpen() const { return iconOpen_; }
    bool converted() const { return converted_; }
    const QString& openedName() const { return openedName_; }
    const QString& savedName() const { return savedName_; }
    const QString& savedPath() const { return savedPath_; }

private:
    Prompts& prompts_;
    QWidget* owner_;
    Picture icon_;
    QImage bitmap_;
    bool iconOpen_ = false;
    bool converted_ = false;
    QString openedName_;
    QString savedName_;
    QString savedPath_;
    QString chosenName_;
    QString openFolder_;
    QString saveFolder_;
};
