#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// What a later start asks of the first: one message over the local socket.
// "summon <show|find> <text bytes> <token bytes>\n" then the UTF-8 text and
// the desktop's activation token. Every length is bounded, so the reader
// knows before reading how much it may take.
namespace handover {

struct Request {
    enum class Kind { Show, Find };
    Kind kind = Kind::Show;
    QString text;     // what type to find starts with (Find only)
    QByteArray token; // the desktop's startup or activation token, if any
    bool operator==(const Request&) const = default;
};

constexpr int MaxHeader = 48;     // the first line, newline included
constexpr int MaxTextBytes = 768; // 256 UTF-16 units of at most three bytes each
constexpr int MaxTextChars = 256;
constexpr int MaxToken = 256;
constexpr int MaxMessage = MaxHeader + MaxTextBytes + MaxToken;
// The answer of a first that took the request.
inline constexpr char Reply[] = "ok\n";

QByteArray encode(const Request& request);

// How far `got` is: the whole message's size once the first line is in, 0
// while it is not, -1 when it can never be a message (the reader drops the
// peer then).
int messageSize(const QByteArray& got);

// The request in a whole message, or none for anything malformed: a bad
// number, a length past its bound, bytes before or after, text that is not
// printable UTF-8, a token outside visible ASCII.
std::optional<Request> decode(const QByteArray& message);

} // namespace handover
