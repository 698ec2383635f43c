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

    static QIcon get(const QString& key, const std::function<QIcon()>& make) {
        static QPointer<Made> made;
        if (!made)
            made = new Made(QCoreApplication::instance());
        auto found = made->icons.constFind(key);
        if (found != made->icons.constEnd())
            return *found;
        QIcon icon = make();
        made->icons.insert(key, icon);
        return icon;
    }
};

class Engine : public QIconEngine {
public:
    Engine(QString key, std::function<QIcon()> make)
        : key_(std::move(key)), make_(std::move(make)) {}

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
            icon_ = Made::get(key_, make_);
        }
        return icon_;
    }

    QString key_;
    std::function<QIcon()> make_;
    bool made_ = false;
    QIcon icon_;
};

QIcon standardNow(const QString& theme, QStyle::StandardPixmap which) {
    QIcon icon = theme.isEmpty() ? QIcon() : QIcon::fromTheme(theme);
    if (icon.isNull() || icon.availableSizes().isEmpty())
        icon = QApplication::style()->standardIcon(which);
    return icon;
}

} // namespace

QIcon standard(QStyle::StandardPixmap which) {
    return themed(QString(), which);
}

QIcon themed(const QString& name, QStyle::StandardPixmap fallback) {
    return made(QStringLiteral("standard/") + name + QLatin1Char('/') +
                    QString::number(int(fallback)),
                [name, fallback] { return standardNow(name, fallback); });
}

QIcon made(const QString& key, std::function<QIcon()> make) {
    return QIcon(new Engine(key, std::move(make)));
}

} // namespace lazyicon
