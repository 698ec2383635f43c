#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringDecoder>
#include <memory>

namespace rtf {

// Text bytes of an RTF file are in the Windows code page of their font or of
// the document; this turns them into Unicode. A code page the platform cannot
// decode is read as the Western one (1252), so no byte is ever lost.
class CodePages {
public:
    QString decode(const QByteArray& bytes, int codePage);

    // The code page of a font table \fcharsetN; 0 for "the document's".
    static int forCharset(int charset);
    // A file that is not RTF: UTF-8 when it is valid UTF-8, else code page 1252.
    static QString decodeTextFile(const QByteArray& bytes);
    // The same text in UTF-8. Valid UTF-8 comes back as it is, without a
    // copy, so a large file need not make a round trip through UTF-16.
    static QByteArray textFileAsUtf8(const QByteArray& bytes);

private:
    QHash<int, std::shared_ptr<QStringDecoder>> decoders_;
};

} // namespace rtf
