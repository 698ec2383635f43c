#include "strip/PictureFetch.h"

#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "platform/DesktopApps.h"

QList<PictureFetch::Request> PictureFetch::wanted(ControlFile& file, int first, int last) {
    QList<Request> requests;
    const ButtonSlotSettings stored(file);
    for (int n = first; n <= last; ++n) {
        const ControlFile::Value target = stored.target(n);
        if (!target.nonEmpty())
            continue;
        // The hint's name and comment come from the entry (buttontexts::forTarget).
        if (target.text.startsWith(u'/') && desktopapps::isEntryPath(target.text))
            requests.append(Request{n, target.text, true});
        if (buttonslots::isExecutable(target.text))
            continue;
        const ControlFile::Value icon = stored.icon(n);
        if (icon.nonEmpty())
            requests.append(Request{n, icon.text});
    }
    return requests;
}

void PictureFetch::fetch(const QList<Request>& requests, const std::function<bool()>& stop) {
    for (const Request& r : requests) {
        if (stop && stop())
            return;
        if (r.entry) {
            desktopapps::read(r.path);
            continue;
        }
        // The icon theme is the user-interface thread's: the button loads
        // such a picture when it is put on the strip.
        if (Picture::isThemeName(r.path))
            continue;
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
