#pragma once
#include "filemanager/DriveList.h"
#include "filemanager/FolderPathList.h"
#include "filemanager/MaskFilter.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The browse page without its controls: the folder shown, its folder list,
// its files through a mask and the selected file. Paths are passed, never
// set: the process's working directory is left alone.
//
// Each operation returns what changed (a set of Change bits) so the window
// updates only those controls.
class FileBrowser {
public:
    enum Change { Folder = 1, Folders = 2, Files = 4, Selection = 8 };

    // The selected file as the user saw it: folder and name together, so
    // a later re-read or a change of folder cannot turn it into another file.
    struct Picked {
        QString folder;
        maskfilter::FileName name;
        QString path() const;     // as shown
        QByteArray bytes() const; // the file itself
        bool operator==(const Picked&) const = default;
    };

    const QString& folder() const { return folder_; }
    const QList<folderpathlist::Entry>& folders() const { return folders_; }
    // The current mask, and the mask the list shows: a mask typed into the
    // path field lasts until another folder or mask is chosen. Picking a
    // file or a re-read keeps it, so the list never moves under a click.
    const QString& mask() const { return mask_; }
    const QString& listMask() const { return listMask_; }
    const QStringList& files() const { return shown_; }
    const QList<maskfilter::FileName>& fileNames() const { return files_; }
    int selectedRow() const { return row_; }
    std::optional<Picked> picked() const;
    // The path field's text: the selected file's full path, or a typed mask.
    const QString& pathText() const { return pathText_; }
    bool isListed(const Picked& file) const;

    // Throws AppError when the folder cannot be entered; nothing changes then.
    int enter(const QString& folder);
    // The mounted volumes and the folder each was last left in.
    const QList<DriveList::Drive>& drives() const { return drives_; }
    void readDrives();
    QString currentDrive() const;
    int enterDrive(int index);
    // The folder list got the focus: remember the folder it shows.
    void rememberFolder() { remembered_ = folder_; }
    const QString& rememberedFolder() const { return remembered_; }

    // The user picked a row (-1: none).
    int select(int row);
    int setMask(const QString& mask);
    // A path typed into the path field: its folder is entered; a wildcard
    // name is shown as the list's mask, a plain name is selected.
    int applyTyped(const QString& text);
    // Both lists read the disk again; the selection stays on the same file
    // or is cleared. A folder that went away gives way to the nearest one
    // above it.
    int reread();
    // The folder list alone (after a folder was made).
    int rereadFolders();

private:
    // The list through a mask; the selection follows its file.
    int list(const QString& mask);
    // After every change of the list's content or selection: the path field
    // follows the selection.
    int settle(int changes);

    QString folder_;
    QList<folderpathlist::Entry> folders_;
    QString mask_ = QStringLiteral("*.*");
    QString listMask_ = QStringLiteral("*.*");
    QList<maskfilter::FileName> files_;
    QStringList shown_;
    int row_ = -1;
    QString pathText_ = QStringLiteral("*.*");
    QString remembered_;
    QList<DriveList::Drive> drives_;
    DriveList driveFolders_;
};
