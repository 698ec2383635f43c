// The RTF reader against hand-written edge cases, hostile input, and files
// written by two real programs (tests/data/rtf/README.md says how).
#include "TestRegistry.h"
#include "rtf/Rtf.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QByteArray fixture(const QString& name) {
    QFile f(QStringLiteral(TABDECK_TEST_DATA "/rtf/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture rtf/%s", qPrintable(name));
    return f.readAll();
}

// What every Document promises, whatever the input was.
void checkShape(const rtf::Document& doc) {
    QCOMPARE(doc.alignments.size(), size_t(doc.text.count(u'\n')) + 1);
    qsizetype last = -1;
    for (const rtf::Span& span : doc.spans) {
        QVERIFY(span.start > last || (last == -1 && span.start == 0));
        QVERIFY(span.start <= doc.text.size());
        last = span.start;
    }
    QTextDocument rich;
    rtf::toTextDocument(doc, rich);
    QString expected = doc.text;
    expected.replace(u'\n', QChar::ParagraphSeparator);
    QCOMPARE(rich.toRawText(), expected);
}

} // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT
private slots:
    void plainText_data();
    void plainText();
    void realFiles_data();
    void realFiles();
    void formats_data();
    void formats();
};

void RtfReaderTest::plainText_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("groups and formats add no text")
        << QByteArray("{\\rtf1 a{\\b b}{\\i\\ul c}\\b0 d}") << QString("abcd");
    QTest::newRow("blank after a word is its delimiter")
        << QByteArray("{\\rtf1 \\b x \\b0  y\\fs-5 z}") << QString("x  yz");
    QTest::newRow("line ends in the source are not text")
        << QByteArray("{\\rtf1 one\r\ntwo\\\r\nthree}") << QString("onetwo\nthree");
    QTest::newRow("control symbols")
        << QByteArray("{\\rtf1 \\{a\\}\\\\b\\~c\\-d\\_e}") << QString("{a}\\b\u00A0cd\u2011e");
    QTest::newRow("par line tab") << QByteArray("{\\rtf1 a\\par b\\line c\\tab d\\par}")
                                  << QString("a\nb\nc\td\n");
    QTest::newRow("typographic words")
        << QByteArray(
               "{\\rtf1 \\lquote x\\rquote  \\ldblquote y\\rdblquote \\emdash\\endash\\bullet}")
        << QString("\u2018x\u2019 \u201Cy\u201D\u2014\u2013\u2022");
    QTest::newRow("hex bytes in 1252")
        << QByteArray("{\\rtf1\\ansi caf\\'e9 \\'80\\'93}") << QString("caf\u00E9 \u20AC\u201C");
    QTest::newRow("ansicpg 1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}")
                                  << QString("\u041F\u0440\u0438");
    QTest::newRow("font charset decides")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}"
                      "\\'e9{\\f1 \\'e9}}")
        << QString("\u00E9\u0439");
    QTest::newRow("double-byte code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}") << QString("\u65E5\u672C");
    QTest::newRow("u with one fallback")
        << QByteArray("{\\rtf1 Gr\\u252?n \\u-3913?}") << QString("Gr\u00FCn \uF0B7");
    QTest::newRow("fallback as hex byte")
        << QByteArray("{\\rtf1 \\u252\\'fc!}") << QString("\u00FC!");
    QTest::newRow("uc2 and uc0") << QByteArray("{\\rtf1\\uc2 \\u8364xyz{\\uc0 \\u8364 q}}")
                                 << QString("\u20ACz\u20ACq");
    QTest::newRow("group end ends the fallback")
        << QByteArray("{\\rtf1{\\u252}x}") << QString("\u00FCx");
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUcs4(U"\U0001F600");
    QTest::newRow("lone surrogates")
        << QByteArray("{\\rtf1 \\u-10179?x\\u-8704?}") << QString("\uFFFDx\uFFFD");
    QTest::newRow("u out of range keeps its fallback")
        << QByteArray("{\\rtf1 a\\u70000?b\\u-40000!c\\u99999999999999?}") << QString("a?b!c?");
    QTest::newRow("hidden destinations")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
                      "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
                      "{\\*\\generator G;}{\\*\\unknown{nested} x}{\\header H}"
                      "{\\pict\\pngblip\\bin3 }{x61ab}shown}")
        << QString("shown");
    QTest::newRow("field shows its result")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}}")
        << QString("link");
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 a\\v b\\v0 c{\\v d}e\\v f\\plain g}")
                                 << QString("aceg");
    QTest::newRow("table rows") << QByteArray("{\\rtf1\\trowd A\\cell B\\cell\\row C\\cell\\row}")
                                << QString("A\tB\nC\n");
    QTest::newRow("not rtf: text file")
        << QByteArray("plain\r\ntext\rend\n") << QString("plain\ntext\nend\n");
    QTest::newRow("not rtf: UTF-8")
        << QByteArray("gr\xc3\xbc\xc3\x9f") << QString("gr\u00FC\u00DF");
    QTest::newRow("not rtf: 1252") << QByteArray("gr\xfc\xdf") << QString("gr\u00FC\u00DF");
    QTest::newRow("empty") << QByteArray() << QString();

    // Hostile input.
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 a{\\b b{c") << QString("abc");
    QTest::newRow("text after the document's end") << QByteArray("{\\rtf1 a}}b}{c") << QString("a");
    QTest::newRow("100000 nested groups") << (QByteArray("{\\rtf1 ") + QByteArray(100000, '{') +
                                              "deep" + QByteArray(100000, '}') + " after}")
                                          << QString("deep after");
    QTest::newRow("backslash quote at the end") << QByteArray("{\\rtf1 a\\'") << QString("a");
    QTest::newRow("half hex at the end") << QByteArray("{\\rtf1 a\\'4") << QString("a4");
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << QString("azzb");
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << QString("a");
    QTest::newRow("bin longer than the input")
        << QByteArray("{\\rtf1 a\\bin999999999 bcd") << QString("a");
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << QString("ab");
    QTest::newRow("endless word and number")
        << (QByteArray("{\\rtf1 \\") + QByteArray(100, 'x') + "99999999999999999999 y}")
        << QString("y");
    QTest::newRow("huge uc") << QByteArray("{\\rtf1{\\uc2147483647 \\u65 abc}d}") << QString("Ad");
    QTest::newRow("nul and control bytes")
        << QByteArray("{\\rtf1 a\\u0?b\x01\\'00\\u10?c\\u13?\tz}") << QString("abc\tz");
    QTest::newRow("unknown code page")
        << QByteArray("{\\rtf1\\ansicpg99999 \\'e9}") << QString("\u00E9");
    QTest::newRow("colour index out of range")
        << QByteArray("{\\rtf1\\cf99999 x\\cf-1 y}") << QString("xy");
}

void RtfReaderTest::plainText() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    const rtf::Document doc = rtf::parse(rtf);
    QCOMPARE(rtf::toPlainText(doc), text);
    checkShape(doc);
}

void RtfReaderTest::realFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    const QString letter = QStringLiteral("Quarterly Letter\n");
    const QString umlauts = QStringLiteral("Gr\u00FC\u00DFe aus K\u00F6ln: 5 \u20AC f\u00FCr "
                                           "B\u00FCcher \u2013 \u201Cquoted\u201D.\n");
    const QString cjk = QStringLiteral("\u65E5\u672C\u8A9E\u306E\u30C6\u30AD\u30B9\u30C8\u3068"
                                       "\u4E2D\u6587\u6587\u672C\u3002\n");
    const QString breakAndDot = QStringLiteral("First half\nsecond half after a line break.\n"
                                               ".A line that begins with a period.\n");
    QTest::newRow("pandoc") << "pandoc.rtf"
                            << letter +
                                   "Dear reader, this line has bold words, italic words and plain "
                                   "words.\n" +
                                   umlauts + cjk + "\u2022\tfirst item\n\u2022\tsecond item\n" +
                                   breakAndDot;
    QTest::newRow("libreoffice")
        << "libreoffice.rtf"
        << letter + "Dear reader, this line has bold words, italic words and underlined words.\n" +
               "Red text and large text.\n" + umlauts + cjk + "Right aligned closing line.\n" +
               "First half\nsecond half after a line break.\n" +
               "\u2022\tfirst item\n\u2022\tsecond item\nCell A\tCell B\nCell C\tCell D\n" +
               ".A line that begins with a period.\n";
}

void RtfReaderTest::realFiles() {
    QFETCH(QString, file);
    QFETCH(QString, text);
    const rtf::Document doc = rtf::parse(fixture(file));
    QVERIFY(doc.wasRtf);
    QCOMPARE(rtf::toPlainText(doc), text);
    checkShape(doc);
}

void RtfReaderTest::formats_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("pandoc bold") << "pandoc.rtf"
                                 << "bold words"
                                 << "bold" << QVariant(true);
    QTest::newRow("pandoc plain") << "pandoc.rtf"
                                  << "plain words"
                                  << "bold" << QVariant(false);
    QTest::newRow("pandoc italic") << "pandoc.rtf"
                                   << "italic words"
                                   << "italic" << QVariant(true);
    QTest::newRow("pandoc heading size") << "pandoc.rtf"
                                         << "Quarterly"
                                         << "size" << QVariant(18.0);
    QTest::newRow("pandoc font") << "pandoc.rtf"
                                 << "Dear"
                                 << "family" << QVariant("Helvetica");
    QTest::newRow("lo bold") << "libreoffice.rtf"
                             << "bold words"
                             << "bold" << QVariant(true);
    QTest::newRow("lo italic") << "libreoffice.rtf"
                               << "italic words"
                               << "italic" << QVariant(true);
    QTest::newRow("lo not italic") << "libreoffice.rtf"
                                   << " and "
                                   << "italic" << QVariant(false);
    QTest::newRow("lo underline") << "libreoffice.rtf"
                                  << "underlined words"
                                  << "underline" << QVariant(true);
    QTest::newRow("lo red") << "libreoffice.rtf"
                            << "Red text"
                            << "color" << QVariant("#ff0000");
    QTest::newRow("lo large") << "libreoffice.rtf"
                              << "large text"
                              << "size" << QVariant(20.0);
    QTest::newRow("lo body size") << "libreoffice.rtf"
                                  << "Dear"
                                  << "size" << QVariant(12.0);
    QTest::newRow("lo centred") << "libreoffice.rtf"
                                << "Quarterly"
                                << "align" << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("lo right") << "libreoffice.rtf"
                              << "Right aligned"
                              << "align" << QVariant(int(Qt::AlignRight));
    QTest::newRow("lo left") << "libreoffice.rtf"
                             << "Dear"
                             << "align" << QVariant(int(Qt::AlignLeft));
}

void RtfReaderTest::formats() {
    QFETCH(QString, file);
    QFETCH(QString, phrase);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QTextDocument rich;
    rtf::toTextDocument(rtf::parse(fixture(file)), rich);
    QTextCursor found = rich.find(phrase);
    QVERIFY2(!found.isNull(), qPrintable(phrase));
    // The format of the phrase's last character (a cursor reports the one before it).
    const QTextCharFormat f = found.charFormat();
    QVariant actual;
    if (property == "bold")
        actual = f.fontWeight() == QFont::Bold;
    else if (property == "italic")
        actual = f.fontItalic();
    else if (property == "underline")
        actual = f.fontUnderline();
    else if (property == "size")
        actual = f.fontPointSize();
    else if (property == "color")
        actual = f.foreground().color().name();
    else if (property == "family")
        actual = f.fontFamilies().toStringList().value(0);
    else if (property == "align")
        actual = int(found.block().blockFormat().alignment() & Qt::AlignHorizontal_Mask);
    QCOMPARE(actual, value);
}

TABDECK_TEST(RtfReaderTest)
#include "RtfReaderTest.moc"
