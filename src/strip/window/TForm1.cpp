#include "strip/window/TForm1.h"

#include "context/Prompts.h"
#include "core/ColorText.h"
#include "platform/WindowRole.h"
#include "strip/FindSession.h"
#include "strip/Placement.h"
#include "strip/StartupSettings.h"
#include "strip/StripKeys.h"
#include "strip/TableSwitcher.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/CutBox.h"
#include "strip/window/FindList.h"
#include "strip/window/StripStartup.h"
#include "ui/ActionGuard.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

using striplayout::label;
using striplayout::panel;

namespace {

// The door icon closes the strip on a left click: press and release on it.
class ExitClick : public QObject {
public:
    ExitClick(TForm1& form) : QObject(&form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* me = static_cast<QMouseEvent*>(event);
            const QRect area = static_cast<QWidget*>(watched)->rect();
            if (pressed_ && me->button() == Qt::LeftButton && area.contains(me->pos()))
                actionguard::run(form_.prompts(), &form_, [this] { form_.close(); });
            pressed_ = false;
        }
        return false;
    }

private:
    TForm1& form_;
    bool pressed_ = false;
};

} // namespace

TForm1::TForm1(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TabdeckV10"));
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    setFixedSize(ClientWidth, ClientHeight);
    // A button's hint shows whenever the pointer rests on it, also while
    // another window is active.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    systemcolors::paintBackground(this, colortext::BtnFace);
    holdTexts();
    buildLayout();
    imageMove_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(imageMove_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { tablesMenu()->popup(imageMove_->mapToGlobal(pos)); });
    // The strip takes the keyboard on a click or when the window manager activates it.
    setFocusPolicy(Qt::StrongFocus);

    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setSingleShot(true);

    parts_ = std::make_unique<StripAssembly>(*this, context_, selection_,
                                             [this] { return tablesMenu(); });
    startup_ = std::make_unique<StripStartup>(*this, context_, *parts_, selection_, menus_);
    imageExit_->installEventFilter(new ExitClick(*this));

    // Design placement: centred on the desktop until a position is set.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        move(g.left() + (g.width() - ClientWidth) / 2, g.top() + (g.height() - ClientHeight) / 2);
    }

    actionguard::run(prompts(), this, [this] {
        labelHide_->setCursor(drawnart::hideCursor(devicePixelRatioF()));
        parts_->hintRouter().install();
        runFormCreate(*this, context_, parts_->settings());
        parts_->placement().keepOnScreens();
    });
}

// The helpers go first (StripAssembly fixes their order), then the controls.
TForm1::~TForm1() = default;

FindList& TForm1::findList() {
    return parts_->findList().list();
}

void TForm1::makeMenus() {
    startup_->makeMenus();
}

QMenu* TForm1::buttonMenu() const {
    return startup_->buttonMenu();
}

QMenu* TForm1::tablesMenu() const {
    return startup_->tablesMenu();
}

QMenu* TForm1::optionsMenu() const {
    return startup_->optionsMenu();
}

QTimer* TForm1::timer1() const {
    return parts_->switcher().slideTimer();
}

void TForm1::buildLayout() {
    using namespace striplayout;
    panelLeft_ = panel(this, QStringLiteral("PanelLeft"), {0, 0, 51, 51});
    systemcolors::paintBackground(panelLeft_, colortext::BtnFace);
    label1_ = label(panelLeft_, QStringLiteral("Label1"), {1, 1, 49, 13});
    setTableCaption(tr("Tabel 1"));
    imageMove_ = new drawnart::ArtView(drawnart::Art::MoveHandle, panelLeft_);
    imageMove_->setObjectName(QStringLiteral("ImageMove"));
    imageMove_->setGeometry(1, 14, 49, 36);
    imageMove_->setCursor(Qt::PointingHandCursor);
    hints::set(imageMove_, tr("Right Click for Menu"));

    // The hidden panel behind the tables: the blank picture and the cut buffer.
    table31_ = panel(this, QStringLiteral("Table31"), {TableX, 0, 520, 51});
    table31_->setVisible(false);
    image1_ = new ButtonImage(table31_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(8, ButtonY, PictureSize, PictureSize);
    for (int i = 0; i < 3; ++i) {
        auto* e = new CutBox(table31_);
        e->setObjectName(QStringLiteral("CutTo%1").arg(i + 1));
        e->setGeometry(60 + 80 * i, 8, 75, 21);
        cutTo_[i] = e;
    }

    panelRight_ = panel(this, QStringLiteral("PanelRight"), {571, 0, 51, 51});
    systemcolors::paintBackground(panelRight_, colortext::BtnFace);
    label2_ = label(panelRight_, QStringLiteral("Label2"), {1, 1, 49, 13});
    imageExit_ = new drawnart::ArtView(drawnart::Art::ExitDoor, panelRight_);
    imageExit_->setObjectName(QStringLiteral("ImageExit"));
    imageExit_->setGeometry(1, 14, 49, 36);
    imageExit_->setCursor(Qt::PointingHandCursor);
    hints::set(imageExit_, tr("Left Click to Exit, Right Click for Menu"));
    labelHide_ = new QLabel(panelRight_);
    labelHide_->setObjectName(QStringLiteral("LabelHide"));
    labelHide_->setGeometry(43, 0, 6, 51);
    labelHide_->setAutoFillBackground(false);
    hints::set(labelHide_, tr("Click to Hide"));
    labelHide_->raise();
    // A table just made takes what the logic gave it while it was not, and
    // its handlers.
    tables_ = std::make_unique<StripTables>(this, panelRight_, [this](int t) {
        applyWaitingValues(t);
        if (parts_)
            parts_->attachTable(t);
    });
    // The first table is the one shown unless the start says otherwise; the
    // others are made when asked for or once the strip is on screen.
    table(1);
}

QFrame* TForm1::table(int t) const {
    return tables_->table(t);
}

QFrame* TForm1::buttonPanel(int n) const {
    return tables_->buttonPanel(n);
}

ButtonImage* TForm1::buttonPicture(int n) const {
    return tables_->buttonPicture(n);
}

bool TForm1::tableMade(int t) const {
    return tables_->made(t);
}

void TForm1::makeAllTables() {
    for (int t = 1; t <= 30; ++t)
        tables_->table(t);
}

void TForm1::showTable(int n) {
    parts_->switcher().showTable(n);
}

void TForm1::formShow() {
    startup_->run();
}

void TForm1::formClose() {
    // The icon buffer goes with the slot operations, which the strip outlives.
    parts_->find().close();
    parts_->placement().closingPlacement();
    parts_->switcher().slideTimer()->stop();
    timer2_->stop();
}

void TForm1::setVisible(bool visible) {
    // A launcher, not a document: out of task bars, pagers and window
    // switchers. Asked before each map, as a change of style makes a new window.
    if (visible && !isVisible()) {
        winId();
        windowrole::skipTaskbar(windowHandle());
    }
    if (!visible || shown_) {
        QWidget::setVisible(visible);
        return;
    }
    shown_ = true;
    // The first time, the window maps before its controls are shown and its
    // show steps run; all of it happens before its first paint, so the user
    // sees the same first picture, only sooner. Showing a control tells
    // screen readers, and asking whether one listens connects to the
    // session bus: that wait now follows the map instead of preceding it.
    QList<QWidget*> controls;
    for (QObject* child : children())
        if (child->isWidgetType() && !static_cast<QWidget*>(child)->isHidden())
            controls << static_cast<QWidget*>(child);
    for (QWidget* control : controls)
        control->hide();
    QWidget::setVisible(true);
    parts_->startFonts();
    for (QWidget* control : controls)
        control->show();
    releaseTexts();
    formShow();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    using Press = StripKeyboard::Press;
    Press press = Press::Done;
    actionguard::run(prompts(), this, [&] {
        press = parts_->keyboard().press(event->key(), event->modifiers(), event->text(),
                                         event->isAutoRepeat());
    });
    if (press == Press::Ignored) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (press == Press::ButtonMenu || press == Press::OptionsMenu) {
        // At the selected button, as a right click there opens it.
        const int n = selection_.button();
        const QPoint at = selection_.has() && buttonPicture(n)->isVisible()
                              ? buttonPicture(n)->mapToGlobal(buttonPicture(n)->rect().center())
                              : mapToGlobal(rect().center());
        (press == Press::ButtonMenu ? buttonMenu() : optionsMenu())->popup(at);
    }
}

void TForm1::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    parts_->find().close();
}

void TForm1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The found buttons stay under the strip, also when it hides.
    if (parts_ && parts_->find().isOpen())
        parts_->findList().follow();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing is always allowed; nothing is asked.
    actionguard::run(prompts(), this, [this] { formClose(); });
    event->accept();
    emit closed();
}

void TForm1::comeForward(const QString& find) {
    parts_->placement().bringBack();
    showNormal();
    raise();
    askKeyboard();
    parts_->find().open(find);
}
