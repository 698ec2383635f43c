#pragma once
#include <QWidget>

class QStatusBar;
struct AppContext;

// The control file editor window.
class TEdDlg : public QWidget {
    Q_OBJECT
public:
    explicit TEdDlg(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }

private:
    AppContext& context_;
    QStatusBar* statusBar1_ = nullptr;
};
