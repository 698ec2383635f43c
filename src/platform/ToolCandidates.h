#pragma once
#include <QString>
#include <QStringList>

// The desktop programs that stand in for the system tools of the strip's two
// tool menus. Each item names up to five programs for the same purpose on the
// common Linux desktops (GNOME, KDE, Xfce, LXQt, plain X11), most specific
// first; the first one installed is the one started.
namespace toolcandidates {

constexpr int MaxPrograms = 5;

// The programs of a menu item (by its object name), in the order tried;
// empty for an item that has no counterpart here.
QStringList programsFor(const QString& itemName);
// Every item that has a list, table menu first.
QStringList itemNames();
// The folders searched for each program, in order, relative to the root.
const QStringList& searchFolders();

} // namespace toolcandidates

// The candidate paths of every item, formed once below a root folder ("/" in
// the program; tests point it at a temporary tree).
class ToolCandidates {
public:
    explicit ToolCandidates(const QString& root = QStringLiteral("/"));

    const QString& root() const { return root_; }
    // Full paths in the order tried: each program in every search folder
    // before the next program.
    QStringList paths(const QString& itemName) const;
    // The first candidate that is an executable file now; empty when none is.
    QString firstExisting(const QString& itemName) const;

    static bool isRunnable(const QString& path);

private:
    QString root_;
};
