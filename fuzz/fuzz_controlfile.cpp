// The INI engine on hostile text: parse, look up, change and write back.
// What a rewrite did not touch must come back unchanged, and every value read
// back must be the one just set.
#include "core/IniDocument.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first bytes choose the names; the rest is the file.
    if (size < 3)
        return 0;
    const QString section = QString::fromUtf8(reinterpret_cast<const char*>(data), data[0] % 3 + 1);
    const QString key = QString::number(data[1]);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));

    IniDocument doc = IniDocument::parse(bytes);
    if (doc.serialize() != bytes)
        std::abort(); // an untouched file must round-trip byte for byte
    (void)doc.value(section, key);
    (void)doc.value(QStringLiteral("BUTTON"), QStringLiteral("1"));

    const QString value = QStringLiteral("fuzz value");
    doc.set(section, key, value);
    doc.set(QStringLiteral("BUTTON"), QStringLiteral("1"), QString());
    const auto mine = doc.value(QStringLiteral("BUTTON"), QStringLiteral("1"));
    if (!mine || !mine->isEmpty())
        std::abort();

    const QByteArray out = doc.serialize();
    IniDocument again = IniDocument::parse(out);
    if (again.serialize() != out)
        std::abort();
    if (again.value(QStringLiteral("BUTTON"), QStringLiteral("1")) != mine)
        std::abort();
    // A name that is itself well-formed must read back what was set.
    const QString trimmed = section.trimmed();
    const bool plainName = !trimmed.isEmpty() && !trimmed.contains(QLatin1Char(']')) &&
                           !trimmed.contains(QLatin1Char('\r')) &&
                           !trimmed.contains(QLatin1Char('\n')) && !trimmed.contains(QChar(0)) &&
                           !trimmed.startsWith(QLatin1Char('[')) &&
                           !trimmed.contains(QChar(0xFFFD)) && trimmed == section;
    if (plainName && again.value(section, key) != value)
        std::abort();
    return 0;
}
