#include "ui/HintRouter.h"

#include <QAction>
#include <QApplication>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVariant>
#include <QWidget>

namespace hints {

namespace {
const char* const HintProperty = "tabdeckHint";
// Tooltips are plain text: the program's "\r" line breaks become real ones.
QString tooltipText(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}
} // namespace

QString shortPart(const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longPart(const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void set(QWidget* widget, const QString& hint) {
    widget->setProperty(HintProperty, hint);
    widget->setToolTip(tooltipText(shortPart(hint)));
    widget->setStatusTip(longPart(hint));
}

void set(QAction* action, const QString& hint) {
    action->setProperty(HintProperty, hint);
    action->setToolTip(tooltipText(shortPart(hint)));
    action->setStatusTip(longPart(hint));
}

QString of(const QObject* object) {
    return object->property(HintProperty).toString();
}

} // namespace hints

HintRouter::HintRouter(QObject* parent) : QObject(parent) {}

HintRouter::~HintRouter() {
    if (installed_ && qApp)
        qApp->removeEventFilter(this);
}

void HintRouter::install() {
    if (installed_ || !qApp)
        return;
    qApp->installEventFilter(this);
    installed_ = true;
}

void HintRouter::addStatusBar(QStatusBar* bar) {
    if (bar)
        bars_.append(bar);
}

QList<QStatusBar*> HintRouter::statusBars() const {
    QList<QStatusBar*> out;
    for (const auto& b : bars_)
        if (b)
            out.append(b);
    return out;
}

void HintRouter::route(const QString& longHint) {
    current_ = longHint;
    for (const auto& b : bars_) {
        if (!b)
            continue;
        if (longHint.isEmpty())
            b->clearMessage();
        else
            b->showMessage(longHint);
    }
}

bool HintRouter::eventFilter(QObject* watched, QEvent* event) {
    // A status tip travels up the parent chain, so the same change arrives
    // several times; showing it again changes nothing.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        route(tip);
    }
    return QObject::eventFilter(watched, event);
}
