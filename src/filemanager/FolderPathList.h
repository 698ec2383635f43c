#pragma once
#include <QList>
#include <QString>

// The folder list as a path list: the ancestors from "/" down to the
// current folder, then the current folder's subfolders.
namespace folderpathlist {

struct Entry {
    QString path;
    QString name;
    int depth = 0;
    bool open = false; // an ancestor or the current folder itself
};

// Throws AppError when the folder cannot be entered.
QList<Entry> entries(const QString& current);

} // namespace folderpathlist
