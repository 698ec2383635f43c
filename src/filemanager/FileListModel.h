#pragma once
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

    // Reads the folder through the mask. Returns false (and keeps rows,
    // selection and scroll place) when nothing changed.
    bool read(const QString& folder, const QString& maskText);

    const QString& folder() const { return folder_; }
    const QString& mask() const { return mask_; }
    const QStringList& names() const { return names_; }
    bool isProgramRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QIcon program_;
    QIcon document_;
    QString folder_;
    QString mask_;
    QStringList names_;
    mutable std::vector<signed char> kind_; // -1 unknown, 0 document, 1 program
};
