#pragma once
#include "icons/IconFolders.h"
#include "icons/ProgressAnimation.h"

#include <QImage>
#include <QString>
#include <functional>

class Prompts;
class QWidget;

// Save All as the extractor's user meets it: the icon folder it writes into
// (chosen on the folder panel, forgotten by the progress panel's Close), the
// question before it starts, the one save and the progress show after it.
// The window shows what each step returns; every box is owned by `owner`.
class SaveAllFlow {
public:
    SaveAllFlow(Prompts& prompts, QWidget* owner);

    // Empty until a folder is made or chosen.
    const QString& folder() const { return folder_; }
    // Create: a folder made below the selected one becomes the icon folder.
    iconfolders::Created createFolder(const QString& selected, const QString& name);
    // Use Selected: the selected folder becomes the icon folder.
    void useSelected(const QString& selected);

    enum class Start {
        NeedFolder, // told to choose a folder first: the folder panel comes to the front
        Declined,   // the user did not answer Yes
        Started     // the progress panel comes to the front and both timers run
    };
    // The Save All button.
    Start start();
    // The save timer's one tick: icons 0 .. count - 1 of the file at `path`
    // into the icon folder; `onIcon` sees each icon. A file that cannot be
    // written raises its error and ends the progress show: a failed save is
    // never announced as done.
    void save(const QString& path, int count, const std::function<void(const QImage&)>& onIcon);
    // The progress timer's tick; after a failed save the bar stands still
    // and the show never ends in the done text.
    ProgressAnimation::Frame tick(int barValue);
    // A new showing starts the show from its first step.
    void resetProgress() { animation_.reset(); }
    // The progress panel's Close.
    void close() { folder_.clear(); }

private:
    Prompts& prompts_;
    QWidget* owner_;
    QString folder_;
    ProgressAnimation animation_;
    bool failed_ = false;
};
