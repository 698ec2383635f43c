#include "icons/window/TExIcons.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "core/Error.h"
#include "icons/IconFolders.h"
#include "icons/IconSaver.h"
#include "icons/IconToolSettings.h"
#include "icons/window/IconToolParts.h"
#include "platform/DropTarget.h"
#include "platform/SystemInfo.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStackedLayout>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString helpCaption = QStringLiteral("Extract Icons Help:");

QString helpText(int number) {
    switch (number) {
    case 1:
        return QStringLiteral(" Here you open a *.exe or *.dll file to extract icons from.\r");
    case 2:
        return QStringLiteral("Here you save the current icon that is selected.\rThe current icon "
                              "is showen in the image at the top.\r");
    case 3:
        return QStringLiteral("Here you save all of the icons that are in the *.exe or *.dll file "
                              "you have open.\rBefore you can save all of the icons, you have to "
                              "select or create a folder to save them to.\r");
    default:
        return QStringLiteral(
            "This is where you select or create a folder to save all of the icons in.\r");
    }
}

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QPushButton* panelButton(const QString& name, const QString& caption, const QString& hint,
                         QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    hints::set(button, hint);
    return button;
}

// A folder is opened by a double click or the Enter key; a single click only
// highlights it.
class FolderTree : public QTreeView {
public:
    FolderTree(QWidget* parent, std::function<void(const QModelIndex&)> opened)
        : QTreeView(parent), opened_(std::move(opened)) {
        connect(this, &QTreeView::doubleClicked, this,
                [this](const QModelIndex& index) { opened_(index); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            currentIndex().isValid()) {
            opened_(currentIndex());
            return;
        }
        QTreeView::keyPressEvent(event);
    }

private:
    std::function<void(const QModelIndex&)> opened_;
};

} // namespace

TExIcons::TExIcons(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("ExIcons"),
                      QStringLiteral("TabdeckV10 - Extract Icons with Drag & Drop"),
                      QSize(511, 242), toolwindow::Border::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();

    auto* area = new QWidget(this);
    auto* stack = new QStackedLayout(area);
    stack->setStackingMode(QStackedLayout::StackOne);
    panel1_ = buildMainPanel();
    panel2_ = buildFolderPanel();
    panel3_ = buildProgressPanel();
    for (QWidget* p : {panel1_, panel2_, panel3_})
        stack->addWidget(p);
    panels_ = {panel3_, panel2_, panel1_};
    layout->addWidget(area, 1);
    statusBar1_ = toolwindow::addStatusBar(this, false);

    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->hide();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(ProgressAnimation::IntervalMs);
    connect(timer1_, &QTimer::timeout, this, [this] { guard([this] { Timer1Timer(); }); });
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(600);
    connect(timer2_, &QTimer::timeout, this, [this] { guard([this] { Timer2Timer(); }); });

    setAcceptDrops(true);
    selectedFolder_ = QDir::currentPath();
    openFolder(selectedFolder_);
    bringToFront(panel1_);
}

void TExIcons::guard(const std::function<void()>& body) {
    actionguard::run(*context_.prompts, this, body);
}

void TExIcons::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setFixedHeight(26);
    bar->setIconSize(QSize(16, 16));
    // Tight buttons, so that all six fit the window's width.
    bar->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; }"
                                      "QToolButton { padding: 1px; }"
                                      "QToolButton::menu-indicator { image: none; }"));
    QStyle* s = style();
    auto connectClick = [this](QToolButton* b, void (TExIcons::*handler)()) {
        connect(b, &QToolButton::clicked, this,
                [this, handler] { guard([=, this] { (this->*handler)(); }); });
    };
    connectClick(icontoolparts::addButton(bar, QStringLiteral("OpenBtn"), QStringLiteral("Open..."),
                                          s->standardIcon(QStyle::SP_DialogOpenButton),
                                          QStringLiteral("Open a file to extract icons from")),
                 &TExIcons::OpenBtnClick);
    connectClick(icontoolparts::addButton(bar, QStringLiteral("SaveCurrentBtn"),
                                          QStringLiteral("Save Current..."),
                                          s->standardIcon(QStyle::SP_DialogSaveButton),
                                          QStringLiteral("Save the current icon")),
                 &TExIcons::SaveCurrentBtnClick);
    connectClick(icontoolparts::addButton(bar, QStringLiteral("SaveAllBtn"),
                                          QStringLiteral("Save All"),
                                          s->standardIcon(QStyle::SP_DriveHDIcon),
                                          QStringLiteral("Save all of the icons in the file")),
                 &TExIcons::SaveAllBtnClick);
    connectClick(icontoolparts::addButton(bar, QStringLiteral("NewFolderBtn"),
                                          QStringLiteral("Folder..."),
                                          s->standardIcon(QStyle::SP_FileDialogNewFolder),
                                          QStringLiteral("Create a new folder")),
                 &TExIcons::NewFolderBtnClick);
    QToolButton* help = icontoolparts::addButton(
        bar, QStringLiteral("HelpBtn"), QStringLiteral("Help"),
        s->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("Help Menu"));
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    connect(icontoolparts::addItem(popupMenu1_, QStringLiteral("About1"),
                                   QStringLiteral("About..."), QStringLiteral("Open About")),
            &QAction::triggered, this, [this] {
                guard([this] {
                    if (context_.tools)
                        context_.tools->showAbout();
                });
            });
    popupMenu1_->addSeparator();
    const QStringList names = {QStringLiteral("OpenFileHelp1"), QStringLiteral("SaveCurrent1"),
                               QStringLiteral("SaveAllHelp1"), QStringLiteral("FolderHelp1")};
    const QStringList captions = {
        QStringLiteral("Open File Help..."), QStringLiteral("Save Current Help..."),
        QStringLiteral("Save All Help..."), QStringLiteral("Folder Help...")};
    const QStringList itemHints = {
        QStringLiteral("Open File Help"), QStringLiteral("Save current icon"),
        QStringLiteral("Save all of the icons"), QStringLiteral("Select or create folder")};
    for (int i = 0; i < 4; ++i)
        connect(icontoolparts::addItem(popupMenu1_, names[i], captions[i], itemHints[i]),
                &QAction::triggered, this, [this, i] { guard([this, i] { HelpMessage(i + 1); }); });
    popupMenu1_->addSeparator();
    QAction* closeMenu =
        icontoolparts::addItem(popupMenu1_, QStringLiteral("CloseMenu1"),
                               QStringLiteral("Close Menu"), QStringLiteral("Close this Menu"));
    popupMenu1_->setDefaultAction(closeMenu);
    help->setMenu(popupMenu1_);
    help->setPopupMode(QToolButton::InstantPopup);
    bar->addSeparator();
    QToolButton* exit = icontoolparts::addButton(
        bar, QStringLiteral("ExitBtn"), QStringLiteral("Close"),
        s->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Close this window"));
    connect(exit, &QToolButton::clicked, this, [this] { close(); });
    layout()->addWidget(bar);
}

QWidget* TExIcons::buildMainPanel() {
    auto* p = new QWidget(this);
    p->setObjectName(QStringLiteral("Panel1"));
    image1_ = new QLabel(p);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(239, 4, 32, 32);
    image1_->setAlignment(Qt::AlignCenter);
    hints::set(image1_, QStringLiteral("Current Icon"));
    label1_ = new QLabel(QStringLiteral("0"), p);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(215, 38, 80, 16);
    label1_->setAlignment(Qt::AlignCenter);
    hints::set(label1_, QStringLiteral("Icon placement in file"));
    edit1_ = new QLineEdit(p);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setAccessibleName(QStringLiteral("File to extract icons from"));
    edit1_->setGeometry(70, 58, 370, 22);
    // A file dropped on the field opens like one dropped on the window.
    edit1_->setAcceptDrops(false);

    auto* decrease = panelButton(QStringLiteral("DecreaseBtn"), QStringLiteral("<"),
                                 QStringLiteral("Go back to next icon"), p);
    decrease->setGeometry(12, 88, 26, 26);
    connect(decrease, &QPushButton::clicked, this,
            [this] { guard([this] { DecreaseBtnClick(); }); });
    trackBar1_ = new QSlider(Qt::Horizontal, p);
    trackBar1_->setObjectName(QStringLiteral("TrackBar1"));
    trackBar1_->setGeometry(42, 86, 427, 30);
    trackBar1_->setTickPosition(QSlider::TicksBelow);
    trackBar1_->setTickInterval(1);
    trackBar1_->setPageStep(1);
    trackBar1_->setRange(0, 0);
    trackBar1_->setAutoFillBackground(true);
    connect(trackBar1_, &QSlider::valueChanged, this,
            [this](int v) { guard([this, v] { TrackBar1Change(v); }); });
    auto* increase = panelButton(QStringLiteral("IncreaseBtn"), QStringLiteral(">"),
                                 QStringLiteral("Go to next icon"), p);
    increase->setGeometry(473, 88, 26, 26);
    connect(increase, &QPushButton::clicked, this,
            [this] { guard([this] { IncreaseBtnClick(); }); });

    auto* label2 = new QLabel(QStringLiteral("0"), p);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(46, 118, 40, 16);
    label3_ = new QLabel(QStringLiteral("0"), p);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setGeometry(425, 118, 40, 16);
    label3_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* reset = panelButton(QStringLiteral("smRefreshBtn1"), QStringLiteral("Reset"),
                              QStringLiteral("Reset to first icon in the file"), p);
    reset->setGeometry(215, 118, 80, 24);
    connect(reset, &QPushButton::clicked, this,
            [this] { guard([this] { smRefreshBtn1Click(); }); });
    auto* title = new icontoolparts::TitleArt(QStringLiteral("Extract Icons"), p);
    title->setObjectName(QStringLiteral("Image2"));
    title->setGeometry(170, 146, 170, 40);
    return p;
}

QWidget* TExIcons::buildFolderPanel() {
    auto* p = new QWidget(this);
    p->setObjectName(QStringLiteral("Panel2"));
    p->setAutoFillBackground(true);
    QLabel* driveCaption = boldLabel(QStringLiteral("Select Drive and Folder"), p);
    driveCaption->setGeometry(8, 2, 200, 16);

    driveList_ = new QComboBox(p);
    driveList_->setObjectName(QStringLiteral("DriveComboBox1"));
    driveCaption->setBuddy(driveList_);
    driveList_->setGeometry(8, 20, 200, 22);
    driveList_->addItems(iconfolders::volumes());
    driveList_->setCurrentText(iconfolders::volumeOf(QDir::currentPath(), iconfolders::volumes()));
    connect(driveList_, &QComboBox::textActivated, this,
            [this](const QString& v) { guard([this, v] { openFolder(v); }); });

    folderModel_ = new QFileSystemModel(this);
    folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    folderTree_ = new FolderTree(p, [this](const QModelIndex& index) {
        guard([this, index] { openFolder(folderModel_->filePath(index)); });
    });
    folderTree_->setObjectName(QStringLiteral("DirectoryListBox1"));
    folderTree_->setAccessibleName(QStringLiteral("Folders"));
    folderTree_->setModel(folderModel_);
    for (int c = 1; c < folderModel_->columnCount(); ++c)
        folderTree_->hideColumn(c);
    folderTree_->header()->hide();
    folderTree_->setGeometry(8, 44, 200, 112);

    folderLabel_ = boldLabel(QString(), p);
    folderLabel_->setObjectName(QStringLiteral("DirLabel1"));
    folderLabel_->setGeometry(8, 158, 200, 16);

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files | QDir::Hidden);
    fileList_ = new QListView(p);
    fileList_->setObjectName(QStringLiteral("FileListBox1"));
    fileList_->setAccessibleName(QStringLiteral("Files in the selected folder"));
    fileList_->setModel(fileModel_);
    fileList_->setSelectionMode(QAbstractItemView::NoSelection);
    fileList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileList_->setStyleSheet(
        QStringLiteral("QListView { color: grey; font-weight: bold; background: #f4f4f4; }"));
    fileList_->setGeometry(214, 20, 132, 154);

    // Two lines where the bold caption is wider than the column.
    QLabel* newName = boldLabel(QStringLiteral("Enter New Folder Name:"), p);
    newName->setWordWrap(true);
    newName->setGeometry(354, 2, 155, 32);
    edit3_ = new QLineEdit(p);
    edit3_->setObjectName(QStringLiteral("Edit3"));
    edit3_->setGeometry(354, 36, 150, 22);
    newName->setBuddy(edit3_);
    auto* create = panelButton(QStringLiteral("CreateNewFolderBtn"), QStringLiteral("Create"),
                               QStringLiteral("Create the new folder"), p);
    create->setGeometry(354, 62, 70, 24);
    connect(create, &QPushButton::clicked, this,
            [this] { guard([this] { CreateNewFolderBtnClick(); }); });
    (new QLabel(QStringLiteral("or"), p))->setGeometry(430, 66, 20, 16);
    auto* use =
        panelButton(QStringLiteral("UseSelectedFolderBtn"), QStringLiteral("Use Selected"),
                    QStringLiteral("Do NOT create a new folder, use the selected folder..."), p);
    use->setGeometry(354, 90, 100, 24);
    connect(use, &QPushButton::clicked, this,
            [this] { guard([this] { UseSelectedFolderBtnClick(); }); });
    auto* closeBtn = panelButton(QStringLiteral("CloseWindowlBtn1"), QStringLiteral("Close"),
                                 QStringLiteral("Close this window"), p);
    closeBtn->setGeometry(354, 150, 70, 24);
    connect(closeBtn, &QPushButton::clicked, this,
            [this] { guard([this] { CloseWindowlBtn1Click(); }); });
    return p;
}

QWidget* TExIcons::buildProgressPanel() {
    auto* p = new QWidget(this);
    p->setObjectName(QStringLiteral("Panel3"));
    p->setAutoFillBackground(true);
    auto* top =
        boldLabel(QStringLiteral("Please Wait while the Icons are being Saved in Folder:"), p);
    top->setGeometry(0, 4, 511, 16);
    top->setAlignment(Qt::AlignCenter);
    saveFolderLabel_ = boldLabel(QString(), p);
    saveFolderLabel_->setObjectName(QStringLiteral("Label6"));
    saveFolderLabel_->setStyleSheet(QStringLiteral("color: red;"));
    saveFolderLabel_->setGeometry(0, 22, 511, 16);
    saveFolderLabel_->setAlignment(Qt::AlignCenter);
    boldLabel(QStringLiteral("Progress"), p)->setGeometry(18, 44, 80, 16);
    progressBar1_ = new QProgressBar(p);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    progressBar1_->setGeometry(18, 62, 475, 18);
    auto* title = new icontoolparts::TitleArt(QStringLiteral("Extract Icons is Saving Icons"), p);
    title->setObjectName(QStringLiteral("Image3"));
    title->setGeometry(18, 86, 475, 50);
    doneLabel_ = new QLabel(p);
    doneLabel_->setObjectName(QStringLiteral("Label7"));
    QFont f(QStringLiteral("Agency FB"));
    f.setPixelSize(21);
    f.setBold(true);
    doneLabel_->setFont(f);
    doneLabel_->setStyleSheet(QStringLiteral("color: red;"));
    doneLabel_->setAlignment(Qt::AlignCenter);
    doneLabel_->setGeometry(0, 138, 511, 26);
    doneLabel_->hide();
    auto* closeBtn = panelButton(QStringLiteral("SpeedButton1"), QStringLiteral("Close"),
                                 QStringLiteral("Close this window"), p);
    closeBtn->setGeometry(430, 164, 70, 24);
    connect(closeBtn, &QPushButton::clicked, this,
            [this] { guard([this] { SpeedButton1Click(); }); });
    return p;
}

// --- panels -----------------------------------------------------------------

QWidget* TExIcons::frontPanel() const {
    return panels_.constLast();
}

void TExIcons::bringToFront(QWidget* panel) {
    panels_.removeAll(panel);
    panels_.append(panel);
    static_cast<QStackedLayout*>(panel->parentWidget()->layout())->setCurrentWidget(panel);
}

void TExIcons::sendBack(QWidget* panel) {
    panels_.removeAll(panel);
    panels_.prepend(panel);
    bringToFront(panels_.constLast());
}

// --- showing and loading ----------------------------------------------------

void TExIcons::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        guard([this] { FormShow(); });
}

void TExIcons::FormShow() {
    const uint32_t colour = icontoolsettings::programColour(*context_.controlFile);
    systemcolors::paintBackground(this, colour);
    systemcolors::paintBackground(trackBar1_, colour);
    animation_.reset();
    // The bar runs on lime whatever the theme's groove colour.
    progressBar1_->setStyleSheet(
        QStringLiteral("QProgressBar { background: rgb(0, 255, 0); border: 1px solid grey; }"
                       "QProgressBar::chunk { background: palette(highlight); }"));
    edit1_->clear();
    edit1_->setText(systeminfo::systemDirectory() + QStringLiteral("/shell32.dll"));
    loadFile();
}

void TExIcons::loadFile() {
    browser_.load(edit1_->text());
    {
        const QSignalBlocker block(trackBar1_);
        trackBar1_->setRange(browser_.minimum(), browser_.maximum());
        trackBar1_->setValue(browser_.position());
    }
    label3_->setText(browser_.lastText());
    TrackBar1Change(browser_.position());
}

void TExIcons::OpenBtnClick() {
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::Open;
    const std::optional<QString> path = context_.prompts->file(this, dialog);
    if (!path)
        return;
    edit1_->setText(*path);
    loadFile();
}

void TExIcons::FileDropped(const QString& path) {
    edit1_->setText(path);
    loadFile();
}

void TExIcons::dragEnterEvent(QDragEnterEvent* event) {
    if (droptarget::accepts(event->mimeData()))
        event->acceptProposedAction();
}

void TExIcons::dropEvent(QDropEvent* event) {
    const std::optional<QString> first = droptarget::firstItem(event->mimeData());
    if (!first)
        return;
    event->acceptProposedAction();
    guard([this, path = *first] { FileDropped(path); });
}

void TExIcons::TrackBar1Change(int position) {
    browser_.setPosition(position);
    label1_->setText(QString::number(browser_.position()));
    setCurrentIcon(browser_.current(edit1_->text()).value_or(QImage()));
}

void TExIcons::setCurrentIcon(const QImage& icon) {
    currentIcon_ = icon;
    image1_->setPixmap(icon.isNull() ? QPixmap() : QPixmap::fromImage(icon));
}

void TExIcons::IncreaseBtnClick() {
    if (browser_.next())
        trackBar1_->setValue(browser_.position());
}

void TExIcons::DecreaseBtnClick() {
    if (browser_.previous())
        trackBar1_->setValue(browser_.position());
}

void TExIcons::smRefreshBtn1Click() {
    if (browser_.first())
        trackBar1_->setValue(browser_.position());
}

// --- saving -----------------------------------------------------------------

void TExIcons::SaveCurrentBtnClick() {
    Prompts::FileDialog dialog;
    dialog.kind = Prompts::FileDialog::Save;
    dialog.title = QStringLiteral("Save Icon As...");
    dialog.filter = QStringLiteral("Icon Files (*.ico)");
    dialog.file = QStringLiteral("Untitled.ico");
    dialog.defaultSuffix = QStringLiteral("ico");
    dialog.confirmOverwrite = true;
    const std::optional<QString> path = context_.prompts->file(this, dialog);
    if (!path)
        return;
    iconsaver::save(currentIcon_, *path);
    context_.prompts->notice(this,
                             QStringLiteral("Icon File ") + *path + QStringLiteral(" was saved."));
}

void TExIcons::NewFolderBtnClick() {
    bringToFront(panel2_);
}

void TExIcons::openFolder(const QString& folder) {
    selectedFolder_ = QDir(folder).absolutePath();
    const QString volume = iconfolders::volumeOf(selectedFolder_, iconfolders::volumes());
    if (driveList_->currentText() != volume)
        driveList_->setCurrentText(volume);
    folderModel_->setRootPath(volume);
    folderTree_->setRootIndex(folderModel_->index(volume));
    const QModelIndex current = folderModel_->index(selectedFolder_);
    folderTree_->setCurrentIndex(current);
    folderTree_->scrollTo(current);
    fileModel_->setRootPath(selectedFolder_);
    fileList_->setRootIndex(fileModel_->index(selectedFolder_));
    showSelectedFolder();
}

void TExIcons::showSelectedFolder() {
    folderLabel_->setText(folderLabel_->fontMetrics().elidedText(selectedFolder_, Qt::ElideMiddle,
                                                                 folderLabel_->width()));
    folderLabel_->setToolTip(selectedFolder_);
}

void TExIcons::CreateNewFolderBtnClick() {
    const iconfolders::Created result =
        iconfolders::create(*context_.prompts, this, selectedFolder_, edit3_->text());
    switch (result.outcome) {
    case iconfolders::Created::Exists:
        edit3_->clear();
        edit3_->setFocus();
        break;
    case iconfolders::Created::Made:
        edit2_->setText(result.path);
        openFolder(selectedFolder_); // the tree shows the new folder
        edit3_->clear();
        sendBack(panel2_);
        break;
    case iconfolders::Created::Failed:
        break;
    }
}

void TExIcons::UseSelectedFolderBtnClick() {
    edit2_->setText(selectedFolder_);
    edit3_->clear();
    iconfolders::useSelected(*context_.prompts, this, selectedFolder_);
    sendBack(panel2_);
}

void TExIcons::CloseWindowlBtn1Click() {
    sendBack(panel2_);
}

void TExIcons::SaveAllBtnClick() {
    if (edit2_->text().isEmpty()) {
        context_.prompts->notice(
            this,
            QStringLiteral("First you have to create or select a folder to save the icons in!"));
        bringToFront(panel2_);
        return;
    }
    Prompts::Box box;
    box.caption = QStringLiteral("Save All Icons?");
    box.text = QStringLiteral("Are you sure you want to save all the Icons?");
    box.icon = Prompts::Icon::Question;
    box.buttons = Prompts::Yes | Prompts::No;
    if (context_.prompts->box(this, box) != Prompts::Yes)
        return;
    bringToFront(panel3_);
    saveFolderLabel_->setText(edit2_->text());
    timer1_->start();
    timer2_->start();
}

void TExIcons::Timer2Timer() {
    timer2_->stop();
    const SaveAllJob job(edit1_->text(), browser_.count(), edit2_->text());
    try {
        job.run([this](const QImage& icon) { setCurrentIcon(icon); });
    } catch (const AppError&) {
        // A failed save must not be announced as done.
        timer1_->stop();
        animation_.reset();
        doneLabel_->hide();
        throw;
    }
}

void TExIcons::Timer1Timer() {
    const ProgressAnimation::Frame frame = animation_.tick(progressBar1_->value());
    progressBar1_->setValue(frame.value);
    if (frame.done) {
        timer1_->stop();
        doneLabel_->setText(doneText());
        doneLabel_->show();
    }
}

void TExIcons::SpeedButton1Click() {
    edit2_->clear();
    edit3_->clear();
    progressBar1_->setValue(0);
    doneLabel_->hide();
    sendBack(panel3_);
}

void TExIcons::HelpMessage(int number) {
    Prompts::Box box;
    box.caption = helpCaption;
    box.text = helpText(number);
    box.icon = Prompts::Icon::Question;
    box.buttons = Prompts::Ok;
    context_.prompts->box(nullptr, box);
}

void TExIcons::closeEvent(QCloseEvent* event) {
    timer1_->stop();
    timer2_->stop();
    event->accept(); // a tool window is only hidden
}
