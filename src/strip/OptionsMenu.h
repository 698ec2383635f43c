#pragma once
#include "core/StripSettings.h"
#include "strip/WindowStyle.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class ShownSettings;
class StripView;
struct AppContext;

// The settings items of the button menu: renaming the tables, the program,
// button and table colours and their defaults, the hide mode, the window
// style, and the items that reach a tool window through the context's
// handle (the tool windows, the reminder, the hint strip, help, about, bug
// report). Each setting is written and shown at once through the settings.
class OptionsMenu : public QObject {
    Q_OBJECT
public:
    OptionsMenu(StripView& view, ShownSettings& settings, AppContext& context,
                QObject* parent = nullptr);

    // Connects the view's menu items.
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
    // Close/Hide submenu: what a launch does to the strip.
    void Close1Click();
    void Hide1Click();
    // Writes or removes the autostart entry; the mark shows what is on disk.
    void StartWithDesktop1Click(bool on);
    // Where the autostart entry lives; tests point it elsewhere.
    void setAutostartEntry(QString path) { autostartEntry_ = std::move(path); }

    // The colour the shared colour dialog opens on: the last one chosen.
    QColor dialogColor() const { return dialogColor_; }
    static uint32_t colorValue(const QColor& color);

private:
    using Target = StripSettings::ColorTarget;
    void chooseColor(Target target);
    void restoreDefault(Target target);
    void guarded(const std::function<void()>& body);

    StripView& view_;
    ShownSettings& settings_;
    AppContext& context_;
    QWidget* strip_;
    QColor dialogColor_{Qt::black};
    QString autostartEntry_;
};
