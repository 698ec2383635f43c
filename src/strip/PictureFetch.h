#pragma once
#include "graphics/Picture.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class ControlFile;

// The button pictures of one loader thread, read and decoded on that
// thread, so that the main thread only puts them on their buttons: a slow
// disk or a large picture never stalls the strip. The desktop entries the
// buttons name are read there too, into the cache their hints come from.
class PictureFetch {
public:
    struct Request {
        int button = 0;
        QString path;
        bool entry = false; // a desktop entry, not a picture
    };
    // On the main thread: the pictures and entries that buttons first..last
    // name, by the same reads and tests as the loading itself.
    static QList<Request> wanted(ControlFile& file, int first, int last);

    // On the loader thread; stops early once `stop` says so. A picture that
    // cannot be read is kept as an empty one: it costs only its own button.
    void fetch(const QList<Request>& requests, const std::function<bool()>& stop);

    // On the main thread: button n's picture if it was fetched from `path`.
    std::optional<Picture> take(int n, const QString& path);

private:
    QHash<int, std::pair<QString, Picture>> pictures_;
};
