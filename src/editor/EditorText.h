#pragma once
#include <QByteArray>
#include <QString>

// The editor shows a file as lines joined by "\n" and writes each line back
// followed by CR LF. File names on Linux are bytes, so a control file may
// hold bytes that are no UTF-8 at all: each such byte is shown as a lone
// surrogate (U+DC00 + the byte) and written back as that byte, so the text
// of any file turns back into the same bytes. A NUL and the characters the
// text widget would turn into line breaks are kept the same way.
namespace editortext {

// Every line end (CR LF, LF or CR) becomes "\n".
QString fromFile(const QByteArray& bytes);
// UTF-8 and the kept bytes, each line ended by CR LF; an editor text ending
// in "\n" writes no extra empty line.
QByteArray toFile(const QString& text);

// A file as it was loaded into the editor, so that saving what the user
// did not change writes the very bytes that were read: the whole file when
// nothing changed; else every line equal to a line of the file keeps that
// line's own end (LF, CR or none at the very end of the file), while new
// and changed lines end in CR LF.
class LoadedFile {
public:
    LoadedFile() = default;
    explicit LoadedFile(QByteArray bytes);

    const QString& text() const { return text_; }
    QByteArray toFile(const QString& edited) const;

private:
    QByteArray bytes_;
    QString text_;
};

} // namespace editortext
