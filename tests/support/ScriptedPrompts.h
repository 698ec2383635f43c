#pragma once
#include "context/Prompts.h"

#include <QList>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

namespace testsupport {

// A Prompts double: the test queues the boxes it expects, in order, with the
// answer to give. Every box shown is recorded; a box that was not expected
// (wrong kind, or nothing queued) fails the running test.
class ScriptedPrompts : public Prompts {
public:
    enum class Kind { Box, Input, File, Color, Font, FontAndColor, Print, PageSetup, Modal };

    struct Shown {
        Kind kind = Kind::Box;
        Box box;                 // for Kind::Box
        Input input;             // for Kind::Input
        FileDialog fileDialog;   // for Kind::File
        QColor initialColor;     // for Kind::Color
        QFont initialFont;       // for Kind::Font and Kind::FontAndColor
        QColor initialFontColor; // for Kind::FontAndColor
        QString dialogName;      // for Kind::Modal: the window's object name
    };

    // Expect a message box and press `answer` (a notice: Ok).
    ScriptedPrompts& expectBox(Button answer = Ok);
    // Expect the input box; nullopt cancels.
    ScriptedPrompts& expectInput(std::optional<QString> answer);
    ScriptedPrompts& expectFile(std::optional<QString> answer);
    ScriptedPrompts& expectColor(std::optional<QColor> answer);
    ScriptedPrompts& expectFont(std::optional<QFont> answer);
    ScriptedPrompts& expectFontAndColor(std::optional<FontChoice> answer);
    // A print or page set-up dialog; `accept` false cancels it.
    ScriptedPrompts& expectPrint(bool accept);
    ScriptedPrompts& expectPageSetup(bool accept);
    // Expect one of the program's windows shown modally: it is shown, `whileShown`
    // runs (it may press the window's buttons), and a window still shown is then
    // rejected, as closing it by its title bar would.
    ScriptedPrompts& expectModal(std::function<void(QDialog&)> whileShown = {});

    Button box(QWidget* owner, const Box& box) override;
    std::optional<QString> input(QWidget* owner, const Input& input) override;
    void boxLater(QWidget* owner, const Box& box, std::function<void(Button)> done) override;
    void inputLater(QWidget* owner, const Input& input,
                    std::function<void(std::optional<QString>)> done) override;
    std::optional<QString> file(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QColor> color(QWidget* owner, const QColor& initial) override;
    std::optional<QFont> font(QWidget* owner, const QFont& initial) override;
    std::optional<FontChoice> fontAndColor(QWidget* owner, const FontChoice& initial) override;
    bool print(QWidget* owner, QPrinter& printer) override;
    bool pageSetup(QWidget* owner, QPrinter& printer) override;
    void modal(QWidget* owner, QDialog& dialog) override;
    // How a modal window is named, shown and dismissed: set by the test main
    // of window tests. Unset (logic tests link no widgets), a modal window
    // fails the test.
    struct ModalRunner {
        QString (*name)(QDialog&) = nullptr;
        void (*run)(QDialog&, const std::function<void(QDialog&)>& whileShown) = nullptr;
    };
    static ModalRunner modalRunner;

    const QList<Shown>& shown() const { return shown_; }
    // The boxes only, for the common case.
    QList<Box> boxes() const;
    const Box& lastBox() const;
    // True when every queued expectation was used and answered.
    bool allUsed() const { return queue_.empty() && later_ == 0; }
    int unexpectedCount() const { return unexpected_; }
    void clear();

private:
    struct Expectation {
        Kind kind = Kind::Box;
        Button button = Ok;
        std::optional<QString> text;
        std::optional<QColor> color;
        std::optional<QFont> font;
        std::optional<FontChoice> fontChoice;
        bool accept = false;
        std::function<void(QDialog&)> whileShown;
    };
    std::optional<Expectation> take(Kind kind, const char* what);

    std::deque<Expectation> queue_;
    QList<Shown> shown_;
    int unexpected_ = 0;
    int later_ = 0;   // boxes opened without waiting, not answered yet
    QObject context_; // their answers die with the prompts
};

} // namespace testsupport
