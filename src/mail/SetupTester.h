#pragma once
#include "mail/EmailSetupSaver.h"
#include "mail/SetupCheck.h"

class PasswordSource;
class Prompts;
class QWidget;

// The setup page's Test and Find Settings: what is typed, tried against the
// server (SetupCheck), and the outcome told in one box that does not hold up
// the window.
class SetupTester {
public:
    SetupTester(Prompts& prompts, QWidget* owner, SetupView& view, PasswordSource* passwords);

    void test();
    void findSettings();
    void cancel() { check_.cancel(); }
    SetupCheck& check() { return check_; }

private:
    std::optional<SetupEntry> checkedEntry();
    void done(const SetupCheck::Result& result);

    Prompts& prompts_;
    QWidget* owner_;
    SetupView& view_;
    PasswordSource* passwords_;
    SetupCheck check_;
    bool finding_ = false;
    // Answers that come after the tester is gone find this false.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
