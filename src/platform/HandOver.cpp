#include "platform/HandOver.h"

#include <QList>
#include <QStringDecoder>
#include <algorithm>

namespace handover {
namespace {
// An older copy's one request, still understood: the same as --show.
const QByteArray Legacy = "activate\n";

struct Header {
    Request::Kind kind;
    int textBytes;
    int tokenBytes;
    int size; // of the line, newline included
};

// Digits only, no sign or leading zero, at most `limit`.
std::optional<int> number(const QByteArray& field, int limit) {
    if (field.isEmpty() || field.size() > 5 || (field.size() > 1 && field[0] == '0') ||
        !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int n = field.toInt();
    return n <= limit ? std::optional(n) : std::nullopt;
}

std::optional<Header> header(const QByteArray& got) {
    const int end = int(got.indexOf('\n'));
    if (end < 0 || end + 1 > MaxHeader)
        return std::nullopt;
    const QList<QByteArray> fields = got.left(end).split(' ');
    if (fields.size() != 4 || fields[0] != "summon")
        return std::nullopt;
    Request::Kind kind;
    if (fields[1] == "show")
        kind = Request::Kind::Show;
    else if (fields[1] == "find")
        kind = Request::Kind::Find;
    else
        return std::nullopt;
    const auto text = number(fields[2], MaxTextBytes);
    const auto token = number(fields[3], MaxToken);
    if (!text || !token || (kind == Request::Kind::Show && *text != 0))
        return std::nullopt;
    return Header{kind, *text, *token, end + 1};
}

bool tokenChar(char c) {
    return c > ' ' && c < 0x7f && c != '"' && c != '\\';
}

bool printable(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}
} // namespace

QByteArray encode(const Request& request) {
    const QByteArray text =
        request.kind == Request::Kind::Find ? request.text.toUtf8() : QByteArray();
    return "summon " + QByteArray(request.kind == Request::Kind::Find ? "find" : "show") + ' ' +
           QByteArray::number(text.size()) + ' ' + QByteArray::number(request.token.size()) + '\n' +
           text + request.token;
}

int messageSize(const QByteArray& got) {
    if (got.startsWith(Legacy) || (Legacy.startsWith(got) && !got.isEmpty()))
        return int(Legacy.size());
    if (!got.contains('\n'))
        return got.size() < MaxHeader ? 0 : -1;
    const std::optional<Header> h = header(got);
    return h ? h->size + h->textBytes + h->tokenBytes : -1;
}

std::optional<Request> decode(const QByteArray& message) {
    if (message == Legacy)
        return Request{};
    const std::optional<Header> h = header(message);
    if (!h || message.size() != h->size + h->textBytes + h->tokenBytes)
        return std::nullopt;
    Request request;
    request.kind = h->kind;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    request.text = utf8(message.mid(h->size, h->textBytes));
    if (utf8.hasError() || request.text.size() > MaxTextChars || !printable(request.text))
        return std::nullopt;
    request.token = message.mid(h->size + h->textBytes, h->tokenBytes);
    if (!std::all_of(request.token.begin(), request.token.end(), tokenChar))
        return std::nullopt;
    return request;
}

} // namespace handover
