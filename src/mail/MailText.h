#pragma once
// The text that becomes a mail: the chosen file's content and the header
// words that must travel as RFC 2047 encoded words.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace mailtext {

// ".rtf" in any letter case.
bool isRichFile(const QString& path);

// The text a file gives as a mail body, in UTF-8: an RTF file its plain text,
// any other file its text (UTF-8, else the Windows Western code page). A
// missing, unreadable or non-regular file, or one over 64 MB:
// AppError "Cannot open file %s".
QByteArray loadBody(const QString& path, bool rich);

// True when the bytes are text that a text part carries unchanged: no NUL
// and no control character but tab, line feed, form feed and carriage
// return, and valid UTF-8 or else Windows Western with no undefined byte.
// rich: an RTF document besides ("{\rtf" first).
bool isText(const QByteArray& bytes, bool rich);
// loadBody() for a file that is text of its kind; nothing for any other
// (a picture, an archive, a file with a wrong extension), which as a body
// would arrive destroyed.
std::optional<QByteArray> loadTextBody(const QString& path, bool rich);

bool isAscii(const QString& text);
bool isAscii(const QByteArray& bytes);
// The text itself when it is ASCII, else UTF-8 base64 encoded words of at
// most 75 characters separated by blanks, never
// splitting a character.
QString headerWords(const QString& text);

// The Date header's value for this moment: "Thu, 10 Dec 2026 04:11:29 +0100".
QString dateNow();
// A fresh Message-ID, "<unique@domain>", the domain taken from the sender's
// address (this machine's name when it has none).
QString newMessageId(const QString& fromAddress);

} // namespace mailtext
