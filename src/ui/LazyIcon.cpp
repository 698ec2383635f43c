#include "ui/LazyIcon.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace lazyicon {

namespace {

// The pictures made so far, gone with the application object (a picture
// must not outlive it).
class Made : public QObject {
public:
    using QObject::QObject;
    QHash<QString, QIcon> icons;

    static QIcon get(const QString& theme, QStyle::StandardPixmap which) {
        static QPointer<Made> made;
        if (!made)
            made = new Made(QCoreApplication::instance());
        const QString key = theme + QLatin1Char('/') + QString::number(int(which));
        auto found = made->icons.constFind(key);
        if (found != made->icons.constEnd())
            return *found;
        QIcon icon = theme.isEmpty() ? QIcon() : QIcon::fromTheme(theme);
        if (icon.isNull() || icon.availableSizes().isEmpty())
            icon = QApplication::style()->standardIcon(which);
        made->icons.insert(key, icon);
        return icon;
    }
};

class Engine : public QIconEngine {
public:
    Engine(QString theme, QStyle::StandardPixmap which) : theme_(std::move(theme)), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new Engine(*this); }
    QString key() const override { return QStringLiteral("lazyicon"); }

private:
    const QIcon& icon() {
        if (!made_) {
            made_ = true;
            icon_ = Made::get(theme_, which_);
        }
        return icon_;
    }

    QString theme_;
    QStyle::StandardPixmap which_;
    bool made_ = false;
    QIcon icon_;
};

} // namespace

QIcon standard(QStyle::StandardPixmap which) {
    return QIcon(new Engine(QString(), which));
}

QIcon themed(const QString& name, QStyle::StandardPixmap fallback) {
    return QIcon(new Engine(name, fallback));
}

} // namespace lazyicon
