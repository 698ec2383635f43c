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

const char* const kCloseCaption = QT_TRANSLATE_NOOP("ToolsMenus", "Close Menu");
const char* const kCloseHint = QT_TRANSLATE_NOOP("ToolsMenus", "Close this Menu");

} // namespace

const std::vector<ToolsMenus::Item>& ToolsMenus::tableMenuItems() {
    static const std::vector<Item> items{
        {"Explorer1", QT_TRANSLATE_NOOP("ToolsMenus", "Explorer"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Explorer")},
        {"Calculator1", QT_TRANSLATE_NOOP("ToolsMenus", "Calculator"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Calculator")},
        {"CharMap1", QT_TRANSLATE_NOOP("ToolsMenus", "CharMap"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows CharMap")},
        {"ClipBoard1", QT_TRANSLATE_NOOP("ToolsMenus", "ClipBoard"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows ClipBoard Viewer")},
        {"CommandCom1", QT_TRANSLATE_NOOP("ToolsMenus", "Command Com"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Command Promt")},
        {"MsPaint1", QT_TRANSLATE_NOOP("ToolsMenus", "MsPaint"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows MsPaint")},
        {"Narrator1", QT_TRANSLATE_NOOP("ToolsMenus", "Narrator"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Narrator")},
        {"NotePad1", QT_TRANSLATE_NOOP("ToolsMenus", "NotePad"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows NotePad")},
        {"KeyPad1", QT_TRANSLATE_NOOP("ToolsMenus", "Key Pad"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Desktop Key Pad")},
        {"RegisterEdit1", QT_TRANSLATE_NOOP("ToolsMenus", "Register Edit"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Register Editor")},
        {"SoundRecorder1", QT_TRANSLATE_NOOP("ToolsMenus", "Sound Recorder"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Sound Recorder")},
        {"SoundVolume1", QT_TRANSLATE_NOOP("ToolsMenus", "Sound Volume"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Sound Volume")},
        {"SystemEdit1", QT_TRANSLATE_NOOP("ToolsMenus", "System Edit"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows System Edit 16")},
        {"Write1", QT_TRANSLATE_NOOP("ToolsMenus", "Write"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Write")},
    };
    return items;
}

const std::vector<ToolsMenus::Item>& ToolsMenus::servicesMenuItems() {
    static const std::vector<Item> items{
        {"Certificates1", QT_TRANSLATE_NOOP("ToolsMenus", "Certificates"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Certificates")},
        {"Indexing1", QT_TRANSLATE_NOOP("ToolsMenus", "Indexing Service"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Indexing Service")},
        {"ComManagment1", QT_TRANSLATE_NOOP("ToolsMenus", "Computer Managment"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Computer Management")},
        {"DeviceManager1", QT_TRANSLATE_NOOP("ToolsMenus", "Device Manager"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Computer Device Manager")},
        {"DiskDefragmenter1", QT_TRANSLATE_NOOP("ToolsMenus", "Disk Defragmenter"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Disk Defragmenter")},
        {"DiskManagement1", QT_TRANSLATE_NOOP("ToolsMenus", "Disk Management"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Disk Management")},
        {"EventViewer1", QT_TRANSLATE_NOOP("ToolsMenus", "Event Viewer"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Event Viewer")},
        {"SharedFolders1", QT_TRANSLATE_NOOP("ToolsMenus", "Shared Folders"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Shared Folders")},
        {"LocalUsers1", QT_TRANSLATE_NOOP("ToolsMenus", "Local Users"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Local Users")},
        {"RemovableStorage1", QT_TRANSLATE_NOOP("ToolsMenus", "Removable Storage"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Removable Storage")},
        {"RSOperatorRequest1", QT_TRANSLATE_NOOP("ToolsMenus", "RS Operator Request"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Removable Storage Operator Request")},
        {"Performance1", QT_TRANSLATE_NOOP("ToolsMenus", "Performance"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Performance")},
        {"Services1", QT_TRANSLATE_NOOP("ToolsMenus", "Services"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Services")},
        {"Management1", QT_TRANSLATE_NOOP("ToolsMenus", "Management"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Management Infrastracture (WMI)")},
        {"ComponetServices1", QT_TRANSLATE_NOOP("ToolsMenus", "Componet Services"),
         QT_TRANSLATE_NOOP("ToolsMenus", "Windows Componet Services")},
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
        auto* action = new QAction(tr(item.caption), menu);
        action->setObjectName(QString::fromLatin1(item.name));
        // Menu hints go to the status bars through the hint routing.
        hints::set(action, tr(item.hint));
        const QString itemName = action->objectName();
        connect(action, &QAction::triggered, this, [this, itemName] { toolItemClick(itemName); });
        menu->addAction(action);
    }
    menu->addSeparator();
    auto* close = new QAction(tr(kCloseCaption), menu);
    close->setObjectName(QString::fromLatin1(closeName));
    hints::set(close, tr(kCloseHint));
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
        if (view_.tableMade(t))
            attachTable(t);
    attachMenu(view_.imageExit(), servicesMenu_);
}

void ToolsMenus::attachTable(int t) {
    attachMenu(view_.table(t), tableMenu_);
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
