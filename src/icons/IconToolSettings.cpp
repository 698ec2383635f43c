#include "icons/IconToolSettings.h"

#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "core/StripSettings.h"

namespace icontoolsettings {

uint32_t programColour(const ControlFile& controlFile) {
    return StripSettings::programColor(controlFile).value_or(colortext::BtnFace);
}

} // namespace icontoolsettings
