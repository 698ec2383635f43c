#pragma once
#include "filemanager/FileBrowser.h"
#include "filemanager/PathnookSettings.h"
#include "filemanager/window/SetupPage.h"
#include "platform/UserRegistry.h"

#include <QHash>
#include <QStringList>
#include <QWidget>
#include <memory>

class BrowsePage;
class EditMenu;
class HelpPage;
class QAction;
class QFileSystemWatcher;
class QMenu;
class QStackedWidget;
class QStatusBar;
class RereadThrottle;
struct AppContext;

// The file manager window: drives, folders and files, its settings page
// and its help page. A minimise box only, so it closes by its own buttons.
class TPathnook : public QWidget, private SetupHost {
    Q_OBJECT
public:
    explicit TPathnook(AppContext& context, QWidget* parent = nullptr);
    ~TPathnook() override;

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }

    const QString& currentFolder() const { return browser_.folder(); }
    const QString& currentMask() const { return browser_.mask(); }
    const QString& rememberedFolder() const { return browser_.rememberedFolder(); }
    QString selectedFile() const;
    const QStringList& fileNames() const { return browser_.files(); }
    QStringList folderNames() const;
    QString folderLabelText() const;
    SetupPage* setupPage() const { return setup_; }
    EditMenu* editMenu() const { return editMenu_; }
    const RereadThrottle& throttle() const { return *throttle_; }

    // Handlers, as the controls and menu items call them.
    void enterFolder(const QString& folder);
    void DriveComboBox1Change(int index);
    void DirectoryListBox1Open(int row);
    void DirectoryListBox1Enter();
    void FileListBox1Click();
    void Edit1DblClick();
    void CreateFolderClick();
    void RemoveFolder1Click();
    void RemoveFile1Click();
    void OpenFile1Click();
    void OpenFolder1Click();
    void CancelClick();
    void OkClick();
    void SetupClick();
    void CloseMenu1Click();
    void HelpClick();
    void CloseHelpClick();
    // Both lists read the disk again (at most four times a second).
    void requestReread();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    void openStartFolder();
    // SetupHost
    void applyColor(uint32_t value) override;
    void applyMask(const QString& mask) override;
    void closeSetup() override;

    void build();
    void wire();
    void buildMenu();
    void guarded(const std::function<void()>& body);
    void fillDrives();
    // Shows what a browser operation changed.
    void apply(int changes);
    void fileListChanged();
    // The file that the menu's file items act on: the one selected when
    // the menu opened, while it is open.
    std::optional<FileBrowser::Picked> menuFile() const;
    void setFileItems(bool enabled);
    void setFolderItems(bool enabled);
    QAction* menuItem(const char* name) const;

    AppContext& context_;
    UserRegistry registry_;
    PathnookSettings settings_;
    FileBrowser browser_;
    bool menuOpen_ = false;
    std::optional<FileBrowser::Picked> menuFile_;

    QStatusBar* statusBar1_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    BrowsePage* browse_ = nullptr;
    SetupPage* setup_ = nullptr;
    HelpPage* help_ = nullptr;
    QWidget* underHelp_ = nullptr;
    QMenu* menu_ = nullptr;
    QHash<QString, QAction*> menuItems_;
    EditMenu* editMenu_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    RereadThrottle* throttle_ = nullptr;
};
