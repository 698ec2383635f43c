#pragma once
#include <QString>

// A file that travels with a mail as a part of its own, base64-encoded, so
// every byte arrives as it is on disk.
struct MailAttachment {
    QString path;     // read when the mail goes out
    QString name;     // the name the receiver sees
    QString mimeType; // e.g. "image/png"
};
