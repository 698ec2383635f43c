#pragma once
#include <QString>
#include <QStringList>

class Prompts;
class QWidget;

// The folder panel's decisions: making a new folder below the selected one
// or taking the selected one, each with its notice.
namespace iconfolders {

struct Created {
    enum Outcome { Exists, Made, Failed } outcome = Failed;
    QString path; // the candidate, as it was joined
};

// The candidate is the selected folder, "/" and the name as they stand (no
// trimming, no check): an empty name gives the selected folder itself, which
// exists. One level is created.
Created create(Prompts& prompts, QWidget* owner, const QString& selected, const QString& name);
// The selected folder becomes the icon folder; returns it.
QString useSelected(Prompts& prompts, QWidget* owner, const QString& selected);

// The drive list on Linux: the mount paths of the mounted volumes, "/" first.
QStringList volumes();
// The volume in the list that holds the path (the longest mount path that is
// a prefix of it), or "/" when none does.
QString volumeOf(const QString& path, const QStringList& volumes);

} // namespace iconfolders
