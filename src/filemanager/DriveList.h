#pragma once
#include <QHash>
#include <QList>
#include <QString>

// The drive box's entries: the mounted volumes, named by their mount
// paths, and the folder each one was last left in.
class DriveList {
public:
    struct Drive {
        QString mountPath;
        QString label; // the volume's name, shown in capitals; may be empty
        QString display() const;
    };

    // The mounted volumes whose mount path is a folder, by path.
    static QList<Drive> mounted();
    // The mount path a folder lies on: the longest mount path that holds it.
    static QString driveOf(const QString& folder, const QList<Drive>& drives);

    void remember(const QString& folder, const QList<Drive>& drives);
    // The folder the drive was last left in, or the drive itself.
    QString currentFolderOf(const QString& mountPath) const;

private:
    QHash<QString, QString> current_;
};
