#include "filemanager/FilterList.h"

#include <QStringList>

namespace filterlist {

QString designList() {
    return QStringLiteral("All files (*.*)|*.*|Text Files (*.txt)|*.txt|Rich Edit Files "
                          "(*.rtf)|*.rtf|Exe Files (*.exe)|*.exe|Com Files (*.com)|*.com|Bat "
                          "Files (*.bat)|*.bat|Doc Files (*.doc)|*.doc");
}

QList<Filter> parse(const QString& list) {
    QList<Filter> out;
    if (list.isEmpty())
        return out;
    const QStringList parts = list.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out.append({parts[i], parts[i + 1]});
    return out;
}

QString append(const QString& list, const QString& entry) {
    return list + u'|' + entry;
}

} // namespace filterlist
