#include "BmpFile.h"
#include "RecordingStripValues.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "strip/StartupSettings.h"
#include "strip/TableLoader.h"

#include <QIcon>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using teststrip::writeBmp;

namespace {

// The loader on a control file, started as the strip starts it: every
// button first has the empty-button hint. Executables' icons are blue
// squares, except under a "noicon" folder.
struct Loaded {
    testsupport::TempDir dir;
    ControlFile file;
    testsupport::RecordingStripValues view;
    testsupport::ScriptedPrompts prompts;
    TableLoader loader{view, file};
    QStringList iconCalls;

    explicit Loaded(const QByteArray& ini) : file(dir.write("TabdeckV10.INI", ini)) {
        loader.setIconSource([this](const QString& path, int index) {
            iconCalls << QStringLiteral("%1#%2").arg(path).arg(index);
            std::optional<QImage> out;
            if (!path.contains(QLatin1String("noicon"))) {
                QImage img(32, 32, QImage::Format_ARGB32);
                img.fill(QColor(0, 0, 255));
                out = img;
            }
            return out;
        });
        setDefaultHints(view);
        loader.start();
    }
    bool hasPicture(int n) const {
        const auto it = view.faces.find(n);
        return it != view.faces.end() && !it->second.picture.isEmpty();
    }
    // The colour at the centre of button n's picture drawn on a button, or
    // an invalid colour.
    QColor centre(int n) const {
        if (!hasPicture(n))
            return QColor();
        const QImage img = view.faces.at(n).picture.render(QSize(34, 34), true);
        return img.isNull() ? QColor() : img.pixelColor(img.width() / 2, img.height() / 2);
    }
};

// An icon theme of one solid 32 x 32 icon in a theme's folder.
void writeThemeIcon(const testsupport::TempDir& dir, const QString& theme, const QString& name,
                    QColor colour) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(colour);
    QVERIFY(
        img.save(dir.write(QStringLiteral("themes/%1/32x32/apps/%2.png").arg(theme, name), {})));
}

void writeTheme(const testsupport::TempDir& dir, const QString& theme, const QString& inherits) {
    dir.write(QStringLiteral("themes/%1/index.theme").arg(theme),
              QStringLiteral("[Icon Theme]\nName=%1\n%2Directories=32x32/apps\n\n"
                             "[32x32/apps]\nSize=32\nType=Fixed\n")
                  .arg(theme, inherits.isEmpty() ? QString() : "Inherits=" + inherits + "\n")
                  .toUtf8());
}

} // namespace

// Loading all buttons at start: the nine threads, their hand-over to the
// main thread, and the picture and hint of each kind of target.
class TableLoadTest : public QObject {
    Q_OBJECT
private slots:
    void threadsShareTheGroups() {
        QList<int> all;
        const QList<QPair<int, int>> ranges{{1, 36},    {37, 72},   {73, 126},
                                            {127, 162}, {163, 198}, {199, 234},
                                            {235, 270}, {271, 306}, {307, 360}};
        for (int t = 1; t <= TableLoader::ThreadCount; ++t) {
            const QList<int> groups = TableLoader::groupsOf(t);
            all += groups;
            QCOMPARE(18 * (groups.first() - 1) + 1, ranges[t - 1].first);
            QCOMPARE(18 * groups.last(), ranges[t - 1].second);
        }
        QList<int> expected;
        for (int k = 1; k <= 20; ++k)
            expected << k;
        QCOMPARE(all, expected);
    }

    void mixedTargets() {
        testsupport::TempDir pics;
        const QString red = writeBmp(pics, "red.bmp", QColor(255, 0, 0));
        const QString green = writeBmp(pics, "green.bmp", QColor(0, 255, 0));
        const QString redUpper = writeBmp(pics, "RED2.BMP", QColor(255, 0, 0));
        const QByteArray ini = "[BUTTON]\n"
                               "1=/opt/tools/TOOL.EXE\n"
                               "2=/m/\n"
                               "3=/home/u/notes.txt\n"
                               "4=/usr/share/applications/app.desktop\n"
                               "5=/opt/noicon/gone.exe\n"
                               "6=ab\n"
                               "7=/home/u/pic.doc\n"
                               "8=/home/u/upper.txt\n"
                               "37=/home/u/a.txt\n"
                               "38=/home/u/b.txt\n"
                               "72=https://example.org/x\n"
                               "360=/srv/last.txt\n"
                               "[ICON]\n"
                               "1=" +
                               red.toUtf8() +
                               "\n"
                               "2=" +
                               red.toUtf8() +
                               "\n"
                               "3=\n"
                               "6=" +
                               green.toUtf8() +
                               "\n"
                               "7=" +
                               pics.file("pic.gif").toUtf8() +
                               "\n"
                               "8=" +
                               redUpper.toUtf8() +
                               "\n"
                               "37=" +
                               pics.file("missing.bmp").toUtf8() +
                               "\n"
                               "38=" +
                               green.toUtf8() +
                               "\n"
                               "72=" +
                               red.toUtf8() +
                               "\n"
                               "360=" +
                               green.toUtf8() + "\n";
        Loaded l(ini);
        QTRY_VERIFY(l.loader.finished());

        // ".EXE" in capitals: the executable's icon, whatever ICON holds.
        QCOMPARE(l.centre(1), QColor(0, 0, 255));
        QCOMPARE(l.view.buttonHint(1), QStringLiteral("TOOL.EXE"));
        QVERIFY(l.iconCalls.contains(QStringLiteral("/opt/tools/TOOL.EXE#0")));
        // A 3-character root: its picture and the whole path as hint.
        QCOMPARE(l.centre(2), QColor(255, 0, 0));
        QCOMPARE(l.view.buttonHint(2), QStringLiteral("/m/"));
        // No ICON: looks empty.
        QVERIFY(!l.hasPicture(3));
        QCOMPARE(l.view.buttonHint(3), buttonslots::emptyButtonHint());
        // A desktop entry counts as executable.
        QCOMPARE(l.centre(4), QColor(0, 0, 255));
        QCOMPARE(l.view.buttonHint(4), QStringLiteral("app.desktop"));
        // An executable without an icon: no picture, its name as hint.
        QVERIFY(!l.hasPicture(5));
        QCOMPARE(l.view.buttonHint(5), QStringLiteral("gone.exe"));
        // Two characters are enough for loading.
        QCOMPARE(l.centre(6), QColor(0, 255, 0));
        QCOMPARE(l.view.buttonHint(6), QStringLiteral("ab"));
        // A picture of no known format: only its own button is affected.
        QVERIFY(!l.hasPicture(7));
        QCOMPARE(l.view.buttonHint(7), QStringLiteral("pic.doc"));
        QCOMPARE(l.centre(8), QColor(255, 0, 0));
        // A missing picture on 37: that button has no picture and its target's
        // hint; 38 and the rest of the range still load.
        QVERIFY(!l.hasPicture(37));
        QCOMPARE(l.view.buttonHint(37), QStringLiteral("a.txt"));
        QCOMPARE(l.centre(38), QColor(0, 255, 0));
        QCOMPARE(l.view.buttonHint(38), QStringLiteral("b.txt"));
        QCOMPARE(l.centre(72), QColor(255, 0, 0));
        QCOMPARE(l.view.buttonHint(72), QStringLiteral("https://example.org/x"));
        QCOMPARE(l.centre(360), QColor(0, 255, 0));
        // Empty entries: the empty-button hint, no picture.
        QCOMPARE(l.view.buttonHint(100), buttonslots::emptyButtonHint());
        QVERIFY(!l.hasPicture(100));
        // Only executables asked for icons, with index 0.
        QCOMPARE(l.iconCalls.size(), 3);
        QVERIFY(l.prompts.shown().isEmpty());
    }

    // A picture named by a theme's icon: found in the theme, a theme it
    // inherits or hicolor; found nowhere, the starter picture of the
    // target's kind from the Icons folder; without that, no picture.
    void themePictures_data() {
        QTest::addColumn<QString>("theme"); // the desktop's theme
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QColor>("centre"); // invalid: no picture
        const QString doc = QStringLiteral("/home/u/a.txt");
        const auto row = [](const char* name, const char* theme, const char* icon,
                            const QString& target, QColor centre) {
            QTest::newRow(name) << QString::fromLatin1(theme) << QString::fromLatin1(icon) << target
                                << centre;
        };
        row("in the current theme", "current", "tabdeck-current", doc, Qt::red);
        row("in an inherited theme", "current", "tabdeck-parent", doc, Qt::green);
        row("only in hicolor", "current", "tabdeck-hicolor", doc, Qt::blue);
        row("the desktop's theme not installed: hicolor", "absent", "tabdeck-hicolor", doc,
            Qt::blue);
        row("nowhere: a folder's picture", "current", "folder", QStringLiteral("/home/u/Projects"),
            Qt::yellow);
        row("nowhere: a web address's picture", "current", "utilities-terminal",
            QStringLiteral("https://example.org/"), Qt::magenta);
        row("nowhere, nor the kind's picture", "current", "folder",
            QStringLiteral("mailto:a@example.org"), QColor());
    }
    void themePictures() {
        QFETCH(QString, theme);
        QFETCH(QString, icon);
        QFETCH(QString, target);
        QFETCH(QColor, centre);
        testsupport::TempDir dir;
        writeTheme(dir, QStringLiteral("current"), QStringLiteral("parent"));
        writeTheme(dir, QStringLiteral("parent"), QString());
        writeTheme(dir, QStringLiteral("hicolor"), QString());
        writeThemeIcon(dir, QStringLiteral("current"), QStringLiteral("tabdeck-current"), Qt::red);
        writeThemeIcon(dir, QStringLiteral("parent"), QStringLiteral("tabdeck-parent"), Qt::green);
        writeThemeIcon(dir, QStringLiteral("hicolor"), QStringLiteral("tabdeck-hicolor"), Qt::blue);
        // The Icons folder has a folder's and an address's picture, no mail's.
        for (const auto& [kind, colour] :
             {std::pair<QString, QColor>{QStringLiteral("folder"), Qt::yellow},
              {QStringLiteral("globe"), Qt::magenta}}) {
            QImage img(32, 32, QImage::Format_ARGB32);
            img.fill(colour);
            QVERIFY(img.save(dir.write(QStringLiteral("Icons/%1.ico").arg(kind), {}), "ICO"));
        }
        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QString themeName = QIcon::themeName();
        const QString fallbackName = QIcon::fallbackThemeName();
        QIcon::setThemeSearchPaths({dir.file(QStringLiteral("themes"))});
        // A desktop that names a fallback theme it lacks too.
        QIcon::setFallbackThemeName(QStringLiteral("absent-too"));
        QIcon::setThemeName(theme);
        const auto restore = qScopeGuard([&] {
            QIcon::setThemeSearchPaths(searchPaths);
            QIcon::setFallbackThemeName(fallbackName);
            QIcon::setThemeName(themeName);
        });

        ControlFile file(dir.file(QStringLiteral("TabdeckV10.INI")));
        file.write(QStringLiteral("BUTTON"), QStringLiteral("5"), target);
        file.write(QStringLiteral("ICON"), QStringLiteral("5"), icon);
        testsupport::RecordingStripValues view;
        TableLoader loader{view, file};
        loader.setKindPicture(KindPicture(dir.file(QStringLiteral("Icons"))));
        loader.loadButton(5);
        const Picture& shown = view.faces[5].picture;
        QCOMPARE(shown.isEmpty(), !centre.isValid());
        if (centre.isValid()) {
            const QImage img = shown.render(QSize(34, 34), true);
            QCOMPARE(img.pixelColor(17, 17), centre);
        }
        QCOMPARE(view.buttonHint(5), buttonslots::buttonHint(target));
    }

    void nothingBeforeTheLoopRuns() {
        Loaded l("[BUTTON]\n1=/opt/a.exe\n");
        // Started; the jobs wait for the event loop.
        QCOMPARE(l.loader.jobsDone(), 0);
        QVERIFY(!l.hasPicture(1));
        QTRY_VERIFY(l.loader.finished());
        QVERIFY(l.hasPicture(1));
    }

    void ninethreadsOneJobEach() {
        Loaded l("");
        QList<int> turnsAtJob;
        int turns = 0;
        QTimer spin;
        spin.setInterval(0);
        connect(&spin, &QTimer::timeout, this, [&] { ++turns; });
        spin.start();
        connect(&l.loader, &TableLoader::jobDone, this, [&](int) { turnsAtJob << turns; });
        QTRY_VERIFY(l.loader.finished());
        QStringList names = l.loader.jobThreads();
        QCOMPARE(names.size(), 9);
        names.sort();
        QStringList expected;
        for (int t = 1; t <= 9; ++t)
            expected << QStringLiteral("TInfo%1").arg(t);
        QCOMPARE(names, expected);
        // The event loop ran between every two jobs.
        QCOMPARE(turnsAtJob.size(), 9);
        for (int i = 1; i < turnsAtJob.size(); ++i)
            QVERIFY2(turnsAtJob[i] > turnsAtJob[i - 1], qPrintable(QString::number(i)));
    }
};

TABDECK_TEST(TableLoadTest)
#include "TableLoadTest.moc"
