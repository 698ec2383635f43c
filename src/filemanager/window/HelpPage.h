#pragma once
#include <QWidget>

class QPushButton;

// The file manager's help page (Panel3): a black page with the title, the
// help text in a read-only box and its Close button.
class HelpPage : public QWidget {
    Q_OBJECT
public:
    explicit HelpPage(QWidget* parent = nullptr);
    QPushButton* close = nullptr;
};
