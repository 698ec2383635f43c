#pragma once
#include "icons/IconConverter.h"

#include <QWidget>

class QFrame;
class QLabel;
class QMenu;
class QStatusBar;
struct AppContext;

// The icon-to-bitmap converter window: opens an icon, turns it into a
// 32 x 32 bitmap on the program colour, saves or copies the bitmap.
class TCVert1 : public QWidget {
    Q_OBJECT
public:
    explicit TCVert1(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }
    const IconConverter& converter() const { return converter_; }

    // The window's handlers, one per user event.
    void FormShow();
    void OpenIcon1Click();
    void ConvertItClick();
    void SavePictureClick();
    void CopytoClipboard1Click();
    void Properties2Click();
    void Close1Click();
    void HelpMessage(int number);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    void buildToolBar();
    void showPictures();
    void guard(const std::function<void()>& body);

    AppContext& context_;
    IconConverter converter_;
    QStatusBar* statusBar1_ = nullptr;
    QFrame* panel1_ = nullptr;
    QLabel* image1_ = nullptr;
    QLabel* image2_ = nullptr;
    QMenu* popupMenu1_ = nullptr;
    QMenu* popupMenu2_ = nullptr;
};
