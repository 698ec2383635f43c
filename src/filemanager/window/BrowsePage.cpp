#include "filemanager/window/BrowsePage.h"

#include "filemanager/FileListModel.h"
#include "ui/Captions.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"
#include "ui/LazyIcon.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BrowsePage)
};

const char* const kMenuHint = QT_TRANSLATE_NOOP("BrowsePage", "Right click for Menu");

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        hints::set(b, hint);
    return b;
}

QPoint scrollOf(const QAbstractItemView* view) {
    return {view->horizontalScrollBar()->value(), view->verticalScrollBar()->value()};
}

// After the rows were made anew: their layout first, so the old position
// is not cut to the empty list's range.
void scrollBack(QAbstractItemView* view, QPoint at) {
    view->doItemsLayout();
    view->horizontalScrollBar()->setValue(at.x());
    view->verticalScrollBar()->setValue(at.y());
}

} // namespace

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

BrowsePage::BrowsePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel1"));
    auto* v = new QVBoxLayout(this);
    buildHeader();
    v->addWidget(header);
    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setChildrenCollapsible(false);
    folders = new QListWidget(splitter);
    folders->setObjectName(QStringLiteral("DirectoryListBox1"));
    hints::set(folders, Text::tr("Double click to select directory\r\nRight click for Menu"));
    model_ = new FileListModel(drawnart::icon(drawnart::Art::ProgramFile),
                               drawnart::icon(drawnart::Art::DocumentFile), this);
    files = new QListView(splitter);
    files->setObjectName(QStringLiteral("FileListBox1"));
    files->setModel(model_);
    files->setUniformItemSizes(true);
    files->setIconSize(QSize(16, 16));
    hints::set(files, Text::tr(kMenuHint));
    splitter->addWidget(folders);
    splitter->addWidget(files);
    captions::tie(folderCaption_, folders);
    captions::tie(fileCaption_, files);
    v->addWidget(splitter, 1);
    buildFooter();
    v->addWidget(footer);
    for (QWidget* w :
         {header, footer, static_cast<QWidget*>(folders), static_cast<QWidget*>(files)})
        w->setContextMenuPolicy(Qt::CustomContextMenu);
}

void BrowsePage::buildHeader() {
    header = new QWidget(this);
    header->setObjectName(QStringLiteral("Header1"));
    hints::set(header, Text::tr(kMenuHint));
    auto* g = new QGridLayout(header);
    g->setContentsMargins(4, 4, 4, 4);
    drives = new QComboBox(header);
    g->addWidget(captions::make(Text::tr("Select Drive"), drives, header), 0, 0);
    drives->setObjectName(QStringLiteral("DriveComboBox1"));
    // Long mount paths must not squeeze the new-folder field: the box keeps
    // a modest width and its pop-up shows the whole names.
    drives->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    drives->setMinimumContentsLength(12);
    g->addWidget(drives, 0, 1);
    edit2 = new QLineEdit(Text::tr("NewFolder"), header);
    g->addWidget(captions::make(Text::tr("Create a New Folder:"), edit2, header), 0, 2);
    edit2->setObjectName(QStringLiteral("Edit2"));
    edit2->setMinimumWidth(edit2->fontMetrics().horizontalAdvance(edit2->text()) * 3 / 2 + 16);
    g->addWidget(edit2, 0, 3);
    create = button(header, "CreateFolderButton", Text::tr("Create Folder"),
                    Text::tr("Create the new folder"));
    g->addWidget(create, 0, 4);
    edit1 = new QLineEdit(QStringLiteral("*.*"), header);
    g->addWidget(captions::make(Text::tr("File Path;"), edit1, header), 1, 0);
    edit1->setObjectName(QStringLiteral("Edit1"));
    g->addWidget(edit1, 1, 1, 1, 4);
    g->addWidget(new QLabel(Text::tr("Folder Path:"), header), 2, 0);
    folderLabel_ = new PathLabel(header);
    folderLabel_->setObjectName(QStringLiteral("FolderLabel"));
    g->addWidget(folderLabel_, 2, 1, 1, 4);
    // The two lists are below, in the splitter: their captions are tied once they exist.
    folderCaption_ = new QLabel(Text::tr("Select Directory (Folder)"), header);
    g->addWidget(folderCaption_, 3, 0, 1, 2);
    fileCaption_ = new QLabel(Text::tr("Select File"), header);
    g->addWidget(fileCaption_, 3, 2);
    g->addWidget(new QLabel(Text::tr("File Mask:"), header), 3, 3, Qt::AlignRight);
    maskLabel_ = new QLabel(QStringLiteral("*.*"), header);
    maskLabel_->setObjectName(QStringLiteral("MaskLabel"));
    g->addWidget(maskLabel_, 3, 4);
    g->setColumnStretch(3, 1);
}

void BrowsePage::buildFooter() {
    footer = new QWidget(this);
    footer->setObjectName(QStringLiteral("Footer1"));
    hints::set(footer, Text::tr(kMenuHint));
    auto* h = new QHBoxLayout(footer);
    h->setContentsMargins(4, 4, 4, 4);
    ok = button(footer, "OkButton", Text::tr("Ok"), Text::tr("Ok record my selection"));
    cancel = button(footer, "CancelButton", Text::tr("Cancel"), Text::tr("Close this program"));
    setup = button(footer, "SetupButton", Text::tr("Setup"), QString());
    help = button(footer, "HelpButton", QStringLiteral("?"), Text::tr("Open Pathnook Help Window"));
    for (QPushButton* b : {ok, cancel, setup, help})
        h->addWidget(b);
    h->addStretch(1);
}

void BrowsePage::showDrives(const QList<DriveList::Drive>& list, const QString& current) {
    drives->clear();
    for (const DriveList::Drive& d : list)
        drives->addItem(d.display(), d.mountPath);
    drives->setCurrentIndex(drives->findData(current));
}

void BrowsePage::showFolder(const QString& path, const QString& drive) {
    folderLabel_->setPath(path);
    drives->setCurrentIndex(drives->findData(drive));
}

void BrowsePage::showFolders(const QList<folderpathlist::Entry>& entries, const QString& current) {
    const QIcon open = lazyicon::standard(QStyle::SP_DirOpenIcon);
    const QIcon closed = lazyicon::standard(QStyle::SP_DirIcon);
    const bool again = current == foldersOf_;
    foldersOf_ = current;
    const QPoint scrolled = scrollOf(folders);
    folders->clear();
    for (const auto& e : entries) {
        auto* item =
            new QListWidgetItem(e.open ? open : closed, QString(e.depth * 2, u' ') + e.name);
        item->setData(Qt::UserRole, e.path);
        folders->addItem(item);
        if (e.path == current)
            folders->setCurrentItem(item);
    }
    if (again)
        scrollBack(folders, scrolled);
}

void BrowsePage::showFiles(const QString& folder, const QList<maskfilter::FileName>* names,
                           int row) {
    syncing_ = true;
    const bool again = names && folder == model_->folder();
    const QPoint scrolled = scrollOf(files);
    if (names)
        model_->setFiles(folder, *names);
    if (row >= 0)
        files->setCurrentIndex(model_->index(row));
    else
        files->selectionModel()->clear();
    if (again)
        scrollBack(files, scrolled);
    syncing_ = false;
}

void BrowsePage::showMask(const QString& mask) {
    // A long list of masks must not widen the window: past 40 characters'
    // room it ends in an ellipsis; a screen reader hears all of it.
    const QFontMetrics fm = maskLabel_->fontMetrics();
    maskLabel_->setText(fm.elidedText(mask, Qt::ElideRight, fm.averageCharWidth() * 40));
    maskLabel_->setAccessibleName(mask);
}

std::optional<int> BrowsePage::userSelection() const {
    if (syncing_)
        return std::nullopt;
    const QModelIndexList rows = files->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString BrowsePage::folderLabelText() const {
    return folderLabel_->path();
}
