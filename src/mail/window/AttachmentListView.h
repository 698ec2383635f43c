#pragma once
#include <QStringList>
#include <QWidget>
#include <functional>

class AttachmentList;
class QPushButton;
class QTreeWidget;

// The send page's list of files that go with the mail: name and size of
// each, Add… and Remove, and files dropped onto the list. It shows an
// AttachmentList and hands every request to the actions it was bound to.
class AttachmentListView : public QWidget {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> add;
        std::function<void(int row)> remove;
        std::function<void(const QStringList& paths)> drop;
    };

    explicit AttachmentListView(QWidget* parent);
    void bind(const AttachmentList& list, Actions actions);

    QTreeWidget* list;
    QPushButton* add;
    QPushButton* remove;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void removeCurrent();

    const AttachmentList* shown_ = nullptr;
    Actions actions_;
};
