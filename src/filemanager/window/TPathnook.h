#pragma once
#include <QWidget>

class QStatusBar;
struct AppContext;

// The file manager window: a minimise box only, so it closes by its own buttons.
class TPathnook : public QWidget {
    Q_OBJECT
public:
    explicit TPathnook(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }

private:
    AppContext& context_;
    QStatusBar* statusBar1_ = nullptr;
};
