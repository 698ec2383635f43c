#pragma once
#include <QDialog>

class QStatusBar;
struct AppContext;

// The reminder window: borderless and red, shown modally.
class TReminder : public QDialog {
    Q_OBJECT
public:
    explicit TReminder(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }

private:
    AppContext& context_;
};
