#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
class QWidget;
class QPrinter;

// Every modal interaction of the program goes through this interface, so
// tests can script the answers and see every box that was shown.
class Prompts {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum Button { Ok = 1, Cancel = 2, Yes = 4, No = 8 };

    struct Box {
        QString caption;
        QString text; // as the program wrote it: "\r" breaks lines, "&&" shows as "&"
        Icon icon = Icon::None;
        int buttons = Ok;
        int defaultButton = 0; // the one Return presses; 0: the first of Ok, Yes
    };

    struct FileDialog {
        enum Kind { Open, Save, OpenPicture, Folder } kind = Open;
        QString title;
        QString folder; // initial folder, empty for the platform's default
        QString file;   // pre-filled file name
        QString filter; // Qt name filter list ";;"-separated; empty for all files
        bool mustExist = false;
        bool confirmOverwrite = true;
        QString defaultSuffix; // added to a name chosen without an extension
    };

    struct Input {
        QString caption;
        QString prompt;
        QString initial;
        int maxLength = 255;
        bool secret = false; // what is typed is not shown (a password)
    };

    virtual ~Prompts() = default;

    // A message box; returns the button pressed (Cancel or No when closed).
    virtual Button box(QWidget* owner, const Box& box) = 0;
    // The input box; empty when cancelled.
    virtual std::optional<QString> input(QWidget* owner, const Input& input) = 0;
    virtual std::optional<QString> file(QWidget* owner, const FileDialog& dialog) = 0;
    virtual std::optional<QColor> color(QWidget* owner, const QColor& initial) = 0;
    virtual std::optional<QFont> font(QWidget* owner, const QFont& initial) = 0;
    // A font dialog that also offers the font's colour. By default the font
    // dialog alone, keeping the colour.
    struct FontChoice {
        QFont font;
        QColor color;
    };
    virtual std::optional<FontChoice> fontAndColor(QWidget* owner, const FontChoice& initial);
    // The print dialog and the printer set-up dialog, on a printer the caller owns.
    virtual bool print(QWidget* owner, QPrinter& printer) = 0;
    virtual bool pageSetup(QWidget* owner, QPrinter& printer) = 0;
    // One of the program's own windows shown modally (the reminder, the about
    // box); returns when it is closed.
    virtual void modal(QWidget* owner, QDialog& dialog) = 0;

    // The same boxes without waiting for them: `done` gets the answer once
    // the box is closed. Flows that run on socket or timer events use these,
    // so no event loop ever runs inside such a handler. By default the box is
    // shown at once and answered before the call returns.
    virtual void boxLater(QWidget* owner, const Box& box, std::function<void(Button)> done);
    virtual void inputLater(QWidget* owner, const Input& input,
                            std::function<void(std::optional<QString>)> done);
    void noticeLater(QWidget* owner, const QString& text);
    void errorLater(QWidget* owner, const QString& text);

    // The plain notice: application title, no icon, OK.
    void notice(QWidget* owner, const QString& text);
    // "Confirm", question icon, Yes and No; true only for Yes. Before
    // something is lost for good, No is the default button.
    bool confirm(QWidget* owner, const QString& text, Button defaultButton = Yes);
    // The general error message box: a full stop added after a letter or
    // digit, application title, error icon, OK.
    void error(QWidget* owner, const QString& text);

    static QString applicationTitle() { return QStringLiteral("TabdeckV10"); }
    // What a box shows for the program's text: "\r" as a line break, "&&" as "&".
    static QString displayText(const QString& text);
    // The general error box's text for an error message.
    static QString errorText(const QString& message);
};
