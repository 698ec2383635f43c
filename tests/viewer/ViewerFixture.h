#pragma once
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "graphics/Picture.h"
#include "viewer/PictureViewer.h"
#include "viewer/window/TViewPic.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <memory>
#include <vector>

#include "JpegWriter.h"

namespace viewertest {

// A JPEG of the image written by libjpeg at quality 95.
inline QByteArray jpegOf(const QImage& image, bool progressive = false) {
    return testsupport::jpegOf(image, 95, progressive);
}

// w x h with four coloured quadrants, so placement and orientation show.
inline QImage quadrants(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           x < w / 2 ? (y < h / 2 ? 0xFFFF0000u : 0xFF00FF00u)
                                     : (y < h / 2 ? 0xFF0000FFu : 0xFFFFFF00u));
    return image;
}

inline QString data(const QString& name) {
    return QStringLiteral(TABDECK_TEST_DATA "/") + name;
}

// A viewer over a control file and a data folder of its own, with scripted
// prompts; make() builds the window (again, for a restart) and shows it.
struct Fixture {
    testsupport::TempDir dir;
    std::unique_ptr<ControlFile> file;
    testsupport::ScriptedPrompts prompts;
    AppContext context;
    std::unique_ptr<TViewPic> window;

    Fixture() {
        file = std::make_unique<ControlFile>(dir.file(QStringLiteral("TabdeckV10.INI")));
        context.paths.dataDir = dir.path() + QLatin1Char('/');
        context.controlFile = file.get();
        context.prompts = &prompts;
    }
    TViewPic& make() {
        window.reset();
        window = std::make_unique<TViewPic>(context);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get(), 5000))
            qWarning("viewer window not exposed");
        return *window;
    }
    PictureViewer& viewer() { return window->viewer(); }
    QString listFile() const { return dir.file(QStringLiteral("PicFile.lst")); }
    QByteArray listBytes() const {
        QFile f(listFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QString bitmap(const QString& name, const QImage& image) const {
        const QString path = dir.file(name);
        Picture::fromImage(image).save(path);
        return path;
    }
    void openFile(const QString& path) {
        prompts.expectFile(path);
        trigger("Open1");
    }
    // Triggers a menu item and waits for a picture it loads.
    void trigger(const char* item) {
        QAction* a = window->findChild<QAction*>(QLatin1String(item));
        QVERIFY2(a, item);
        a->trigger();
        idle();
    }
    void idle() { QTRY_VERIFY_WITH_TIMEOUT(!viewer().busy(), 10000); }
    bool enabled(const char* item) const {
        QAction* a = window->findChild<QAction*>(QLatin1String(item));
        return a && a->isEnabled();
    }
};

} // namespace viewertest
