#include "context/Prompts.h"

#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Prompts)
};
} // namespace

void Prompts::notice(QWidget* owner, const QString& text) {
    box(owner, {applicationTitle(), text, Icon::None, Ok});
}

std::optional<Prompts::FontChoice> Prompts::fontAndColor(QWidget* owner,
                                                         const FontChoice& initial) {
    const std::optional<QFont> chosen = font(owner, initial.font);
    if (!chosen)
        return std::nullopt;
    return FontChoice{*chosen, initial.color};
}

void Prompts::boxLater(QWidget* owner, const Box& spec, std::function<void(Button)> done) {
    const Button answer = box(owner, spec);
    if (done)
        done(answer);
}

void Prompts::inputLater(QWidget* owner, const Input& spec,
                         std::function<void(std::optional<QString>)> done) {
    std::optional<QString> answer = input(owner, spec);
    if (done)
        done(std::move(answer));
}

void Prompts::noticeLater(QWidget* owner, const QString& text) {
    boxLater(owner, {applicationTitle(), text, Icon::None, Ok}, {});
}

void Prompts::errorLater(QWidget* owner, const QString& text) {
    boxLater(owner, {applicationTitle(), errorText(text), Icon::Error, Ok}, {});
}

bool Prompts::confirm(QWidget* owner, const QString& text, Button defaultButton) {
    return box(owner, {Text::tr("Confirm"), text, Icon::Question, Yes | No, defaultButton}) == Yes;
}

void Prompts::error(QWidget* owner, const QString& text) {
    box(owner, {applicationTitle(), errorText(text), Icon::Error, Ok});
}

QString Prompts::displayText(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out.replace(QLatin1String("&&"), QLatin1String("&"));
    return out;
}

QString Prompts::errorText(const QString& message) {
    if (!message.isEmpty() && message.back().isLetterOrNumber())
        return message + QLatin1Char('.');
    return message;
}
