#include "filemanager/window/TPathnook.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "core/Opener.h"
#include "filemanager/FolderOps.h"
#include "filemanager/RereadThrottle.h"
#include "filemanager/window/BrowsePage.h"
#include "filemanager/window/EditMenu.h"
#include "filemanager/window/HelpPage.h"
#include "ui/ActionGuard.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

TPathnook::TPathnook(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), settings_(*context.controlFile, registry_) {
    // The drives and the working folder are read in a step of their own.
    toolwindow::buildOrDefer(this, {[this] { buildWindow(); }, [this] { openStartFolder(); }});
}

void TPathnook::buildWindow() {
    toolwindow::setUp(this, QStringLiteral("Pathnook"), tr("Work with Drives, Folders and Files"),
                      QSize(622, 443), toolwindow::Border::FixedNoClose);
    setWindowIcon(drawnart::icon(drawnart::Art::FolderTree));
    throttle_ =
        new RereadThrottle([this] { guarded([this] { apply(browser_.reread()); }); }, 250, this);
    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { requestReread(); });
    build();
    settings_.readMode();
    setup_->showMode();
}

void TPathnook::openStartFolder() {
    fillDrives();
    try {
        enterFolder(QDir::currentPath());
    } catch (const AppError&) {
        enterFolder(QDir::homePath());
    }
}

TPathnook::~TPathnook() = default;

void TPathnook::guarded(const std::function<void()>& body) {
    actionguard::run(*context_.prompts, this, body);
}

void TPathnook::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pages_ = new QStackedWidget(this);
    layout->addWidget(pages_, 1);
    browse_ = new BrowsePage(pages_);
    pages_->addWidget(browse_);
    setup_ = new SetupPage(settings_, *context_.prompts, *this, pages_);
    pages_->addWidget(setup_);
    help_ = new HelpPage(pages_);
    pages_->addWidget(help_);
    statusBar1_ = toolwindow::addStatusBar(this, true);
    editMenu_ = new EditMenu(this, {browse_->edit2, setup_->edit3(), setup_->edit4()});
    buildMenu();
    wire();
}

void TPathnook::wire() {
    auto on = [this](QPushButton* b, void (TPathnook::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    on(browse_->create, &TPathnook::CreateFolderClick);
    on(browse_->ok, &TPathnook::OkClick);
    on(browse_->cancel, &TPathnook::CancelClick);
    on(browse_->setup, &TPathnook::SetupClick);
    on(browse_->help, &TPathnook::HelpClick);
    on(help_->close, &TPathnook::CloseHelpClick);
    setup_->setContextMenuPolicy(Qt::CustomContextMenu);
    for (QWidget* w : {browse_->header, browse_->footer, static_cast<QWidget*>(browse_->folders),
                       static_cast<QWidget*>(browse_->files), static_cast<QWidget*>(setup_)})
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& at) { menu_->popup(w->mapToGlobal(at)); });
    browse_->splitter->handle(1)->installEventFilter(this);
    browse_->folders->installEventFilter(this);
    browse_->edit1->installEventFilter(this);
    connect(browse_->drives, &QComboBox::activated, this,
            [this](int i) { guarded([this, i] { DriveComboBox1Change(i); }); });
    connect(browse_->folders, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        guarded([this, item] { DirectoryListBox1Open(browse_->folders->row(item)); });
    });
    connect(browse_->files, &QListView::pressed, this,
            [this] { guarded([this] { FileListBox1Click(); }); });
    connect(browse_->files->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { guarded([this] { fileListChanged(); }); });
}

void TPathnook::buildMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("PopupMenu1"));
    auto* pages = new QActionGroup(menu_);
    auto add = [this](const char* name, const QString& caption, const QString& hint,
                      void (TPathnook::*handler)()) {
        QAction* a = menu_->addAction(caption);
        a->setObjectName(QLatin1String(name));
        menuItems_.insert(QLatin1String(name), a);
        hints::set(a, hint);
        connect(a, &QAction::triggered, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
        return a;
    };
    QAction* main =
        add("MainWindow1", tr("Main Window"), tr("Open the Main window"), &TPathnook::closeSetup);
    QAction* setup =
        add("SetupWindow1", tr("Setup Window"), tr("Open Setup window"), &TPathnook::SetupClick);
    for (QAction* a : {main, setup}) {
        a->setCheckable(true);
        pages->addAction(a);
    }
    main->setChecked(true);
    main->setEnabled(false);
    menu_->addSeparator();
    add("OpenFile1", tr("Open File"), tr("Open the selected file"), &TPathnook::OpenFile1Click);
    add("RemoveFile1", tr("Remove File"), tr("Remove the selected File"),
        &TPathnook::RemoveFile1Click);
    menu_->addSeparator();
    add("OpenFolder1", tr("Open Folder"), tr("Open the selected folder"),
        &TPathnook::OpenFolder1Click);
    add("RemoveFolder1", tr("Remove Folder"), tr("Remove the selected (Folder) Directory"),
        &TPathnook::RemoveFolder1Click);
    menu_->addSeparator();
    add("Exit1", tr("Exit"), tr("Close this program"), &TPathnook::CancelClick);
    menu_->addSeparator();
    QAction* closeMenu =
        add("CloseMenu1", tr("Close Menu"), tr("Close this Menu"), &TPathnook::CloseMenu1Click);
    menu_->setDefaultAction(closeMenu);
    // The file items act on the file the user saw selected when the menu
    // opened, even if a re-read moves the list meanwhile.
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        menuFile_ = browser_.picked();
        menuOpen_ = true;
    });
    connect(menu_, &QMenu::aboutToHide, this, [this] {
        // An item is triggered after the menu hides.
        QTimer::singleShot(0, this, [this] { menuOpen_ = false; });
    });
    setFileItems(false);
    setFolderItems(false);
}

QAction* TPathnook::menuItem(const char* name) const {
    return menuItems_.value(QLatin1String(name));
}

void TPathnook::setFileItems(bool enabled) {
    menuItem("OpenFile1")->setEnabled(enabled);
    menuItem("RemoveFile1")->setEnabled(enabled);
}

void TPathnook::setFolderItems(bool enabled) {
    menuItem("OpenFolder1")->setEnabled(enabled);
    menuItem("RemoveFolder1")->setEnabled(enabled);
}

// --- lists --------------------------------------------------------------

void TPathnook::fillDrives() {
    browser_.readDrives();
    browse_->showDrives(browser_.drives(), browser_.currentDrive());
}

void TPathnook::enterFolder(const QString& folder) {
    apply(browser_.enter(folder));
}

void TPathnook::apply(int changes) {
    if (changes & FileBrowser::Folder) {
        browse_->showFolder(browser_.folder(), browser_.currentDrive());
        if (!watcher_->directories().isEmpty())
            watcher_->removePaths(watcher_->directories());
        watcher_->addPath(browser_.folder());
        throttle_->ran();
    }
    if (changes & FileBrowser::Folders)
        browse_->showFolders(browser_.folders(), browser_.folder());
    if (changes & (FileBrowser::Files | FileBrowser::Selection)) {
        browse_->showFiles(browser_.folder(),
                           changes & FileBrowser::Files ? &browser_.fileNames() : nullptr,
                           browser_.selectedRow());
        browse_->edit1->setText(browser_.pathText());
    }
    browse_->showMask(browser_.listMask());
}

void TPathnook::fileListChanged() {
    if (const auto row = browse_->userSelection())
        apply(browser_.select(*row));
}

void TPathnook::requestReread() {
    throttle_->request();
}

QString TPathnook::selectedFile() const {
    const auto file = browser_.picked();
    return file ? file->path() : QString();
}

std::optional<FileBrowser::Picked> TPathnook::menuFile() const {
    return menuOpen_ ? menuFile_ : browser_.picked();
}

QStringList TPathnook::folderNames() const {
    QStringList out;
    for (const auto& e : browser_.folders())
        out << e.path;
    return out;
}

QString TPathnook::folderLabelText() const {
    return browse_->folderLabelText();
}

void TPathnook::DriveComboBox1Change(int index) {
    apply(browser_.enterDrive(index));
}

void TPathnook::DirectoryListBox1Open(int row) {
    if (row < 0 || row >= browser_.folders().size())
        return;
    enterFolder(browser_.folders()[row].path);
    setFileItems(false);
    setFolderItems(true);
}

void TPathnook::DirectoryListBox1Enter() {
    browser_.rememberFolder();
}

void TPathnook::FileListBox1Click() {
    setFileItems(true);
    setFolderItems(false);
}

void TPathnook::Edit1DblClick() {
    apply(browser_.applyTyped(browse_->edit1->text()));
}

// --- operations ---------------------------------------------------------

void TPathnook::CreateFolderClick() {
    FolderOps ops(*context_.prompts, this);
    if (ops.createFolder(browser_.folder(), browse_->edit2->text()))
        apply(browser_.rereadFolders());
}

void TPathnook::RemoveFolder1Click() {
    FolderOps ops(*context_.prompts, this);
    if (auto show = ops.removeFolder(browser_.folder(), browser_.rememberedFolder()))
        enterFolder(*show);
}

void TPathnook::RemoveFile1Click() {
    FolderOps ops(*context_.prompts, this);
    if (ops.removeListedFile(menuFile(), browser_))
        apply(browser_.reread());
}

void TPathnook::OpenFile1Click() {
    const auto file = menuFile();
    if (file && browser_.isListed(*file) && FolderOps(*context_.prompts, this).canOpen(*file))
        context_.opener->open(this, file->path());
}

void TPathnook::OpenFolder1Click() {
    context_.opener->open(this, browser_.folder());
}

void TPathnook::CancelClick() {
    if (context_.prompts->confirm(this, tr("Are you sure you want to close this program?")))
        hide();
}

void TPathnook::OkClick() {
    hide();
}

void TPathnook::SetupClick() {
    pages_->setCurrentWidget(setup_);
    menuItem("MainWindow1")->setEnabled(true);
    menuItem("SetupWindow1")->setEnabled(false);
    menuItem("SetupWindow1")->setChecked(true);
    setFileItems(false);
    setFolderItems(false);
}

void TPathnook::closeSetup() {
    setup_->hideRemoval();
    pages_->setCurrentWidget(browse_);
    menuItem("MainWindow1")->setEnabled(false);
    menuItem("MainWindow1")->setChecked(true);
    menuItem("SetupWindow1")->setEnabled(true);
}

void TPathnook::CloseMenu1Click() {
    setFileItems(false);
    setFolderItems(false);
}

void TPathnook::HelpClick() {
    if (pages_->currentWidget() != help_)
        underHelp_ = pages_->currentWidget();
    pages_->setCurrentWidget(help_);
}

void TPathnook::CloseHelpClick() {
    pages_->setCurrentWidget(underHelp_ ? underHelp_ : browse_);
}

void TPathnook::applyColor(uint32_t value) {
    systemcolors::paintBackground(this, value);
}

void TPathnook::applyMask(const QString& mask) {
    apply(browser_.setMask(mask));
}

// --- window -------------------------------------------------------------

void TPathnook::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    guarded([this] {
        editMenu_->clear();
        fillDrives();
        setup_->loadSettings();
    });
    requestReread();
}

void TPathnook::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible())
        requestReread();
}

void TPathnook::closeEvent(QCloseEvent* event) {
    // The window manager's close box counts as Cancel.
    if (!event->spontaneous())
        return QWidget::closeEvent(event);
    bool yes = false;
    guarded([&] {
        yes = context_.prompts->confirm(this, tr("Are you sure you want to close this program?"));
    });
    if (yes)
        event->accept();
    else
        event->ignore();
}

bool TPathnook::eventFilter(QObject* watched, QEvent* event) {
    if (watched == browse_->splitter->handle(1) && event->type() == QEvent::Paint) {
        requestReread();
    } else if (watched == browse_->folders && event->type() == QEvent::FocusIn) {
        guarded([this] { DirectoryListBox1Enter(); });
    } else if (watched == browse_->folders && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { DirectoryListBox1Open(browse_->folders->currentRow()); });
            return true;
        }
    } else if (watched == browse_->edit1 && event->type() == QEvent::MouseButtonDblClick) {
        guarded([this] { Edit1DblClick(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
