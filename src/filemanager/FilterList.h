#pragma once
#include <QList>
#include <QString>

// The filter list: display names and masks alternating, joined by "|"
// ("Text Files (*.txt)|*.txt|Bat Files (*.bat)|*.bat").
namespace filterlist {

struct Filter {
    QString name;
    QString mask;
};

// The list the file manager starts with.
QString designList();
// Name, mask, name, mask ...; a trailing name without a mask is dropped.
QList<Filter> parse(const QString& list);
// The list with one more "name|mask" text appended.
QString append(const QString& list, const QString& entry);

} // namespace filterlist
