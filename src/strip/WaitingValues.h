#pragma once
#include "core/ButtonSlots.h"
#include "strip/ButtonFace.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// What the logic gave the strip that its controls cannot show yet: the
// values of tables not made yet, the look every table shares, and the label
// texts held until the strip is first on screen. A table made later takes
// its values once. Buttons are 1..360, tables 1..30; others are ignored.
class WaitingValues {
public:
    struct Button {
        std::optional<ButtonFace> face;
        std::optional<QString> hint;
        std::optional<bool> dimmed;
    };
    struct Table {
        std::optional<int> top;
        std::array<Button, buttonslots::ButtonsPerTable> buttons; // slots 1..12
    };

    // A new face is for a new target: whether that one exists is asked anew.
    void keepFace(int n, ButtonFace face);
    void keepHint(int n, const QString& hint);
    void keepDimmed(int n, bool dimmed);
    QString hint(int n) const;
    void keepTop(int t, int top);
    // Table t's values, handed over once: asked again, it has none.
    Table take(int t);

    // The colours of all buttons and all tables, for each table made later.
    std::optional<uint32_t> buttonColour;
    std::optional<uint32_t> tableColour;

    // Label1's and Label2's texts, held from holdTexts() until releaseTexts().
    struct Texts {
        std::optional<QString> caption;
        std::optional<QString> number;
    };
    void holdTexts() { holding_ = true; }
    bool holdsTexts() const { return holding_; }
    // Whether the text was held (else it is the label's to show now).
    bool holdCaption(const QString& text);
    bool holdNumber(const QString& text);
    const Texts& heldTexts() const { return held_; }
    Texts releaseTexts();

private:
    static bool isButton(int n) { return n >= 1 && n <= buttonslots::ButtonCount; }
    static bool isTable(int t) { return t >= 1 && t <= buttonslots::TableCount; }

    std::array<Button, buttonslots::ButtonCount> buttons_{};
    std::array<std::optional<int>, buttonslots::TableCount> tops_{};
    bool holding_ = false;
    Texts held_;
};
