#pragma once
#include <QList>
#include <QString>

class ControlFile;

// A button found by its hint or target.
struct FoundButton {
    int button = 0; // 1..360
    int table = 0;  // 1..30
    QString hint;   // as the loaded button shows it
    QString target;
    bool operator==(const FoundButton&) const = default;
};

// Finds buttons of all tables by what the user types: every word of the
// query, without regard to case, must occur in the button's hint or
// target. Empty buttons never match. Read from the control file at each
// call, as a press reads it, so the list never offers a stale target.
class ButtonFinder {
public:
    // More rows than a glance takes in; the user types on instead.
    static constexpr int MaxMatches = 12;

    explicit ButtonFinder(ControlFile& file) : file_(file) {}

    // The matches in button order (table 1 first), at most MaxMatches;
    // none for a query without a word.
    QList<FoundButton> find(const QString& query) const;

private:
    ControlFile& file_;
};
