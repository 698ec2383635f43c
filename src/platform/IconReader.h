#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The icons of a file: executables and libraries (PE, NE), .ico files and
// .desktop entries. Never an error: a file without icons, missing or hostile
// gives a count of 0 and no icon.
namespace iconreader {

int iconCount(const QString& path);
// Icon n (0-based) at the large-icon size, or none.
std::optional<QImage> icon(const QString& path, int n);

// The same for bytes already in memory (PE, NE and .ico only).
int iconCountInData(const QByteArray& bytes);
std::optional<QImage> iconInData(const QByteArray& bytes, int n);

} // namespace iconreader
