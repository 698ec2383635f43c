#pragma once
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class QMenu;
class QWidget;
class Opener;
class Prompts;
class StripControls;
class ToolCandidates;

// The strip's two system tools menus: the table pop-up menu PopupMenu3 (on
// every table panel) and the services pop-up menu PopupMenu4 (on the door
// icon). Choosing an item starts the first of its candidate programs that is
// installed, or does nothing; the strip stays where it is.
class ToolsMenus : public QObject {
    Q_OBJECT
public:
    struct Item {
        const char* name; // object name; nullptr for a separator
        const char* caption;
        const char* hint;
    };
    static const std::vector<Item>& tableMenuItems();
    static const std::vector<Item>& servicesMenuItems();

    // The menus are children of the strip window, so they live as long as
    // it does. The candidate programs are looked for below candidatesRoot.
    ToolsMenus(StripControls& view, Prompts& prompts, Opener& opener,
               const QString& candidatesRoot = QStringLiteral("/"), QObject* parent = nullptr);
    ~ToolsMenus() override;

    QMenu* tableMenu() const { return tableMenu_; }
    QMenu* servicesMenu() const { return servicesMenu_; }

    // Gives the view's tables the table menu and its door icon the services
    // menu: the tables made so far; a table made later is attached alone.
    void attach();
    void attachTable(int t);
    void attachMenu(QWidget* control, QMenu* menu);

    // What every tool item does (Explorer1Click, Calculator1Click, ...).
    void toolItemClick(const QString& itemName);

private:
    QMenu* buildMenu(const char* name, const std::vector<Item>& items, const char* closeName);

    StripControls& view_;
    QWidget* strip_;
    Prompts& prompts_;
    Opener& opener_;
    std::unique_ptr<ToolCandidates> candidates_;
    QMenu* tableMenu_ = nullptr;
    QMenu* servicesMenu_ = nullptr;
};
