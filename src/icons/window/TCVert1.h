#pragma once
#include <QWidget>

class QStatusBar;
struct AppContext;

// The icon-to-bitmap converter window.
class TCVert1 : public QWidget {
    Q_OBJECT
public:
    explicit TCVert1(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }

private:
    AppContext& context_;
    QStatusBar* statusBar1_ = nullptr;
};
