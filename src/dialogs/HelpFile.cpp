#include "dialogs/HelpFile.h"

#include "core/Error.h"
#include "core/RegularFile.h"
#include "rtf/Rtf.h"

#include <QCoreApplication>
#include <QTextDocument>

namespace helpfile {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(HelpFile)
};

// A help text far beyond any real one is refused before it is read.
constexpr qint64 HelpCap = qint64(16) * 1024 * 1024;
} // namespace

bool load(const QString& path, QTextDocument& document) {
    const regularfile::Result file = regularfile::read(path, HelpCap);
    if (file.status == regularfile::Status::Missing)
        return false;
    if (file.status == regularfile::Status::TooLarge)
        throw AppError(Text::tr("Failed to Load Stream: ") + regularfile::tooLargeReason(HelpCap));
    if (!file.ok())
        throw AppError(Text::tr("Failed to Load Stream"));
    const rtf::Document parsed = rtf::parse(file.bytes);
    // Text with NUL bytes is no text at all: a binary file put in its place.
    if (!parsed.wasRtf && file.bytes.contains('\0'))
        throw AppError(Text::tr("Failed to Load Stream"));
    rtf::toTextDocument(parsed, document);
    return true;
}

} // namespace helpfile
