#pragma once
#include "context/Prompts.h"

class QFileDialog;

// The real dialogs.
class QtPrompts : public Prompts {
public:
    Button box(QWidget* owner, const Box& box) override;
    std::optional<QString> input(QWidget* owner, const Input& input) override;
    // Opened with open(): the caller's flow goes on, `done` runs on close.
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

    // The picture chooser's preview pane beside the file list.
    static void addPreview(QFileDialog& dialog);
};
