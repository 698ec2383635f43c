#include "editor/EditorSettings.h"

#include "core/ColorText.h"
#include "core/IntText.h"

#include <QFontDatabase>

namespace {

const QString Font = QStringLiteral("EDFONT");
const QString FontSize = QStringLiteral("FontSize");
const QString FontFace = QStringLiteral("FontFace");
const QString FontColor = QStringLiteral("FontColor");
const QString Style = QStringLiteral("Style");
const QString WordWrap = QStringLiteral("EDWORDWRAP");
const QString WordWrapKey = QStringLiteral("1");
constexpr int FontLimit = 80;
constexpr int WordWrapLimit = 10;

// Bits of a style code: the table lists the sets in this order.
struct StyleSet {
    bool bold, italic, underline;
};
constexpr StyleSet Codes[8] = {
    {false, false, false}, {true, false, false}, {false, true, false}, {false, false, true},
    {true, true, false},   {true, false, true},  {false, true, true},  {true, true, true},
};

// A hand-edited size the font engine cannot draw is not applied.
constexpr int MaxPointSize = 500;

} // namespace

QFont EditorFont::toQFont() const {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (face.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) != 0)
        font.setFamily(face);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

EditorFont EditorFont::fromQFont(const QFont& font, uint32_t color) {
    EditorFont f;
    f.face = font.family();
    const double points = font.pointSizeF();
    f.pointSize = points > 0 ? qRound(points) : 0;
    f.color = color;
    f.bold = font.bold();
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikeOut = font.strikeOut();
    return f;
}

EditorLook EditorLook::design() {
    EditorLook look;
    look.editor.bold = true;
    return look;
}

void EditorSettings::load(EditorLook& look) const {
    const ControlFile::Value size = file_.read(Font, FontSize, FontLimit);
    if (size.nonEmpty()) {
        const int points = inttext::toInt(size.text);
        if (points > 0 && points <= MaxPointSize)
            look.editor.pointSize = look.kept.pointSize = points;
    }
    const ControlFile::Value face = file_.read(Font, FontFace, FontLimit);
    if (face.nonEmpty())
        look.editor.face = look.kept.face = face.text;
    const ControlFile::Value color = file_.read(Font, FontColor, FontLimit);
    if (color.nonEmpty())
        look.editor.color = look.kept.color = colortext::decode(color.text);
    const ControlFile::Value style = file_.read(Font, Style, FontLimit);
    const int code = style.nonEmpty() ? inttext::toInt(style.text) : 0;
    if (applyStyleCode(code, look.editor))
        applyStyleCode(code, look.kept);
    look.wordWrap = file_.read(WordWrap, WordWrapKey, WordWrapLimit).nonEmpty();
}

QList<ControlFile::Entry> EditorSettings::fontEntries(const EditorFont& font) {
    QList<ControlFile::Entry> entries{
        {Font, FontFace, font.face},
        {Font, FontSize, QString::number(font.pointSize)},
        {Font, FontColor, colortext::encode(font.color)},
    };
    if (const std::optional<int> code = styleCode(font))
        entries.append({Font, Style, QString::number(*code)});
    return entries;
}

ControlFile::Entry EditorSettings::wordWrapEntry(bool on) {
    return {WordWrap, WordWrapKey, on ? QStringLiteral("True") : QString()};
}

std::optional<int> EditorSettings::styleCode(const EditorFont& font) {
    if (font.strikeOut)
        return std::nullopt;
    for (int code = 0; code < 8; ++code)
        if (Codes[code].bold == font.bold && Codes[code].italic == font.italic &&
            Codes[code].underline == font.underline)
            return code;
    return std::nullopt;
}

bool EditorSettings::applyStyleCode(int code, EditorFont& font) {
    if (code < 0 || code > 7)
        return false;
    font.bold = Codes[code].bold;
    font.italic = Codes[code].italic;
    font.underline = Codes[code].underline;
    return true;
}
