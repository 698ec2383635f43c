#pragma once
#include <QWidget>

class QStatusBar;
struct AppContext;

// The icon extractor window.
class TExIcons : public QWidget {
    Q_OBJECT
public:
    explicit TExIcons(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }
    QStatusBar* statusBar1() const { return statusBar1_; }

private:
    AppContext& context_;
    QStatusBar* statusBar1_ = nullptr;
};
