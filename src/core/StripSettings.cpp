#include "core/StripSettings.h"

#include "core/ButtonSlots.h"
#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "core/IntText.h"

namespace {
const QString Pos = QStringLiteral("POS");
const QString Hide = QStringLiteral("HIDE");
const QString HideKey = QStringLiteral("HideMe");
const QString Style = QStringLiteral("STYLE");
const QString OnTopKey = QStringLiteral("OnTop");
const QString TableName = QStringLiteral("TABLENAME");
const QString OpenWith = QStringLiteral("OPENWITH");
const QString ColorKey = QStringLiteral("Color");
constexpr int FlagLimit = 10; // HIDE, STYLE, POS and OPENWITH are read into 10 characters
constexpr int TextLimit = 80; // colours and table names into 80

QString sectionOf(StripSettings::ColorTarget target) {
    switch (target) {
    case StripSettings::ColorTarget::Buttons:
        return QStringLiteral("BUTTCOLOR");
    case StripSettings::ColorTarget::Tables:
        return QStringLiteral("TABLECOLOR");
    case StripSettings::ColorTarget::Program:
        break;
    }
    return QStringLiteral("PROCOLOR");
}

std::optional<int> nonEmptyInt(const ControlFile& file, const QString& section,
                               const QString& key) {
    const ControlFile::Value v = file.read(section, key, FlagLimit);
    if (!v.nonEmpty())
        return std::nullopt;
    return inttext::toInt(v.text);
}
} // namespace

bool StripSettings::hideMode() const {
    return file_.read(Hide, HideKey, FlagLimit).isSet();
}

void StripSettings::setHideMode(bool on) {
    file_.write(Hide, HideKey, on ? QStringLiteral("true") : QString());
}

std::optional<int> StripSettings::top() const {
    return nonEmptyInt(file_, Pos, QStringLiteral("Top"));
}

std::optional<int> StripSettings::left() const {
    return nonEmptyInt(file_, Pos, QStringLiteral("Left"));
}

void StripSettings::setPosition(QPoint topLeft) {
    file_.write(Pos, QStringLiteral("Top"), QString::number(topLeft.y()));
    file_.write(Pos, QStringLiteral("Left"), QString::number(topLeft.x()));
}

namespace {
std::optional<uint32_t> readColor(const ControlFile& file, StripSettings::ColorTarget target) {
    const ControlFile::Value v = file.read(sectionOf(target), ColorKey, TextLimit);
    if (!v.isSet())
        return std::nullopt;
    return colortext::decode(v.text);
}
} // namespace

std::optional<uint32_t> StripSettings::color(ColorTarget target) const {
    return readColor(file_, target);
}

std::optional<uint32_t> StripSettings::programColor(const ControlFile& file) {
    return readColor(file, ColorTarget::Program);
}

void StripSettings::setColor(ColorTarget target, std::optional<uint32_t> value) {
    file_.write(sectionOf(target), ColorKey, value ? colortext::encode(*value) : QString());
}

bool StripSettings::stayOnTop() const {
    return file_.read(Style, OnTopKey, FlagLimit).isSet();
}

void StripSettings::setStayOnTop(bool on) {
    file_.write(Style, OnTopKey, on ? QStringLiteral("True") : QString());
}

std::optional<QString> StripSettings::tableName(int table) const {
    const ControlFile::Value v = file_.read(TableName, QString::number(table), TextLimit);
    if (!v.nonEmpty())
        return std::nullopt;
    return v.text;
}

QList<ControlFile::Entry> StripSettings::emptyTableNames() {
    QList<ControlFile::Entry> entries;
    for (int t = 1; t <= buttonslots::TableCount; ++t)
        entries.append({TableName, QString::number(t), QString()});
    return entries;
}

void StripSettings::setTableName(int table, const QString& name) {
    file_.write(TableName, QString::number(table), name);
}

std::optional<int> StripSettings::startTable() const {
    return nonEmptyInt(file_, OpenWith, QStringLiteral("Table"));
}

void StripSettings::setStartTable(int table) {
    file_.write(OpenWith, QStringLiteral("Table"), QString::number(table));
}
