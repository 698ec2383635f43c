#include "viewer/window/TViewPic.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "platform/DropTarget.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/LazyIcon.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"
#include "viewer/PictureViewer.h"
#include "viewer/window/PictureArea.h"
#include "viewer/window/RecentRows.h"
#include "viewer/window/ViewerPrinter.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString listPath(const AppContext& context) {
    return context.paths.dataDir + QStringLiteral("PicFile.lst");
}

QFont boldFont(const QFont& base, bool underline = false) {
    QFont f = base;
    f.setBold(true);
    f.setUnderline(underline);
    return f;
}

} // namespace

TViewPic::TViewPic(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::buildOrDefer(this, [this, &context] { buildWindow(context); });
}

void TViewPic::buildWindow(AppContext& context) {
    toolwindow::setUp(this, QStringLiteral("ViewPic"), tr("TabdeckV10 View Pictures"),
                      QSize(622, 443), toolwindow::Border::Sizeable);
    viewer_ = std::make_unique<PictureViewer>(*context.controlFile, *context.prompts, this,
                                              listPath(context), QGuiApplication::clipboard());
    printer_ = std::make_unique<ViewerPrinter>(*context.prompts, this);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setFixedHeight(23);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    root->addWidget(bar);

    auto* body = new QWidget(this);
    auto* stack = new QGridLayout(body);
    stack->setContentsMargins(0, 0, 0, 0);
    panel1_ = new QWidget(body);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    auto* p1 = new QVBoxLayout(panel1_);
    p1->setContentsMargins(0, 0, 0, 0);
    thePic_ = new PictureArea(*viewer_, panel1_);
    p1->addWidget(thePic_);
    stack->addWidget(panel1_, 0, 0);
    panel2_ = buildListPanel(body);
    stack->addWidget(panel2_, 0, 0);
    panel2_->hide();
    root->addWidget(body, 1);
    statusBar1_ = toolwindow::addStatusBar(this, true);

    buildToolBar(bar);
    wireViewer();

    // The creation steps; an unreadable colour ends them, drops included.
    actionguard::run(*context.prompts, this, [this] {
        viewer_->create();
        setAcceptDrops(true);
    });
}

TViewPic::~TViewPic() = default;

QMenu* TViewPic::addMenu(QToolBar* bar, const char* button, const QString& caption,
                         const QString& hint, QStyle::StandardPixmap image) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QString::fromLatin1(button).replace(QLatin1String("Btn"), QString()));
    auto* b = new QToolButton(bar);
    b->setObjectName(QLatin1String(button));
    b->setText(caption);
    b->setIcon(lazyicon::standard(image));
    b->setMenu(menu);
    b->setPopupMode(QToolButton::InstantPopup);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    hints::set(b, hint);
    bar->addWidget(b);
    return menu;
}

QAction* TViewPic::addItem(QMenu* menu, const char* name, const QString& caption,
                           const QString& hint, const std::function<void()>& action) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    hints::set(a, hint);
    connect(a, &QAction::triggered, this, actionguard::guarded(*context_.prompts, this, action));
    return a;
}

void TViewPic::addOption(QMenu* options, ViewOption option, const char* name,
                         const QString& caption, const char* trueName, const char* falseName) {
    QMenu* sub = options->addMenu(caption);
    sub->setObjectName(QLatin1String(name));
    sub->menuAction()->setObjectName(QLatin1String(name));
    hints::set(sub->menuAction(), caption + tr(" True/False"));
    optionItems_[int(option)][0] = addItem(sub, trueName, tr("True"), caption + tr(" True"),
                                           [this, option] { viewer_->setOption(option, true); });
    optionItems_[int(option)][1] = addItem(sub, falseName, tr("False"), caption + tr(" False"),
                                           [this, option] { viewer_->setOption(option, false); });
}

void TViewPic::buildToolBar(QToolBar* bar) {
    PictureViewer& v = *viewer_;

    QMenu* file = addMenu(bar, "FileMenuBtn", tr("File"), tr("File Menu"), QStyle::SP_DirOpenIcon);
    addItem(file, "Open1", tr("Open..."), tr("Open a Picture"), [&v] { v.open(); });
    addItem(file, "SaveAs1", tr("Save As..."), tr("Save Picture As..."), [&v] { v.saveAs(); });
    file->addSeparator();
    addItem(file, "FileList1", tr("File List..."), tr("Recent file list"),
            [this] { showListPanel(true); });
    file->addSeparator();
    addItem(file, "Close1", tr("Close"), tr("Close View Pictures"), [this] { hide(); });

    editMenu_ =
        addMenu(bar, "EditMrnuBtn", tr("Edit"), tr("Edit Menu"), QStyle::SP_FileDialogDetailedView);
    editMenu_->setObjectName(QStringLiteral("EditMenu"));
    addItem(editMenu_, "Cut1", tr("Cut"), tr("Cut the picture to the clipboard"),
            [&v] { v.cut(); });
    addItem(editMenu_, "Copy1", tr("Copy"), tr("Copy the picture to the clipboard"),
            [&v] { v.copy(); });
    addItem(editMenu_, "Paste1", tr("Paste"), tr("Paste picture from the clipboard"),
            [&v] { v.paste(); });
    addItem(editMenu_, "Delete1", tr("Delete"), tr("Delete the picture"),
            [&v] { v.deleteShown(); });
    editMenu_->addSeparator();
    addItem(editMenu_, "Clear1", tr("Clear"), tr("Clear the clipboard"),
            [&v] { v.clearClipboard(); });

    QMenu* options = addMenu(bar, "OptionsMenuBtn", tr("Options"), tr("Options Menu"),
                             QStyle::SP_FileDialogListView);
    addOption(options, ViewOption::AutoSize, "AutoSize1", tr("Auto Size"), "AutoTrue", "AutoFalse");
    addOption(options, ViewOption::Center, "Center1", tr("Center"), "CenterTrue", "CenterFalse");
    addOption(options, ViewOption::IncDisplay, "IncDisplay1", tr("IncDisplay"), "IncDisTrue",
              "IncDisFalse");
    addOption(options, ViewOption::Proportional, "Proportional1", tr("Proportional"), "ProTrue",
              "ProFalse");
    addOption(options, ViewOption::Stretch, "Stretch1", tr("Stretch"), "StretchTrue",
              "StretchFalse");
    addOption(options, ViewOption::Transparent, "Transparent1", tr("Transparent"), "TranTrue",
              "TranFalse");

    QMenu* props = addMenu(bar, "PropertiesMenuBtn", tr("Properties"), tr("Properties Menu"),
                           QStyle::SP_FileDialogInfoView);
    auto choose = [this](ViewColor which) {
        viewer_->chooseColor(which, systemcolors::resolve(viewer_->color(which), palette()));
    };
    addItem(props, "ProgramColor1", tr("Program Color..."), tr("Set the program's color"),
            [choose] { choose(ViewColor::Program); });
    addItem(props, "Default1", tr("Default"), tr("Set the program's default color"),
            [&v] { v.defaultColor(ViewColor::Program); });
    props->addSeparator();
    addItem(props, "PictureColor1", tr("Picture Color..."), tr("Set the picture's color"),
            [choose] { choose(ViewColor::Picture); });
    addItem(props, "Default2", tr("Default"), tr("Set the picture's default color"),
            [&v] { v.defaultColor(ViewColor::Picture); });

    QMenu* print =
        addMenu(bar, "PrintMenuBtn", tr("Print"), tr("Print Menu"), QStyle::SP_DialogSaveButton);
    addItem(print, "Setup1", tr("Setup..."), tr("Setup the printer"),
            [this] { printer_->setup(); });
    addItem(print, "Print1", tr("Print..."), tr("Print the picture"),
            [this] { printer_->print(viewer_->picture()); });
    print->addSeparator();
    addItem(print, "Abort1", tr("Abort"), tr("Abort the print job"), [this] { printer_->abort(); });

    QMenu* help =
        addMenu(bar, "HelpMenuBtn", tr("Help"), tr("Help Menu"), QStyle::SP_DialogHelpButton);
    addItem(help, "About1", tr("About..."), tr("Open About"), [this] {
        if (context_.tools)
            context_.tools->showAbout();
    });
    help->addSeparator();
    struct Topic {
        const char* name;
        const char* caption;
        const char* hint;
        const char* text;
    };
    static const Topic topics[] = {
        {"FileHelp1", QT_TRANSLATE_NOOP("TViewPic", "File Help"),
         QT_TRANSLATE_NOOP("TViewPic", "Open file help"),
         QT_TRANSLATE_NOOP(
             "TViewPic",
             "Open...: Open a Picture.\rSave As...: Save Picture As...\rFile List...: Recent file "
             "list.\r")},
        {"EditHelp1", QT_TRANSLATE_NOOP("TViewPic", "Edit Help"),
         QT_TRANSLATE_NOOP("TViewPic", "Open edit help"),
         QT_TRANSLATE_NOOP(
             "TViewPic", "Cut: Cut the picture to the clipboard.\rCopy: Copy the picture to the "
                         "clipboard.\rPaste: Paste picture from the clipboard.\rDelete: Delete the "
                         "picture.\rClear: Clear the clipboard.\r")},
        {"OptionsHelp1", QT_TRANSLATE_NOOP("TViewPic", "Options Help"),
         QT_TRANSLATE_NOOP("TViewPic", "Open options help"),
         QT_TRANSLATE_NOOP(
             "TViewPic",
             "Auto Size: Auto Size True/False.\rCenter: Center True/False.\rIncDisplay: IncDisplay "
             "True/False.\rProportional: Proportional True/False.\rStretch: Stretch "
             "True/False.\rTransparent: Transparent True/False.\r")},
        {"PropertiesHelp1", QT_TRANSLATE_NOOP("TViewPic", "Properties Help"),
         QT_TRANSLATE_NOOP("TViewPic", "Open properties help"),
         QT_TRANSLATE_NOOP(
             "TViewPic",
             "Program Color...: Set the program's color.\rDefault: Set the program's default "
             "color.\rPicture Color...: Set the picture's color.\rDefault: Set the picture's "
             "default "
             "color.\r")},
        {"PrintHelp1", QT_TRANSLATE_NOOP("TViewPic", "Print Help"),
         QT_TRANSLATE_NOOP("TViewPic", "Open print help"),
         QT_TRANSLATE_NOOP(
             "TViewPic",
             "Setup...: Setup the printer.\rPrint...: Print the picture.\rAbort: Abort the print "
             "job.\r")},
    };
    for (const Topic& t : topics)
        addItem(help, t.name, tr(t.caption), tr(t.hint),
                [this, &t] { showHelp(tr(t.caption), tr(t.text)); });

    auto* gap = new QWidget(bar);
    gap->setFixedWidth(16);
    bar->addWidget(gap);
    auto* close = new QToolButton(bar);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setText(tr("Close"));
    close->setIcon(lazyicon::standard(QStyle::SP_DialogCloseButton));
    close->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    close->setAutoRaise(true);
    close->setCursor(Qt::PointingHandCursor);
    hints::set(close, tr("Close View Pictures"));
    connect(close, &QToolButton::clicked, this, [this] { hide(); });
    bar->addWidget(close);
}

QWidget* TViewPic::buildListPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 0);
    auto* title = new QLabel(tr("Recent File List (Double Click on File Name to Open)"), panel);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(boldFont(font(), true));
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title);

    list_ = new QListWidget(panel);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setAccessibleName(title->text()); // a list view does not read a buddy
    list_->setItemDelegate(new RecentRows(list_));
    list_->setUniformItemSizes(true);
    list_->setCursor(Qt::PointingHandCursor);
    list_->viewport()->setCursor(Qt::PointingHandCursor);
    list_->viewport()->installEventFilter(this);
    layout->addWidget(list_, 1);

    auto* bottom = new QWidget(panel);
    bottom->setFixedHeight(35);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("Right Click on File Name to Remove it."), bottom);
    label->setObjectName(QStringLiteral("Label2"));
    label->setFont(boldFont(font()));
    row->addWidget(label);
    row->addStretch(1);
    auto* close = new QPushButton(tr("Close"), bottom);
    close->setObjectName(QStringLiteral("CloseWindowBtn"));
    hints::set(close, tr("Close this window"));
    connect(close, &QPushButton::clicked, this, [this] { showListPanel(false); });
    row->addWidget(close);
    layout->addWidget(bottom);
    return panel;
}

void TViewPic::wireViewer() {
    PictureViewer& v = *viewer_;
    connect(&v, &PictureViewer::pictureChanged, thePic_, &PictureArea::pictureChanged);
    connect(&v, &PictureViewer::decodeStep, thePic_, &PictureArea::drawStep);
    connect(&v, &PictureViewer::busyChanged, thePic_, &PictureArea::setBusy);
    connect(&v, &PictureViewer::statusChanged, statusBar1_,
            [this](const QString& text) { statusBar1_->showMessage(text); });
    connect(&v, &PictureViewer::entryOpened, this, [this] { showListPanel(false); });
    connect(&v, &PictureViewer::listChanged, this, [this] {
        const QStringList& entries = viewer_->recentEntries();
        if (entries.size() > list_->count()) {
            for (qsizetype i = list_->count(); i < entries.size(); ++i)
                list_->addItem(entries[i]);
            return;
        }
        // A removal: the list is rebuilt and nothing stays selected.
        list_->clear();
        list_->addItems(entries);
        list_->setCurrentRow(-1);
    });
    connect(&v, &PictureViewer::optionChanged, this, [this](ViewOption option, bool on) {
        optionItems_[int(option)][0]->setEnabled(!on);
        optionItems_[int(option)][1]->setEnabled(on);
    });
    connect(&v, &PictureViewer::colorChanged, this, [this](ViewColor which, uint32_t value) {
        if (which == ViewColor::Picture) {
            systemcolors::paintBackground(panel1_, value);
            return;
        }
        systemcolors::paintBackground(this, value);
        systemcolors::paintBackground(panel2_, value);
        systemcolors::paintBackground(statusBar1_, value);
    });
    connect(thePic_, &PictureArea::areaResized, this,
            [this](const QSize& size, qreal dpr) { viewer_->setArea(size, dpr); });
    connect(thePic_, &PictureArea::pointerMoved, this, [this] {
        if (!viewer_->currentFile().isEmpty())
            statusBar1_->showMessage(viewer_->currentFile());
    });
    connect(thePic_, &PictureArea::rightPressed, this,
            [this](const QPoint& at) { editMenu_->popup(at); });
}

void TViewPic::showListPanel(bool shown) {
    panel2_->setVisible(shown);
    if (shown)
        panel2_->raise();
    else
        panel2_->lower();
}

int TViewPic::selectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

void TViewPic::showHelp(const QString& caption, const QString& text) {
    context_.prompts->box(this, {caption, text, Prompts::Icon::Question, Prompts::Ok});
}

bool TViewPic::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_->viewport())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        actionguard::run(*context_.prompts, this, [this] { viewer_->openEntry(selectedRow()); });
        return true;
    }
    // A right press removes the selected row; it must not select another.
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        actionguard::run(*context_.prompts, this, [this] { viewer_->removeEntry(selectedRow()); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TViewPic::dragEnterEvent(QDragEnterEvent* event) {
    if (droptarget::accepts(event->mimeData()))
        event->acceptProposedAction();
}

void TViewPic::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = droptarget::firstItem(event->mimeData());
    event->acceptProposedAction();
    // Loaded after the drag has ended, so an error box does not hold up the
    // program the file came from.
    if (path)
        QMetaObject::invokeMethod(
            this,
            [this, file = *path] {
                actionguard::run(*context_.prompts, this, [&] { viewer_->openFile(file); });
            },
            Qt::QueuedConnection);
}
