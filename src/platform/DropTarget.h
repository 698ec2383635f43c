#pragma once
#include <QString>
#include <Qt>
#include <optional>

class QMimeData;

// What a drop from the file manager or a browser hands over: only the first
// item of a text/uri-list, a local file as its path and any other address as
// its text, at most 255 characters. Nothing is kept after the call.
namespace droptarget {

inline constexpr int maxLength = 255;

// True when the data carries a URI list the launcher takes.
bool accepts(const QMimeData* data);
// The action the launcher takes a drop with: a copy, or a link when the
// source offers no copy; never a move, which would let the source remove
// the user's file. None when the source offers neither.
std::optional<Qt::DropAction> actionFor(Qt::DropActions offered);
// The first item, or none when the list has no item.
std::optional<QString> firstItem(const QMimeData* data);

} // namespace droptarget
