#pragma once
// The one RTF reader of the program: parse() turns RTF bytes into a Document
// (the text a word processor shows, with its character formats and paragraph
// alignments); the outputs below turn a Document into plain text or into a
// QTextDocument. The lexical layer is rtf/Tokenizer.h.
#include <QByteArray>
#include <QColor>
#include <QString>
#include <Qt>
#include <vector>

class QTextDocument;

namespace rtf {

struct Format {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 24; // font size in half points (\fsN); 24 is 12 pt
    QColor color;        // text colour; invalid: the default
    QColor background;   // highlight; invalid: none
    QString family;      // font family from the font table; empty: the default
    bool operator==(const Format&) const = default;
};

// A format applies from its start offset in Document::text up to the next span.
struct Span {
    qsizetype start = 0;
    Format format;
};

struct Document {
    // Paragraphs separated by '\n'; a line break inside a paragraph (\line) is
    // QChar::LineSeparator; tabs are '\t'.
    QString text;
    std::vector<Span> spans;               // ordered by start; the first starts at 0
    std::vector<Qt::Alignment> alignments; // one per paragraph of text
    bool wasRtf = false; // false: the bytes did not start with "{\rtf" and were taken as text
};

// Never fails: broken or hostile RTF gives what can be read of it. Bytes that
// are not RTF at all are taken as plain text (UTF-8 when valid, else the
// Windows Western code page), as a word processor opens a text file.
Document parse(const QByteArray& bytes);

// The text a user sees, paragraphs and line breaks as '\n'.
QString toPlainText(const Document& document);

// Replaces the content of `target` with the document's paragraphs, keeping
// bold, italic, underline, strike-out, sizes, colours, fonts and alignment.
void toTextDocument(const Document& document, QTextDocument& target);

} // namespace rtf
