#include "strip/OptionsMenu.h"

#include "context/Prompts.h"
#include "core/ButtonSlots.h"
#include "core/StripSettings.h"
#include "platform/Autostart.h"
#include "strip/ShownSettings.h"
#include "strip/StripView.h"

#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(OptionsMenu)
};
} // namespace

OptionsMenu::OptionsMenu(StripView& view, ShownSettings& settings, Prompts& prompts)
    : view_(view), settings_(settings), prompts_(prompts),
      autostartEntry_(autostart::entryPath(autostart::DesktopId)) {}

bool OptionsMenu::setStartWithDesktop(bool on) {
    if (!autostart::setEnabled(autostartEntry_, on, QCoreApplication::applicationFilePath(),
                               autostart::DesktopId))
        prompts_.error(view_.owner(), Text::tr("Cannot create file ") + autostartEntry_);
    return startsWithDesktop();
}

bool OptionsMenu::startsWithDesktop() const {
    return autostart::enabled(autostartEntry_);
}

void OptionsMenu::renameTable(int table) {
    Prompts::Input input;
    input.caption = Text::tr("Rename Menu Item Table %1?").arg(table);
    input.prompt = Text::tr("Enter the New Name:");
    input.initial = Text::tr("New Name");
    input.maxLength = 255;
    const std::optional<QString> answer = prompts_.input(view_.owner(), input);
    if (!answer)
        return;
    settings_.setTableName(table, answer->left(input.maxLength));
}

void OptionsMenu::resetTableNames() {
    if (!prompts_.confirm(
            view_.owner(),
            Text::tr("Are you sure you want to set the Tables to their Default Name?")))
        return;
    for (int t = 1; t <= buttonslots::TableCount; ++t)
        settings_.setTableName(t, std::nullopt);
}

uint32_t OptionsMenu::colorValue(const QColor& color) {
    const QColor rgb = color.toRgb();
    return uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) | (uint32_t(rgb.blue()) << 16);
}

void OptionsMenu::chooseColor(Target target) {
    const std::optional<QColor> chosen = prompts_.color(view_.owner(), dialogColor_);
    if (!chosen || !chosen->isValid())
        return;
    dialogColor_ = *chosen;
    settings_.setColor(target, colorValue(*chosen));
}

void OptionsMenu::restoreDefault(Target target) {
    static const char* const questions[] = {
        QT_TRANSLATE_NOOP("OptionsMenu", "Are you sure you want to set the buttons default color?"),
        QT_TRANSLATE_NOOP("OptionsMenu", "Are you sure you want to set the tables default color?"),
        QT_TRANSLATE_NOOP("OptionsMenu",
                          "Are you sure you want to set the program's default color?"),
    };
    if (!prompts_.confirm(view_.owner(), Text::tr(questions[int(target)])))
        return;
    settings_.setColor(target, std::nullopt);
}

void OptionsMenu::chooseButtonColour() {
    chooseColor(Target::Buttons);
}
void OptionsMenu::resetButtonColour() {
    restoreDefault(Target::Buttons);
}
void OptionsMenu::chooseTableColour() {
    chooseColor(Target::Tables);
}
void OptionsMenu::resetTableColour() {
    restoreDefault(Target::Tables);
}
void OptionsMenu::chooseProgramColour() {
    chooseColor(Target::Program);
}
void OptionsMenu::resetProgramColour() {
    restoreDefault(Target::Program);
}

void OptionsMenu::stayOnTop() {
    settings_.setStyle(true);
}
void OptionsMenu::stayNormal() {
    settings_.setStyle(false);
}

void OptionsMenu::closeOnLaunch() {
    settings_.setHideMode(false);
}
void OptionsMenu::hideOnLaunch() {
    settings_.setHideMode(true);
}
