#pragma once
#include "strip/FindSession.h"

#include <QFrame>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;

// The found buttons under the strip: the query on top, one row per button
// ("Button N, table T: hint"), the picked row current. It never takes the
// focus or the activation from the strip, which keeps the keyboard, and it
// bypasses the window manager so it sits exactly under the strip.
class FindList : public QFrame, public FindListView {
    Q_OBJECT
public:
    explicit FindList(QWidget* strip);

    void showFound(const QString& query, const QList<FoundButton>& found, int picked) override;
    void hideFound() override;
    // Under the strip again after it moved, while shown.
    void follow();

    QLabel* queryLabel() const { return query_; }
signals:
    // A row clicked: the pointer's way to launch it.
    void rowClicked(int row);

public:
    QListWidget* rows() const { return rows_; }

private:
    QWidget* strip_;
    QLabel* query_;
    QListWidget* rows_;
};

// The find list made at the first query, not with the strip: most starts
// never type one, and the strip shows sooner without it.
class LazyFindList : public FindListView {
public:
    // made wires a list once it exists.
    LazyFindList(QWidget* strip, std::function<void(FindList&)> made)
        : strip_(strip), made_(std::move(made)) {}

    void showFound(const QString& query, const QList<FoundButton>& found, int picked) override {
        list().showFound(query, found, picked);
    }
    void hideFound() override {
        if (list_)
            list_->hideFound();
    }
    void follow() {
        if (list_)
            list_->follow();
    }
    FindList& list();

private:
    QWidget* strip_;
    std::function<void(FindList&)> made_;
    std::unique_ptr<FindList> list_; // a window of its own, not a child
};
