#pragma once
#include "graphics/Picture.h"

#include <QString>

// A button picture named by an icon that neither the desktop's theme, the
// themes it inherits nor hicolor hold ("folder" under a desktop whose theme
// lacks it) is shown as the starter picture of its target's kind from the
// program's Icons folder, never as an empty button.
class KindPicture {
public:
    explicit KindPicture(QString iconsDir = QString()) : iconsDir_(std::move(iconsDir)) {}

    // The starter picture for a target, told by its name alone (the file
    // system is not asked on the user-interface thread): "mail", "globe" (any
    // other address), "folder" (a path ending in "/" or without an
    // extension), "terminal" (a program or script), "photo", "music", else
    // "document".
    static QString kindOf(const QString& target);

    // Picture source for a button holding target: as Picture::loadDeferred,
    // except that a theme name the theme lacks gives the kind's picture
    // (empty when the Icons folder lacks that too).
    Picture load(const QString& source, const QString& target) const;

private:
    QString iconsDir_;
};
