// The formatted output, for windows that show RTF as a word processor would.
#include "rtf/Rtf.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace rtf {

namespace {

QTextCharFormat charFormat(const Format& f) {
    QTextCharFormat out;
    out.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(f.italic);
    out.setFontUnderline(f.underline);
    out.setFontStrikeOut(f.strike);
    out.setFontPointSize(f.halfPoints / 2.0);
    if (f.color.isValid())
        out.setForeground(f.color);
    if (f.background.isValid())
        out.setBackground(f.background);
    if (!f.family.isEmpty())
        out.setFontFamilies({f.family});
    return out;
}

} // namespace

void toTextDocument(const Document& document, QTextDocument& target) {
    target.clear();
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    const QString& text = document.text;
    size_t span = 0;
    size_t paragraph = 0;
    QTextCharFormat format = charFormat(Format{});
    auto alignment = [&](size_t i) {
        return i < document.alignments.size() ? document.alignments[i] : Qt::AlignLeft;
    };
    QTextBlockFormat block;
    block.setAlignment(alignment(0));
    cursor.setBlockFormat(block);
    qsizetype pos = 0;
    qsizetype newline = -1;
    while (pos < text.size()) {
        while (span < document.spans.size() && document.spans[span].start <= pos)
            format = charFormat(document.spans[span++].format);
        qsizetype end = span < document.spans.size() ? document.spans[span].start : text.size();
        if (newline < pos) {
            newline = text.indexOf(u'\n', pos);
            if (newline < 0)
                newline = text.size();
        }
        end = qMin(end, newline);
        if (end > pos)
            cursor.insertText(text.mid(pos, end - pos), format);
        pos = end;
        if (pos < text.size() && text[pos] == u'\n') {
            block.setAlignment(alignment(++paragraph));
            cursor.insertBlock(block, format);
            ++pos;
        }
    }
    cursor.endEditBlock();
}

} // namespace rtf
