#pragma once
#include <QString>
#include <QWidget>
#include <functional>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QSlider;
class QTreeView;

// The icon extractor's main panel (Panel1): the icon on show, its index,
// the path field, the track bar with its buttons and labels.
class IconMainPanel : public QWidget {
public:
    explicit IconMainPanel(QWidget* parent);

    QLabel* image1 = nullptr;
    QLabel* label1 = nullptr;
    QLineEdit* edit1 = nullptr;
    QSlider* trackBar1 = nullptr;
    QLabel* label3 = nullptr;
    QPushButton* decreaseButton = nullptr;
    QPushButton* increaseButton = nullptr;
    QPushButton* resetButton = nullptr;
};

// The icon extractor's folder panel (Panel2): a drive list, the folder tree
// of the chosen drive, the selected folder's files, and the new folder's
// name with Create, Use Selected and Close, which the window connects.
class IconFolderPanel : public QWidget {
public:
    // Empty until listDrives and openFolder(selectedFolder()), which read
    // the file system: the window calls them in build steps of their own.
    explicit IconFolderPanel(QWidget* parent);
    void listDrives();

    // The folder last opened in the tree (in full); at first the working folder.
    QString selectedFolder() const { return selectedFolder_; }
    // Opens the folder: the drive list, the tree and the file list follow,
    // and the tree scrolls to it. Both halves, for build steps.
    void openFolder(const QString& folder);
    void showFolder(const QString& folder);
    void revealSelected();
    // The new folder's name field, Edit3.
    QLineEdit* nameField() const { return edit3_; }
    // Called with each folder the user opens by the drive list or the tree.
    void onOpened(std::function<void(const QString&)> opened) { opened_ = std::move(opened); }

    QPushButton* createButton = nullptr;
    QPushButton* useButton = nullptr;
    QPushButton* closeButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showSelectedFolder();
    void listSelectedFolder();
    QFileSystemModel* fileModel(bool watched);

    std::function<void(const QString&)> opened_;
    QString selectedFolder_;
    QComboBox* driveList_ = nullptr;
    QTreeView* folderTree_ = nullptr;
    QFileSystemModel* folderModel_ = nullptr;
    QListView* fileList_ = nullptr;
    QFileSystemModel* fileModel_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QLineEdit* edit3_ = nullptr;
};

// The progress panel (Panel3) shown while Save All runs: the folder in red,
// the progress bar, the done text, and Close, which the window connects.
class IconProgressPanel : public QWidget {
public:
    explicit IconProgressPanel(QWidget* parent);

    // The bar runs on lime whatever the theme's groove colour.
    void paintBar();
    void start(const QString& folder);
    void setValue(int value);
    void showDone(const QString& text);
    void hideDone();

    QPushButton* closeButton = nullptr;

private:
    QLabel* saveFolderLabel_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QLabel* doneLabel_ = nullptr;
};

namespace exiconsparts {
// A button of the extractor's panels with its object name, hint and hand cursor.
QPushButton* panelButton(const QString& name, const QString& caption, const QString& hint,
                         QWidget* parent);
QLabel* boldLabel(const QString& text, QWidget* parent);
} // namespace exiconsparts
