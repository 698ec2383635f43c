#pragma once
#include <QString>
#include <array>
#include <optional>

class ControlFile;
class Prompts;
class QWidget;
class UserRegistry;

// Where the file manager keeps its colour, mask and filter list: section
// PATHNOOK of the control file (INI mode, chosen by REGSETUP/Switch) or the
// per-user registry key, and the two switches that carry values across.
class PathnookSettings {
public:
    enum class Mode { Ini, Registry };
    enum Key { BackColor, FileMask, FileFilter };
    static constexpr int KeyCount = 3;

    static const QString optionsKey; // Software\Fernhollow\Pathnook\Options

    PathnookSettings(ControlFile& file, UserRegistry& registry);

    Mode mode() const { return mode_; }
    // INI when the control file has a value at REGSETUP/Switch; registry
    // when there is no control file; otherwise the mode stays.
    Mode readMode();

    // The stored values of the mode in use: INI values only when longer
    // than two characters, registry values when they exist (and remembered).
    struct Values {
        std::array<std::optional<QString>, KeyCount> value;
    };
    Values read();

    // One setting, written at once to the store of the mode in use.
    void write(Key key, const QString& value);
    // Back to the button-face colour: INI writes BackColor empty, the
    // registry loses the value (the key is not created for it).
    void clearColor();

    void switchToIni(Prompts& prompts, QWidget* owner);
    void switchToRegistry(Prompts& prompts, QWidget* owner);

    static QString keyName(Key key);
    // The notice written under HELP_INFORMATION/Pathnook.
    static QString editingNotice();

private:
    ControlFile& file_;
    UserRegistry& registry_;
    Mode mode_ = Mode::Registry;
    std::array<std::optional<QString>, KeyCount> remembered_;
};
