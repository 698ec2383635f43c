#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>

class ControlFile;

// The facts the file-properties window shows about a button's target.
namespace fileproperties {

// BUTTON n as the window reads it: the entry when it is a set value
// (longer than 2 characters), otherwise empty.
QString buttonTarget(const ControlFile& file, int button);

// The lines for a path on button n: an empty line, the heading, the path,
// the button, then the length in bytes, the last-write date in the locale's
// short format and the first attribute that holds of hidden, read-only and
// system (or an empty line). Where a line cannot be given its value, the
// line says why in plain words: a folder or a special file has no length, an
// unreadable file an unknown one; an empty button, a web address, a missing
// file or a relative path end the lines with one sentence saying so.
QStringList describeFile(const QString& path, int button,
                         const QLocale& locale = QLocale::system());

} // namespace fileproperties
