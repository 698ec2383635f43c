#include "mail/MimeMessage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QUuid>
#include <cstring>

namespace mimemessage {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(MimeMessage)
};

// 57 bytes make one line of 76 characters; a block of them is encoded at once.
constexpr qint64 kLineBytes = 57;
constexpr qint64 kBlock = kLineBytes * 1024;

bool attributeChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::strchr("!#$&+-.^_`|~", c) != nullptr;
}
} // namespace

QString shownSize(qint64 bytes) {
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

qint64 base64Size(qint64 n) {
    const qint64 chars = (n + 2) / 3 * 4;
    const qint64 lines = (chars + 75) / 76;
    return chars + 2 * lines;
}

QByteArray nameParameter(const char* attribute, const QString& name) {
    const QByteArray utf8 = name.toUtf8();
    bool plain = !utf8.isEmpty();
    for (const char c : utf8)
        plain = plain && c >= 0x20 && c <= 0x7e && c != '"' && c != '\\';
    if (plain)
        return QByteArray(attribute) + "=\"" + utf8 + '"';
    QByteArray out = QByteArray(attribute) + "*=utf-8''";
    for (const char c : utf8) {
        if (attributeChar(c)) {
            out += c;
        } else {
            out += '%';
            out += QByteArray::number(quint8(c), 16).toUpper().rightJustified(2, '0');
        }
    }
    return out;
}

QString overLimit(qint64 contentBytes, qint64 wireBytes, qint64 serverLimit) {
    if (contentBytes > kContentLimit)
        return Text::tr("The e-mail with its files is %1, more than the %2 a mail may hold. "
                        "Remove files, or send them in several mails; the e-mail was not sent.")
            .arg(shownSize(contentBytes), shownSize(kContentLimit));
    if (serverLimit > 0 && wireBytes > serverLimit)
        return Text::tr("The mail server takes mails of at most %1, and this e-mail is %2 as it "
                        "goes out (files grow by a third when encoded). Remove files, or send "
                        "them in several mails; the e-mail was not sent.")
            .arg(shownSize(serverLimit), shownSize(wireBytes));
    return {};
}

MessageStream::MessageStream(const TPostMessage& m, TMailType subType, const QString& charset,
                             bool eightBit)
    : files_(m.Attachments), text_(std::make_unique<smtptext::BodyStream>(m.Body)) {
    const QByteArray single = smtptext::headerBlock(m, subType, charset, eightBit);
    if (files_.isEmpty()) {
        header_ = single;
        pieces_.push_back({Piece::Text, {}});
        size_ = text_->size();
        return;
    }
    // The header lines before the content type are those of a single part;
    // fields cannot hold a line break, so the first such line is the real one.
    const QByteArray mimeLine = "\r\nMime-Version: 1.0\r\n";
    header_ = single.left(single.indexOf(mimeLine) + mimeLine.size());
    QByteArray boundary;
    for (bool clash = true; clash;) {
        boundary = "=_" + QUuid::createUuid().toByteArray(QUuid::Id128);
        clash = false;
        for (const QByteArray& block : m.Body)
            clash = clash || block.contains(boundary);
    }
    header_ += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    const QByteArray delimiter = "--" + boundary + "\r\n";
    QByteArray textHead = delimiter;
    textHead += smtptext::contentTypeLine(subType, charset).toUtf8() + "\r\n";
    if (eightBit)
        textHead += "Content-Transfer-Encoding: 8bit\r\n";
    textHead += "\r\n";
    pieces_.push_back({Piece::Bytes, textHead});
    pieces_.push_back({Piece::Text, {}});
    size_ = textHead.size() + text_->size();
    for (int i = 0; i < files_.size(); ++i) {
        const MailAttachment& f = files_[i];
        const QFileInfo info(f.path);
        if (!info.isFile() || !info.isReadable()) {
            fail(f.path, false);
            return;
        }
        const QString type = f.mimeType.isEmpty() ? QStringLiteral("application/octet-stream")
                                                  : smtptext::fieldText(f.mimeType);
        QByteArray head = delimiter;
        head += "Content-Type: " + type.toLatin1() + "; " + nameParameter("name", f.name) + "\r\n";
        head += "Content-Transfer-Encoding: base64\r\n";
        head += "Content-Disposition: attachment; " + nameParameter("filename", f.name) + "\r\n";
        head += "\r\n";
        pieces_.push_back({Piece::Bytes, head});
        pieces_.push_back({Piece::File, {}, i, info.size()});
        size_ += head.size() + base64Size(info.size());
    }
    const QByteArray close = "--" + boundary + "--\r\n";
    pieces_.push_back({Piece::Bytes, close});
    size_ += close.size();
}

MessageStream::~MessageStream() = default;

void MessageStream::fail(const QString& path, bool changed) {
    error_ = changed ? Text::tr("The file %1 changed while the e-mail was sent, so it would "
                                "have arrived altered; the e-mail was not sent.")
                           .arg(path)
                     : Text::tr("The file %1 cannot be read; the e-mail was not sent.").arg(path);
    open_.reset();
}

// The next block of the open file as base64 lines in pending_; false once
// the file is done (or failed).
bool MessageStream::fillFromFile(const Piece& piece) {
    const QString& path = files_[piece.file].path;
    if (!open_) {
        open_ = std::make_unique<QFile>(path);
        if (!open_->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            fail(path, false);
            return false;
        }
        left_ = piece.size;
    }
    if (left_ == 0) {
        // Grown since it was measured: what was sent is not the whole file.
        char probe;
        const bool grown = open_->read(&probe, 1) != 0;
        open_.reset();
        if (grown)
            fail(path, true);
        return false;
    }
    const QByteArray raw = open_->read(std::min(left_, kBlock));
    if (raw.isEmpty()) {
        fail(path, true);
        return false;
    }
    left_ -= raw.size();
    if (raw.size() % kLineBytes != 0 && left_ > 0) {
        // A short read in the middle would break the line pattern the size
        // was computed for: the file shrank, or the disk failed.
        fail(path, true);
        return false;
    }
    const QByteArray coded = raw.toBase64();
    pending_.resize(coded.size() + 2 * ((coded.size() + 75) / 76));
    char* out = pending_.data();
    for (qsizetype at = 0; at < coded.size(); at += 76) {
        const qsizetype n = std::min<qsizetype>(76, coded.size() - at);
        std::memcpy(out, coded.constData() + at, size_t(n));
        out += n;
        *out++ = '\r';
        *out++ = '\n';
    }
    pendingPos_ = 0;
    return true;
}

qsizetype MessageStream::read(char* out, qsizetype max) {
    if (!error_.isEmpty())
        return -1;
    qsizetype n = 0;
    while (n < max) {
        if (pendingPos_ < pending_.size()) {
            const qsizetype k = std::min(max - n, pending_.size() - pendingPos_);
            std::memcpy(out + n, pending_.constData() + pendingPos_, size_t(k));
            pendingPos_ += k;
            n += k;
            continue;
        }
        if (piece_ >= pieces_.size())
            break;
        const Piece& p = pieces_[piece_];
        switch (p.kind) {
        case Piece::Bytes:
            pending_ = p.bytes;
            pendingPos_ = 0;
            ++piece_;
            break;
        case Piece::Text: {
            const qsizetype k = text_->read(out + n, max - n);
            n += k;
            if (n < max)
                ++piece_; // the text is done
            break;
        }
        case Piece::File:
            if (!fillFromFile(p)) {
                if (!error_.isEmpty())
                    return -1;
                ++piece_;
            }
            break;
        }
    }
    return n;
}

} // namespace mimemessage
