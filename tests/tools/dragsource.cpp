// A small X client that drags files: a window at the given place; pressing
// the left button in it starts a drag of the given files (text/uri-list),
// which the pointer then carries wherever it goes. Prints the action the
// target took ("copy", "move", "link" or "ignore") and exits soon after.
//
//   dragsource X Y FILE...
#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {
class Source : public QWidget {
public:
    explicit Source(QList<QUrl> urls) : urls_(std::move(urls)) {
        setWindowTitle(QStringLiteral("dragsource"));
        resize(160, 80);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton)
            return;
        auto* data = new QMimeData;
        data->setUrls(urls_);
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction action =
            drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        const char* name = action == Qt::CopyAction   ? "copy"
                           : action == Qt::MoveAction ? "move"
                           : action == Qt::LinkAction ? "link"
                                                      : "ignore";
        std::printf("%s\n", name);
        std::fflush(stdout);
        // The target may still be reading the dropped data: stay a while.
        QTimer::singleShot(3000, qApp, &QApplication::quit);
    }

private:
    QList<QUrl> urls_;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: dragsource X Y FILE...\n");
        return 2;
    }
    QList<QUrl> urls;
    for (int i = 3; i < argc; ++i)
        urls << QUrl::fromLocalFile(QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath());
    Source source(urls);
    source.move(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    source.show();
    return app.exec();
}
