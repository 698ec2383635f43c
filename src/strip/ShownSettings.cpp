#include "strip/ShownSettings.h"

#include "core/ButtonSlots.h"
#include "core/ColorText.h"
#include "strip/LaunchOptions.h"
#include "strip/StripMenus.h"
#include "strip/StripView.h"

#include <QAction>
#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ShownSettings)
};
} // namespace

void ShownSettings::applyStored() {
    using Target = StripSettings::ColorTarget;
    const StripSettings stored(file_);
    applyPosition();
    applyHideMode(stored.hideMode());
    // Unset colours are left alone: tables without one show the strip through.
    for (Target target : {Target::Program, Target::Buttons, Target::Tables})
        if (const std::optional<uint32_t> value = stored.color(target))
            applyColor(target, value);
    applyStyle(stored.stayOnTop());
    for (int t = 1; t <= buttonslots::TableCount; ++t)
        if (const std::optional<QString> name = stored.tableName(t))
            applyTableName(t, name);
}

bool ShownSettings::applyPosition() {
    const StripSettings stored(file_);
    bool any = false;
    if (const std::optional<int> top = stored.top()) {
        view_.moveStrip(QPoint(view_.stripPos().x(), *top));
        any = true;
    }
    if (const std::optional<int> left = stored.left()) {
        view_.moveStrip(QPoint(*left, view_.stripPos().y()));
        any = true;
    }
    return any;
}

void ShownSettings::setPosition(QPoint topLeft) {
    // The strip already stands there; only the file learns of it.
    StripSettings(file_).setPosition(topLeft);
}

void ShownSettings::applyHideMode(bool on) {
    hideMode_ = on;
    StripMenus& menus = view_.menus();
    if (menus.closeOnLaunch)
        menus.closeOnLaunch->setEnabled(on);
    if (menus.hideOnLaunch)
        menus.hideOnLaunch->setEnabled(!on);
}

void ShownSettings::setHideMode(bool on) {
    StripSettings(file_).setHideMode(on);
    applyHideMode(on);
}

void ShownSettings::applyColor(StripSettings::ColorTarget target, std::optional<uint32_t> value) {
    view_.setColor(target, value.value_or(colortext::BtnFace));
}

void ShownSettings::setColor(StripSettings::ColorTarget target, std::optional<uint32_t> value) {
    StripSettings(file_).setColor(target, value);
    applyColor(target, value);
}

void ShownSettings::applyMenus() {
    applyHideMode(hideMode_);
    markStyle();
    for (int t = 1; t <= buttonslots::TableCount; ++t)
        applyTableName(t, tableNames_[t - 1]);
}

void ShownSettings::markStyle() {
    StripMenus& menus = view_.menus();
    for (auto [item, on] : {std::pair{menus.stayOnTop, stayOnTop_}, {menus.normal, !stayOnTop_}})
        if (item) {
            item->setCheckable(true);
            item->setChecked(on);
        }
}

void ShownSettings::applyStyle(bool stayOnTop) {
    stayOnTop_ = stayOnTop;
    markStyle();
    view_.setStayOnTop(stayOnTop);
}

void ShownSettings::setStyle(bool stayOnTop) {
    StripSettings(file_).setStayOnTop(stayOnTop);
    applyStyle(stayOnTop);
}

void ShownSettings::applyTableName(int table, const std::optional<QString>& name) {
    if (table < 1 || table > buttonslots::TableCount)
        return;
    tableNames_[table - 1] = name;
    // A user's "R&D" is shown as typed, not as "RD" with D as its key.
    if (QAction* a = view_.menus().tableA[table])
        a->setText(name.value_or(defaultTableCaption(table))
                       .replace(QLatin1Char('&'), QLatin1String("&&")));
}

void ShownSettings::setTableName(int table, const std::optional<QString>& name) {
    StripSettings(file_).setTableName(table, name.value_or(QString()));
    applyTableName(table, name);
}

QString defaultTableCaption(int table) {
    return Text::tr("Table %1").arg(table);
}

namespace buttonface {

void show(StripView& view, int n, const Picture& picture, const QString& target) {
    view.setButtonPicture(n, picture);
    view.setButtonHint(n, buttontexts::forTarget(target, buttonslots::buttonHint(target)));
}

void showEmpty(StripView& view, int n) {
    view.setButtonHint(n, buttonslots::emptyButtonHint());
}

} // namespace buttonface
