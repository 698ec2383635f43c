#pragma once
#include <QCursor>
#include <QPixmap>

// The about box's pictures, drawn by the program: the maker's logo (normal
// and highlighted, 65 x 57), the second icon (32 x 32) and the FreeCur
// cursor (32 x 32, hot spot at the arrow's tip in the top-left corner).
namespace aboutart {

QPixmap logo(bool highlighted, qreal dpr = 1.0);
QPixmap secondIcon(qreal dpr = 1.0);
QCursor freeCursor();

} // namespace aboutart
