#include "icons/window/TExIcons.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "core/Error.h"
#include "icons/ExtractorHelp.h"
#include "icons/IconSaver.h"
#include "icons/IconToolSettings.h"
#include "icons/window/ExIconsPanels.h"
#include "icons/window/IconToolParts.h"
#include "platform/DropTarget.h"
#include "platform/SystemInfo.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/LazyIcon.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QStackedLayout>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TExIcons)
};
} // namespace

TExIcons::TExIcons(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), saveAll_(*context.prompts, this) {
    // The drives and the working folder are read in steps of their own.
    toolwindow::buildOrDefer(this, {[this] { buildWindow(); }, [this] { panel2_->listDrives(); },
                                    [this] { panel2_->showFolder(panel2_->selectedFolder()); },
                                    [this] { panel2_->revealSelected(); }});
}

void TExIcons::buildWindow() {
    toolwindow::setUp(this, QStringLiteral("ExIcons"),
                      Text::tr("TabdeckV10 - Extract Icons with Drag & Drop"), QSize(511, 242),
                      toolwindow::Border::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();

    auto* area = new QWidget(this);
    auto* stack = new QStackedLayout(area);
    stack->setStackingMode(QStackedLayout::StackOne);
    panel1_ = new IconMainPanel(this);
    image1_ = panel1_->image1;
    label1_ = panel1_->label1;
    edit1_ = panel1_->edit1;
    trackBar1_ = panel1_->trackBar1;
    label3_ = panel1_->label3;
    panel2_ = new IconFolderPanel(this);
    panel3_ = new IconProgressPanel(this);
    connectPanels();
    panels_ = {panel3_, panel2_, panel1_};
    for (QWidget* p : panels_)
        stack->addWidget(p);
    layout->addWidget(area, 1);
    statusBar1_ = toolwindow::addStatusBar(this, false);

    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->hide();

    // The save's answers come from the event loop, like the user's actions.
    connect(&saveAll_, &SaveAllFlow::progress, this,
            [this](int percent) { guard([=, this] { panel3_->setValue(percent); }); });
    connect(&saveAll_, &SaveAllFlow::finished, this, [this](int written, const QImage& last) {
        guard([=, this] { saveAllFinished(written, last); });
    });
    connect(&saveAll_, &SaveAllFlow::failed, this,
            [this] { guard([this] { panel3_->hideDone(); }); });

    setAcceptDrops(true);
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
    auto connectClick = [this](QToolButton* b, void (TExIcons::*handler)()) {
        connect(b, &QToolButton::clicked, this,
                [this, handler] { guard([=, this] { (this->*handler)(); }); });
    };
    connectClick(icontoolparts::addButton(bar, QStringLiteral("OpenBtn"), Text::tr("Open..."),
                                          lazyicon::standard(QStyle::SP_DialogOpenButton),
                                          Text::tr("Open a file to extract icons from")),
                 &TExIcons::OpenBtnClick);
    connectClick(icontoolparts::addButton(bar, QStringLiteral("SaveCurrentBtn"),
                                          Text::tr("Save Current..."),
                                          lazyicon::standard(QStyle::SP_DialogSaveButton),
                                          Text::tr("Save the current icon")),
                 &TExIcons::SaveCurrentBtnClick);
    connectClick(icontoolparts::addButton(bar, QStringLiteral("SaveAllBtn"), Text::tr("Save All"),
                                          lazyicon::standard(QStyle::SP_DriveHDIcon),
                                          Text::tr("Save all of the icons in the file")),
                 &TExIcons::SaveAllBtnClick);
    connectClick(icontoolparts::addButton(bar, QStringLiteral("NewFolderBtn"),
                                          Text::tr("Folder..."),
                                          lazyicon::standard(QStyle::SP_FileDialogNewFolder),
                                          Text::tr("Create a new folder")),
                 &TExIcons::NewFolderBtnClick);
    QToolButton* help = icontoolparts::addButton(bar, QStringLiteral("HelpBtn"), Text::tr("Help"),
                                                 lazyicon::standard(QStyle::SP_DialogHelpButton),
                                                 Text::tr("Help Menu"));
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    connect(icontoolparts::addItem(popupMenu1_, QStringLiteral("About1"), Text::tr("About..."),
                                   Text::tr("Open About")),
            &QAction::triggered, this, [this] {
                guard([this] {
                    if (context_.tools)
                        context_.tools->showAbout();
                });
            });
    popupMenu1_->addSeparator();
    const QStringList names = {QStringLiteral("OpenFileHelp1"), QStringLiteral("SaveCurrent1"),
                               QStringLiteral("SaveAllHelp1"), QStringLiteral("FolderHelp1")};
    const QStringList captions = {Text::tr("Open File Help..."), Text::tr("Save Current Help..."),
                                  Text::tr("Save All Help..."), Text::tr("Folder Help...")};
    const QStringList itemHints = {Text::tr("Open File Help"), Text::tr("Save current icon"),
                                   Text::tr("Save all of the icons"),
                                   Text::tr("Select or create folder")};
    for (int i = 0; i < 4; ++i)
        connect(icontoolparts::addItem(popupMenu1_, names[i], captions[i], itemHints[i]),
                &QAction::triggered, this, [this, i] { guard([this, i] { HelpMessage(i + 1); }); });
    popupMenu1_->addSeparator();
    QAction* closeMenu =
        icontoolparts::addItem(popupMenu1_, QStringLiteral("CloseMenu1"), Text::tr("Close Menu"),
                               Text::tr("Close this Menu"));
    popupMenu1_->setDefaultAction(closeMenu);
    help->setMenu(popupMenu1_);
    help->setPopupMode(QToolButton::InstantPopup);
    bar->addSeparator();
    QToolButton* exit = icontoolparts::addButton(bar, QStringLiteral("ExitBtn"), Text::tr("Close"),
                                                 lazyicon::standard(QStyle::SP_DialogCloseButton),
                                                 Text::tr("Close this window"));
    connect(exit, &QToolButton::clicked, this, [this] { close(); });
    layout()->addWidget(bar);
}

void TExIcons::connectPanels() {
    const auto connectClick = [this](QPushButton* b, void (TExIcons::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { guard([=, this] { (this->*handler)(); }); });
    };
    connectClick(panel1_->decreaseButton, &TExIcons::DecreaseBtnClick);
    connectClick(panel1_->increaseButton, &TExIcons::IncreaseBtnClick);
    connectClick(panel1_->resetButton, &TExIcons::smRefreshBtn1Click);
    connect(trackBar1_, &QSlider::valueChanged, this,
            [this](int v) { guard([this, v] { TrackBar1Change(v); }); });
    panel2_->onOpened([this](const QString& folder) { guard([=, this] { openFolder(folder); }); });
    connectClick(panel2_->createButton, &TExIcons::CreateNewFolderBtnClick);
    connectClick(panel2_->useButton, &TExIcons::UseSelectedFolderBtnClick);
    connectClick(panel2_->closeButton, &TExIcons::CloseWindowlBtn1Click);
    connectClick(panel3_->closeButton, &TExIcons::SpeedButton1Click);
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
    panel3_->paintBar();
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
    dialog.title = Text::tr("Save Icon As...");
    dialog.filter = Text::tr("Icon Files (*.ico)");
    dialog.file = QStringLiteral("Untitled.ico");
    dialog.defaultSuffix = QStringLiteral("ico");
    dialog.confirmOverwrite = true;
    const std::optional<QString> path = context_.prompts->file(this, dialog);
    if (!path)
        return;
    iconsaver::save(currentIcon_, *path);
    context_.prompts->notice(this, Text::tr("Icon File ") + *path + Text::tr(" was saved."));
}

void TExIcons::NewFolderBtnClick() {
    bringToFront(panel2_);
}

QString TExIcons::selectedFolder() const {
    return panel2_->selectedFolder();
}

void TExIcons::openFolder(const QString& folder) {
    panel2_->openFolder(folder);
}

void TExIcons::CreateNewFolderBtnClick() {
    QLineEdit* name = panel2_->nameField();
    const iconfolders::Created result = saveAll_.createFolder(selectedFolder(), name->text());
    switch (result.outcome) {
    case iconfolders::Created::Exists:
        name->clear();
        name->setFocus();
        break;
    case iconfolders::Created::Made:
        edit2_->setText(saveAll_.folder());
        openFolder(selectedFolder()); // the tree shows the new folder
        name->clear();
        sendBack(panel2_);
        break;
    case iconfolders::Created::Failed:
        break;
    }
}

void TExIcons::UseSelectedFolderBtnClick() {
    panel2_->nameField()->clear();
    saveAll_.useSelected(selectedFolder());
    edit2_->setText(saveAll_.folder());
    sendBack(panel2_);
}

void TExIcons::CloseWindowlBtn1Click() {
    sendBack(panel2_);
}

void TExIcons::SaveAllBtnClick() {
    switch (saveAll_.start()) {
    case SaveAllFlow::Start::NeedFolder:
        bringToFront(panel2_);
        break;
    case SaveAllFlow::Start::Declined:
        break;
    case SaveAllFlow::Start::Started:
        bringToFront(panel3_);
        panel3_->start(saveAll_.folder());
        saveAll_.save(edit1_->text(), browser_.count());
        break;
    }
}

void TExIcons::saveAllFinished(int, const QImage& last) {
    if (!last.isNull())
        setCurrentIcon(last);
    panel3_->setValue(100);
    panel3_->showDone(doneText());
}

void TExIcons::SpeedButton1Click() {
    saveAll_.close();
    edit2_->clear();
    panel2_->nameField()->clear();
    panel3_->setValue(0);
    panel3_->hideDone();
    sendBack(panel3_);
}

void TExIcons::HelpMessage(int number) {
    context_.prompts->box(nullptr, extractorhelp::box(number));
}

void TExIcons::closeEvent(QCloseEvent* event) {
    event->accept(); // a tool window is only hidden; a save goes on
}
