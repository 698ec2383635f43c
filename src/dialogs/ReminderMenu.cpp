#include "dialogs/ReminderMenu.h"

#include "context/Prompts.h"
#include "core/IntText.h"
#include "dialogs/ReminderClock.h"

#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ReminderMenu)
};
} // namespace

ReminderMenu::ReminderMenu(ReminderClock& clock, Prompts& prompts)
    : clock_(clock), prompts_(prompts) {}

std::optional<int> ReminderMenu::minutesOf(const QString& text) {
    const int minutes = inttext::toInt(text);
    if (minutes < 1 || minutes > ReminderClock::MaxMinutes)
        return std::nullopt;
    return minutes;
}

void ReminderMenu::Start1Click(QWidget* owner) {
    const std::optional<QString> text =
        prompts_.input(owner, {Text::tr("Remind Me in How Many Minutes?"),
                               Text::tr("Enter how many Minutes:"), QStringLiteral("10")});
    if (!text)
        return;
    const std::optional<int> minutes = minutesOf(*text);
    if (!minutes) {
        // 0 would never fire and larger counts overflow the interval: refuse
        // them rather than claim a reminder is set.
        prompts_.notice(
            owner,
            Text::tr("Enter a number of minutes from 1 to %1.").arg(ReminderClock::MaxMinutes));
        return;
    }
    clock_.start(*minutes);
    // The count picks the translation's singular or plural; the text shows
    // the number as typed.
    prompts_.notice(
        owner,
        Text::tr("Reminder is set to remind you in %1 minutes.", nullptr, *minutes).arg(*text));
}

void ReminderMenu::Stop1Click(QWidget* owner) {
    clock_.stop();
    prompts_.notice(owner, Text::tr("Reminder has been Canceled!!!"));
}
