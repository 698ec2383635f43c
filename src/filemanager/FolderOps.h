#pragma once
#include "filemanager/FileBrowser.h"

#include <QString>
#include <optional>

class Prompts;
class QWidget;

// The file manager's folder and file operations, each with its question
// and its notice in the program's words.
class FolderOps {
public:
    FolderOps(Prompts& prompts, QWidget* owner) : prompts_(prompts), owner_(owner) {}

    // folder + separator + name; an empty name leaves the separator.
    static QString join(const QString& folder, const QString& name);

    // True when a new folder was made.
    bool createFolder(const QString& current, const QString& name);
    // Removes an empty folder. Returns the folder to show on success: the
    // remembered folder, or the target's parent when the remembered folder
    // is the target or lies inside it; none after a refusal. The process's
    // working directory is not used.
    std::optional<QString> removeFolder(const QString& target, const QString& remembered);
    // Deletes the file itself for good: a link goes as the link, a folder
    // is refused. True on success.
    bool removeFile(const QString& path);
    // The same for a file named by its bytes; `shown` is what the boxes say.
    bool removeFile(const QString& shown, const QByteArray& encoded);
    // Remove File from the menu: the file picked, only while the list still
    // shows it; nothing picked asks about an empty name, as removeFile("").
    bool removeListedFile(const std::optional<FileBrowser::Picked>& file, const FileBrowser& list);
    // A file whose name is not text cannot be handed to the desktop by
    // name: false after saying so.
    bool canOpen(const FileBrowser::Picked& file);

private:
    Prompts& prompts_;
    QWidget* owner_;
};
