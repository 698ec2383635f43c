#include "strip/PictureFetch.h"

#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "core/Error.h"

QList<PictureFetch::Request> PictureFetch::wanted(ControlFile& file, int first, int last) {
    QList<Request> requests;
    for (int n = first; n <= last; ++n) {
        const ControlFile::Value target =
            file.read(QStringLiteral("BUTTON"), QString::number(n), 256);
        if (!target.nonEmpty() || buttonslots::isExecutable(target.text))
            continue;
        const ControlFile::Value icon = file.read(QStringLiteral("ICON"), QString::number(n), 256);
        if (icon.nonEmpty())
            requests.append(Request{n, icon.text});
    }
    return requests;
}

void PictureFetch::fetch(const QList<Request>& requests, const std::function<bool()>& stop) {
    for (const Request& r : requests) {
        if (stop && stop())
            return;
        Picture picture;
        try {
            picture = Picture::loadDeferred(r.path);
        } catch (const AppError&) {
            picture = Picture();
        }
        pictures_.insert(r.button, {r.path, picture});
    }
}

std::optional<Picture> PictureFetch::take(int n, const QString& path) {
    const auto it = pictures_.find(n);
    if (it == pictures_.end() || it->first != path)
        return std::nullopt;
    Picture picture = it->second;
    pictures_.erase(it);
    return picture;
}
