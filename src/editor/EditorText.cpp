#include "editor/EditorText.h"

#include <QStringDecoder>

namespace editortext {

QString fromFile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    QString out;
    out.reserve(text.size());
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    for (; p < end; ++p) {
        if (*p == u'\r') {
            out.append(u'\n');
            if (p + 1 < end && p[1] == u'\n')
                ++p;
        } else {
            out.append(*p);
        }
    }
    return out;
}

QByteArray toFile(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + utf8.count('\n') + 2);
    qsizetype start = 0;
    while (start < utf8.size()) {
        qsizetype nl = utf8.indexOf('\n', start);
        if (nl < 0)
            nl = utf8.size();
        out.append(utf8.constData() + start, nl - start);
        out.append("\r\n", 2);
        start = nl + 1;
    }
    return out;
}

} // namespace editortext
