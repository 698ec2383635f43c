#pragma once
#include <QImage>
#include <QString>
#include <optional>

// The extractor's open file as the track bar sees it: the icon count taken
// when a file is loaded, the bar's range and its position (the current
// index). The path itself is not kept: the window reads it from its path
// field each time, so a typed path is used with the count loaded last.
class IconBrowser {
public:
    // Takes the count of the file. The range becomes 0 .. count - 1, except
    // for a file without icons, which leaves the range as it was; the
    // position stays, moved into the range when it falls outside.
    void load(const QString& path);
    // The same with a count already known.
    void setCount(int count);

    int count() const { return count_; }
    int minimum() const { return 0; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    // What the label under the bar's right end shows: count - 1.
    QString lastText() const { return QString::number(count_ - 1); }

    // Each returns true when the position changed; at an end nothing happens.
    bool setPosition(int position);
    bool next() { return setPosition(position_ + 1); }
    bool previous() { return setPosition(position_ - 1); }
    bool first() { return setPosition(0); }

    // The icon at the position from the file at path.
    std::optional<QImage> current(const QString& path) const;

private:
    int count_ = 0;
    int maximum_ = 0;
    int position_ = 0;
};
