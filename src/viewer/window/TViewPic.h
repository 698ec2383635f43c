#pragma once
#include "viewer/ViewerSettings.h"

#include <QStyle>
#include <QWidget>
#include <functional>
#include <memory>

class PictureArea;
class PictureViewer;
class QAction;
class QListWidget;
class QMenu;
class QStatusBar;
class QToolBar;
class ViewerPrinter;
struct AppContext;

// The picture viewer window: tool bar and menus, the picture panel, the
// recent-file panel and the status bar, wired to PictureViewer.
class TViewPic : public QWidget {
    Q_OBJECT
public:
    explicit TViewPic(AppContext& context, QWidget* parent = nullptr);
    ~TViewPic() override;

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }
    PictureViewer& viewer() { return *viewer_; }
    ViewerPrinter& printer() { return *printer_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow(AppContext& context);
    void buildToolBar(QToolBar* bar);
    QMenu* addMenu(QToolBar* bar, const char* button, const QString& caption, const QString& hint,
                   QStyle::StandardPixmap image);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                     const std::function<void()>& action);
    void addOption(QMenu* options, ViewOption option, const char* name, const QString& caption,
                   const char* trueName, const char* falseName);
    QWidget* buildListPanel(QWidget* parent);
    void wireViewer();
    void showListPanel(bool shown);
    int selectedRow() const;
    void showHelp(const QString& caption, const QString& text);
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext& context_;
    std::unique_ptr<PictureViewer> viewer_;
    std::unique_ptr<ViewerPrinter> printer_;
    QStatusBar* statusBar1_ = nullptr;
    QWidget* panel1_ = nullptr;
    QWidget* panel2_ = nullptr;
    PictureArea* thePic_ = nullptr;
    QListWidget* list_ = nullptr;
    QMenu* editMenu_ = nullptr;
    // The True and False items of each option.
    QAction* optionItems_[6][2] = {};
};
