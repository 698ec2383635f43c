#pragma once
#include <QString>
#include <QWidget>
#include <functional>

class QMenu;
class QToolBar;
class QToolButton;

// Pieces both icon tool windows build the same way.
namespace icontoolparts {

// A tool-bar button with its object name, hint and hand cursor, added to the bar.
QToolButton* addButton(QToolBar* bar, const QString& name, const QString& caption,
                       const QIcon& icon, const QString& hint);
// A menu item with its object name and hint.
QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QString& hint);

// A title picture: words in large black condensed lettering on a transparent
// ground.
class TitleArt : public QWidget {
public:
    TitleArt(const QString& words, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString words_;
};

} // namespace icontoolparts
