#pragma once
#include "icons/IconBrowser.h"
#include "icons/ProgressAnimation.h"

#include <QImage>
#include <QList>
#include <QWidget>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QComboBox;
class QMenu;
class QProgressBar;
class QSlider;
class QStatusBar;
class QTimer;
class QToolButton;
class QTreeView;
struct AppContext;

// The icon extractor window: shows the icons of a file one at a time on a
// track bar, saves the one on show or all of them into a folder.
class TExIcons : public QWidget {
    Q_OBJECT
public:
    static QString doneText() { return QStringLiteral("All Done, The Icons Were Saved!"); }

    explicit TExIcons(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }

    // The window's handlers, one per user event.
    void FormShow();
    void OpenBtnClick();
    void FileDropped(const QString& path);
    void TrackBar1Change(int position);
    void IncreaseBtnClick();
    void DecreaseBtnClick();
    void smRefreshBtn1Click();
    void SaveCurrentBtnClick();
    void NewFolderBtnClick();
    void CreateNewFolderBtnClick();
    void UseSelectedFolderBtnClick();
    void CloseWindowlBtn1Click();
    void SaveAllBtnClick();
    void Timer1Timer();
    void Timer2Timer();
    void SpeedButton1Click();
    void HelpMessage(int number);

    // The folder the folder panel has selected (in full).
    QString selectedFolder() const { return selectedFolder_; }
    void openFolder(const QString& folder);
    // The panel in front: Panel1, Panel2 or Panel3.
    QWidget* frontPanel() const;
    const QImage& currentIcon() const { return currentIcon_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    void buildToolBar();
    QWidget* buildMainPanel();
    QWidget* buildFolderPanel();
    QWidget* buildProgressPanel();
    // Steps 2 to 5 of Open: count, range, last label, the icon at the position.
    void loadFile();
    void showCurrentIcon();
    void setCurrentIcon(const QImage& icon);
    void bringToFront(QWidget* panel);
    void sendBack(QWidget* panel);
    void showSelectedFolder();
    void guard(const std::function<void()>& body);

    AppContext& context_;
    IconBrowser browser_;
    ProgressAnimation animation_;
    QImage currentIcon_;
    QString selectedFolder_;
    QList<QWidget*> panels_; // back to front; hidden ones sent to the back
    QStatusBar* statusBar1_ = nullptr;

    QWidget* panel1_ = nullptr;
    QWidget* panel2_ = nullptr;
    QWidget* panel3_ = nullptr;
    QLabel* image1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QSlider* trackBar1_ = nullptr;
    QComboBox* driveList_ = nullptr;
    QTreeView* folderTree_ = nullptr;
    QFileSystemModel* folderModel_ = nullptr;
    QListView* fileList_ = nullptr;
    QFileSystemModel* fileModel_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QLabel* saveFolderLabel_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QLabel* doneLabel_ = nullptr;
    QMenu* popupMenu1_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
};
