#pragma once
#include <QString>

// The names Save All gives the icons of a file.
namespace iconfilenames {

// The file name part of a path: the text after its last "/".
QString fileNamePart(const QString& path);
// The file name without its last extension ("shell32.dll" -> "shell32",
// "tool.ocx.bak" -> "tool.ocx", "firefox.desktop" -> "firefox"). A name
// without a dot, or whose only dot leads it (".hidden"), is used whole.
QString stem(const QString& path);
// folder/stem_0i.ICO below 10, folder/stem_i.ICO from 10 on.
QString iconFilePath(const QString& folder, const QString& stem, int index);

} // namespace iconfilenames
