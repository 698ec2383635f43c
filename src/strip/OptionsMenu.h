#pragma once
#include "core/StripSettings.h"

#include <QColor>
#include <QString>
#include <cstdint>

class Prompts;
class ShownSettings;
class StripView;

// The settings items of the button menu: renaming the tables, the program,
// button and table colours and their defaults, the hide mode, the window
// style. Each setting is written and shown at once through the settings.
class OptionsMenu {
public:
    OptionsMenu(StripView& view, ShownSettings& settings, Prompts& prompts);

    void renameTable(int table); // 1..30
    void resetTableNames();
    void chooseButtonColour();
    void resetButtonColour();
    void chooseTableColour();
    void resetTableColour();
    void chooseProgramColour();
    void resetProgramColour();
    void stayOnTop();
    void stayNormal();
    // Close/Hide submenu: what a launch does to the strip.
    void closeOnLaunch();
    void hideOnLaunch();
    // Writes or removes the autostart entry and returns whether it is on now
    // (the item's mark shows what is on disk); a failure is said once.
    bool setStartWithDesktop(bool on);
    bool startsWithDesktop() const;
    // Where the autostart entry lives; tests point it elsewhere.
    void setAutostartEntry(QString path) { autostartEntry_ = std::move(path); }

    // The colour the shared colour dialog opens on: the last one chosen.
    QColor dialogColor() const { return dialogColor_; }
    static uint32_t colorValue(const QColor& color);

private:
    using Target = StripSettings::ColorTarget;
    void chooseColor(Target target);
    void restoreDefault(Target target);

    StripView& view_;
    ShownSettings& settings_;
    Prompts& prompts_;
    QColor dialogColor_{Qt::black};
    QString autostartEntry_;
};
