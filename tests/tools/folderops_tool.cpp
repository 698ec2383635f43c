// Runs one file manager operation with every question answered Yes and
// prints the notices it showed, one a line; the tests run it as an
// ordinary user to meet the platform's refusals.
//   folderops_tool remove-file PATH | remove-folder TARGET REMEMBERED | create FOLDER NAME
#include "context/Prompts.h"
#include "filemanager/FolderOps.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
class YesPrompts : public Prompts {
public:
    Button box(QWidget*, const Box& box) override {
        if (box.buttons & Yes)
            return Yes;
        std::printf("%s\n", qPrintable(QString(box.text).replace(u'\r', u'|')));
        return Ok;
    }
    std::optional<QString> input(QWidget*, const Input&) override { return std::nullopt; }
    std::optional<QString> file(QWidget*, const FileDialog&) override { return std::nullopt; }
    std::optional<QColor> color(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QFont> font(QWidget*, const QFont&) override { return std::nullopt; }
    bool print(QWidget*, QPrinter&) override { return false; }
    bool pageSetup(QWidget*, QPrinter&) override { return false; }
    void modal(QWidget*, QDialog&) override {}
};
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    YesPrompts prompts;
    FolderOps ops(prompts, nullptr);
    bool ok = false;
    if (a.size() == 3 && a[1] == QLatin1String("remove-file"))
        ok = ops.removeFile(a[2]);
    else if (a.size() == 4 && a[1] == QLatin1String("remove-folder"))
        ok = ops.removeFolder(a[2], a[3]).has_value();
    else if (a.size() == 4 && a[1] == QLatin1String("create"))
        ok = ops.createFolder(a[2], a[3]);
    else
        return 2;
    return ok ? 0 : 1;
}
