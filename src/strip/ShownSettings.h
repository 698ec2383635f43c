#pragma once
#include "core/StripSettings.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class ControlFile;
class Picture;
class StripView;

// Each strip setting as the strip shows it, one apply per setting: apply...
// shows a value, set... writes it and then shows it the same way, so the
// start-up and the user's change cannot drift apart. Values that must be
// numbers and are not raise ConversionError.
class ShownSettings {
public:
    ShownSettings(StripView& view, ControlFile& file) : view_(view), file_(file) {}

    // The start-up: position, hide mode, the program, button and table
    // colours, the window style and the table names, each read just before
    // it is shown; a failure stops there.
    void applyStored();

    // POS "Top" then "Left" where non-empty; whether either was.
    bool applyPosition();
    void setPosition(QPoint topLeft);

    void applyHideMode(bool on);
    void setHideMode(bool on);

    // None is the default, the button face.
    void applyColor(StripSettings::ColorTarget target, std::optional<uint32_t> value);
    void setColor(StripSettings::ColorTarget target, std::optional<uint32_t> value);

    void applyStyle(bool stayOnTop);
    void setStyle(bool stayOnTop);

    // None is the default caption, "Table t".
    void applyTableName(int table, const std::optional<QString>& name);
    void setTableName(int table, const std::optional<QString>& name);

    // Whether a launch hides the strip (else it closes the program).
    bool hideMode() const { return hideMode_; }

    // The menus are made after the strip shows: their items take the hide
    // mode, the style and the table names then.
    void applyMenus();

private:
    void markStyle();

    StripView& view_;
    ControlFile& file_;
    bool hideMode_ = false;
    bool stayOnTop_ = false;
    std::array<std::optional<QString>, 30> tableNames_{};
};

namespace buttonface {
// Button n's face: its picture, then its target's hint. The same for a
// loaded button and an assigned or pasted one.
void show(StripView& view, int n, const Picture& picture, const QString& target);
// The empty button's hint; its picture is left as it is (a cleared button
// takes it away first).
void showEmpty(StripView& view, int n);
} // namespace buttonface

// "Table 1" .. "Table 30".
QString defaultTableCaption(int table);
