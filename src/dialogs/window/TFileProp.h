#pragma once
#include <QWidget>

class QStatusBar;
struct AppContext;

// The file-properties window; it stays on top.
class TFileProp : public QWidget {
    Q_OBJECT
public:
    explicit TFileProp(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }

private:
    AppContext& context_;
};
