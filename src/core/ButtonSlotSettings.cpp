#include "core/ButtonSlotSettings.h"

#include "core/ButtonSlots.h"

namespace {
const QString TargetSection = QStringLiteral("BUTTON");
const QString IconSection = QStringLiteral("ICON");
constexpr int ReadLimit = 256;
} // namespace

ControlFile::Value ButtonSlotSettings::target(const ControlFile& file, int n) {
    return file.read(TargetSection, QString::number(n), ReadLimit);
}

ControlFile::Value ButtonSlotSettings::icon(int n) const {
    return file_.read(IconSection, QString::number(n), ReadLimit);
}

void ButtonSlotSettings::setTarget(int n, const QString& path) {
    file_.write(TargetSection, QString::number(n), path);
}

void ButtonSlotSettings::setIcon(int n, const QString& path) {
    file_.write(IconSection, QString::number(n), path);
}

void ButtonSlotSettings::clear(int n) {
    setTarget(n, QString());
    setIcon(n, QString());
}

QList<ControlFile::Entry> ButtonSlotSettings::emptySlots() {
    QList<ControlFile::Entry> entries;
    entries.reserve(2 * buttonslots::ButtonCount);
    for (const QString& section : {TargetSection, IconSection})
        for (int n = 1; n <= buttonslots::ButtonCount; ++n)
            entries.append({section, QString::number(n), QString()});
    return entries;
}
