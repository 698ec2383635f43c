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

    void RTableClick(int table); // RTable1Click .. RTable30Click
    void Defaut1Click();
    void AllButtons1Click();
    void DefaultColor1Click();
    void AllTables1Click();
    void DefaultColor2Click();
    void Program1Click();
    void Default1Click();
    void StayOnTop1Click();
    void Normal1Click();
    // Close/Hide submenu: what a launch does to the strip.
    void Close1Click();
    void Hide1Click();
    // Writes or removes the autostart entry and returns whether it is on now
    // (the item's mark shows what is on disk); a failure is said once.
    bool StartWithDesktop1Click(bool on);
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
