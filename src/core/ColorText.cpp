#include "ColorText.h"

#include "Error.h"
#include "IntText.h"

#include <iterator>

namespace colortext {

namespace {

struct Entry {
    const char* name;
    uint32_t value;
};

constexpr Entry Table[] = {
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0x8000000A},
    {"clActiveCaption", 0x80000002},
    {"clAppWorkSpace", 0x8000000C},
    {"clBackground", 0x80000001},
    {"clBtnFace", 0x8000000F},
    {"clBtnHighlight", 0x80000014},
    {"clBtnShadow", 0x80000010},
    {"clBtnText", 0x80000012},
    {"clCaptionText", 0x80000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C},
    {"clGrayText", 0x80000011},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clHotLight", 0x8000001A},
    {"clInactiveBorder", 0x8000000B},
    {"clInactiveCaption", 0x80000003},
    {"clInactiveCaptionText", 0x80000013},
    {"clInfoBk", 0x80000018},
    {"clInfoText", 0x80000017},
    {"clMenu", 0x80000004},
    {"clMenuBar", 0x8000001E},
    {"clMenuHighlight", 0x8000001D},
    {"clMenuText", 0x80000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clWindowText", 0x80000008},
};
static_assert(std::size(Table) == 52);

} // namespace

bool lookupName(const QString& name, uint32_t* value) {
    for (const Entry& e : Table) {
        if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0) {
            *value = e.value;
            return true;
        }
    }
    return false;
}

bool lookupValue(uint32_t value, QString* name) {
    for (const Entry& e : Table) {
        if (e.value == value) {
            *name = QString::fromLatin1(e.name);
            return true;
        }
    }
    return false;
}

QString encode(uint32_t value) {
    QString name;
    if (lookupValue(value, &name))
        return name;
    return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

uint32_t decode(const QString& text) {
    uint32_t value = 0;
    if (lookupName(text, &value))
        return value;
    int number = 0;
    if (!inttext::tryToInt(text, &number))
        throw ConversionError(text);
    return uint32_t(number);
}

} // namespace colortext
