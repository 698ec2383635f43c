#pragma once
#include "strip/LaunchOptions.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class Prompts;

// The "Launch Options" window of one button: arguments, working folder and
// terminal, kept only when they can be (else the reason is told and the
// window stays open to put it right).
class LaunchOptionsWindow : public QDialog {
    Q_OBJECT
public:
    // save keeps the options and answers why it could not, if it could not.
    using Save = std::function<std::optional<QString>(const LaunchOptions&)>;
    LaunchOptionsWindow(const QString& target, const LaunchOptions& current, Prompts& prompts,
                        Save save, QWidget* parent = nullptr);

    LaunchOptions shown() const;

    void accept() override;
    // Browse...: the folder chooser, starting at the folder typed, else the program's.
    void chooseFolder();

private:
    QString target_;
    Prompts& prompts_;
    Save save_;
    QLineEdit* arguments_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QCheckBox* terminal_ = nullptr;
};
