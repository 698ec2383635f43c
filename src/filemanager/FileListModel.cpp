#include "filemanager/FileListModel.h"

#include "filemanager/MaskFilter.h"

FileListModel::FileListModel(QIcon program, QIcon document, QObject* parent)
    : QAbstractListModel(parent), program_(std::move(program)), document_(std::move(document)) {}

void FileListModel::setFiles(const QString& folder, const QList<maskfilter::FileName>& names) {
    beginResetModel();
    folder_ = folder;
    names_ = names;
    kind_.assign(size_t(names_.size()), -1);
    endResetModel();
}

bool FileListModel::isProgramRow(int row) const {
    if (row < 0 || row >= names_.size())
        return false;
    signed char& k = kind_[size_t(row)];
    if (k < 0)
        k = maskfilter::isProgram(folder_, names_[row].bytes) ? 1 : 0;
    return k == 1;
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(names_.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= names_.size())
        return {};
    if (role == Qt::DisplayRole)
        return names_[index.row()].shown;
    if (role == Qt::DecorationRole)
        return isProgramRow(index.row()) ? program_ : document_;
    return {};
}
