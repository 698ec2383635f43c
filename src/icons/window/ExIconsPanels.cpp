#include "icons/window/ExIconsPanels.h"

#include "icons/IconFolders.h"
#include "icons/window/IconToolParts.h"
#include "ui/HintRouter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTreeView>
#include <utility>

namespace exiconsparts {

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

} // namespace exiconsparts

using exiconsparts::boldLabel;
using exiconsparts::panelButton;

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ExIconsPanels)
};

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

IconMainPanel::IconMainPanel(QWidget* parent) : QWidget(parent) {
    auto* p = this;
    p->setObjectName(QStringLiteral("Panel1"));
    image1 = new QLabel(p);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(239, 4, 32, 32);
    image1->setAlignment(Qt::AlignCenter);
    hints::set(image1, Text::tr("Current Icon"));
    label1 = new QLabel(QStringLiteral("0"), p);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(215, 38, 80, 16);
    label1->setAlignment(Qt::AlignCenter);
    hints::set(label1, Text::tr("Icon placement in file"));
    edit1 = new QLineEdit(p);
    edit1->setObjectName(QStringLiteral("Edit1"));
    edit1->setAccessibleName(Text::tr("File to extract icons from"));
    edit1->setGeometry(70, 58, 370, 22);
    // A file dropped on the field opens like one dropped on the window.
    edit1->setAcceptDrops(false);

    decreaseButton = panelButton(QStringLiteral("DecreaseBtn"), QStringLiteral("<"),
                                 Text::tr("Go back to next icon"), p);
    decreaseButton->setGeometry(12, 88, 26, 26);
    trackBar1 = new QSlider(Qt::Horizontal, p);
    trackBar1->setObjectName(QStringLiteral("TrackBar1"));
    trackBar1->setAccessibleName(Text::tr("Icon shown"));
    trackBar1->setGeometry(42, 86, 427, 30);
    trackBar1->setTickPosition(QSlider::TicksBelow);
    trackBar1->setTickInterval(1);
    trackBar1->setPageStep(1);
    trackBar1->setRange(0, 0);
    trackBar1->setAutoFillBackground(true);
    increaseButton = panelButton(QStringLiteral("IncreaseBtn"), QStringLiteral(">"),
                                 Text::tr("Go to next icon"), p);
    increaseButton->setGeometry(473, 88, 26, 26);

    auto* label2 = new QLabel(QStringLiteral("0"), p);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(46, 118, 40, 16);
    label3 = new QLabel(QStringLiteral("0"), p);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setGeometry(425, 118, 40, 16);
    label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    resetButton = panelButton(QStringLiteral("smRefreshBtn1"), Text::tr("Reset"),
                              Text::tr("Reset to first icon in the file"), p);
    resetButton->setGeometry(215, 118, 80, 24);
    auto* title = new icontoolparts::TitleArt(Text::tr("Extract Icons"), p);
    title->setObjectName(QStringLiteral("Image2"));
    title->setGeometry(170, 146, 170, 40);
}

IconFolderPanel::IconFolderPanel(QWidget* parent) : QWidget(parent) {
    auto* p = this;
    p->setObjectName(QStringLiteral("Panel2"));
    p->setAutoFillBackground(true);
    QLabel* driveCaption = boldLabel(Text::tr("Select Drive and Folder"), p);
    driveCaption->setGeometry(8, 2, 200, 16);

    const auto opened = [this](const QString& folder) {
        if (opened_)
            opened_(folder);
    };
    driveList_ = new QComboBox(p);
    driveList_->setObjectName(QStringLiteral("DriveComboBox1"));
    driveCaption->setBuddy(driveList_);
    driveList_->setGeometry(8, 20, 200, 22);
    connect(driveList_, &QComboBox::textActivated, this, opened);

    folderModel_ = new QFileSystemModel(this);
    folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    folderTree_ = new FolderTree(
        p, [this, opened](const QModelIndex& index) { opened(folderModel_->filePath(index)); });
    folderTree_->setObjectName(QStringLiteral("DirectoryListBox1"));
    folderTree_->setAccessibleName(Text::tr("Folders"));
    folderTree_->setModel(folderModel_);
    for (int c = 1; c < folderModel_->columnCount(); ++c)
        folderTree_->hideColumn(c);
    folderTree_->header()->hide();
    folderTree_->setGeometry(8, 44, 200, 112);

    folderLabel_ = boldLabel(QString(), p);
    folderLabel_->setObjectName(QStringLiteral("DirLabel1"));
    folderLabel_->setGeometry(8, 158, 200, 16);

    fileModel_ = fileModel(false); // watched once shown
    fileList_ = new QListView(p);
    fileList_->setObjectName(QStringLiteral("FileListBox1"));
    fileList_->setAccessibleName(Text::tr("Files in the selected folder"));
    fileList_->setModel(fileModel_);
    fileList_->setSelectionMode(QAbstractItemView::NoSelection);
    fileList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileList_->setStyleSheet(
        QStringLiteral("QListView { color: grey; font-weight: bold; background: #f4f4f4; }"));
    fileList_->setGeometry(214, 20, 132, 154);

    // Two lines where the bold caption is wider than the column.
    QLabel* newName = boldLabel(Text::tr("Enter New Folder Name:"), p);
    newName->setWordWrap(true);
    newName->setGeometry(354, 2, 155, 32);
    edit3_ = new QLineEdit(p);
    edit3_->setObjectName(QStringLiteral("Edit3"));
    edit3_->setGeometry(354, 36, 150, 22);
    newName->setBuddy(edit3_);
    createButton = panelButton(QStringLiteral("CreateNewFolderBtn"), Text::tr("Create"),
                               Text::tr("Create the new folder"), p);
    createButton->setGeometry(354, 62, 70, 24);
    (new QLabel(QStringLiteral("or"), p))->setGeometry(430, 66, 20, 16);
    useButton = panelButton(QStringLiteral("UseSelectedFolderBtn"), Text::tr("Use Selected"),
                            Text::tr("Do NOT create a new folder, use the selected folder..."), p);
    useButton->setGeometry(354, 90, 100, 24);
    closeButton = panelButton(QStringLiteral("CloseWindowlBtn1"), Text::tr("Close"),
                              Text::tr("Close this window"), p);
    closeButton->setGeometry(354, 150, 70, 24);

    selectedFolder_ = QDir::currentPath();
}

void IconFolderPanel::listDrives() {
    driveList_->addItems(iconfolders::volumes());
}

void IconFolderPanel::openFolder(const QString& folder) {
    showFolder(folder);
    revealSelected();
}

void IconFolderPanel::revealSelected() {
    folderTree_->scrollTo(folderTree_->currentIndex());
}

void IconFolderPanel::showFolder(const QString& folder) {
    selectedFolder_ = QDir(folder).absolutePath();
    const QString volume = iconfolders::volumeOf(selectedFolder_, iconfolders::volumes());
    if (driveList_->currentText() != volume)
        driveList_->setCurrentText(volume);
    folderModel_->setRootPath(volume);
    folderTree_->setRootIndex(folderModel_->index(volume));
    const QModelIndex current = folderModel_->index(selectedFolder_);
    folderTree_->setCurrentIndex(current);
    listSelectedFolder();
    showSelectedFolder();
}

// A hidden list is not watched: Save All writes hundreds of files into the
// folder on show while the progress panel covers this one, and a watched
// folder is read again after each of them.
QFileSystemModel* IconFolderPanel::fileModel(bool watched) {
    auto* model = new QFileSystemModel(this);
    model->setFilter(QDir::Files | QDir::Hidden);
    model->setOption(QFileSystemModel::DontWatchForChanges, !watched);
    return model;
}

void IconFolderPanel::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    fileModel_->setOption(QFileSystemModel::DontWatchForChanges, true);
}

void IconFolderPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!fileModel_->testOption(QFileSystemModel::DontWatchForChanges))
        return;
    // Shown again, the folder is read anew: a model keeps what it once read
    // and has no way to be told to read it again.
    std::exchange(fileModel_, fileModel(true))->deleteLater();
    fileList_->setModel(fileModel_);
    listSelectedFolder();
}

void IconFolderPanel::listSelectedFolder() {
    fileModel_->setRootPath(selectedFolder_);
    fileList_->setRootIndex(fileModel_->index(selectedFolder_));
}

void IconFolderPanel::showSelectedFolder() {
    folderLabel_->setText(folderLabel_->fontMetrics().elidedText(selectedFolder_, Qt::ElideMiddle,
                                                                 folderLabel_->width()));
    folderLabel_->setToolTip(selectedFolder_);
}

IconProgressPanel::IconProgressPanel(QWidget* parent) : QWidget(parent) {
    auto* p = this;
    p->setObjectName(QStringLiteral("Panel3"));
    p->setAutoFillBackground(true);
    auto* top = boldLabel(Text::tr("Please Wait while the Icons are being Saved in Folder:"), p);
    top->setGeometry(0, 4, 511, 16);
    top->setAlignment(Qt::AlignCenter);
    saveFolderLabel_ = boldLabel(QString(), p);
    saveFolderLabel_->setObjectName(QStringLiteral("Label6"));
    saveFolderLabel_->setStyleSheet(QStringLiteral("color: red;"));
    saveFolderLabel_->setGeometry(0, 22, 511, 16);
    saveFolderLabel_->setAlignment(Qt::AlignCenter);
    boldLabel(Text::tr("Progress"), p)->setGeometry(18, 44, 80, 16);
    progressBar1_ = new QProgressBar(p);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    progressBar1_->setGeometry(18, 62, 475, 18);
    auto* title = new icontoolparts::TitleArt(Text::tr("Extract Icons is Saving Icons"), p);
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
    closeButton = panelButton(QStringLiteral("SpeedButton1"), Text::tr("Close"),
                              Text::tr("Close this window"), p);
    closeButton->setGeometry(430, 164, 70, 24);
}

void IconProgressPanel::paintBar() {
    progressBar1_->setStyleSheet(
        QStringLiteral("QProgressBar { background: rgb(0, 255, 0); border: 1px solid grey; }"
                       "QProgressBar::chunk { background: palette(highlight); }"));
}

void IconProgressPanel::start(const QString& folder) {
    saveFolderLabel_->setText(folder);
    progressBar1_->setValue(0);
    doneLabel_->hide();
}

void IconProgressPanel::setValue(int value) {
    progressBar1_->setValue(value);
}

void IconProgressPanel::showDone(const QString& text) {
    doneLabel_->setText(text);
    doneLabel_->show();
}

void IconProgressPanel::hideDone() {
    doneLabel_->hide();
}
