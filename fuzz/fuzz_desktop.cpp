// Desktop-entry text through the key-file reader and the Exec parser.
#include "platform/DesktopEntry.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (auto entry = DesktopEntry::parse(bytes)) {
        if (auto args = desktopexec::command(*entry, QStringLiteral("/tmp/x.desktop"))) {
            if (args->isEmpty() || args->front().isEmpty())
                __builtin_trap(); // never a command without a program
        }
    }
    // The Exec parser on raw text as well.
    (void)desktopexec::split(QString::fromUtf8(bytes));
    return 0;
}
