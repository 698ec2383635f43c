#include "strip/window/StripControls.h"

#include "core/ButtonSlots.h"
#include "platform/CompositorIpc.h"
#include "platform/WindowRole.h"
#include "strip/Placement.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/CutBox.h"
#include "strip/window/WindowStyle.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

namespace {
bool isButton(int n) {
    return n >= 1 && n <= buttonslots::ButtonCount;
}
bool isTable(int t) {
    return t >= 1 && t <= buttonslots::TableCount;
}

// Time a window manager has to answer a move, asked every PollMs: a busy
// one may take a few hundred milliseconds; a refusal costs the whole wait.
constexpr int AnswerMs = 1000;
constexpr int PollMs = 40;

// Asks `answered` every PollMs until it says yes or limitMs have passed,
// then calls `then` once. The timer belongs to `parent`: it goes with it.
void pollUntil(QObject* parent, int limitMs, std::function<bool()> answered,
               std::function<void()> then) {
    auto* poll = new QTimer(parent);
    poll->setInterval(PollMs);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, waited, limitMs, answered, then] {
        if (!answered() && !waited.hasExpired(limitMs))
            return;
        poll->stop();
        poll->deleteLater();
        then();
    });
    poll->start();
}

// A window placed without the window manager gets no focus from it: a press
// on it asks for the keyboard itself.
class FocusOnPress : public QObject {
public:
    explicit FocusOnPress(QWidget* window) : QObject(window), window_(window) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_ && !window_->isActiveWindow())
            window_->activateWindow();
        return false;
    }

private:
    QWidget* window_;
};
} // namespace

bool StripControls::buttonMade(int n) const {
    return tableMade(buttonslots::tableOfButton(n));
}

void StripControls::applyWaitingValues(int t) {
    if (!isTable(t))
        return;
    if (waiting_.tableColour)
        systemcolors::paintBackground(table(t), *waiting_.tableColour);
    table(t)->setVisible(t == shownTable_);
    WaitingValues::Table values = waiting_.take(t);
    if (values.top)
        setTableTop(t, *values.top);
    const int first = buttonslots::firstButtonOfTable(t);
    for (int n = first; n < first + buttonslots::ButtonsPerTable; ++n) {
        if (waiting_.buttonColour)
            systemcolors::paintBackground(buttonPanel(n), *waiting_.buttonColour);
        WaitingValues::Button& w = values.buttons[n - first];
        if (w.face)
            buttonPicture(n)->setFace(std::move(*w.face));
        if (w.hint)
            setButtonHint(n, *w.hint);
        if (w.dimmed)
            setButtonDimmed(n, *w.dimmed);
    }
}

QWindow* StripControls::stripHandle() {
    return stripWindow()->windowHandle();
}

void StripControls::setButtonPicture(int n, const Picture& picture) {
    if (!isButton(n))
        return;
    if (!buttonMade(n)) {
        // Kept as the button would keep it: its pixels, not the picture.
        // The first table shows the size and ratio every button has.
        const QWidget* first = buttonPicture(1);
        waiting_.keepFace(n,
                          ButtonImage::faceFor(picture, first->size(), first->devicePixelRatioF()));
        return;
    }
    // A new face is for a new target: whether that one exists is asked anew.
    buttonPicture(n)->setDimmed(false);
    buttonPicture(n)->setPicture(picture);
}

// Screen readers keep what they read; they are told when it changes.
void StripControls::tellReaders(QWidget* control, int what) const {
    if (waiting_.holdsTexts() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::Event(what));
    QAccessible::updateAccessibility(&event);
}

void StripControls::releaseTexts() {
    const WaitingValues::Texts held = waiting_.releaseTexts();
    if (held.caption)
        label1()->setText(*held.caption);
    if (held.number)
        label2()->setText(*held.number);
}

void StripControls::setButtonHint(int n, const QString& hint) {
    if (!isButton(n))
        return;
    if (!buttonMade(n)) {
        waiting_.keepHint(n, hint);
        return;
    }
    hints::set(buttonPicture(n), hint);
    // The hint is part of the button's name.
    tellReaders(buttonPicture(n), QAccessible::NameChanged);
}

void StripControls::setButtonDimmed(int n, bool dimmed) {
    if (!isButton(n))
        return;
    if (buttonMade(n))
        buttonPicture(n)->setDimmed(dimmed);
    else
        waiting_.keepDimmed(n, dimmed);
}

QString StripControls::buttonHint(int n) const {
    if (!isButton(n))
        return QString();
    if (!buttonMade(n))
        return waiting_.hint(n);
    return hints::of(buttonPicture(n));
}

void StripControls::setTableCaption(const QString& text) {
    if (!waiting_.holdCaption(text))
        label1()->setText(text);
}

QString StripControls::tableCaption() const {
    return waiting_.heldTexts().caption.value_or(label1()->text());
}

QString StripControls::buttonNumberText() const {
    return waiting_.heldTexts().number.value_or(label2()->text());
}

void StripControls::setButtonNumberText(const QString& text) {
    if (!waiting_.holdNumber(text))
        label2()->setText(text);
}

void StripControls::setKeyboardMark(int n) {
    if (isButton(keyboardMark_))
        buttonPicture(keyboardMark_)->setFocusMark(false);
    keyboardMark_ = isButton(n) ? n : 0;
    if (keyboardMark_) {
        buttonPicture(keyboardMark_)->setFocusMark(true);
        tellReaders(buttonPicture(keyboardMark_), QAccessible::Focus);
    }
}

void StripControls::setColor(StripSettings::ColorTarget target, uint32_t value) {
    switch (target) {
    case StripSettings::ColorTarget::Buttons:
        waiting_.buttonColour = value;
        for (int n = 1; n <= buttonslots::ButtonCount; ++n)
            if (buttonMade(n))
                systemcolors::paintBackground(buttonPanel(n), value);
        break;
    case StripSettings::ColorTarget::Tables:
        waiting_.tableColour = value;
        for (int t = 1; t <= buttonslots::TableCount; ++t)
            if (tableMade(t))
                systemcolors::paintBackground(table(t), value);
        break;
    case StripSettings::ColorTarget::Program:
        // Tables without a colour of their own show the strip through.
        systemcolors::paintBackground(stripWindow(), value);
        systemcolors::paintBackground(panelLeft(), value);
        systemcolors::paintBackground(panelRight(), value);
        break;
    }
}

void StripControls::setStayOnTop(bool on) {
    windowstyle::apply(stripWindow(), on);
}

void StripControls::showOnlyTable(int t) {
    if (!isTable(t))
        return;
    shownTable_ = t;
    QFrame* shown = table(t);
    shown->setVisible(true);
    shown->raise();
    for (int m = 1; m <= buttonslots::TableCount; ++m) {
        if (m == t || !tableMade(m))
            continue;
        table(m)->setVisible(false);
        table(m)->lower();
    }
}

void StripControls::setTableTop(int t, int top) {
    if (!isTable(t))
        return;
    if (tableMade(t))
        table(t)->move(table(t)->x(), top);
    else
        waiting_.keepTop(t, top);
}

QPoint StripControls::stripPos() const {
    return stripWindow()->pos();
}

void StripControls::moveStrip(QPoint topLeft) {
    stripWindow()->move(topLeft);
}

QSize StripControls::stripSize() const {
    return stripWindow()->size();
}

QSize StripControls::stripFrameSize() const {
    return stripWindow()->frameGeometry().size();
}

QRect StripControls::stripPlaced() const {
    if (const std::optional<QRect> placed = windowrole::placed(stripWindow()->windowHandle()))
        return *placed;
    return QRect(stripPos(), stripSize());
}

void StripControls::awaitPlace(QRect wanted, std::function<void(QRect)> then) {
    // Without a window system to ask there is nothing to wait for.
    if (!windowrole::placed(stripHandle())) {
        then(stripPlaced());
        return;
    }
    auto placed = std::make_shared<QRect>();
    pollUntil(
        stripWindow(), AnswerMs,
        [this, placed, wanted] {
            *placed = stripPlaced();
            return *placed == wanted;
        },
        [placed, then] { then(*placed); });
}

void StripControls::setStripNarrowed(bool narrowed) {
    if (narrowed_ == narrowed)
        return;
    narrowed_ = narrowed;
    QWidget* w = stripWindow();
    const int shift = Placement::HiddenOffset;
    // The controls move with the window's left edge: its right end stays in view.
    w->scroll(narrowed ? -shift : shift, 0);
    w->setFixedSize(w->width() + (narrowed ? -shift : shift), w->height());
}

void StripControls::setStripUnmanaged() {
    if (stripUnmanaged())
        return;
    windowstyle::bypassWindowManager(stripWindow());
    new FocusOnPress(stripWindow());
}

void StripControls::askKeyboard() {
    QWidget* w = stripWindow();
    if (!stripUnmanaged() || !compositoripc::present()) {
        w->activateWindow();
        return;
    }
    // sway gives the X11 keyboard only to a window it manages, and undoes a
    // focus any program sets: the strip is its window for a moment, takes the
    // focus given as it maps, and places itself again, keeping the keyboard.
    const QPoint place = w->pos();
    windowstyle::useWindowManager(w);
    pollUntil(
        w, AnswerMs / 2, [w] { return w->isActiveWindow(); },
        [w, place] {
            windowstyle::bypassWindowManager(w);
            w->move(place); // where sway had centred it
        });
}

bool StripControls::stripUnmanaged() const {
    return stripWindow()->windowFlags().testFlag(Qt::X11BypassWindowManagerHint);
}

void StripControls::setHideBarRed(bool red) {
    QWidget* bar = labelHide();
    if (red) {
        QPalette pal = bar->palette();
        pal.setColor(bar->backgroundRole(), QColor(Qt::red));
        bar->setPalette(pal);
    }
    // Without its own background the bar shows the panel below it.
    bar->setAutoFillBackground(red);
    bar->update();
}

void StripControls::setHideBarHint(const QString& hint) {
    labelHide()->setToolTip(hint);
}

void StripControls::setCutText(int i, const QString& text) {
    if (i >= 1 && i <= 3)
        cutTo(i)->setText(text);
}
