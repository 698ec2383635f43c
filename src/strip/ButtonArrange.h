#pragma once
#include "core/ButtonSlotSettings.h"
#include "strip/LaunchOptions.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <functional>

class ControlFile;
class Prompts;
class StripView;

// Arranging the buttons without Cut and Paste: two buttons swap their
// targets, pictures and launch options, or a button's target and picture move to the first
// empty button of another table. Each change is one write of the control
// file, so a failed write leaves both buttons as they were; the faces are
// shown anew only after it.
class ButtonArrange {
public:
    // Shows button n's face anew from what the control file holds.
    using ShowButton = std::function<void(int n)>;

    ButtonArrange(StripView& view, ControlFile& file, Prompts& prompts, ShowButton show);

    // Swaps buttons `from` and `to`; nothing when they are the same, either
    // is out of range or `from` holds no target. Whether it wrote.
    bool swap(int from, int to);
    // Moves button `from` to the first empty button of table `table` and
    // returns that button; 0 when nothing moved: `from` holds no target, is
    // already on that table, or the table is full (which is told).
    int moveToTable(int from, int table);

    // The first button of table t that holds no target, 0 when none.
    int firstEmpty(int table) const;
    // Button n's neighbour `step` (-1 or +1) places along its own table; 0
    // past the table's first or last button.
    static int neighbour(int n, int step);

    // What a drag of `target` out of the strip offers a drop site: a local
    // path as its file URL, an address as itself; nothing for a bare name.
    static QList<QUrl> offerFor(const QString& target);

private:
    StripView& view_;
    Prompts& prompts_;
    ButtonSlotSettings slots_;
    LaunchOptionsSettings options_;
    ShowButton show_;
};
