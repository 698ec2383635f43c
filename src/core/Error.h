#pragma once
#include <QCoreApplication>
#include <QString>
#include <stdexcept>

// The one error type of the program. It carries the text the user sees; the
// action guard shows it in the general error message box.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const noexcept { return text_; }

private:
    QString text_;
};

// A text that had to become a number or a colour and could not.
class ConversionError : public AppError {
public:
    explicit ConversionError(const QString& source)
        : AppError(
              QCoreApplication::translate("ConversionError", "'%1' is not a valid integer value")
                  .arg(source)) {}
};
