#include "strip/OptionsMenu.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "core/StripSettings.h"
#include "ui/ActionGuard.h"
#include "ui/SystemColors.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QWidget>

namespace {

constexpr int Tables = 30;
constexpr int Buttons = 360;

// The items that only reach a tool window, in menu order.
struct ToolItem {
    const char* item;
    void (ToolWindows::*show)();
};
const ToolItem kToolItems[] = {
    {"Email1", &ToolWindows::showEmail},
    {"ExtractIcons1", &ToolWindows::showIconExtractor},
    {"ConvertIcons5", &ToolWindows::showIconConverter},
    {"FilesFolders1", &ToolWindows::showFileManager},
    {"ViewPictures1", &ToolWindows::showPictureViewer},
    {"Start1", &ToolWindows::startReminder},
    {"Stop1", &ToolWindows::stopReminder},
    {"Edit1", &ToolWindows::showEditor},
    {"Hint1", &ToolWindows::toggleHintStrip},
    {"About1", &ToolWindows::showAbout},
    {"ExtensiveHelp1", &ToolWindows::showExtensiveHelp},
    {"BugReport2", &ToolWindows::reportBug},
};
// The help messages 1..7, in menu order.
const char* const kHelpItems[] = {"TableHelp2",   "TableHelp1",     "ExtractConvert2", "CloseHide2",
                                  "EditiniHelp1", "TableMenuHelp1", "DragDrop5"};

QString tableCaption(int t) {
    return QStringLiteral("Table %1").arg(t);
}

} // namespace

namespace windowstyle {

bool isStayOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void apply(QWidget* window, bool stayOnTop) {
    if (isStayOnTop(window) == stayOnTop)
        return;
    // Changing a top-level window's flags hides it and may give it a new
    // native window, so everything the user sees is put back afterwards.
    const QPoint place = window->pos();
    const bool visible = window->isVisible();
    const bool drops = window->acceptDrops();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop);
    window->setAcceptDrops(drops);
    window->move(place);
    if (visible) {
        window->show();
        window->move(place); // some window managers place a re-mapped window anew
    }
}

} // namespace windowstyle

OptionsMenu::OptionsMenu(QWidget* strip, AppContext& context)
    : QObject(strip), strip_(strip), context_(context) {}

QAction* OptionsMenu::item(const QString& name) const {
    return strip_->findChild<QAction*>(name);
}

void OptionsMenu::guarded(const std::function<void()>& body) {
    actionguard::run(*context_.prompts, strip_, body);
}

void OptionsMenu::attach() {
    auto wire = [this](const QString& name, std::function<void()> handler) {
        if (QAction* a = item(name))
            connect(a, &QAction::triggered, this, [this, handler] { guarded(handler); });
    };
    for (int t = 1; t <= Tables; ++t)
        wire(QStringLiteral("RTable%1").arg(t), [this, t] { RTableClick(t); });
    wire(QStringLiteral("Defaut1"), [this] { Defaut1Click(); });
    wire(QStringLiteral("AllButtons1"), [this] { AllButtons1Click(); });
    wire(QStringLiteral("DefaultColor1"), [this] { DefaultColor1Click(); });
    wire(QStringLiteral("AllTables1"), [this] { AllTables1Click(); });
    wire(QStringLiteral("DefaultColor2"), [this] { DefaultColor2Click(); });
    wire(QStringLiteral("Program1"), [this] { Program1Click(); });
    wire(QStringLiteral("Default1"), [this] { Default1Click(); });
    wire(QStringLiteral("StayOnTop1"), [this] { StayOnTop1Click(); });
    wire(QStringLiteral("Normal1"), [this] { Normal1Click(); });
    for (const ToolItem& t : kToolItems) {
        const auto show = t.show;
        wire(QString::fromLatin1(t.item), [this, show] {
            if (ToolWindows* tools = context_.tools)
                (tools->*show)();
        });
    }
    for (int i = 0; i < int(std::size(kHelpItems)); ++i)
        wire(QString::fromLatin1(kHelpItems[i]), [this, i] {
            if (ToolWindows* tools = context_.tools)
                tools->showHelpMessage(i + 1);
        });

    // The two style items are a radio pair: the one chosen takes the mark.
    QAction* onTop = item(QStringLiteral("StayOnTop1"));
    QAction* normal = item(QStringLiteral("Normal1"));
    if (onTop && normal) {
        onTop->setCheckable(true);
        normal->setCheckable(true);
        if (!onTop->actionGroup() || onTop->actionGroup() != normal->actionGroup()) {
            auto* group = new QActionGroup(this);
            group->setExclusive(true);
            group->addAction(onTop);
            group->addAction(normal);
        }
    }
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
    const QString name = answer->left(input.maxLength);
    if (QAction* a = item(QStringLiteral("TableA%1").arg(table)))
        a->setText(name);
    StripSettings(*context_.controlFile).setTableName(table, name);
}

void OptionsMenu::Defaut1Click() {
    if (!context_.prompts->confirm(
            strip_,
            QStringLiteral("Are you sure you want to set the Tables to their Default Name?")))
        return;
    for (int t = 1; t <= Tables; ++t) {
        if (QAction* a = item(QStringLiteral("TableA%1").arg(t)))
            a->setText(tableCaption(t));
        StripSettings(*context_.controlFile).setTableName(t, QString());
    }
}

uint32_t OptionsMenu::colorValue(const QColor& color) {
    const QColor rgb = color.toRgb();
    return uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) | (uint32_t(rgb.blue()) << 16);
}

StripSettings::ColorTarget OptionsMenu::settingOf(Target target) {
    switch (target) {
    case Target::Buttons:
        return StripSettings::ColorTarget::Buttons;
    case Target::Tables:
        return StripSettings::ColorTarget::Tables;
    case Target::Program:
        break;
    }
    return StripSettings::ColorTarget::Program;
}

void OptionsMenu::paint(Target target, uint32_t value) {
    switch (target) {
    case Target::Buttons:
        for (int n = 1; n <= Buttons; ++n)
            if (auto* w = strip_->findChild<QWidget*>(QStringLiteral("But%1").arg(n)))
                systemcolors::paintBackground(w, value);
        break;
    case Target::Tables:
        for (int t = 1; t <= Tables; ++t)
            if (auto* w = strip_->findChild<QWidget*>(QStringLiteral("Table%1").arg(t)))
                systemcolors::paintBackground(w, value);
        break;
    case Target::Program:
        // Tables without a colour of their own show the strip through.
        systemcolors::paintBackground(strip_, value);
        for (const char* name : {"PanelLeft", "PanelRight"})
            if (auto* w = strip_->findChild<QWidget*>(QLatin1String(name)))
                systemcolors::paintBackground(w, value);
        break;
    }
}

void OptionsMenu::chooseColor(Target target) {
    const std::optional<QColor> chosen = context_.prompts->color(strip_, dialogColor_);
    if (!chosen || !chosen->isValid())
        return;
    dialogColor_ = *chosen;
    const uint32_t value = colorValue(*chosen);
    paint(target, value);
    StripSettings(*context_.controlFile).setColor(settingOf(target), value);
}

void OptionsMenu::restoreDefault(Target target) {
    static const char* const questions[] = {
        "Are you sure you want to set the buttons default color?",
        "Are you sure you want to set the tables default color?",
        "Are you sure you want to set the program's default color?",
    };
    if (!context_.prompts->confirm(strip_, QString::fromLatin1(questions[int(target)])))
        return;
    paint(target, colortext::BtnFace);
    StripSettings(*context_.controlFile).setColor(settingOf(target), std::nullopt);
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

void OptionsMenu::setStyle(bool stayOnTop) {
    const QString chosen = QLatin1String(stayOnTop ? "StayOnTop1" : "Normal1");
    const QString other = QLatin1String(stayOnTop ? "Normal1" : "StayOnTop1");
    if (QAction* a = item(chosen))
        a->setChecked(true);
    if (QAction* a = item(other))
        a->setChecked(false);
    windowstyle::apply(strip_->window(), stayOnTop);
    StripSettings(*context_.controlFile).setStayOnTop(stayOnTop);
}

void OptionsMenu::StayOnTop1Click() {
    setStyle(true);
}
void OptionsMenu::Normal1Click() {
    setStyle(false);
}
