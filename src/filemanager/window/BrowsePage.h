#pragma once
#include "filemanager/DriveList.h"
#include "filemanager/FolderPathList.h"
#include "filemanager/MaskFilter.h"

#include <QWidget>

class FileListModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QSplitter;

// The file manager's browse page (Panel1): the header with the drive box,
// the new-folder field and the path fields, the folder and file lists, and
// the footer's buttons. It only shows what it is given; the window wires it.
class BrowsePage : public QWidget {
    Q_OBJECT
public:
    explicit BrowsePage(QWidget* parent = nullptr);

    QWidget* header = nullptr;
    QWidget* footer = nullptr;
    QComboBox* drives = nullptr;
    QLineEdit* edit1 = nullptr;
    QLineEdit* edit2 = nullptr;
    QPushButton* create = nullptr;
    QListWidget* folders = nullptr;
    QListView* files = nullptr;
    QSplitter* splitter = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* setup = nullptr;
    QPushButton* help = nullptr;

    void showDrives(const QList<DriveList::Drive>& list, const QString& current);
    void showFolder(const QString& path, const QString& drive);
    // The folder rows; a new listing of the folder shown keeps its scroll
    // position.
    void showFolders(const QList<folderpathlist::Entry>& entries, const QString& current);
    // The file rows (when `names` is given) and the selected row (-1: none),
    // without reporting them as the user's selection. A new listing of the
    // folder shown keeps its scroll position: the list does not move under
    // the pointer.
    void showFiles(const QString& folder, const QList<maskfilter::FileName>* names, int row);
    void showMask(const QString& mask);
    // The row the user selected (-1: none); none while the page sets it.
    std::optional<int> userSelection() const;
    QString folderLabelText() const;

private:
    void buildHeader();
    void buildFooter();

    class PathLabel* folderLabel_ = nullptr;
    QLabel* maskLabel_ = nullptr;
    QLabel* folderCaption_ = nullptr;
    QLabel* fileCaption_ = nullptr;
    FileListModel* model_ = nullptr;
    QString foldersOf_; // the folder whose folder rows are shown
    bool syncing_ = false;
};
