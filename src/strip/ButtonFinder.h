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
// target. Empty buttons never match. The buttons are read as a press reads
// them, once per find session: a hint costs a look at its desktop entry,
// too much for every key typed. A change of the control file (a button
// dropped, cut, or edited elsewhere) has them read again at the next key,
// so the list never offers a stale target.
class ButtonFinder {
public:
    // More rows than a glance takes in; the user types on instead.
    static constexpr int MaxMatches = 12;

    explicit ButtonFinder(ControlFile& file) : file_(file) {}

    // The matches in button order (table 1 first), at most MaxMatches;
    // none for a query without a word.
    QList<FoundButton> find(const QString& query);
    // The session is over: the next find reads the buttons again (a desktop
    // entry may have been renamed meanwhile).
    void forget();
    // How often the buttons were read so far.
    int reads() const { return reads_; }

private:
    void readButtons();

    ControlFile& file_;
    QList<FoundButton> buttons_; // the non-empty ones, in button order
    bool read_ = false;
    quint64 revision_ = 0; // the control file's, when they were read
    int reads_ = 0;
};
