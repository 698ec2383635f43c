#include "strip/OptionsMenu.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "core/ControlFile.h"
#include "core/StripSettings.h"
#include "platform/Autostart.h"
#include "strip/ShownSettings.h"
#include "strip/StripMenus.h"
#include "strip/StripView.h"
#include "ui/ActionGuard.h"
#include "ui/SystemColors.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

namespace {

constexpr int Tables = 30;

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

OptionsMenu::OptionsMenu(StripView& view, ShownSettings& settings, AppContext& context,
                         QObject* parent)
    : QObject(parent), view_(view), settings_(settings), context_(context),
      strip_(view.stripWindow()), autostartEntry_(autostart::entryPath(autostart::DesktopId)) {}

void OptionsMenu::guarded(const std::function<void()>& body) {
    actionguard::run(*context_.prompts, strip_, body);
}

void OptionsMenu::attach() {
    StripMenus& m = view_.menus();
    auto wire = [this](QAction* a, std::function<void()> handler) {
        if (a)
            connect(a, &QAction::triggered, this, [this, handler] { guarded(handler); });
    };
    for (int t = 1; t <= Tables; ++t)
        wire(m.renameTable[t], [this, t] { RTableClick(t); });
    wire(m.defaultTableNames, [this] { Defaut1Click(); });
    wire(m.buttonColor, [this] { AllButtons1Click(); });
    wire(m.buttonDefaultColor, [this] { DefaultColor1Click(); });
    wire(m.tableColor, [this] { AllTables1Click(); });
    wire(m.tableDefaultColor, [this] { DefaultColor2Click(); });
    wire(m.programColor, [this] { Program1Click(); });
    wire(m.programDefaultColor, [this] { Default1Click(); });
    wire(m.stayOnTop, [this] { StayOnTop1Click(); });
    wire(m.normal, [this] { Normal1Click(); });
    wire(m.closeOnLaunch, [this] { Close1Click(); });
    wire(m.hideOnLaunch, [this] { Hide1Click(); });
    if (m.startWithDesktop) {
        m.startWithDesktop->setChecked(autostart::enabled(autostartEntry_));
        connect(m.startWithDesktop, &QAction::triggered, this,
                [this](bool on) { guarded([this, on] { StartWithDesktop1Click(on); }); });
    }
    for (const ToolItem& t : kToolItems) {
        const auto show = t.show;
        wire(m.*(t.item), [this, show] {
            if (ToolWindows* tools = context_.tools)
                (tools->*show)();
        });
    }
    for (int i = 1; i < int(m.helpMessage.size()); ++i)
        wire(m.helpMessage[i], [this, i] {
            if (ToolWindows* tools = context_.tools)
                tools->showHelpMessage(i);
        });

    // The two style items are a radio pair: the one chosen takes the mark.
    if (m.stayOnTop && m.normal) {
        m.stayOnTop->setCheckable(true);
        m.normal->setCheckable(true);
        if (!m.stayOnTop->actionGroup() || m.stayOnTop->actionGroup() != m.normal->actionGroup()) {
            auto* group = new QActionGroup(this);
            group->setExclusive(true);
            group->addAction(m.stayOnTop);
            group->addAction(m.normal);
        }
    }
}

void OptionsMenu::StartWithDesktop1Click(bool on) {
    const bool done = autostart::setEnabled(
        autostartEntry_, on, QCoreApplication::applicationFilePath(), autostart::DesktopId);
    if (QAction* item = view_.menus().startWithDesktop)
        item->setChecked(autostart::enabled(autostartEntry_));
    if (!done)
        context_.prompts->error(strip_, QStringLiteral("Cannot create file ") + autostartEntry_);
}

void OptionsMenu::RTableClick(int table) {
    Prompts::Input input;
    input.caption = QStringLiteral("Rename Menu Item Table %1?").arg(table);
    input.prompt = QStringLiteral("Enter the New Name:");
    input.initial = QStringLiteral("New Name");
    input.maxLength = 255;
    const std::optional<QString> answer = context_.prompts->input(strip_, input);
    if (!answer)
        return;
    settings_.setTableName(table, answer->left(input.maxLength));
}

void OptionsMenu::Defaut1Click() {
    if (!context_.prompts->confirm(
            strip_,
            QStringLiteral("Are you sure you want to set the Tables to their Default Name?")))
        return;
    for (int t = 1; t <= Tables; ++t)
        settings_.setTableName(t, std::nullopt);
}

uint32_t OptionsMenu::colorValue(const QColor& color) {
    const QColor rgb = color.toRgb();
    return uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) | (uint32_t(rgb.blue()) << 16);
}

void OptionsMenu::chooseColor(Target target) {
    const std::optional<QColor> chosen = context_.prompts->color(strip_, dialogColor_);
    if (!chosen || !chosen->isValid())
        return;
    dialogColor_ = *chosen;
    settings_.setColor(target, colorValue(*chosen));
}

void OptionsMenu::restoreDefault(Target target) {
    static const char* const questions[] = {
        "Are you sure you want to set the buttons default color?",
        "Are you sure you want to set the tables default color?",
        "Are you sure you want to set the program's default color?",
    };
    if (!context_.prompts->confirm(strip_, QString::fromLatin1(questions[int(target)])))
        return;
    settings_.setColor(target, std::nullopt);
}

void OptionsMenu::AllButtons1Click() {
    chooseColor(Target::Buttons);
}
void OptionsMenu::DefaultColor1Click() {
    restoreDefault(Target::Buttons);
}
void OptionsMenu::AllTables1Click() {
    chooseColor(Target::Tables);
}
void OptionsMenu::DefaultColor2Click() {
    restoreDefault(Target::Tables);
}
void OptionsMenu::Program1Click() {
    chooseColor(Target::Program);
}
void OptionsMenu::Default1Click() {
    restoreDefault(Target::Program);
}

void OptionsMenu::StayOnTop1Click() {
    settings_.setStyle(true);
}
void OptionsMenu::Normal1Click() {
    settings_.setStyle(false);
}

void OptionsMenu::Close1Click() {
    settings_.setHideMode(false);
}
void OptionsMenu::Hide1Click() {
    settings_.setHideMode(true);
}
