#pragma once
#include "core/ButtonSlotSettings.h"
#include "graphics/Picture.h"
#include "strip/LaunchOptions.h"

#include <QString>

class ControlFile;
class Prompts;
class Selection;
class StripView;

// What a button holds: putting a target on a button (Open dialog or a
// drop), showing and clearing the button, and Delete, Cut and Paste with
// the cut buffer (the boxes CutTo1 and CutTo3 and the executable flag).
// The button menu's items act on the selected button; one chosen while no
// button is selected (0) is ignored.
class SlotOperations {
public:
    // The buttons show their pictures and hints on the view; the cut buffer
    // is its CutTo1 and CutTo3.
    SlotOperations(StripView& view, Selection& selection, ControlFile& controlFile,
                   Prompts& prompts, QString iconsDir);

    void chooseTarget();
    void deleteButton();
    void cutButton();
    void pasteButton();

    // Whether a drop of `path` on button `button` would be taken: a button
    // is named and the target is long enough to be one.
    static bool takesTarget(int button, const QString& path);
    // The steps every assignment shares: an Open dialog's choice or a drop.
    void assign(int button, const QString& path);

    // The executable flag (the last Cut took an executable) and the target
    // whose picture is in the icon buffer.
    bool executable() const { return executable_; }
    const QString& currentPath() const { return currentPath_; }
    // The cut buffer: the target and the picture a Paste puts on a button.
    const QString& cutTarget() const { return cutTarget_; }
    const QString& cutPicture() const { return cutPicture_; }

    // The picture chooser's filter: every readable picture type, all of them first.
    static QString pictureFilter();

private:
    void showButton(int n);
    void clearButton(int n);
    // Box 1 holds the target, box 3 the picture; the view shows them.
    void setCut(int box, const QString& text);

    StripView& view_;
    Selection& selection_;
    ControlFile& file_;
    ButtonSlotSettings slots_;
    Prompts& prompts_;
    QString iconsDir_;
    bool executable_ = false;
    QString currentPath_;
    QString cutTarget_;
    QString cutPicture_;
    // The cut button's launch options go with its target.
    LaunchOptions cutOptions_;
    // Filled by an assignment or Paste, then copied onto the button.
    Picture iconBuffer_;
};
