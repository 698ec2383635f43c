#pragma once
#include <QWidget>

class QStatusBar;
struct AppContext;

// The hint strip: a borderless status bar that sits on top of the launcher strip.
class THintDlg : public QWidget {
    Q_OBJECT
public:
    explicit THintDlg(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }

private:
    AppContext& context_;
    QStatusBar* statusBar1_ = nullptr;
};
