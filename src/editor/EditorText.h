#pragma once
#include <QByteArray>
#include <QString>

// The editor shows a file as lines joined by "\n" and writes each line back
// followed by CR LF, so a file written by the program comes back byte for
// byte. A file ends with a line end or not; an editor text ending in "\n"
// writes no extra empty line.
namespace editortext {

// UTF-8 when the bytes are valid UTF-8, else Latin-1 (an old file written by
// hand), so that no byte turns into a replacement character. Every line end
// (CR LF, LF or CR) becomes "\n".
QString fromFile(const QByteArray& bytes);
// UTF-8, each line ended by CR LF.
QByteArray toFile(const QString& text);

} // namespace editortext
