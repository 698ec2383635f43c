#pragma once
#include <QString>

class QTextDocument;

// The extensive help file: a rich-text or plain-text document, whatever its
// extension says.
namespace helpfile {

// Loads the file into the document, replacing what it held, RTF with its
// formatting and anything else as plain text. A missing file leaves the
// document as it was and returns false. A file that is neither (not a
// regular file, too large, unreadable, or binary) raises AppError "Failed to
// Load Stream" and leaves the document as it was.
bool load(const QString& path, QTextDocument& document);

} // namespace helpfile
