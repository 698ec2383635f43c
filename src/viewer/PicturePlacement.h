#pragma once
#include "viewer/ViewerSettings.h"

#include <QRect>
#include <QSize>

// Where the picture area draws a picture of size picture when the area is
// area large: scaled by Stretch, or by Proportional when it does not fit
// (aspect kept, sizes truncated), else at its own size; at the top-left
// corner, or centred (offsets truncated toward zero, negative when the
// picture is larger than the area).
QRect placePicture(const QSize& area, const QSize& picture, const DisplayOptions& options);
