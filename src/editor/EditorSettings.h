#pragma once
#include "core/ControlFile.h"

#include <QFont>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

// The editor's font as the control file stores it.
struct EditorFont {
    QString face = QStringLiteral("MS Sans Serif");
    int pointSize = 0;           // 0: the desktop's size
    uint32_t color = 0x80000008; // clWindowText
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    // The face "MS Sans Serif" is the desktop's sans-serif font here.
    QFont toQFont() const;
    // A font chosen in the dialog, with its colour value.
    static EditorFont fromQFont(const QFont& font, uint32_t color);
    bool operator==(const EditorFont&) const = default;
};

// What creation reads: the editor's font, the font that seeds the font
// dialog, and word wrap.
struct EditorLook {
    EditorFont editor;
    EditorFont kept;
    bool wordWrap = false;

    // Before anything is read: the editor bold, the kept font regular.
    static EditorLook design();
};

// The editor's keys in the control file (EDFONT, EDWORDWRAP): each section,
// key and read limit spelled once.
class EditorSettings {
public:
    explicit EditorSettings(ControlFile& file) : file_(file) {}

    // Applies FontSize, FontFace, FontColor, Style and word wrap in this
    // order. A value that is no number or colour throws ConversionError;
    // what was applied before it stays applied, nothing after it is read.
    void load(EditorLook& look) const;

    // The keys a font choice writes, in their order; Style only when the
    // style has a code.
    static QList<ControlFile::Entry> fontEntries(const EditorFont& font);
    static ControlFile::Entry wordWrapEntry(bool on);

    // The style code of a style set: none for a set with strike-out.
    static std::optional<int> styleCode(const EditorFont& font);
    // Sets bold, italic and underline from a code; false (and nothing set)
    // for a code outside 0..7.
    static bool applyStyleCode(int code, EditorFont& font);

private:
    ControlFile& file_;
};
