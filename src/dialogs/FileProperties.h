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

// The seven lines for a path on button n: an empty line, the heading, the
// path, the button, the length in bytes (-1 for anything that is not a
// readable regular file), the last-write date in the locale's short format
// and the first attribute that holds of hidden, read-only and system (or an
// empty line). An empty path (an empty button) gives its number and no path,
// date or attribute. A path with no file date (missing, not an absolute
// path such as a web address) raises AppError "Invalid argument to date
// encode".
QStringList describeFile(const QString& path, int button,
                         const QLocale& locale = QLocale::system());

} // namespace fileproperties
