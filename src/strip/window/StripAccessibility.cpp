#include "strip/window/StripAccessibility.h"

#include "core/ButtonSlots.h"
#include "strip/window/ButtonImage.h"
#include "ui/HintRouter.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StripAccessibility)
};

const QString Press = QAccessibleActionInterface::pressAction();
const QString ShowMenu = QAccessibleActionInterface::showMenuAction();

// A hint's long part as one line: the line breaks in it are for tooltips.
QString describe(const QWidget* w) {
    QString text = hints::longPart(hints::of(w));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.simplified();
}

// The same events a click gives, so the strip's own handling runs.
void click(QWidget* w) {
    const QPointF centre = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(centre);
    QMouseEvent move(QEvent::MouseMove, centre, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
    QMouseEvent down(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QCoreApplication::sendEvent(w, &up);
}

// A right click's menu: the pointer crosses the control first, so the menu
// acts on it.
void showMenu(QWidget* w) {
    const QPoint centre = w->rect().center();
    QMouseEvent move(QEvent::MouseMove, QPointF(centre), QPointF(w->mapToGlobal(centre)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, w->mapToGlobal(centre));
    QCoreApplication::sendEvent(w, &menu);
}

// The button number of a picture control "imgN", 0 for any other control.
int buttonNumber(const QObject* object) {
    const QString name = object->objectName();
    if (!name.startsWith(QLatin1String("img")))
        return 0;
    bool ok = false;
    const int n = name.mid(3).toInt(&ok);
    return ok && n >= 1 && n <= 360 ? n : 0;
}

// The drawn controls: named, described by their hints on one line, and
// with the actions a click or a right click gives them.
class NamedAccessible : public QAccessibleWidget {
public:
    NamedAccessible(QWidget* w, QAccessible::Role role, QString name, QStringList actions)
        : QAccessibleWidget(w, role), name_(std::move(name)), actions_(std::move(actions)) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return name();
        if (t == QAccessible::Description)
            return describe(widget());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return actions_; }
    void doAction(const QString& action) override {
        if (!actions_.contains(action))
            return;
        if (action == Press)
            click(widget());
        else if (action == ShowMenu)
            showMenu(widget());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    virtual QString name() const { return name_; }

private:
    QString name_;
    QStringList actions_;
};

// A strip button: its number, its table and what it starts, read anew each
// time, as the hint changes with the table's loading and every drop.
class ButtonAccessible : public NamedAccessible {
public:
    ButtonAccessible(QWidget* w, int n)
        : NamedAccessible(w, QAccessible::Button, QString(), {Press, ShowMenu}), n_(n) {}

    QAccessible::State state() const override {
        QAccessible::State s = NamedAccessible::state();
        // The keyboard's selection is the focus a screen reader follows.
        const auto* picture = qobject_cast<const ButtonImage*>(widget());
        s.focusable = true;
        s.focused = picture && picture->focusMark() && widget()->window()->isActiveWindow();
        return s;
    }

protected:
    QString name() const override { return buttonslots::spokenName(n_, describe(widget())); }

private:
    int n_;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (const int n = buttonNumber(object))
        return new ButtonAccessible(w, n);
    const QString name = object->objectName();
    if (name == QLatin1String("Form1"))
        return new NamedAccessible(w, QAccessible::Window, w->windowTitle(), {});
    if (name == QLatin1String("ImageMove"))
        return new NamedAccessible(w, QAccessible::Grip, Text::tr("Move handle"), {});
    if (name == QLatin1String("ImageExit"))
        return new NamedAccessible(w, QAccessible::Button, Text::tr("Exit"), {Press});
    if (name == QLatin1String("LabelHide"))
        return new NamedAccessible(w, QAccessible::Button, Text::tr("Hide"), {Press});
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
