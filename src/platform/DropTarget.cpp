#include "platform/DropTarget.h"

#include <QMimeData>
#include <QUrl>

namespace droptarget {
namespace {
const QString uriList = QStringLiteral("text/uri-list");
}

bool accepts(const QMimeData* data) {
    return data && data->hasFormat(uriList);
}

std::optional<Qt::DropAction> actionFor(Qt::DropActions offered) {
    if (offered.testFlag(Qt::CopyAction))
        return Qt::CopyAction;
    if (offered.testFlag(Qt::LinkAction))
        return Qt::LinkAction;
    return std::nullopt;
}

std::optional<QString> firstItem(const QMimeData* data) {
    if (!accepts(data))
        return std::nullopt;
    // Lines end in CR LF; lines starting with '#' are comments.
    const QString text = QString::fromUtf8(data->data(uriList));
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QUrl url(line);
        QString item = url.isLocalFile() ? url.toLocalFile() : line;
        if (item.isEmpty())
            return std::nullopt;
        return item.left(maxLength);
    }
    return std::nullopt;
}

} // namespace droptarget
