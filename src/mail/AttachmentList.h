#pragma once
#include "mail/MailAttachment.h"

#include <QList>
#include <QObject>
#include <QString>

// The files the next mail carries, in the order they were added, with the
// size each had then (shown to the user; the mail measures again as it goes).
class AttachmentList : public QObject {
    Q_OBJECT
public:
    struct Entry {
        MailAttachment file;
        qint64 size = 0;
    };

    using QObject::QObject;

    // Adds a regular, readable file; a path already listed is not added twice.
    // Returns the reason when the file cannot be added, else an empty text.
    QString add(const QString& path);
    void remove(int row);
    void clear();

    const QList<Entry>& entries() const { return entries_; }
    QList<MailAttachment> files() const;
    bool isEmpty() const { return entries_.isEmpty(); }
    qint64 totalSize() const;

signals:
    void changed();

private:
    QList<Entry> entries_;
};
