#pragma once
#include <QDialog>

class QStatusBar;
struct AppContext;

// The about box.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }

private:
    AppContext& context_;
};
