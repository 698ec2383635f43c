// The RTF reader on hostile input: it never fails, its Document keeps its
// shape, and the formatted output holds exactly the plain text.
#include "rtf/Rtf.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    const rtf::Document doc =
        rtf::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (doc.alignments.size() != size_t(doc.text.count(u'\n')) + 1)
        std::abort();
    qsizetype last = -1;
    for (const rtf::Span& span : doc.spans) {
        if (span.start <= last || span.start > doc.text.size())
            std::abort();
        last = span.start;
    }
    if (!doc.spans.empty() && doc.spans.front().start != 0)
        std::abort();
    if (rtf::toPlainText(doc).size() != doc.text.size())
        std::abort();
    QTextDocument rich;
    rtf::toTextDocument(doc, rich);
    QString expected = doc.text;
    expected.replace(u'\n', QChar::ParagraphSeparator);
    if (rich.toRawText() != expected)
        std::abort();
    return 0;
}
