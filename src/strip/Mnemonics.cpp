#include "strip/Mnemonics.h"

#include <QSet>

namespace mnemonics {

namespace {

// The index of the character after the text's own single '&', or -1.
qsizetype markedAt(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return i + 1;
        ++i; // "&&" is a literal '&'
    }
    return -1;
}

bool keyable(QChar c) {
    return c.isLetterOrNumber();
}

// Where to put the mark: the first free word start, else the first free
// letter or digit; -1 if none is free. Literal "&&" pairs are stepped over.
qsizetype choose(const QString& text, const QSet<QChar>& taken) {
    qsizetype inner = -1;
    bool wordStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&' && i + 1 < text.size() && text[i + 1] == u'&') {
            ++i;
            wordStart = false;
            continue;
        }
        if (keyable(c) && !taken.contains(c.toLower())) {
            if (wordStart)
                return i;
            if (inner < 0)
                inner = i;
        }
        wordStart = !keyable(c);
    }
    return inner;
}

} // namespace

QStringList assign(const QStringList& texts) {
    QSet<QChar> taken;
    for (const QString& text : texts)
        if (const qsizetype at = markedAt(text); at >= 0)
            taken.insert(text[at].toLower());
    QStringList out;
    out.reserve(texts.size());
    for (QString text : texts) {
        if (markedAt(text) < 0) {
            if (const qsizetype at = choose(text, taken); at >= 0) {
                taken.insert(text[at].toLower());
                text.insert(at, u'&');
            }
        }
        out << text;
    }
    return out;
}

} // namespace mnemonics
