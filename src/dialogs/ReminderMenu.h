#pragma once
#include <QString>
#include <optional>

class Prompts;
class QWidget;
class ReminderClock;

// The button menu's Reminder items: Start asks for the minutes and sets the
// clock, Stop cancels it; each tells the user with a notice.
class ReminderMenu {
public:
    ReminderMenu(ReminderClock& clock, Prompts& prompts);

    // The minutes in the text, or none when they are out of the clock's
    // range. Text that is no integer raises ConversionError.
    static std::optional<int> minutesOf(const QString& text);

    void Start1Click(QWidget* owner);
    void Stop1Click(QWidget* owner);

private:
    ReminderClock& clock_;
    Prompts& prompts_;
};
