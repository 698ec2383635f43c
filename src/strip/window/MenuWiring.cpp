#include "strip/window/MenuWiring.h"

#include "context/ToolWindows.h"
#include "strip/OptionsMenu.h"
#include "strip/SlotOperations.h"
#include "strip/StripMenus.h"
#include "strip/TableSwitcher.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>

namespace menuwiring {

namespace {

void wire(QWidget* strip, Prompts& prompts, QAction* item, std::function<void()> body) {
    if (item)
        QObject::connect(item, &QAction::triggered, strip,
                         actionguard::guarded(prompts, strip, std::move(body)));
}

// The items that only reach a tool window, in menu order.
struct ToolItem {
    QAction* StripMenus::*item;
    void (ToolWindows::*show)();
};
const ToolItem kToolItems[] = {
    {&StripMenus::email, &ToolWindows::showEmail},
    {&StripMenus::extractIcons, &ToolWindows::showIconExtractor},
    {&StripMenus::convertIcons, &ToolWindows::showIconConverter},
    {&StripMenus::filesFolders, &ToolWindows::showFileManager},
    {&StripMenus::viewPictures, &ToolWindows::showPictureViewer},
    {&StripMenus::reminderStart, &ToolWindows::startReminder},
    {&StripMenus::reminderStop, &ToolWindows::stopReminder},
    {&StripMenus::editControlFile, &ToolWindows::showEditor},
    {&StripMenus::hint, &ToolWindows::toggleHintStrip},
    {&StripMenus::about, &ToolWindows::showAbout},
    {&StripMenus::extensiveHelp, &ToolWindows::showExtensiveHelp},
    {&StripMenus::bugReport, &ToolWindows::reportBug},
};

} // namespace

void slotItems(QWidget* strip, Prompts& prompts, StripMenus& menus, SlotOperations& operations) {
    wire(strip, prompts, menus.open, [&operations] { operations.chooseTarget(); });
    wire(strip, prompts, menus.cut, [&operations] { operations.cutButton(); });
    wire(strip, prompts, menus.paste, [&operations] { operations.pasteButton(); });
    wire(strip, prompts, menus.remove, [&operations] { operations.deleteButton(); });
}

void tableItems(QWidget* strip, Prompts& prompts, StripMenus& menus, TableSwitcher& switcher) {
    for (int n = 1; n <= 30; ++n)
        wire(strip, prompts, menus.tableA[n], [&switcher, n] { switcher.showTable(n); });

    auto* level1 = new QActionGroup(strip);
    auto* level2 = new QActionGroup(strip);
    for (auto* g : {level1, level2})
        g->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int n = 1; n <= 30; ++n) {
        QAction* b = menus.tableB[n];
        if (!b)
            continue;
        b->setCheckable(true);
        if (n <= 10)
            level1->addAction(b);
        else if (n <= 20)
            level2->addAction(b);
        QObject::connect(
            b, &QAction::triggered, strip, [strip, &prompts, &switcher, b, n](bool checked) {
                if (n > 20)
                    b->setChecked(!checked); // undo the toggle Qt made
                actionguard::run(prompts, strip, [&switcher, n] { switcher.chooseStartTable(n); });
            });
    }
}

void optionItems(QWidget* strip, Prompts& prompts, StripMenus& m, OptionsMenu& options,
                 std::function<ToolWindows*()> tools) {
    for (int t = 1; t <= 30; ++t)
        wire(strip, prompts, m.renameTable[t], [&options, t] { options.renameTable(t); });
    const std::pair<QAction*, void (OptionsMenu::*)()> items[] = {
        {m.defaultTableNames, &OptionsMenu::resetTableNames},
        {m.buttonColor, &OptionsMenu::chooseButtonColour},
        {m.buttonDefaultColor, &OptionsMenu::resetButtonColour},
        {m.tableColor, &OptionsMenu::chooseTableColour},
        {m.tableDefaultColor, &OptionsMenu::resetTableColour},
        {m.programColor, &OptionsMenu::chooseProgramColour},
        {m.programDefaultColor, &OptionsMenu::resetProgramColour},
        {m.stayOnTop, &OptionsMenu::stayOnTop},
        {m.normal, &OptionsMenu::stayNormal},
        {m.closeOnLaunch, &OptionsMenu::closeOnLaunch},
        {m.hideOnLaunch, &OptionsMenu::hideOnLaunch},
    };
    for (const auto& [item, handler] : items)
        wire(strip, prompts, item, [&options, handler] { (options.*handler)(); });
    if (QAction* autostartItem = m.startWithDesktop) {
        autostartItem->setChecked(options.startsWithDesktop());
        QObject::connect(autostartItem, &QAction::triggered, strip,
                         [strip, &prompts, &options, autostartItem](bool on) {
                             actionguard::run(prompts, strip, [&] {
                                 autostartItem->setChecked(options.setStartWithDesktop(on));
                             });
                         });
    }
    for (const ToolItem& t : kToolItems) {
        const auto show = t.show;
        wire(strip, prompts, m.*(t.item), [tools, show] {
            if (ToolWindows* w = tools ? tools() : nullptr)
                (w->*show)();
        });
    }
    for (int i = 1; i < int(m.helpMessage.size()); ++i)
        wire(strip, prompts, m.helpMessage[i], [tools, i] {
            if (ToolWindows* w = tools ? tools() : nullptr)
                w->showHelpMessage(i);
        });

    // The two style items are a radio pair: the one chosen takes the mark.
    if (m.stayOnTop && m.normal) {
        m.stayOnTop->setCheckable(true);
        m.normal->setCheckable(true);
        if (!m.stayOnTop->actionGroup() || m.stayOnTop->actionGroup() != m.normal->actionGroup()) {
            auto* group = new QActionGroup(strip);
            group->setExclusive(true);
            group->addAction(m.stayOnTop);
            group->addAction(m.normal);
        }
    }
}

} // namespace menuwiring
