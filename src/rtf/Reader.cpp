// From tokens to a Document: the group stack with its character and paragraph
// state, the destinations a word processor does not show, the font and colour
// tables, code pages and \uN with its fallback.
#include "rtf/CodePages.h"
#include "rtf/Rtf.h"
#include "rtf/Tokenizer.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cstring>

namespace rtf {

namespace {

enum class Dest : quint8 { Text, Skip, FontTable, ColorTable };

struct State {
    Format format; // family is resolved from `font` when text goes out
    int font = -1; // -1: the document's default font
    int uc = 1;    // fallback characters after \uN
    Dest dest = Dest::Text;
    bool hidden = false;
    Qt::Alignment align = Qt::AlignLeft;
};

struct Font {
    QString name;
    int codePage = 0; // 0: the document's code page
};

// Groups nested deeper than this share the state of the deepest one; braces
// are still counted, so the text after them is read as written.
constexpr int kMaxDepth = 4096;

// A control word against a literal: sizes first, so most tests end there.
template <qsizetype N> bool is(QByteArrayView w, const char (&literal)[N]) {
    return w.size() == N - 1 && std::memcmp(w.data(), literal, N - 1) == 0;
}

QByteArray key(QByteArrayView w) {
    return QByteArray::fromRawData(w.data(), w.size());
}

// Destinations whose text a word processor does not show as body text.
bool isHiddenDestination(QByteArrayView word) {
    static const QSet<QByteArray> names = {"stylesheet",   "info",
                                           "pict",         "header",
                                           "headerl",      "headerr",
                                           "headerf",      "footer",
                                           "footerl",      "footerr",
                                           "footerf",      "footnote",
                                           "fldinst",      "xe",
                                           "tc",           "txe",
                                           "rxe",          "filetbl",
                                           "listtable",    "revtbl",
                                           "rsidtbl",      "listoverridetable",
                                           "themedata",    "datastore",
                                           "latentstyles", "private",
                                           "ftnsep",       "ftnsepc",
                                           "ftncn",        "aftnsep",
                                           "aftnsepc",     "shp",
                                           "upr",          "nonshppict",
                                           "objdata",      "template"};
    return names.contains(key(word));
}

// The visible character a control word stands for, 0 when it stands for none.
char16_t characterFor(QByteArrayView word) {
    static const QHash<QByteArray, char16_t> characters = {
        {"tab", u'\t'},           {"cell", u'\t'},        {"nestcell", u'\t'},
        {"emdash", u'\u2014'},    {"endash", u'\u2013'},  {"bullet", u'\u2022'},
        {"lquote", u'\u2018'},    {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'},
        {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'}, {"enspace", u'\u2002'},
        {"qmspace", u'\u2005'},   {"zwj", u'\u200D'},     {"zwnj", u'\u200C'},
        {"line", u'\u2028'},
    };
    return characters.value(key(word), 0);
}

bool isParagraphBreak(QByteArrayView word) {
    return is(word, "par") || is(word, "sect") || is(word, "page") || is(word, "row") ||
           is(word, "nestrow");
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : tokens_(bytes) {}
    Document run();

private:
    void word(const Token& t);
    void symbol(char c);
    void text(QByteArrayView bytes);
    void fontTableText(QByteArrayView bytes);
    void colorTableText(QByteArrayView bytes);
    void commitFontName();
    void unicode(int value);

    void pushByte(quint8 byte);
    void flushBytes();
    void put(QStringView s);
    void putChar(char32_t c);
    void paragraph();
    bool shows() const { return state_.dest == Dest::Text && !state_.hidden; }
    const Font* fontOf(int index) const;
    int codePageOf(const State& s) const;
    // Counts down the fallback of the last \uN; true when this piece is part of it.
    bool consumeFallback() {
        if (fallback_ <= 0)
            return false;
        --fallback_;
        return true;
    }

    Tokenizer tokens_;
    Document doc_;
    State state_;
    std::vector<State> stack_;
    int overflow_ = 0; // groups opened beyond kMaxDepth and not yet closed
    int fallback_ = 0;
    char16_t highSurrogate_ = 0;

    int codePage_ = 1252;
    int defaultFont_ = -1;
    QHash<int, Font> fonts_;
    int tableFont_ = -1;  // the font table entry being read
    QByteArray fontName_; // its name bytes so far
    std::vector<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorSet_ = false;

    QByteArray bytes_; // text bytes waiting to be decoded in bytesCodePage_
    int bytesCodePage_ = 0;
    CodePages codePages_;
};

Document Reader::run() {
    doc_.wasRtf = true;
    bool started = false;
    for (;;) {
        const Token t = tokens_.next();
        if (t.type == Token::Type::End)
            break;
        if (t.type != Token::Type::Text && t.type != Token::Type::HexByte)
            flushBytes();
        switch (t.type) {
        case Token::Type::GroupOpen:
            fallback_ = 0;
            if (!started) {
                started = true; // the document's own group is the root state
                break;
            }
            if (stack_.size() >= size_t(kMaxDepth))
                ++overflow_;
            else
                stack_.push_back(state_);
            break;
        case Token::Type::GroupClose:
            fallback_ = 0;
            if (overflow_ > 0) {
                --overflow_;
                break;
            }
            if (stack_.empty()) {
                // The document's group has ended: nothing after it is part of it.
                putChar(0); // a pending high surrogate has no partner now
                doc_.alignments.push_back(state_.align);
                return std::move(doc_);
            }
            if (state_.dest == Dest::FontTable) {
                commitFontName(); // an entry may end with its group instead of ";"
                if (stack_.back().dest != Dest::FontTable)
                    tableFont_ = -1;
            }
            state_ = stack_.back();
            stack_.pop_back();
            break;
        case Token::Type::Word:
            word(t);
            break;
        case Token::Type::Symbol:
            symbol(t.symbol);
            break;
        case Token::Type::HexByte:
            if (consumeFallback())
                break;
            if (state_.dest == Dest::FontTable)
                fontName_.append(char(t.byte));
            else if (shows())
                pushByte(t.byte);
            break;
        case Token::Type::Text:
            text(t.word);
            break;
        case Token::Type::Binary:
            consumeFallback();
            break; // picture and object data: never text
        case Token::Type::End:
            break;
        }
    }
    flushBytes();
    putChar(0);
    doc_.alignments.push_back(state_.align);
    return std::move(doc_);
}

void Reader::word(const Token& t) {
    const QByteArrayView w = t.word;
    if (is(w, "u")) {
        if (state_.dest != Dest::Skip)
            unicode(t.param);
        return;
    }
    if (consumeFallback())
        return;
    if (state_.dest == Dest::Skip)
        return;
    const int p = t.param;
    const bool on = !t.hasParam || p != 0;
    if (state_.dest == Dest::FontTable) {
        if (is(w, "f")) {
            tableFont_ = p;
            fontName_.clear();
            fonts_.insert(p, Font{});
        } else if (is(w, "fcharset") && tableFont_ >= 0) {
            fonts_[tableFont_].codePage = CodePages::forCharset(p);
        } else if (is(w, "cpg") && tableFont_ >= 0) {
            fonts_[tableFont_].codePage = p;
        } else if (isHiddenDestination(w)) {
            state_.dest = Dest::Skip;
        }
        return;
    }
    if (state_.dest == Dest::ColorTable) {
        const int v = qBound(0, p, 255);
        if (is(w, "red"))
            red_ = v, colorSet_ = true;
        else if (is(w, "green"))
            green_ = v, colorSet_ = true;
        else if (is(w, "blue"))
            blue_ = v, colorSet_ = true;
        return;
    }
    if (is(w, "fonttbl")) {
        state_.dest = Dest::FontTable;
        tableFont_ = -1;
        return;
    }
    if (is(w, "colortbl")) {
        state_.dest = Dest::ColorTable;
        colors_.clear();
        colorSet_ = false;
        red_ = green_ = blue_ = 0;
        return;
    }
    if (isHiddenDestination(w)) {
        state_.dest = Dest::Skip;
        return;
    }
    if (const char16_t c = characterFor(w)) {
        if (shows())
            putChar(c);
        return;
    }
    if (isParagraphBreak(w)) {
        if (!shows())
            return;
        // Cells are separated by tabs; the last cell of a row needs none.
        if ((is(w, "row") || is(w, "nestrow")) && doc_.text.endsWith(u'\t') &&
            doc_.spans.back().start < doc_.text.size())
            doc_.text.chop(1);
        paragraph();
        return;
    }
    Format& f = state_.format;
    if (is(w, "b"))
        f.bold = on;
    else if (is(w, "i"))
        f.italic = on;
    else if (is(w, "ulnone"))
        f.underline = false;
    else if (w.startsWith("ul") && !is(w, "ulc"))
        f.underline = on; // \ul, \uld, \ulw, \uldb ...: all draw a line
    else if (is(w, "strike") || is(w, "striked"))
        f.strike = on;
    else if (is(w, "fs"))
        f.halfPoints = p > 0 ? qMin(p, 3276) : 24;
    else if (is(w, "cf"))
        f.color = (p > 0 && size_t(p) < colors_.size()) ? colors_[size_t(p)] : QColor();
    else if (is(w, "highlight") || is(w, "cb"))
        f.background = (p > 0 && size_t(p) < colors_.size()) ? colors_[size_t(p)] : QColor();
    else if (is(w, "f"))
        state_.font = p;
    else if (is(w, "plain")) {
        f = Format{};
        state_.font = -1;
        state_.hidden = false;
    } else if (is(w, "v"))
        state_.hidden = on;
    else if (is(w, "pard"))
        state_.align = Qt::AlignLeft;
    else if (is(w, "ql"))
        state_.align = Qt::AlignLeft;
    else if (is(w, "qc"))
        state_.align = Qt::AlignHCenter;
    else if (is(w, "qr"))
        state_.align = Qt::AlignRight;
    else if (is(w, "qj"))
        state_.align = Qt::AlignJustify;
    else if (is(w, "uc"))
        state_.uc = qBound(0, p, 255);
    else if (is(w, "ansicpg"))
        codePage_ = p > 0 ? p : 1252;
    else if (is(w, "mac"))
        codePage_ = 10000;
    else if (is(w, "pc"))
        codePage_ = 437;
    else if (is(w, "pca"))
        codePage_ = 850;
    else if (is(w, "deff"))
        defaultFont_ = p;
}

void Reader::symbol(char c) {
    if (c == '*') {
        // "Ignore this group unless you know the destination": we know none of those.
        state_.dest = Dest::Skip;
        return;
    }
    if (consumeFallback())
        return;
    if (state_.dest == Dest::FontTable || state_.dest == Dest::ColorTable) {
        if (c == '\\' || c == '{' || c == '}')
            text(QByteArrayView(&c, 1));
        return;
    }
    if (!shows())
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        putChar(char16_t(c));
        break;
    case '~':
        putChar(u'\u00A0');
        break;
    case '_':
        putChar(u'\u2011');
        break;
    case '\n':
        paragraph();
        break;
    default:
        break; // \- optional hyphen, \: index sub-entry, \| formula, a broken \'
    }
}

void Reader::text(QByteArrayView bytes) {
    if (fallback_ > 0) {
        const qsizetype skip = qMin<qsizetype>(fallback_, bytes.size());
        fallback_ -= int(skip);
        bytes = bytes.sliced(skip);
    }
    if (bytes.isEmpty())
        return;
    if (state_.dest == Dest::FontTable)
        return fontTableText(bytes);
    if (state_.dest == Dest::ColorTable)
        return colorTableText(bytes);
    if (!shows())
        return;
    bool ascii = bytes_.isEmpty();
    for (qsizetype i = 0; ascii && i < bytes.size(); ++i)
        ascii = quint8(bytes[i]) >= 0x20 && quint8(bytes[i]) < 0x80;
    if (ascii) {
        put(QString::fromLatin1(bytes));
        return;
    }
    for (const char c : bytes) {
        const quint8 b = quint8(c);
        if (b == '\t') {
            flushBytes();
            putChar(u'\t');
        } else if (b >= 0x20) {
            pushByte(b);
        } // other control bytes are not text
    }
}

void Reader::fontTableText(QByteArrayView bytes) {
    for (const char c : bytes) {
        if (c != ';') {
            fontName_.append(c);
            continue;
        }
        commitFontName();
    }
}

void Reader::commitFontName() {
    if (tableFont_ >= 0 && !fontName_.trimmed().isEmpty()) {
        Font& font = fonts_[tableFont_];
        font.name =
            codePages_.decode(fontName_, font.codePage ? font.codePage : codePage_).trimmed();
    }
    fontName_.clear();
}

void Reader::colorTableText(QByteArrayView bytes) {
    for (const char c : bytes) {
        if (c != ';')
            continue;
        colors_.push_back(colorSet_ ? QColor(red_, green_, blue_) : QColor());
        red_ = green_ = blue_ = 0;
        colorSet_ = false;
    }
}

void Reader::unicode(int value) {
    // The fallback that follows is skipped even when the text is hidden.
    const bool inRange = value >= -32768 && value <= 65535;
    if (!inRange)
        return; // not a character: the writer's fallback text stands instead
    fallback_ = state_.uc;
    if (!shows())
        return;
    const char16_t unit = char16_t(value < 0 ? value + 65536 : value);
    if (unit < 0x20 && unit != u'\t')
        return; // control characters are not text, and line ends come from \par alone
    putChar(unit);
}

const Font* Reader::fontOf(int index) const {
    auto it = fonts_.constFind(index >= 0 ? index : defaultFont_);
    return it == fonts_.constEnd() ? nullptr : &*it;
}

int Reader::codePageOf(const State& s) const {
    const Font* font = fontOf(s.font);
    return font && font->codePage ? font->codePage : codePage_;
}

void Reader::pushByte(quint8 byte) {
    const int cp = codePageOf(state_);
    if (!bytes_.isEmpty() && cp != bytesCodePage_)
        flushBytes();
    bytesCodePage_ = cp;
    bytes_.append(char(byte));
}

void Reader::flushBytes() {
    if (bytes_.isEmpty())
        return;
    const QString decoded = codePages_.decode(bytes_, bytesCodePage_);
    bytes_.clear();
    // Control characters a code page maps to are not text either.
    QString clean;
    clean.reserve(decoded.size());
    for (const QChar ch : decoded) {
        if (ch.unicode() >= 0x20 || ch == u'\t')
            clean.append(ch);
    }
    put(clean);
}

void Reader::putChar(char32_t c) {
    // UTF-16 pairs arrive as two \uN; a half without its partner becomes U+FFFD.
    if (highSurrogate_) {
        const char16_t high = highSurrogate_;
        highSurrogate_ = 0;
        if (QChar::isLowSurrogate(c)) {
            const QChar pair[2] = {QChar(high), QChar(char16_t(c))};
            put(QStringView(pair, 2));
            return;
        }
        put(QStringView(u"\uFFFD"));
    }
    if (c == 0)
        return;
    if (QChar::isHighSurrogate(c)) {
        highSurrogate_ = char16_t(c);
        return;
    }
    if (QChar::isLowSurrogate(c))
        c = 0xFFFD;
    const QChar one{char16_t(c)};
    put(QStringView(&one, 1));
}

void Reader::put(QStringView s) {
    if (s.isEmpty())
        return;
    if (highSurrogate_) {
        highSurrogate_ = 0;
        put(QStringView(u"\uFFFD"));
    }
    Format f = state_.format;
    if (const Font* font = fontOf(state_.font))
        f.family = font->name;
    if (doc_.spans.empty() || doc_.spans.back().format != f) {
        if (!doc_.spans.empty() && doc_.spans.back().start == doc_.text.size())
            doc_.spans.back().format = f;
        else
            doc_.spans.push_back(Span{doc_.text.size(), f});
    }
    doc_.text.append(s);
}

void Reader::paragraph() {
    putChar(0);
    put(u"\n");
    doc_.alignments.push_back(state_.align);
}

Document plainDocument(const QByteArray& bytes) {
    Document doc;
    QString text = CodePages::decodeTextFile(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    doc.text = text;
    if (!text.isEmpty())
        doc.spans.push_back(Span{});
    doc.alignments.assign(size_t(text.count(u'\n')) + 1, Qt::AlignLeft);
    return doc;
}

} // namespace

Document parse(const QByteArray& bytes) {
    if (!bytes.startsWith("{\\rtf"))
        return plainDocument(bytes);
    return Reader(bytes).run();
}

QString toPlainText(const Document& document) {
    QString text = document.text;
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

} // namespace rtf
