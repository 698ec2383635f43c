#pragma once
#include "context/Prompts.h"

#include <optional>

// The benchmarks' prompts: every box is answered Yes (or OK) and counted,
// every dialog is cancelled except an Open or Save dialog given a path.
class BenchPrompts : public Prompts {
public:
    QString path; // what a file dialog returns; cancelled when empty
    QString last; // the text of the last box
    int shown = 0;

    Button box(QWidget*, const Box& b) override {
        last = b.text;
        ++shown;
        return (b.buttons & Yes) ? Yes : Ok;
    }
    std::optional<QString> input(QWidget*, const Input&) override { return std::nullopt; }
    std::optional<QString> file(QWidget*, const FileDialog&) override {
        return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    }
    std::optional<QColor> color(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QFont> font(QWidget*, const QFont&) override { return std::nullopt; }
    bool print(QWidget*, QPrinter&) override { return false; }
    bool pageSetup(QWidget*, QPrinter&) override { return false; }
    void modal(QWidget*, QDialog&) override {}
};
