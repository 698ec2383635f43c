#pragma once
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <functional>

class QAction;
class QLineEdit;
class QMenu;
class QWidget;

// The edit menu of the editable fields (PopupMenu3). It acts on the field
// last clicked or changed, not on the one right-clicked, and keeps one undo
// mark per field, set by Cut, Paste, Delete and Select All.
class EditMenu : public QObject {
public:
    EditMenu(QWidget* owner, const QList<QLineEdit*>& fields);

    // Each showing of the window: no current edit, no undo marks.
    void clear();
    QLineEdit* current() const { return current_; }
    bool undoMark(QLineEdit* field) const { return marks_.contains(field); }
    QMenu* menu() const { return menu_; }
    // Sets the items' enabling for the current edit, as the menu does when it opens.
    void update();
    QAction* item(const char* name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void act(const std::function<void(QLineEdit*)>& op, bool marks);

    QList<QLineEdit*> fields_;
    QLineEdit* current_ = nullptr;
    QSet<QLineEdit*> marks_;
    QHash<QString, QAction*> items_;
    QMenu* menu_;
};
