#include "strip/window/TForm1.h"

#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "core/ButtonSlots.h"
#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "platform/WindowRole.h"
#include "strip/BrokenTargets.h"
#include "strip/ButtonArrange.h"
#include "strip/ButtonFinder.h"
#include "strip/ButtonLauncher.h"
#include "strip/FindSession.h"
#include "strip/OptionsMenu.h"
#include "strip/Placement.h"
#include "strip/ShownSettings.h"
#include "strip/SlotOperations.h"
#include "strip/StartupSettings.h"
#include "strip/StripKeys.h"
#include "strip/TableLoader.h"
#include "strip/TableSwitcher.h"
#include "strip/window/ButtonDrag.h"
#include "strip/window/ButtonHandler.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/ButtonMenu.h"
#include "strip/window/CutBox.h"
#include "strip/window/FindList.h"
#include "strip/window/MenuWiring.h"
#include "strip/window/PlacementEvents.h"
#include "strip/window/SightWatch.h"
#include "strip/window/StripAccessibility.h"
#include "strip/window/StripDrops.h"
#include "strip/window/TablesMenu.h"
#include "strip/window/TargetMenuItems.h"
#include "strip/window/ToolsMenus.h"
#include "ui/ActionGuard.h"
#include "ui/DrawnArt.h"
#include "ui/FontWarmUp.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {

constexpr std::array<int, 12> SlotX = {8, 50, 93, 135, 178, 221, 264, 307, 350, 392, 434, 477};

QFrame* panel(QWidget* parent, const QString& name, QRect geometry) {
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setGeometry(geometry);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(1);
    return p;
}

// Made without a text: the texts come through the strip's held texts.
QLabel* label(QWidget* parent, const QString& name, QRect geometry) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return l;
}

// The door icon closes the strip on a left click: press and release on it.
class ExitClick : public QObject {
public:
    ExitClick(TForm1& form) : QObject(&form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(event);
            pressed_ = me->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(event);
            auto* w = static_cast<QWidget*>(watched);
            if (pressed_ && me->button() == Qt::LeftButton && w->rect().contains(me->pos()))
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

// What a launch does to this strip. The opener may answer later, from the
// event loop: what it triggers then runs guarded.
class TForm1::WindowLaunchEffects : public LaunchEffects {
public:
    explicit WindowLaunchEffects(TForm1& form) : form_(form) {}
    bool hidesOnLaunch() const override { return form_.settings_->hideMode(); }
    void hideStrip() override {
        actionguard::run(form_.prompts(), &form_, [this] { form_.placement_->hideStrip(); });
    }
    void closeStrip() override {
        actionguard::run(form_.prompts(), &form_, [this] { form_.close(); });
    }
    bool targetGone(int n, const QString& target) override {
        return form_.brokenTargets_->missing(n, target);
    }
    void tellGone(const QString& target) override {
        form_.prompts().notice(&form_, BrokenTargets::missingNotice(target));
    }
    void tellRefused(const QString& target, const QString& reason) override {
        actionguard::run(form_.prompts(), &form_, [&] {
            form_.prompts().notice(&form_, ButtonLauncher::refusedNotice(target, reason));
        });
    }

private:
    TForm1& form_;
};

int TForm1::slotX(int slot) {
    return SlotX[slot - 1];
}

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

    createHelpers();
    imageExit_->installEventFilter(new ExitClick(*this));

    // Design placement: centred on the desktop until a position is set.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        move(g.left() + (g.width() - ClientWidth) / 2, g.top() + (g.height() - ClientHeight) / 2);
    }

    actionguard::run(prompts(), this, [this] {
        labelHide_->setCursor(drawnart::hideCursor(devicePixelRatioF()));
        hintRouter_->install();
        runFormCreate(*this, context_, *settings_);
        placement_->keepOnScreens();
    });
}

FindList& TForm1::findList() {
    return findList_->list();
}

TForm1::~TForm1() {
    find_.reset();
    findList_.reset();
    // Its threads hand work to this window; they end before the controls go.
    delete loader_;
    // The event handlers go before the logic they call, which is not a child.
    delete placementEvents_;
    delete sightWatch_;
    delete buttonDrag_;
    delete buttonHandler_;
    delete drops_;
}

void TForm1::createHelpers() {
    stripaccessibility::install();
    ControlFile& file = controlFile();
    hintRouter_ = new HintRouter(this);
    settings_ = std::make_unique<ShownSettings>(*this, file);
    switcher_ = new TableSwitcher(*this, file, this);
    connect(switcher_->slideTimer(), &QTimer::timeout, this,
            actionguard::guarded(prompts(), this, [this] { switcher_->slideStep(); }));
    loader_ = new TableLoader(*this, file, this);
    loader_->setKindPicture(KindPicture(paths().iconsDir));

    placement_ = std::make_unique<Placement>(*this, *settings_, prompts());
    placement_->setToolWindows([this] { return context_.tools; });
    placementEvents_ = new PlacementEvents(*this, *placement_, prompts(), this);
    placementEvents_->attach();
    brokenTargets_ = new BrokenTargets(*this, file, this);
    connect(switcher_, &TableSwitcher::tableShown, brokenTargets_, &BrokenTargets::checkTable);
    connect(loader_, &TableLoader::allLoaded, brokenTargets_,
            [this] { brokenTargets_->checkTable(switcher_->shownTable()); });
    launchEffects_ = std::make_unique<WindowLaunchEffects>(*this);
    launcher_ = std::make_unique<ButtonLauncher>(this, file, opener(), selection_, *launchEffects_);
    buttonHandler_ = new ButtonHandler(*this, selection_, prompts(), *launcher_, this);
    buttonHandler_->attach();
    slots_ = std::make_unique<SlotOperations>(*this, selection_, file, prompts(), paths().iconsDir);
    drops_ = new StripDrops(this, selection_, *slots_, prompts(), this);
    options_ = std::make_unique<OptionsMenu>(*this, *settings_, prompts());
    keyboard_ =
        std::make_unique<StripKeyboard>(*this, selection_, *switcher_, *launcher_, *placement_);
    arrange_ = std::make_unique<ButtonArrange>(*this, file, prompts(), [this](int n) {
        loader_->loadButton(n);
        brokenTargets_->checkTable(buttonslots::tableOfButton(n));
    });
    keyboard_->setArrange(arrange_.get());
    buttonDrag_ = new ButtonDrag(
        *this, *arrange_, file, prompts(), *buttonHandler_, [this] { return tablesMenu(); }, this);
    finder_ = std::make_unique<ButtonFinder>(file);
    findList_ = std::make_unique<LazyFindList>(this, [this](FindList& list) {
        connect(&list, &FindList::rowClicked, this, [this](int row) {
            actionguard::run(prompts(), this, [&] {
                if (const int n = find_->choose(row))
                    launcher_->launch(n);
            });
        });
    });
    find_ = std::make_unique<FindSession>(*finder_, *findList_);
}

void TForm1::makeMenus() {
    if (buttonMenu_)
        return;
    tablesMenu_ = buildTablesMenu(this, menus_.tableA);
    buttonMenu_ = buttonmenu::build(this, menus_, &optionsMenu_);
    menuwiring::tableItems(this, prompts(), menus_, *switcher_);
    menuwiring::slotItems(this, prompts(), menus_, *slots_);
    new TargetMenuItems(buttonMenu_, menus_,
                        {controlFile(), selection_, *launcher_, prompts(), *this, this,
                         [this] { return context_.tools; }});
    menuwiring::optionItems(this, prompts(), menus_, *options_, [this] { return context_.tools; });
    tools_ = new ToolsMenus(*this, prompts(), opener(), QStringLiteral("/"), this);
    tools_->attach();
    // What the strip's settings and tables set while there were no items.
    settings_->applyMenus();
    switcher_->applyMenus();
}

QMenu* TForm1::buttonMenu() const {
    // Made on demand, like the tables: the menus are the window's children.
    const_cast<TForm1*>(this)->makeMenus();
    return buttonMenu_;
}

QMenu* TForm1::tablesMenu() const {
    const_cast<TForm1*>(this)->makeMenus();
    return tablesMenu_;
}

QMenu* TForm1::optionsMenu() const {
    const_cast<TForm1*>(this)->makeMenus();
    return optionsMenu_;
}

QTimer* TForm1::timer1() const {
    return switcher_->slideTimer();
}

void TForm1::buildLayout() {
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
    // The first table is the one shown unless the start says otherwise; the
    // others are made when asked for or once the strip is on screen.
    table(1);
}

QFrame* TForm1::makeTable(int t) {
    // Stacked as if made in number order: under the end panel and every
    // table with a higher number.
    QFrame* table = panel(this, QStringLiteral("Table%1").arg(t), {TableX, 0, 520, 51});
    QWidget* above = panelRight_;
    for (int m = t + 1; m <= 30; ++m)
        if (tables_[m - 1]) {
            above = tables_[m - 1];
            break;
        }
    table->stackUnder(above);
    tables_[t - 1] = table;
    for (int k = 1; k <= 12; ++k) {
        const int n = 12 * (t - 1) + k;
        QFrame* b = panel(table, QStringLiteral("But%1").arg(n),
                          {slotX(k), ButtonY, ButtonPanelSize, ButtonPanelSize});
        systemcolors::paintBackground(b, colortext::BtnFace);
        buttons_[n - 1] = b;
        auto* img = new ButtonImage(b);
        img->setObjectName(QStringLiteral("img%1").arg(n));
        img->setGeometry(1, 1, PictureSize, PictureSize);
        img->setCursor(Qt::PointingHandCursor);
        images_[n - 1] = img;
    }
    applyWaitingValues(t);
    if (buttonHandler_)
        buttonHandler_->attachTable(t);
    if (buttonDrag_)
        buttonDrag_->attachTable(t);
    if (tools_)
        tools_->attachTable(t);
    return table;
}

QFrame* TForm1::table(int t) const {
    if (QFrame* made = tables_[t - 1])
        return made;
    // Made on demand: the controls are the window's children, not its state.
    return const_cast<TForm1*>(this)->makeTable(t);
}

QFrame* TForm1::buttonPanel(int n) const {
    table(buttonslots::tableOfButton(n));
    return buttons_[n - 1];
}

ButtonImage* TForm1::buttonPicture(int n) const {
    table(buttonslots::tableOfButton(n));
    return images_[n - 1];
}

void TForm1::makeAllTables() {
    for (int t = 1; t <= 30; ++t)
        table(t);
}

void TForm1::makeNextTableLater() {
    QTimer::singleShot(0, this, [this] {
        for (int t = 1; t <= 30; ++t) {
            if (tableMade(t))
                continue;
            actionguard::run(prompts(), this, [&] { table(t); });
            makeNextTableLater();
            return;
        }
    });
}

void TForm1::showTable(int n) {
    switcher_->showTable(n);
}

void TForm1::formShow() {
    placement_->confirmFirstPlace();
    actionguard::run(prompts(), this, [this] { helpAtShow_ = writeFirstRunFile(context_); });
    actionguard::run(prompts(), this, [this] {
        switcher_->applyStartTable();
        table(shownTable());
    });
    setAcceptDrops(true);
    // A target deleted while the strip was away shows as missing when it is back.
    sightWatch_ = new SightWatch(
        *this, prompts(), [this] { return placement_->isOnScreen(); },
        [this](bool inSight) { brokenTargets_->setInSight(inSight, switcher_->shownTable()); });
    // The strip shows first: loading its pictures, the tables not shown and
    // the first start's help follow once it is on screen.
    // The menus and the other tables once the pictures are in; any of them
    // asked for sooner is made then.
    connect(
        loader_, &TableLoader::allLoaded, this,
        [this] {
            actionguard::run(prompts(), this, [this] { makeMenus(); });
            makeNextTableLater();
        },
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    QTimer::singleShot(0, this, [this] {
        loader_->start();
        if (helpAtShow_ && context_.tools)
            actionguard::run(prompts(), this, [this] { context_.tools->showExtensiveHelp(); });
    });
}

void TForm1::formClose() {
    // The icon buffer goes with the slot operations, which the strip outlives.
    find_->close();
    placement_->closingPlacement();
    switcher_->slideTimer()->stop();
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
    fonts_ = std::make_unique<FontWarmUp>();
    for (QWidget* control : controls)
        control->show();
    releaseTexts();
    formShow();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // Typing finds a button; a held Return never launches what it found.
    const bool repeatedReturn =
        event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    if (!repeatedReturn) {
        FindSession::Answer found;
        actionguard::run(prompts(), this, [&] {
            found = find_->key(event->key(), event->modifiers(), event->text());
            if (found.launch)
                launcher_->launch(found.launch);
        });
        if (found.handled) {
            event->accept();
            return;
        }
    }
    const stripkeys::Command command = stripkeys::commandFor(event->key(), event->modifiers());
    if (command.kind == stripkeys::Kind::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key repeats only moves: a repeat of Return, Space or Escape is
    // most often the tail of a key that chose a menu item or closed a box
    // and came to the strip once those were gone.
    if (event->isAutoRepeat() && !stripkeys::repeats(command.kind))
        return;
    if (command.kind == stripkeys::Kind::ButtonMenu ||
        command.kind == stripkeys::Kind::OptionsMenu) {
        // At the selected button, as a right click there opens it.
        const int n = selection_.button();
        const QPoint at = selection_.has() && buttonPicture(n)->isVisible()
                              ? buttonPicture(n)->mapToGlobal(buttonPicture(n)->rect().center())
                              : mapToGlobal(rect().center());
        QMenu* menu = command.kind == stripkeys::Kind::ButtonMenu ? buttonMenu() : optionsMenu();
        menu->popup(at);
        return;
    }
    actionguard::run(prompts(), this, [&] { keyboard_->run(command); });
}

void TForm1::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    find_->close();
}

void TForm1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The found buttons stay under the strip, also when it hides.
    if (find_ && find_->isOpen())
        findList_->follow();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing is always allowed; nothing is asked.
    actionguard::run(prompts(), this, [this] { formClose(); });
    event->accept();
    emit closed();
}

void TForm1::comeForward(const QString& find) {
    placement_->bringBack();
    showNormal();
    raise();
    askKeyboard();
    find_->open(find);
}
