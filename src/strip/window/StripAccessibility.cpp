#include "strip/window/StripAccessibility.h"

#include "ui/HintRouter.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {

const QString Press = QAccessibleActionInterface::pressAction();

// The button number of a picture control "imgN", 0 for any other control.
int buttonNumber(const QObject* object) {
    const QString name = object->objectName();
    if (!name.startsWith(QLatin1String("img")))
        return 0;
    bool ok = false;
    const int n = name.mid(3).toInt(&ok);
    return ok && n >= 1 && n <= 360 ? n : 0;
}

class StripButtonAccessible : public QAccessibleWidget {
public:
    StripButtonAccessible(QWidget* w, int n)
        : QAccessibleWidget(w, QAccessible::Button), name_(QStringLiteral("Button %1").arg(n)) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return name_;
        case QAccessible::Description:
            return hints::longPart(hints::of(widget()));
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override { return {Press}; }
    void doAction(const QString& action) override {
        if (action != Press)
            return;
        // The same events a click gives, so the strip's own handling runs.
        QWidget* w = widget();
        const QPointF centre = QRectF(w->rect()).center();
        const QPointF global = w->mapToGlobal(centre);
        QMouseEvent move(QEvent::MouseMove, centre, global, Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
        QMouseEvent down(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(w, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        if (w)
            QCoreApplication::sendEvent(w, &up);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QString name_;
};

// The drawn controls around the buttons: named, otherwise plain.
class NamedAccessible : public QAccessibleWidget {
public:
    NamedAccessible(QWidget* w, QAccessible::Role role, QString name)
        : QAccessibleWidget(w, role), name_(std::move(name)) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return name_;
        if (t == QAccessible::Description)
            return hints::longPart(hints::of(widget()));
        return QAccessibleWidget::text(t);
    }

private:
    QString name_;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (const int n = buttonNumber(object))
        return new StripButtonAccessible(w, n);
    const QString name = object->objectName();
    if (name == QLatin1String("ImageMove"))
        return new NamedAccessible(w, QAccessible::Grip, QStringLiteral("Move handle"));
    if (name == QLatin1String("ImageExit"))
        return new NamedAccessible(w, QAccessible::Button, QStringLiteral("Exit"));
    if (name == QLatin1String("LabelHide"))
        return new NamedAccessible(w, QAccessible::Button, QStringLiteral("Hide"));
    return nullptr;
}

} // namespace

namespace stripaccessibility {

void install() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}

} // namespace stripaccessibility
