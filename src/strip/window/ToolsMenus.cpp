#include "strip/window/ToolsMenus.h"

#include "core/Opener.h"
#include "platform/ToolCandidates.h"
#include "strip/window/MenuMnemonics.h"
#include "strip/window/StripControls.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QWidget>

namespace {

const char* const kCloseCaption = "Close Menu";
const char* const kCloseHint = "Close this Menu";

} // namespace

const std::vector<ToolsMenus::Item>& ToolsMenus::tableMenuItems() {
    static const std::vector<Item> items{
        {"Explorer1", "Explorer", "Windows Explorer"},
        {"Calculator1", "Calculator", "Windows Calculator"},
        {"CharMap1", "CharMap", "Windows CharMap"},
        {"ClipBoard1", "ClipBoard", "Windows ClipBoard Viewer"},
        {"CommandCom1", "Command Com", "Windows Command Promt"},
        {"MsPaint1", "MsPaint", "Windows MsPaint"},
        {"Narrator1", "Narrator", "Windows Narrator"},
        {"NotePad1", "NotePad", "Windows NotePad"},
        {"KeyPad1", "Key Pad", "Windows Desktop Key Pad"},
        {"RegisterEdit1", "Register Edit", "Windows Register Editor"},
        {"SoundRecorder1", "Sound Recorder", "Windows Sound Recorder"},
        {"SoundVolume1", "Sound Volume", "Windows Sound Volume"},
        {"SystemEdit1", "System Edit", "Windows System Edit 16"},
        {"Write1", "Write", "Windows Write"},
    };
    return items;
}

const std::vector<ToolsMenus::Item>& ToolsMenus::servicesMenuItems() {
    static const std::vector<Item> items{
        {"Certificates1", "Certificates", "Windows Certificates"},
        {"Indexing1", "Indexing Service", "Indexing Service"},
        {"ComManagment1", "Computer Managment", "Computer Management"},
        {"DeviceManager1", "Device Manager", "Computer Device Manager"},
        {"DiskDefragmenter1", "Disk Defragmenter", "Windows Disk Defragmenter"},
        {"DiskManagement1", "Disk Management", "Windows Disk Management"},
        {"EventViewer1", "Event Viewer", "Windows Event Viewer"},
        {"SharedFolders1", "Shared Folders", "Windows Shared Folders"},
        {"LocalUsers1", "Local Users", "Windows Local Users"},
        {"RemovableStorage1", "Removable Storage", "Windows Removable Storage"},
        {"RSOperatorRequest1", "RS Operator Request", "Removable Storage Operator Request"},
        {"Performance1", "Performance", "Windows Performance"},
        {"Services1", "Services", "Windows Services"},
        {"Management1", "Management", "Windows Management Infrastracture (WMI)"},
        {"ComponetServices1", "Componet Services", "Windows Componet Services"},
    };
    return items;
}

ToolsMenus::ToolsMenus(StripControls& view, Prompts& prompts, Opener& opener,
                       const QString& candidatesRoot, QObject* parent)
    : QObject(parent), view_(view), strip_(view.stripWindow()), prompts_(prompts), opener_(opener),
      candidates_(std::make_unique<ToolCandidates>(candidatesRoot)) {
    tableMenu_ = buildMenu("PopupMenu3", tableMenuItems(), "CloseMenu4");
    servicesMenu_ = buildMenu("PopupMenu4", servicesMenuItems(), "CloseMenu3");
}

ToolsMenus::~ToolsMenus() = default;

QMenu* ToolsMenus::buildMenu(const char* name, const std::vector<Item>& items,
                             const char* closeName) {
    auto* menu = new QMenu(strip_);
    menu->setObjectName(QString::fromLatin1(name));
    for (const Item& item : items) {
        auto* action = new QAction(QString::fromLatin1(item.caption), menu);
        action->setObjectName(QString::fromLatin1(item.name));
        // Menu hints go to the status bars through the hint routing.
        hints::set(action, QString::fromLatin1(item.hint));
        const QString itemName = action->objectName();
        connect(action, &QAction::triggered, this, [this, itemName] { toolItemClick(itemName); });
        menu->addAction(action);
    }
    menu->addSeparator();
    auto* close = new QAction(QString::fromLatin1(kCloseCaption), menu);
    close->setObjectName(QString::fromLatin1(closeName));
    hints::set(close, QString::fromLatin1(kCloseHint));
    QFont bold = close->font();
    bold.setBold(true);
    close->setFont(bold);
    menu->addAction(close);
    // Choosing it only closes the menu, which every item does anyway.
    menu->setDefaultAction(close);
    menumnemonics::apply(menu);
    return menu;
}

void ToolsMenus::attach() {
    for (int t = 1; t <= 30; ++t)
        attachMenu(view_.table(t), tableMenu_);
    attachMenu(view_.imageExit(), servicesMenu_);
}

void ToolsMenus::attachMenu(QWidget* control, QMenu* menu) {
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, menu,
            [control, menu](const QPoint& pos) { menu->popup(control->mapToGlobal(pos)); });
}

void ToolsMenus::toolItemClick(const QString& itemName) {
    actionguard::run(prompts_, strip_, [&] {
        const QString path = candidates_->firstExisting(itemName);
        if (!path.isEmpty())
            opener_.open(strip_, path);
    });
}
