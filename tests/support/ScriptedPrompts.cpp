#include "ScriptedPrompts.h"

#include <QTest>
#include <QTimer>

namespace testsupport {

namespace {
const char* kindName(ScriptedPrompts::Kind k) {
    switch (k) {
    case ScriptedPrompts::Kind::Box:
        return "message box";
    case ScriptedPrompts::Kind::Input:
        return "input box";
    case ScriptedPrompts::Kind::File:
        return "file dialog";
    case ScriptedPrompts::Kind::Color:
        return "colour dialog";
    case ScriptedPrompts::Kind::Font:
        return "font dialog";
    case ScriptedPrompts::Kind::FontAndColor:
        return "font and colour dialog";
    case ScriptedPrompts::Kind::Print:
        return "print dialog";
    case ScriptedPrompts::Kind::PageSetup:
        return "page set-up dialog";
    case ScriptedPrompts::Kind::Modal:
        return "modal window";
    }
    return "?";
}
} // namespace

ScriptedPrompts& ScriptedPrompts::expectBox(Button answer) {
    Expectation e;
    e.kind = Kind::Box;
    e.button = answer;
    queue_.push_back(e);
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectInput(std::optional<QString> answer) {
    Expectation e;
    e.kind = Kind::Input;
    e.text = std::move(answer);
    queue_.push_back(e);
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectFile(std::optional<QString> answer) {
    Expectation e;
    e.kind = Kind::File;
    e.text = std::move(answer);
    queue_.push_back(e);
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectColor(std::optional<QColor> answer) {
    Expectation e;
    e.kind = Kind::Color;
    e.color = answer;
    queue_.push_back(e);
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectFont(std::optional<QFont> answer) {
    Expectation e;
    e.kind = Kind::Font;
    e.font = answer;
    queue_.push_back(e);
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectFontAndColor(std::optional<FontChoice> answer) {
    Expectation e;
    e.kind = Kind::FontAndColor;
    e.fontChoice = answer;
    queue_.push_back(e);
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectPrint(bool accept) {
    Expectation e;
    e.kind = Kind::Print;
    e.accept = accept;
    queue_.push_back(e);
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectPageSetup(bool accept) {
    Expectation e;
    e.kind = Kind::PageSetup;
    e.accept = accept;
    queue_.push_back(e);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectModal(std::function<void(QDialog&)> whileShown) {
    Expectation e;
    e.kind = Kind::Modal;
    e.whileShown = std::move(whileShown);
    queue_.push_back(e);
    return *this;
}

std::optional<ScriptedPrompts::Expectation> ScriptedPrompts::take(Kind kind, const char* what) {
    if (queue_.empty() || queue_.front().kind != kind) {
        ++unexpected_;
        const QByteArray msg =
            QByteArray("unexpected ") + kindName(kind) + ": " + what +
            (queue_.empty() ? " (nothing expected)"
                            : QByteArray(" (expected a ") + kindName(queue_.front().kind) + ")");
        QTest::qFail(msg.constData(), __FILE__, __LINE__);
        return std::nullopt;
    }
    Expectation e = queue_.front();
    queue_.pop_front();
    return e;
}

Prompts::Button ScriptedPrompts::box(QWidget*, const Box& b) {
    Shown s;
    s.kind = Kind::Box;
    s.box = b;
    shown_.append(s);
    auto e = take(Kind::Box, b.text.toUtf8().constData());
    if (!e)
        return (b.buttons & Cancel) ? Cancel : ((b.buttons & No) ? No : Ok);
    return e->button;
}

// Recorded at once, answered from the event loop, as a box opened with
// open() answers once the user closed it.
void ScriptedPrompts::boxLater(QWidget* owner, const Box& b, std::function<void(Button)> done) {
    const Button answer = box(owner, b);
    ++later_;
    QTimer::singleShot(0, &context_, [this, answer, done] {
        --later_;
        if (done)
            done(answer);
    });
}

void ScriptedPrompts::inputLater(QWidget* owner, const Input& in,
                                 std::function<void(std::optional<QString>)> done) {
    std::optional<QString> answer = input(owner, in);
    ++later_;
    QTimer::singleShot(0, &context_, [this, answer, done] {
        --later_;
        if (done)
            done(answer);
    });
}

std::optional<QString> ScriptedPrompts::input(QWidget*, const Input& in) {
    Shown s;
    s.kind = Kind::Input;
    s.input = in;
    shown_.append(s);
    auto e = take(Kind::Input, in.prompt.toUtf8().constData());
    if (!e || !e->text)
        return std::nullopt;
    return e->text->left(in.maxLength);
}

std::optional<QString> ScriptedPrompts::file(QWidget*, const FileDialog& d) {
    Shown s;
    s.kind = Kind::File;
    s.fileDialog = d;
    shown_.append(s);
    auto e = take(Kind::File, d.title.toUtf8().constData());
    if (!e)
        return std::nullopt;
    return e->text;
}

std::optional<QColor> ScriptedPrompts::color(QWidget*, const QColor& initial) {
    Shown s;
    s.kind = Kind::Color;
    s.initialColor = initial;
    shown_.append(s);
    auto e = take(Kind::Color, "");
    if (!e)
        return std::nullopt;
    return e->color;
}

std::optional<QFont> ScriptedPrompts::font(QWidget*, const QFont& initial) {
    Shown s;
    s.kind = Kind::Font;
    s.initialFont = initial;
    shown_.append(s);
    auto e = take(Kind::Font, "");
    if (!e)
        return std::nullopt;
    return e->font;
}

std::optional<Prompts::FontChoice> ScriptedPrompts::fontAndColor(QWidget*,
                                                                 const FontChoice& initial) {
    Shown s;
    s.kind = Kind::FontAndColor;
    s.initialFont = initial.font;
    s.initialFontColor = initial.color;
    shown_.append(s);
    auto e = take(Kind::FontAndColor, "");
    if (!e)
        return std::nullopt;
    return e->fontChoice;
}

bool ScriptedPrompts::print(QWidget*, QPrinter&) {
    Shown s;
    s.kind = Kind::Print;
    shown_.append(s);
    auto e = take(Kind::Print, "");
    return e && e->accept;
}

bool ScriptedPrompts::pageSetup(QWidget*, QPrinter&) {
    Shown s;
    s.kind = Kind::PageSetup;
    shown_.append(s);
    auto e = take(Kind::PageSetup, "");
    return e && e->accept;
}

ScriptedPrompts::ModalRunner ScriptedPrompts::modalRunner;

void ScriptedPrompts::modal(QWidget*, QDialog& dialog) {
    if (!modalRunner.run) {
        QTest::qFail("a modal window in a test that links no widgets", __FILE__, __LINE__);
        return;
    }
    Shown s;
    s.kind = Kind::Modal;
    s.dialogName = modalRunner.name(dialog);
    shown_.append(s);
    auto e = take(Kind::Modal, s.dialogName.toUtf8().constData());
    if (!e)
        return;
    modalRunner.run(dialog, e->whileShown);
}

QList<Prompts::Box> ScriptedPrompts::boxes() const {
    QList<Box> out;
    for (const auto& s : shown_)
        if (s.kind == Kind::Box)
            out.append(s.box);
    return out;
}

const Prompts::Box& ScriptedPrompts::lastBox() const {
    static const Box none;
    for (auto it = shown_.crbegin(); it != shown_.crend(); ++it)
        if (it->kind == Kind::Box)
            return it->box;
    return none;
}

void ScriptedPrompts::clear() {
    queue_.clear();
    shown_.clear();
    unexpected_ = 0;
}

} // namespace testsupport
