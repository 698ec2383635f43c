#pragma once
#include <QBitmap>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

class QPainter;

// The program's own pictures, drawn with the painter on a 32-unit grid so
// they stay sharp at any device-pixel ratio.
namespace drawnart {

enum class Art {
    MoveHandle,   // three stacked diskettes
    ExitDoor,     // an open door with an arrow pointing out of it
    TableItem,    // the small table picture of the tables menu
    MoreItem,     // the picture of the More items
    ProgramFile,  // a program: a small window with a title bar
    DocumentFile, // any other file: a sheet with a folded corner
    FolderTree,   // the file manager's own picture: an open folder
};

// Draws the art into the square target (any size).
void paint(QPainter& painter, Art art, const QRectF& target);
// size x size logical pixels at the given device-pixel ratio.
QPixmap pixmap(Art art, int size, qreal dpr);
// Pixmaps for 16 and 32 logical pixels at ratios 1 and 2.
QIcon icon(Art art);

// The hide cursor: 32 x 32 logical pixels, monochrome, hot spot at the
// top-left corner; a left arrow followed by the outlined capitals HIDE.
// scale 1 gives 32 x 32 pixels, scale 2 gives 64 x 64. In the bitmap 1 is
// black; in the mask 1 is opaque.
QBitmap hideCursorBitmap(int scale);
QBitmap hideCursorMask(int scale);
QCursor hideCursor(qreal dpr);

// A control that shows one piece of art centred at 32 x 32.
class ArtView : public QWidget {
public:
    ArtView(Art art, QWidget* parent = nullptr);
    Art art() const { return art_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Art art_;
};

} // namespace drawnart
