#include "icons/IconToolSettings.h"

#include "core/ColorText.h"
#include "core/ControlFile.h"

namespace icontoolsettings {

uint32_t programColour(const ControlFile& controlFile) {
    const ControlFile::Value value =
        controlFile.read(QStringLiteral("PROCOLOR"), QStringLiteral("Color"), 80);
    return value.isSet() ? colortext::decode(value.text) : colortext::BtnFace;
}

} // namespace icontoolsettings
