#include "strip/window/StripStartup.h"

#include "context/AppContext.h"
#include "context/ToolWindows.h"
#include "core/ButtonSlots.h"
#include "strip/Placement.h"
#include "strip/Selection.h"
#include "strip/ShownSettings.h"
#include "strip/StartupSettings.h"
#include "strip/StripMenus.h"
#include "strip/TableLoader.h"
#include "strip/TableSwitcher.h"
#include "strip/window/ButtonMenu.h"
#include "strip/window/MenuWiring.h"
#include "strip/window/StripAssembly.h"
#include "strip/window/StripControls.h"
#include "strip/window/TablesMenu.h"
#include "strip/window/TargetMenuItems.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

StripStartup::StripStartup(StripControls& controls, AppContext& context, StripAssembly& parts,
                           Selection& selection, StripMenus& menus)
    : controls_(controls), context_(context), parts_(parts), selection_(selection), menus_(menus) {}

void StripStartup::run() {
    QWidget* strip = controls_.stripWindow();
    Prompts& prompts = *context_.prompts;
    parts_.placement().confirmFirstPlace();
    actionguard::run(prompts, strip, [this] { helpAtShow_ = writeFirstRunFile(context_); });
    actionguard::run(prompts, strip, [this] {
        parts_.switcher().applyStartTable();
        controls_.table(parts_.switcher().shownTable());
    });
    strip->setAcceptDrops(true);
    parts_.watchSight();
    // The strip shows first: loading its pictures, the tables not shown and
    // the first start's help follow once it is on screen.
    // The menus and the other tables once the pictures are in; any of them
    // asked for sooner is made then.
    QObject::connect(
        &parts_.loader(), &TableLoader::allLoaded, strip,
        [this, strip] {
            actionguard::run(*context_.prompts, strip, [this] { makeMenus(); });
            makeNextTableLater();
        },
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    QTimer::singleShot(0, strip, [this, strip] {
        parts_.loader().start();
        if (helpAtShow_ && context_.tools)
            actionguard::run(*context_.prompts, strip,
                             [this] { context_.tools->showExtensiveHelp(); });
    });
}

void StripStartup::makeNextTableLater() {
    QWidget* strip = controls_.stripWindow();
    QTimer::singleShot(0, strip, [this, strip] {
        for (int t = 1; t <= buttonslots::TableCount; ++t) {
            if (controls_.tableMade(t))
                continue;
            actionguard::run(*context_.prompts, strip, [&] { controls_.table(t); });
            makeNextTableLater();
            return;
        }
    });
}

void StripStartup::makeMenus() {
    if (buttonMenu_)
        return;
    QWidget* strip = controls_.stripWindow();
    Prompts& prompts = *context_.prompts;
    tablesMenu_ = buildTablesMenu(strip, menus_.tableA);
    buttonMenu_ = buttonmenu::build(strip, menus_, &optionsMenu_);
    menuwiring::tableItems(strip, prompts, menus_, parts_.switcher());
    menuwiring::slotItems(strip, prompts, menus_, parts_.slotOperations());
    new TargetMenuItems(buttonMenu_, menus_,
                        {*context_.controlFile, selection_, parts_.launcher(), prompts, controls_,
                         strip, [this] { return context_.tools; }});
    menuwiring::optionItems(strip, prompts, menus_, parts_.options(),
                            [this] { return context_.tools; });
    parts_.makeToolsMenus();
    // What the strip's settings and tables set while there were no items.
    parts_.settings().applyMenus();
    parts_.switcher().applyMenus();
}

// Made on demand, like the tables: the menus are the window's children.
QMenu* StripStartup::buttonMenu() {
    makeMenus();
    return buttonMenu_;
}

QMenu* StripStartup::tablesMenu() {
    makeMenus();
    return tablesMenu_;
}

QMenu* StripStartup::optionsMenu() {
    makeMenus();
    return optionsMenu_;
}
