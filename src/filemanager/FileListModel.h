#pragma once
#include "filemanager/MaskFilter.h"

#include <QAbstractListModel>
#include <QIcon>
#include <QStringList>
#include <vector>

// The file list's rows: the matching names of one folder. The picture of a
// row (program or document) is decided only when the row is shown, so a
// folder of many files costs one directory read and a sort.
class FileListModel : public QAbstractListModel {
public:
    FileListModel(QIcon program, QIcon document, QObject* parent = nullptr);

    // The rows of a new listing of the folder.
    void setFiles(const QString& folder, const QList<maskfilter::FileName>& names);

    const QString& folder() const { return folder_; }
    bool isProgramRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QIcon program_;
    QIcon document_;
    QString folder_;
    QList<maskfilter::FileName> names_;
    mutable std::vector<signed char> kind_; // -1 unknown, 0 document, 1 program
};
