// A small X client that takes drops: a window at the given place that
// accepts any drag offering URLs or text, and prints each URL it receives
// on a line of its own ("text: ..." for a drop of text alone), then the
// action it took. It runs until killed.
//
//   dragtarget X Y
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {
class Target : public QWidget {
public:
    Target() {
        setWindowTitle(QStringLiteral("dragtarget"));
        setAcceptDrops(true);
        resize(160, 80);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
            event->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent* event) override {
        const QMimeData* data = event->mimeData();
        if (data->hasUrls()) {
            for (const QUrl& url : data->urls())
                std::printf("%s\n", url.toString(QUrl::FullyEncoded).toUtf8().constData());
        } else {
            std::printf("text: %s\n", data->text().toUtf8().constData());
        }
        event->acceptProposedAction();
        std::printf("action: %s\n", event->dropAction() == Qt::CopyAction   ? "copy"
                                    : event->dropAction() == Qt::MoveAction ? "move"
                                                                            : "other");
        std::fflush(stdout);
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: dragtarget X Y\n");
        return 2;
    }
    Target target;
    target.move(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    target.show();
    return app.exec();
}
