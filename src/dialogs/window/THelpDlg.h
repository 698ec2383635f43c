#pragma once
#include <QWidget>
#include <cstdint>

class QMenu;
class QPushButton;
class QTextEdit;
struct AppContext;

// The extensive help window: the help file in a read-only rich text view.
class THelpDlg : public QWidget {
    Q_OBJECT
public:
    explicit THelpDlg(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QTextEdit* richEdit1() const { return richEdit1_; }
    QMenu* popupMenu1() const { return popupMenu1_; }

    // Shows the window in the program colour with the help file loaded anew;
    // without the file it keeps what it showed.
    void showHelp(uint32_t programColour);
    // Sets up the view's menu as it opens: Copy only with a selection.
    void PopupMenu1Popup();

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    AppContext& context_;
    QTextEdit* richEdit1_ = nullptr;
    QPushButton* closeWindowBtn_ = nullptr;
    QMenu* popupMenu1_ = nullptr;
    QAction* copy1_ = nullptr;
};
