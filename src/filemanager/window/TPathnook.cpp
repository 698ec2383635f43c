#include "filemanager/window/TPathnook.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "core/Opener.h"
#include "filemanager/FileListModel.h"
#include "filemanager/FolderOps.h"
#include "filemanager/FolderPathList.h"
#include "filemanager/MaskFilter.h"
#include "filemanager/RereadThrottle.h"
#include "filemanager/window/EditMenu.h"
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
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kMenuHint = QStringLiteral("Right click for Menu");

QString helpText() {
    static const char* const lines[] = {
        "    Pathnook Help",
        "",
        "    1. Drive Box:",
        "        Select the Drive you want to go to.",
        "    ",
        "    2. Create Folder (Directory) Box:",
        "        Enter the NewFolder name and click on the [Create Folder] button.",
        "",
        "    3. File Path:",
        "        This is the full path to the file you selected in the File List Box.",
        "",
        "    4. Folder Path:",
        "        This is the full path to the folder you selected in the Directory List Box.",
        "",
        "    5. Directory List Box:",
        "        Here you select a Folder (Directory).",
        "        In  Here you can Open Folders or Delete Folders.",
        "",
        "    6. File List Box:",
        "        Here you select a File.",
        "        In this box you can Open Files, or Delete Files.",
        "",
        "    Setup Page Help",
        "",
        "    1. Select Program Color:",
        "        Here you select the background color for Pathnook.",
        "",
        "    2. Set Default Color:",
        "        Here you set the default background color for Pathnook.",
        "        The default color is clBtnFace, the color of the buttons on",
        "        your computer.",
        "",
        "    3. Select File Filter:",
        "        Here you select the file filter you want to use in the File List",
        "        Box.",
        "",
        "    4. Add File Filter:",
        "        This has a help file, that shows you how to add File Filters.",
        "",
        "    5. Registry Box Selection:",
        "        This has a help file, that shows you how to us Registry Box",
        "        Selection.",
        "",
        "    6. Remove File Filters:",
        "        This is where you can remove File Filters you have added.",
        "        To open this featur Righr Click on the Select File Filter Box.",
        "",
        "    Pathnook is part of TabdeckV10, made by the Tabdeck workshop.",
        "    Questions and bug reports: use Report a Bug in the launcher's Help menu.",
    };
    QStringList out;
    for (const char* l : lines)
        out << QLatin1String(l);
    return out.join(u'\n');
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        hints::set(b, hint);
    return b;
}

// The framed folder label: the whole path, shortened with an ellipsis to fit.
class PathLabel : public QLabel {
public:
    explicit PathLabel(QWidget* parent) : QLabel(parent) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
        setMinimumWidth(40);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    void setPath(const QString& path) {
        path_ = path;
        setAccessibleName(path);
        elide();
    }
    const QString& path() const { return path_; }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QLabel::resizeEvent(e);
        elide();
    }

private:
    void elide() {
        setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, contentsRect().width() - 4));
    }
    QString path_;
};

} // namespace

TPathnook::TPathnook(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), settings_(*context.controlFile, registry_) {
    toolwindow::setUp(this, QStringLiteral("Pathnook"),
                      QStringLiteral("Work with Drives, Folders and Files"), QSize(622, 443),
                      toolwindow::Border::FixedNoClose);
    setWindowIcon(drawnart::icon(drawnart::Art::FolderTree));
    throttle_ =
        new RereadThrottle([this] { guarded([this] { apply(browser_.reread()); }); }, 250, this);
    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { requestReread(); });
    build();
    settings_.readMode();
    setup_->showMode();
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

    browse_ = new QWidget(pages_);
    browse_->setObjectName(QStringLiteral("Panel1"));
    auto* bv = new QVBoxLayout(browse_);
    bv->addWidget(buildHeader());
    splitter_ = new QSplitter(Qt::Horizontal, browse_);
    splitter_->setObjectName(QStringLiteral("Splitter1"));
    splitter_->setChildrenCollapsible(false);
    folders_ = new QListWidget(splitter_);
    folders_->setObjectName(QStringLiteral("DirectoryListBox1"));
    hints::set(folders_,
               QStringLiteral("Double click to select directory\r\nRight click for Menu"));
    model_ = new FileListModel(drawnart::icon(drawnart::Art::ProgramFile),
                               drawnart::icon(drawnart::Art::DocumentFile), this);
    files_ = new QListView(splitter_);
    files_->setObjectName(QStringLiteral("FileListBox1"));
    files_->setModel(model_);
    files_->setUniformItemSizes(true);
    files_->setIconSize(QSize(16, 16));
    hints::set(files_, kMenuHint);
    splitter_->addWidget(folders_);
    splitter_->addWidget(files_);
    splitter_->handle(1)->installEventFilter(this);
    bv->addWidget(splitter_, 1);
    bv->addWidget(buildFooter());
    pages_->addWidget(browse_);

    setup_ = new SetupPage(settings_, *context_.prompts, *this, pages_);
    pages_->addWidget(setup_);
    help_ = buildHelpPage();
    pages_->addWidget(help_);

    statusBar1_ = toolwindow::addStatusBar(this, true);
    editMenu_ = new EditMenu(this, {edit2_, setup_->edit3(), setup_->edit4()});
    buildMenu();

    for (QWidget* w : {static_cast<QWidget*>(folders_), static_cast<QWidget*>(files_),
                       static_cast<QWidget*>(setup_)})
        w->setContextMenuPolicy(Qt::CustomContextMenu);
    folders_->installEventFilter(this);
    edit1_->installEventFilter(this);
    connect(drivesBox_, &QComboBox::activated, this,
            [this](int i) { guarded([this, i] { DriveComboBox1Change(i); }); });
    connect(folders_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        guarded([this, item] { DirectoryListBox1Open(folders_->row(item)); });
    });
    connect(files_, &QListView::pressed, this,
            [this] { guarded([this] { FileListBox1Click(); }); });
    connect(files_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { guarded([this] { fileListChanged(); }); });
}

QWidget* TPathnook::buildHeader() {
    auto* header = new QWidget(browse_);
    header->setObjectName(QStringLiteral("Header1"));
    hints::set(header, kMenuHint);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* g = new QGridLayout(header);
    g->setContentsMargins(4, 4, 4, 4);
    g->addWidget(new QLabel(QStringLiteral("Select Drive"), header), 0, 0);
    drivesBox_ = new QComboBox(header);
    drivesBox_->setObjectName(QStringLiteral("DriveComboBox1"));
    // Long mount paths must not squeeze the new-folder field: the box keeps
    // a modest width and its pop-up shows the whole names.
    drivesBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    drivesBox_->setMinimumContentsLength(12);
    g->addWidget(drivesBox_, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Create a New Folder:"), header), 0, 2);
    edit2_ = new QLineEdit(QStringLiteral("NewFolder"), header);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setMinimumWidth(edit2_->fontMetrics().horizontalAdvance(edit2_->text()) * 3 / 2 + 16);
    g->addWidget(edit2_, 0, 3);
    auto* create = button(header, "CreateFolderButton", QStringLiteral("Create Folder"),
                          QStringLiteral("Create the new folder"));
    g->addWidget(create, 0, 4);
    g->addWidget(new QLabel(QStringLiteral("File Path;"), header), 1, 0);
    edit1_ = new QLineEdit(QStringLiteral("*.*"), header);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    g->addWidget(edit1_, 1, 1, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Folder Path:"), header), 2, 0);
    folderLabel_ = new PathLabel(header);
    folderLabel_->setObjectName(QStringLiteral("FolderLabel"));
    g->addWidget(folderLabel_, 2, 1, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Select Directory (Folder)"), header), 3, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Select File"), header), 3, 2);
    g->addWidget(new QLabel(QStringLiteral("File Mask:"), header), 3, 3, Qt::AlignRight);
    maskLabel_ = new QLabel(browser_.mask(), header);
    maskLabel_->setObjectName(QStringLiteral("MaskLabel"));
    g->addWidget(maskLabel_, 3, 4);
    g->setColumnStretch(3, 1);
    connect(create, &QPushButton::clicked, this,
            [this] { guarded([this] { CreateFolderClick(); }); });
    connect(header, &QWidget::customContextMenuRequested, this,
            [this, header](const QPoint& at) { menu_->popup(header->mapToGlobal(at)); });
    return header;
}

QWidget* TPathnook::buildFooter() {
    auto* footer = new QWidget(browse_);
    footer->setObjectName(QStringLiteral("Footer1"));
    hints::set(footer, kMenuHint);
    footer->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* h = new QHBoxLayout(footer);
    h->setContentsMargins(4, 4, 4, 4);
    auto* ok =
        button(footer, "OkButton", QStringLiteral("Ok"), QStringLiteral("Ok record my selection"));
    auto* cancel = button(footer, "CancelButton", QStringLiteral("Cancel"),
                          QStringLiteral("Close this program"));
    auto* setup = button(footer, "SetupButton", QStringLiteral("Setup"), QString());
    auto* help = button(footer, "HelpButton", QStringLiteral("?"),
                        QStringLiteral("Open Pathnook Help Window"));
    for (QPushButton* b : {ok, cancel, setup, help})
        h->addWidget(b);
    h->addStretch(1);
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { OkClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { guarded([this] { CancelClick(); }); });
    connect(setup, &QPushButton::clicked, this, [this] { guarded([this] { SetupClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { guarded([this] { HelpClick(); }); });
    connect(footer, &QWidget::customContextMenuRequested, this,
            [this, footer](const QPoint& at) { menu_->popup(footer->mapToGlobal(at)); });
    return footer;
}

QWidget* TPathnook::buildHelpPage() {
    auto* page = new QWidget(pages_);
    page->setObjectName(QStringLiteral("Panel3"));
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, Qt::black);
    page->setPalette(pal);
    auto* v = new QVBoxLayout(page);
    auto* head = new QHBoxLayout;
    head->addWidget(new drawnart::ArtView(drawnart::Art::FolderTree, page));
    auto* title = new QLabel(QStringLiteral("Pathnook Help"), page);
    title->setObjectName(QStringLiteral("HelpTitle"));
    QFont f = title->font();
    f.setBold(true);
    f.setUnderline(true);
    f.setPointSize(f.pointSize() + 4);
    title->setFont(f);
    title->setStyleSheet(QStringLiteral("color: yellow"));
    head->addWidget(title, 1, Qt::AlignCenter);
    head->addWidget(new drawnart::ArtView(drawnart::Art::FolderTree, page));
    v->addLayout(head);
    auto* text = new QPlainTextEdit(page);
    text->setObjectName(QStringLiteral("HelpText"));
    text->setReadOnly(true);
    text->setPlainText(helpText());
    QPalette tp = text->palette();
    tp.setColor(QPalette::Base, tp.color(QPalette::ToolTipBase));
    tp.setColor(QPalette::Text, tp.color(QPalette::ToolTipText));
    text->setPalette(tp);
    v->addWidget(text, 1);
    auto* close = button(page, "CloseHelpButton", QStringLiteral("Close"),
                         QStringLiteral("Close this window"));
    v->addWidget(close, 0, Qt::AlignHCenter);
    connect(close, &QPushButton::clicked, this, [this] { guarded([this] { CloseHelpClick(); }); });
    return page;
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
    QAction* main = add("MainWindow1", QStringLiteral("Main Window"),
                        QStringLiteral("Open the Main window"), &TPathnook::closeSetup);
    QAction* setup = add("SetupWindow1", QStringLiteral("Setup Window"),
                         QStringLiteral("Open Setup window"), &TPathnook::SetupClick);
    for (QAction* a : {main, setup}) {
        a->setCheckable(true);
        pages->addAction(a);
    }
    main->setChecked(true);
    main->setEnabled(false);
    menu_->addSeparator();
    add("OpenFile1", QStringLiteral("Open File"), QStringLiteral("Open the selected file"),
        &TPathnook::OpenFile1Click);
    add("RemoveFile1", QStringLiteral("Remove File"), QStringLiteral("Remove the selected File"),
        &TPathnook::RemoveFile1Click);
    menu_->addSeparator();
    add("OpenFolder1", QStringLiteral("Open Folder"), QStringLiteral("Open the selected folder"),
        &TPathnook::OpenFolder1Click);
    add("RemoveFolder1", QStringLiteral("Remove Folder"),
        QStringLiteral("Remove the selected (Folder) Directory"), &TPathnook::RemoveFolder1Click);
    menu_->addSeparator();
    add("Exit1", QStringLiteral("Exit"), QStringLiteral("Close this program"),
        &TPathnook::CancelClick);
    menu_->addSeparator();
    QAction* closeMenu = add("CloseMenu1", QStringLiteral("Close Menu"),
                             QStringLiteral("Close this Menu"), &TPathnook::CloseMenu1Click);
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
    for (QWidget* w : {static_cast<QWidget*>(folders_), static_cast<QWidget*>(files_),
                       static_cast<QWidget*>(setup_)})
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& at) { menu_->popup(w->mapToGlobal(at)); });
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
    drivesBox_->clear();
    for (const DriveList::Drive& d : browser_.drives())
        drivesBox_->addItem(d.display(), d.mountPath);
    drivesBox_->setCurrentIndex(drivesBox_->findData(browser_.currentDrive()));
}

void TPathnook::enterFolder(const QString& folder) {
    apply(browser_.enter(folder));
}

void TPathnook::apply(int changes) {
    if (changes & FileBrowser::Folder) {
        const QString& path = browser_.folder();
        static_cast<PathLabel*>(folderLabel_)->setPath(path);
        drivesBox_->setCurrentIndex(drivesBox_->findData(browser_.currentDrive()));
        if (!watcher_->directories().isEmpty())
            watcher_->removePaths(watcher_->directories());
        watcher_->addPath(path);
        throttle_->ran();
    }
    if (changes & FileBrowser::Folders) {
        const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
        folders_->clear();
        for (const auto& e : browser_.folders()) {
            auto* item =
                new QListWidgetItem(e.open ? open : closed, QString(e.depth * 2, u' ') + e.name);
            item->setData(Qt::UserRole, e.path);
            folders_->addItem(item);
            if (e.path == browser_.folder())
                folders_->setCurrentItem(item);
        }
    }
    if (changes & (FileBrowser::Files | FileBrowser::Selection)) {
        syncing_ = true;
        if (changes & FileBrowser::Files)
            model_->setFiles(browser_.folder(), browser_.fileNames());
        const int row = browser_.selectedRow();
        if (row >= 0)
            files_->setCurrentIndex(model_->index(row));
        else
            files_->selectionModel()->clear();
        syncing_ = false;
        edit1_->setText(browser_.pathText());
    }
    maskLabel_->setText(browser_.mask());
}

void TPathnook::fileListChanged() {
    if (syncing_)
        return;
    const QModelIndexList rows = files_->selectionModel()->selectedRows();
    apply(browser_.select(rows.isEmpty() ? -1 : rows.first().row()));
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
    return static_cast<PathLabel*>(folderLabel_)->path();
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
    apply(browser_.applyTyped(edit1_->text()));
}

// --- operations ---------------------------------------------------------

void TPathnook::CreateFolderClick() {
    FolderOps ops(*context_.prompts, this);
    if (ops.createFolder(browser_.folder(), edit2_->text()))
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
    if (context_.prompts->confirm(this,
                                  QStringLiteral("Are you sure you want to close this program?")))
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
        yes = context_.prompts->confirm(
            this, QStringLiteral("Are you sure you want to close this program?"));
    });
    if (yes)
        event->accept();
    else
        event->ignore();
}

bool TPathnook::eventFilter(QObject* watched, QEvent* event) {
    if (watched == splitter_->handle(1) && event->type() == QEvent::Paint) {
        requestReread();
    } else if (watched == folders_ && event->type() == QEvent::FocusIn) {
        guarded([this] { DirectoryListBox1Enter(); });
    } else if (watched == folders_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { DirectoryListBox1Open(folders_->currentRow()); });
            return true;
        }
    } else if (watched == edit1_ && event->type() == QEvent::MouseButtonDblClick) {
        guarded([this] { Edit1DblClick(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
