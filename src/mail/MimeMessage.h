#pragma once
// A mail with files: multipart/mixed, the text as the first part, then each
// file base64-encoded under its name. Without files the mail is the single
// text part it always was, byte for byte.
#include "mail/SmtpText.h"

#include <QFile>
#include <QString>
#include <memory>
#include <vector>

namespace mimemessage {

// The most a mail may carry of what the user chose (its text and its files as
// they are on disk), as common mail services allow.
inline constexpr qint64 kContentLimit = 25'000'000;

// A size as the user reads it, in the language in use: "1.5 MB".
QString shownSize(qint64 bytes);

// What base64 makes of n bytes: lines of 76 characters, each ended by CR LF.
qint64 base64Size(qint64 n);

// `attribute="name"` when the name is plain printable ASCII, else the RFC 2231
// form `attribute*=utf-8''percent-encoded`, which also keeps any CR or LF of a
// file name from starting a header line of its own.
QByteArray nameParameter(const char* attribute, const QString& name);

// The text telling the user the mail is over a limit, naming it; empty when
// it is within. contentBytes: the text and files as chosen; wireBytes: the
// mail as it goes out; serverLimit: the SIZE the server announced, 0: none.
QString overLimit(qint64 contentBytes, qint64 wireBytes = 0, qint64 serverLimit = 0);

// The mail as it goes out between DATA and the end-of-data line, piece by
// piece: files are read a block at a time as the socket takes them, so
// memory stays flat however large they are.
class MessageStream {
public:
    // Measures the files now; each is opened only when its part is reached.
    MessageStream(const TPostMessage& message, TMailType subType, const QString& charset,
                  bool eightBit);
    ~MessageStream();
    MessageStream(const MessageStream&) = delete;
    MessageStream& operator=(const MessageStream&) = delete;

    const QByteArray& header() const { return header_; }
    // The bytes after the header, known before the first read.
    qint64 size() const { return size_; }
    // Up to `max` next bytes; fewer only at the end, 0 after it; -1 when a
    // file cannot be read or no longer has the size it had (error() says
    // which): a mail that would arrive altered is never finished.
    qsizetype read(char* out, qsizetype max);
    // Why the mail cannot go out; set at construction for a file that cannot
    // be read. Empty while all is well.
    QString error() const { return error_; }

private:
    struct Piece {
        enum Kind { Bytes, Text, File } kind;
        QByteArray bytes; // Bytes
        int file = -1;    // File: the attachment's index
        qint64 size = 0;  // File: its size when measured
    };
    bool fillFromFile(const Piece& piece);
    void fail(const QString& path, bool changed);

    QByteArray header_;
    std::vector<Piece> pieces_;
    QList<MailAttachment> files_;
    std::unique_ptr<smtptext::BodyStream> text_;
    std::unique_ptr<QFile> open_; // the file being read
    qint64 left_ = 0;             // of the open file
    size_t piece_ = 0;
    QByteArray pending_; // made but not yet given
    qsizetype pendingPos_ = 0;
    qint64 size_ = 0;
    QString error_;
};

} // namespace mimemessage
