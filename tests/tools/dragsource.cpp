// A small X client that drags files: a window at the given place; pressing
// the left button in it starts a drag of the given files (text/uri-list),
// which the pointer then carries wherever it goes. Prints the action the
// target took ("copy", "move", "link" or "ignore") and exits soon after.
// With --move it offers only Move and Copy and proposes Move, as a file
// manager does while Shift is held.
//
//   dragsource [--move] X Y FILE...
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
    Source(QList<QUrl> urls, bool move) : urls_(std::move(urls)), move_(move) {
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
            move_ ? drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction)
                  : drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
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
    bool move_;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool move = argc > 1 && qstrcmp(argv[1], "--move") == 0;
    const int first = move ? 2 : 1;
    if (argc < first + 3) {
        std::fprintf(stderr, "usage: dragsource [--move] X Y FILE...\n");
        return 2;
    }
    QList<QUrl> urls;
    for (int i = first + 2; i < argc; ++i)
        urls << QUrl::fromLocalFile(QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath());
    Source source(urls, move);
    source.move(QString::fromLocal8Bit(argv[first]).toInt(),
                QString::fromLocal8Bit(argv[first + 1]).toInt());
    source.show();
    return app.exec();
}
