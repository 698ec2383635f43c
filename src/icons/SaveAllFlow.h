#pragma once
#include "core/Job.h"
#include "icons/IconFolders.h"

#include <QImage>
#include <QObject>
#include <QString>

class Prompts;
class QWidget;

// Save All as the extractor's user meets it: the icon folder it writes into
// (chosen on the folder panel, forgotten by the progress panel's Close), the
// question before it starts, and the save itself, a Job that reports each
// file as it is written while the window stays usable. The window shows what
// each step returns and signals; every box is owned by `owner`.
class SaveAllFlow : public QObject {
    Q_OBJECT
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
        Started     // the progress panel comes to the front; save() follows
    };
    // The Save All button.
    Start start();
    // Icons 0 .. count - 1 of the file at `path` into the icon folder, on a
    // Job; returns at once. A save under way is dropped first.
    void save(const QString& path, int count);
    bool saving() const { return job_.running() > 0; }
    // Stops a save under way after the file being written: every file
    // written is whole, none after it is begun, and no signal follows.
    void cancel() { job_.cancel(); }
    // The progress panel's Close: also stops a save under way.
    void close();

signals:
    // After each icon of the file, written or passed over: the bar's value
    // of 0 .. 100.
    void progress(int percent);
    // Every icon written; `last` is the last of them.
    void finished(int written, const QImage& last);
    // A file could not be written; the icons after it are not. The general
    // error box, opened without waiting, tells the user; `message` is its text.
    void failed(const QString& message);

private:
    Prompts& prompts_;
    QWidget* owner_;
    QString folder_;
    Job job_;
};
