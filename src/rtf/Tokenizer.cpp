#include "rtf/Tokenizer.h"

#include <limits>

namespace rtf {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Token Tokenizer::next() {
    Token token;
    if (pendingBinary_ >= 0) {
        const qsizetype length = qMin(pendingBinary_, data_.size() - pos_);
        pendingBinary_ = -1;
        token.type = Token::Type::Binary;
        token.word = data_.sliced(pos_, length);
        pos_ += length;
        return token;
    }
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == '\r' || c == '\n') {
            ++pos_;
            continue;
        }
        if (c == '{') {
            ++pos_;
            token.type = Token::Type::GroupOpen;
            return token;
        }
        if (c == '}') {
            ++pos_;
            token.type = Token::Type::GroupClose;
            return token;
        }
        if (c == '\\')
            return afterBackslash();
        const qsizetype start = pos_;
        while (pos_ < data_.size()) {
            const char d = data_[pos_];
            if (d == '{' || d == '}' || d == '\\' || d == '\r' || d == '\n')
                break;
            ++pos_;
        }
        token.type = Token::Type::Text;
        token.word = data_.sliced(start, pos_ - start);
        return token;
    }
    return token;
}

Token Tokenizer::afterBackslash() {
    Token token;
    ++pos_; // the backslash
    if (pos_ >= data_.size())
        return token; // End
    const char c = data_[pos_];
    if (isLetter(c))
        return controlWord();
    ++pos_;
    if (c == '\'') {
        const int high = pos_ < data_.size() ? hexValue(data_[pos_]) : -1;
        const int low = pos_ + 1 < data_.size() ? hexValue(data_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) {
            // A broken escape carries no byte; what follows is read as usual.
            token.type = Token::Type::Symbol;
            token.symbol = '\'';
            return token;
        }
        pos_ += 2;
        token.type = Token::Type::HexByte;
        token.byte = quint8(high * 16 + low);
        return token;
    }
    token.type = Token::Type::Symbol;
    // A backslash before a line end is a paragraph mark, like \par.
    token.symbol = (c == '\r' || c == '\n') ? '\n' : c;
    if (c == '\r' && pos_ < data_.size() && data_[pos_] == '\n')
        ++pos_;
    return token;
}

Token Tokenizer::controlWord() {
    Token token;
    token.type = Token::Type::Word;
    const qsizetype start = pos_;
    while (pos_ < data_.size() && isLetter(data_[pos_]))
        ++pos_;
    token.word = data_.sliced(start, pos_ - start);
    qsizetype p = pos_;
    bool negative = false;
    if (p < data_.size() && data_[p] == '-' && p + 1 < data_.size() && isDigit(data_[p + 1])) {
        negative = true;
        ++p;
    }
    if (p < data_.size() && isDigit(data_[p])) {
        qint64 value = 0;
        while (p < data_.size() && isDigit(data_[p])) {
            if (value <= std::numeric_limits<int>::max())
                value = value * 10 + (data_[p] - '0');
            ++p;
        }
        if (negative)
            value = -value;
        token.hasParam = true;
        token.param = int(qBound(qint64(std::numeric_limits<int>::min()), value,
                                 qint64(std::numeric_limits<int>::max())));
        pos_ = p;
    }
    // One blank after a control word belongs to it.
    if (pos_ < data_.size() && data_[pos_] == ' ')
        ++pos_;
    if (token.word == "bin" && token.hasParam)
        pendingBinary_ = qMax(0, token.param);
    return token;
}

} // namespace rtf
