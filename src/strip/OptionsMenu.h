#pragma once
#include "core/StripSettings.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class QAction;
class QWidget;
struct AppContext;

// Stay-on-top or normal for a top-level window, changed in place: the window
// keeps its position (also off screen), its visibility and whether it takes
// drops, and the window manager is told of the keep-above state.
namespace windowstyle {
void apply(QWidget* window, bool stayOnTop);
bool isStayOnTop(const QWidget* window);
} // namespace windowstyle

// The settings items of the button menu: renaming the tables, the program,
// button and table colours and their defaults, the window style, and the
// items that reach a tool window through the context's handle (the tool
// windows, the reminder, the hint strip, help, about, bug report). Attaches to the strip's controls
// and menu items by their object names; each setting is painted and written at once.
class OptionsMenu : public QObject {
    Q_OBJECT
public:
    OptionsMenu(QWidget* strip, AppContext& context);

    // Connects the button menu's items (RTable1.., Defaut1, the colour and
    // style items, the tool-window items) found below the strip by name.
    void attach();

    void RTableClick(int table); // RTable1Click .. RTable30Click
    void Defaut1Click();
    void AllButtons1Click();
    void DefaultColor1Click();
    void AllTables1Click();
    void DefaultColor2Click();
    void Program1Click();
    void Default1Click();
    void StayOnTop1Click();
    void Normal1Click();

    // The colour the shared colour dialog opens on: the last one chosen.
    QColor dialogColor() const { return dialogColor_; }
    static uint32_t colorValue(const QColor& color);

private:
    enum class Target { Buttons, Tables, Program };
    static StripSettings::ColorTarget settingOf(Target target);
    void chooseColor(Target target);
    void restoreDefault(Target target);
    void paint(Target target, uint32_t value);
    void setStyle(bool stayOnTop);
    QAction* item(const QString& name) const;
    void guarded(const std::function<void()>& body);

    QWidget* strip_;
    AppContext& context_;
    QColor dialogColor_{Qt::black};
};
