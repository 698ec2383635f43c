#pragma once
#include "icons/IconBrowser.h"
#include "icons/SaveAllFlow.h"

#include <QImage>
#include <QList>
#include <QWidget>

class IconFolderPanel;
class IconMainPanel;
class IconProgressPanel;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QStatusBar;
struct AppContext;

// The icon extractor window: shows the icons of a file one at a time on a
// track bar, saves the one on show or all of them into a folder.
class TExIcons : public QWidget {
    Q_OBJECT
public:
    static QString doneText() { return tr("All Done, The Icons Were Saved!"); }

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
    void SpeedButton1Click();
    void HelpMessage(int number);

    // The folder the folder panel has selected (in full).
    QString selectedFolder() const;
    void openFolder(const QString& folder);
    // The panel in front: Panel1, Panel2 or Panel3.
    QWidget* frontPanel() const;
    const QImage& currentIcon() const { return currentIcon_; }
    SaveAllFlow& saveAll() { return saveAll_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    void buildToolBar();
    void connectPanels();
    // Steps 2 to 5 of Open: count, range, last label, the icon at the position.
    void loadFile();
    void showCurrentIcon();
    void setCurrentIcon(const QImage& icon);
    void bringToFront(QWidget* panel);
    void sendBack(QWidget* panel);
    void guard(const std::function<void()>& body);
    void saveAllFinished(int written, const QImage& last);

    AppContext& context_;
    IconBrowser browser_;
    SaveAllFlow saveAll_;
    QImage currentIcon_;
    QList<QWidget*> panels_; // back to front; hidden ones sent to the back
    QStatusBar* statusBar1_ = nullptr;

    IconMainPanel* panel1_ = nullptr;
    IconFolderPanel* panel2_ = nullptr;
    IconProgressPanel* panel3_ = nullptr;
    QLabel* image1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr; // shows the icon folder, as the form had it
    QSlider* trackBar1_ = nullptr;
    QMenu* popupMenu1_ = nullptr;
};
