#pragma once
#include <QWidget>

class QStatusBar;
struct AppContext;

// The extensive help window.
class THelpDlg : public QWidget {
    Q_OBJECT
public:
    explicit THelpDlg(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }

private:
    AppContext& context_;
};
