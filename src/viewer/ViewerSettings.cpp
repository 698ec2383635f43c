#include "viewer/ViewerSettings.h"
#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "core/StripSettings.h"

namespace {

const QString ColorSection = QStringLiteral("COLOR");
const QString PictureSection = QStringLiteral("PICTURE");
constexpr int ColorLimit = 40;
constexpr int OptionLimit = 10;

QString colorKey(ViewColor which) {
    return which == ViewColor::Program ? QStringLiteral("ViewPic") : QStringLiteral("PicColor");
}

QString optionKey(ViewOption option) {
    switch (option) {
    case ViewOption::AutoSize:
        return QStringLiteral("Auto");
    case ViewOption::Center:
        return QStringLiteral("Center");
    case ViewOption::IncDisplay:
        return QStringLiteral("IncDis");
    case ViewOption::Proportional:
        return QStringLiteral("Proport");
    case ViewOption::Stretch:
        return QStringLiteral("Stretch");
    case ViewOption::Transparent:
        break;
    }
    return QStringLiteral("Trans");
}

// The flag of an option, for reading and for writing.
template <typename Options> auto& field(Options& o, ViewOption option) {
    switch (option) {
    case ViewOption::AutoSize:
        return o.autoSize;
    case ViewOption::Center:
        return o.center;
    case ViewOption::IncDisplay:
        return o.incDisplay;
    case ViewOption::Proportional:
        return o.proportional;
    case ViewOption::Stretch:
        return o.stretch;
    case ViewOption::Transparent:
        break;
    }
    return o.transparent;
}

} // namespace

bool DisplayOptions::get(ViewOption option) const {
    return field(*this, option);
}

void DisplayOptions::set(ViewOption option, bool on) {
    field(*this, option) = on;
}

std::optional<uint32_t> ViewerSettings::color(ViewColor which) const {
    const ControlFile::Value v = file_.read(ColorSection, colorKey(which), ColorLimit);
    if (!v.isSet())
        return std::nullopt;
    return colortext::decode(v.text);
}

void ViewerSettings::setColor(ViewColor which, std::optional<uint32_t> value) {
    file_.write(ColorSection, colorKey(which), value ? colortext::encode(*value) : QString());
}

uint32_t ViewerSettings::stripColor() const {
    // The strip keeps the button face when its own value does not read.
    try {
        return StripSettings::programColor(file_).value_or(colortext::BtnFace);
    } catch (const ConversionError&) {
        return colortext::BtnFace;
    }
}

bool ViewerSettings::option(ViewOption option) const {
    return file_.read(PictureSection, optionKey(option), OptionLimit).nonEmpty();
}

void ViewerSettings::setOption(ViewOption option, bool on) {
    file_.write(PictureSection, optionKey(option), on ? QStringLiteral("True") : QString());
}
