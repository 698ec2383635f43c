#pragma once
// What the SMTP client puts on the wire and how it reads what comes back:
// plain functions, so the conversation's pieces can be tested without a socket.
#include "mail/MailAttachment.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>
#include <initializer_list>

// The media subtype of the body, in this order (0 to 4).
enum TMailType { mtPlain, mtEnriched, mtSgml, mtTabSeperated, mtHtml };

// The message the client sends.
struct TPostMessage {
    QString FromAddress;
    QString FromName;
    QString Subject;
    QString LocalProgram; // X-Mailer
    QString Date;
    QString MessageId; // "<...>", left out when empty
    QString ReplyTo;
    QStringList ToAddress; // recipient entries, as the user wrote them
    // Blocks of UTF-8 text; their line breaks become CR LF. Bytes, so a file's
    // text goes out without a round trip through UTF-16.
    QByteArrayList Body;
    QList<MailAttachment> Attachments; // none: the body is the whole mail
};

namespace smtptext {

// The most a reply may hold. Mail servers keep a line to 512 bytes with its
// CR LF and a reply to a few dozen lines; these bounds leave them ample room,
// and a server past them is refused, so no reply can grow memory without end.
inline constexpr int kMaxReplyLine = 4096; // bytes, CR LF included
inline constexpr int kMaxReplyLines = 100; // lines of one reply, the last included

// A field that goes into a command or a header line: every CR and LF becomes
// a blank, so no field can start a command or a header of its own.
QString fieldText(const QString& value);

// The address a recipient entry names: between the first "<" and the next
// ">", else after the first ":" up to the next ":", else the whole entry.
QString bareAddress(const QString& entry);

// The value of the leading decimal digits among the first 10 characters of a
// reply line; 0 without digits. Values beyond the 16-bit range stay at 32767,
// so an overflow can never wrap into an accepting code.
int replyNumber(const QByteArray& line);

// True when a line of a reply is followed by more: it begins with a blank or
// has "-" as its fourth character.
bool continues(const QByteArray& line);

// True when the reply line carries a status code at all (100 to 999). A line
// without one is never taken as an acceptance.
bool hasReplyCode(int number);

// How a reply answers the command it follows.
enum class Verdict {
    Accepted,  // one of the command's success codes
    Refused,   // a refusal (at or above refusedFrom), or no status code at all
    OutOfOrder // a code the command can never get: the server is out of step
};
Verdict judge(int number, std::initializer_list<int> success, int refusedFrom = 400);

QString contentTypeLine(TMailType subType, const QString& charset);

// The header block, each line ended by CR LF, then the two CR LF pairs that
// separate it from the body. eightBit: the body goes out as 8-bit text and
// says so.
QByteArray headerBlock(const TPostMessage& message, TMailType subType, const QString& charset,
                       bool eightBit = false);

// The body as it goes out between DATA and the end-of-data line: every entry
// followed by CR LF, every line break (CR LF, LF or CR) as CR LF, and a
// period doubled at the start of every line.
QByteArray bodyText(const QByteArrayList& body);

// The same bytes piece by piece, so that a large body goes out without being
// copied whole first. It keeps its own (shared) copy of the entries.
class BodyStream {
public:
    explicit BodyStream(const QByteArrayList& body);
    // Every byte the stream gives, known before the first read.
    qint64 size() const { return size_; }
    // Up to `max` next bytes into `out`; fewer only at the end, 0 after it.
    qsizetype read(char* out, qsizetype max);

private:
    enum class Owed { Nothing, Period, Text, Cr, Lf }; // of the current line

    const QByteArrayList body_;
    qint64 size_ = 0;
    qsizetype entry_ = 0;
    const char* p_ = nullptr;    // next byte of the current line; nullptr between entries
    const char* eol_ = nullptr;  // where the current line's text ends
    const char* next_ = nullptr; // where the next line starts; nullptr after the last
    const char* end_ = nullptr;  // the current entry's end
    Owed owed_ = Owed::Nothing;
};

} // namespace smtptext
