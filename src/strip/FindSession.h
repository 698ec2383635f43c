#pragma once
#include "strip/ButtonFinder.h"

#include <QList>
#include <QString>
#include <Qt>

// The list of found buttons as the find session sees it: shown under the
// strip while a query is open, gone when it closes.
class FindListView {
public:
    virtual ~FindListView() = default;
    // picked is a row of `found`, or -1 when nothing matched.
    virtual void showFound(const QString& query, const QList<FoundButton>& found, int picked) = 0;
    virtual void hideFound() = 0;
};

// Type to find on the focused strip: a letter or digit opens a query,
// further text and Backspace edit it, Up/Down pick a row, Return launches
// the picked button, Escape closes. While no query is open every other key
// is the strip's; while one is open, space is part of the query.
class FindSession {
public:
    struct Answer {
        bool handled = false; // the key was the session's
        int launch = 0;       // a button to launch, 0 for none
    };

    FindSession(ButtonFinder& finder, FindListView& view) : finder_(finder), view_(view) {}

    Answer key(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    bool isOpen() const { return !query_.isEmpty(); }
    const QString& query() const { return query_; }
    // A row chosen by pointer: its button (0 for no such row); the query closes.
    int choose(int row);
    // A query brought from outside, as if typed; an empty text closes it.
    void open(const QString& text);
    // Escape, focus loss, a launch: the query and its list go.
    void close();

private:
    void refresh();

    ButtonFinder& finder_;
    FindListView& view_;
    QString query_;
    QList<FoundButton> found_;
    int picked_ = -1;
    bool shown_ = false;
};
