#include "strip/window/TargetMenuItems.h"

#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "core/ButtonSlotSettings.h"
#include "platform/DesktopApps.h"
#include "strip/ButtonLauncher.h"
#include "strip/LaunchOptions.h"
#include "strip/Selection.h"
#include "strip/StripMenus.h"
#include "strip/StripView.h"
#include "strip/window/LaunchOptionsWindow.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>

TargetMenuItems::TargetMenuItems(QMenu* menu, const StripMenus& items, Parts parts)
    : QObject(menu), menu_(menu), open_(items.open), options_(items.launchOptions), parts_(parts) {
    connect(menu_, &QMenu::aboutToShow, this,
            actionguard::guarded(parts_.prompts, parts_.strip, [this] { refresh(); }));
    connect(items.fileProperties, &QAction::triggered, this,
            actionguard::guarded(parts_.prompts, parts_.strip, [this] {
                if (ToolWindows* tools = parts_.tools())
                    tools->showFileProperties(parts_.selection.button());
            }));
    connect(options_, &QAction::triggered, this,
            actionguard::guarded(parts_.prompts, parts_.strip, [this] { editOptions(); }));
}

void TargetMenuItems::refresh() {
    qDeleteAll(std::exchange(actions_, {}));
    const int n = parts_.selection.button();
    const ControlFile::Value target =
        parts_.selection.has() ? ButtonSlotSettings(parts_.file).target(n) : ControlFile::Value{};
    options_->setVisible(target.isSet() && launchoptions::applies(target.text));
    if (!target.isSet() || !target.text.startsWith(u'/') || !desktopapps::isEntryPath(target.text))
        return;
    const auto entry = desktopapps::read(target.text);
    if (!entry || !entry->missingProgram.isEmpty())
        return;
    // Inserted before the item that follows Open, in the entry's order.
    const QList<QAction*> all = menu_->actions();
    const qsizetype at = all.indexOf(open_) + 1;
    QAction* before = at > 0 && at < all.size() ? all[at] : nullptr;
    for (const desktopapps::EntryAction& a : entry->actions.mid(0, MaxActions)) {
        auto* item = new QAction(QString(a.name).replace(u'&', QLatin1String("&&")), menu_);
        item->setObjectName(QStringLiteral("EntryAction%1").arg(actions_.size() + 1));
        if (!a.icon.isEmpty())
            item->setIcon(QFileInfo(a.icon).isAbsolute() ? QIcon(a.icon)
                                                         : QIcon::fromTheme(a.icon));
        const QString id = a.id;
        connect(item, &QAction::triggered, this,
                actionguard::guarded(parts_.prompts, parts_.strip,
                                     [this, n, id] { parts_.launcher.launch(n, id); }));
        menu_->insertAction(before, item);
        actions_.append(item);
    }
}

void TargetMenuItems::editOptions() {
    const int n = parts_.selection.button();
    if (!parts_.selection.has())
        return;
    const ControlFile::Value target = ButtonSlotSettings(parts_.file).target(n);
    if (!target.isSet())
        return;
    const QString path = target.text;
    LaunchOptionsWindow window(
        path, LaunchOptionsSettings(parts_.file).read(n, path), parts_.prompts,
        [this, n, path](const LaunchOptions& options) {
            return launchoptions::keep(parts_.file, parts_.view, n, path, options);
        },
        parts_.strip);
    parts_.prompts.modal(parts_.strip, window);
}
