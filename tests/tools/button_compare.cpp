// Compares a button in a screenshot with the picture our readers make of its
// picture file (or of an executable's first icon), for the end-to-end tests.
//   button_compare SCREENSHOT.png X Y PICTURE|--icon EXECUTABLE [--scale S]
//   button_compare --shot SCREENSHOT.png   saves the X screen as a PNG
// X, Y: the screen position, in device pixels, of the button's 34 x 34
// picture control; S its device-pixel ratio (1 when not given). Every pixel
// the rendering covers fully must match within a small tolerance.
// Exit 0 on a match; 1 with the count of differing pixels otherwise.
#include "graphics/Picture.h"
#include "platform/IconReader.h"
#include "strip/window/ButtonImage.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <string>

// The whole screen of the X server in DISPLAY, as the user sees it.
int saveScreenshot(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot take or save the screenshot\n");
        return 2;
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--shot")
        return saveScreenshot(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    double scale = 1.0;
    if (argc >= 7 && std::string(argv[argc - 2]) == "--scale") {
        scale = std::atof(argv[argc - 1]);
        argc -= 2;
    }
    if (argc < 5 || scale < 1.0 || scale > 4.0) {
        std::fprintf(stderr, "usage: button_compare SHOT X Y PICTURE|--icon EXE [--scale S]\n");
        return 2;
    }
    const QImage shot(QString::fromLocal8Bit(argv[1]));
    const int x0 = std::atoi(argv[2]);
    const int y0 = std::atoi(argv[3]);
    Picture picture;
    try {
        if (std::string(argv[4]) == "--icon" && argc > 5) {
            const auto icon = iconreader::icon(QString::fromLocal8Bit(argv[5]), 0);
            if (!icon) {
                std::fprintf(stderr, "no icon\n");
                return 2;
            }
            picture = Picture::fromIcon(*icon);
        } else {
            picture = Picture::load(QString::fromLocal8Bit(argv[4]));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot read: %s\n", e.what());
        return 2;
    }
    const QImage want = ButtonImage::renderCentred(picture, QSize(34, 34), scale)
                            .convertToFormat(QImage::Format_ARGB32);
    if (shot.isNull() || want.isNull()) {
        std::fprintf(stderr, "no image\n");
        return 2;
    }
    int compared = 0, differing = 0;
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x) {
            const QRgb w = want.pixel(x, y);
            if (qAlpha(w) != 255)
                continue;
            const QRgb s = shot.pixel(x0 + x, y0 + y);
            ++compared;
            if (std::abs(qRed(w) - qRed(s)) > 8 || std::abs(qGreen(w) - qGreen(s)) > 8 ||
                std::abs(qBlue(w) - qBlue(s)) > 8)
                ++differing;
        }
    std::printf("compared %d, differing %d\n", compared, differing);
    return compared > 0 && differing == 0 ? 0 : 1;
}
