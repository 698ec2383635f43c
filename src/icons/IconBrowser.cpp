#include "icons/IconBrowser.h"

#include "platform/IconReader.h"

#include <algorithm>

void IconBrowser::load(const QString& path) {
    setCount(iconreader::iconCount(path));
}

void IconBrowser::setCount(int count) {
    count_ = std::max(count, 0);
    if (count_ > 0)
        maximum_ = count_ - 1;
    position_ = std::clamp(position_, 0, maximum_);
}

bool IconBrowser::setPosition(int position) {
    const int p = std::clamp(position, 0, maximum_);
    if (p == position_)
        return false;
    position_ = p;
    return true;
}

std::optional<QImage> IconBrowser::current(const QString& path) const {
    return iconreader::icon(path, position_);
}
