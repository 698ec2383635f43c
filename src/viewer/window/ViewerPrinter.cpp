#include "viewer/window/ViewerPrinter.h"
#include "context/Prompts.h"
#include "core/Error.h"
#include "graphics/Picture.h"
#include "viewer/PrintBlocks.h"

#include <QCoreApplication>
#include <QPainter>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ViewerPrinter)
};

const char* const printFailed =
    QT_TRANSLATE_NOOP("ViewerPrinter", "The picture could not be printed");
} // namespace

ViewerPrinter::ViewerPrinter(Prompts& prompts, QWidget* owner) : prompts_(prompts), owner_(owner) {}

QPrinter& ViewerPrinter::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void ViewerPrinter::setup() {
    prompts_.pageSetup(owner_, printer());
}

void ViewerPrinter::print(const Picture& picture) {
    if (printing_)
        throw AppError(Text::tr("Printing in progress"));
    if (!prompts_.print(owner_, printer()))
        return;
    const QImage source = printblocks::source(picture);
    QPainter painter;
    if (!painter.begin(&printer()))
        throw AppError(Text::tr(printFailed));
    printing_ = true;
    try {
        printblocks::draw(painter, source);
    } catch (...) {
        printer().abort();
        painter.end();
        printing_ = false;
        throw;
    }
    printing_ = false;
    if (!painter.end())
        throw AppError(Text::tr(printFailed));
}

void ViewerPrinter::abort() {
    if (printing_) {
        printer().abort();
        printing_ = false;
        prompts_.box(owner_, {Text::tr("Information"), Text::tr("Printing aborted!"),
                              Prompts::Icon::Information, Prompts::Ok});
        return;
    }
    prompts_.notice(owner_, Text::tr("Printer was Not Printing, so Printing was NOT aborted."));
}
