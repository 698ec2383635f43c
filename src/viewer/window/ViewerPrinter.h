#pragma once
#include <QPrinter>
#include <memory>

class Picture;
class Prompts;
class QWidget;

// The viewer's printer: Setup, Print and Abort. A job is open only while
// Print draws its page; it is ended or discarded on every way out.
class ViewerPrinter {
public:
    ViewerPrinter(Prompts& prompts, QWidget* owner);

    // Made when first needed: a printer loads the desktop's print system,
    // which a viewer that never prints does not need.
    QPrinter& printer();
    bool isPrinting() const { return printing_; }

    void setup();
    // The print dialog, then one page: every pixel of the picture as a 6 x 6
    // block of device pixels at the printable area's top-left corner. With no
    // picture the conversion error is raised before any job is opened.
    void print(const Picture& picture);
    void abort();

private:
    Prompts& prompts_;
    QWidget* owner_;
    std::unique_ptr<QPrinter> printer_;
    bool printing_ = false;
};
