#include "viewer/PicturePlacement.h"

QRect placePicture(const QSize& area, const QSize& picture, const DisplayOptions& options) {
    const int cw = area.width(), ch = area.height();
    int w = picture.width(), h = picture.height();
    if (options.stretch || (options.proportional && (w > cw || h > ch))) {
        if (options.proportional && w > 0 && h > 0) {
            const double aspect = double(w) / double(h);
            if (w > h) {
                w = cw;
                h = int(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = int(ch * aspect);
                }
            } else {
                h = ch;
                w = int(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = int(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    if (options.center)
        return QRect((cw - w) / 2, (ch - h) / 2, w, h);
    return QRect(0, 0, w, h);
}
