#pragma once
#include <QWidget>
#include <memory>

class EditSession;
class QAction;
class EditorTextView;
class QPlainTextEdit;
class QStatusBar;
struct AppContext;

// The control file editor window: builds its controls and wires them to the
// session, which does the work.
class TEdDlg : public QWidget {
    Q_OBJECT
public:
    explicit TEdDlg(AppContext& context, QWidget* parent = nullptr);
    ~TEdDlg() override;

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }
    EditSession& session() { return *session_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls, pictures and menus: made at once, or when first needed.
    void buildWindow();
    // The second build step: the tool bar, then the control file's text.
    void buildToolBarAndOpen();
    void buildToolBar();
    void guarded(const std::function<void()>& body);

    AppContext& context_;
    QStatusBar* statusBar1_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QAction* wrapOn_ = nullptr;
    QAction* wrapOff_ = nullptr;
    std::unique_ptr<EditorTextView> view_;
    std::unique_ptr<EditSession> session_;
};
