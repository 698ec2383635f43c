#pragma once
#include "graphics/Picture.h"

#include <QImage>

// What a button keeps of a picture: its pixels at the button's size and
// ratio, or a kind that renders later as it is (its file's bytes).
struct ButtonFace {
    QImage image;
    Picture pending;
};
