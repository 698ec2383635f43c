#pragma once
#include <QWidget>

class QStatusBar;
struct AppContext;

// The e-mail window; it stays on top.
class TEmail : public QWidget {
    Q_OBJECT
public:
    explicit TEmail(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }

private:
    AppContext& context_;
    QStatusBar* statusBar1_ = nullptr;
};
