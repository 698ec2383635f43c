#include "core/ButtonSlotSettings.h"

#include "core/ButtonSlots.h"

#include <vector>

namespace {
const QString TargetSection = QStringLiteral("BUTTON");
const QString IconSection = QStringLiteral("ICON");
constexpr int ReadLimit = 256;

// The keys "1".."360", made once: table loading reads 720 of them.
const std::vector<QString>& slotKeys() {
    static const std::vector<QString> keys = [] {
        std::vector<QString> k;
        k.reserve(buttonslots::ButtonCount + 1);
        for (int i = 0; i <= buttonslots::ButtonCount; ++i)
            k.push_back(QString::number(i));
        return k;
    }();
    return keys;
}

QString keyOf(int n) {
    return n >= 0 && n <= buttonslots::ButtonCount ? slotKeys()[size_t(n)] : QString::number(n);
}

ControlFile::Value readSlot(const ControlFile& file, const QString& section, int n) {
    // A button's key is read without copying it.
    if (n >= 0 && n <= buttonslots::ButtonCount)
        return file.read(section, slotKeys()[size_t(n)], ReadLimit);
    return file.read(section, QString::number(n), ReadLimit);
}
} // namespace

ControlFile::Value ButtonSlotSettings::target(const ControlFile& file, int n) {
    return readSlot(file, TargetSection, n);
}

ControlFile::Value ButtonSlotSettings::icon(int n) const {
    return readSlot(file_, IconSection, n);
}

void ButtonSlotSettings::setTarget(int n, const QString& path) {
    file_.write(TargetSection, keyOf(n), path);
}

void ButtonSlotSettings::setIcon(int n, const QString& path) {
    file_.write(IconSection, keyOf(n), path);
}

void ButtonSlotSettings::clear(int n) {
    setTarget(n, QString());
    setIcon(n, QString());
}

void ButtonSlotSettings::setSlots(const QList<Slot>& changed,
                                  const QList<ControlFile::Entry>& also) {
    QList<ControlFile::Entry> entries = also;
    for (const Slot& slot : changed) {
        entries.append({TargetSection, keyOf(slot.n), slot.target});
        entries.append({IconSection, keyOf(slot.n), slot.icon});
    }
    file_.writeAll(entries);
}

QList<ControlFile::Entry> ButtonSlotSettings::emptySlots() {
    QList<ControlFile::Entry> entries;
    entries.reserve(2 * buttonslots::ButtonCount);
    for (const QString& section : {TargetSection, IconSection})
        for (int n = 1; n <= buttonslots::ButtonCount; ++n)
            entries.append({section, keyOf(n), QString()});
    return entries;
}
