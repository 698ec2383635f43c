#pragma once
#include <QString>
#include <cstdint>
#include <optional>

class ControlFile;

// The six display options of the picture area.
enum class ViewOption { AutoSize, Center, IncDisplay, Proportional, Stretch, Transparent };
inline constexpr ViewOption AllViewOptions[] = {ViewOption::AutoSize,   ViewOption::Center,
                                                ViewOption::IncDisplay, ViewOption::Proportional,
                                                ViewOption::Stretch,    ViewOption::Transparent};

struct DisplayOptions {
    bool autoSize = false;
    bool center = false;
    bool incDisplay = false;
    bool proportional = false;
    bool stretch = false;
    bool transparent = false;

    bool get(ViewOption option) const;
    void set(ViewOption option, bool on);
};

// The viewer's own two colours: the window's and the picture panel's.
enum class ViewColor { Program, Picture };

// The viewer's keys in the control file, each spelled once with its read
// limit.
class ViewerSettings {
public:
    explicit ViewerSettings(ControlFile& file) : file_(file) {}

    // The stored colour, or none when the key holds two characters or fewer.
    // Throws ConversionError for a value that is neither a name nor a number.
    std::optional<uint32_t> color(ViewColor which) const;
    // Writes the colour's text; an empty value is the default.
    void setColor(ViewColor which, std::optional<uint32_t> value);
    // The launcher strip's colour as it shows it: its stored colour when that
    // reads, the button face otherwise.
    uint32_t stripColor() const;

    // Any non-empty value is on.
    bool option(ViewOption option) const;
    void setOption(ViewOption option, bool on);

private:
    ControlFile& file_;
};
