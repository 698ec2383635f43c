#pragma once
#include <QByteArrayView>
#include <QtGlobal>

namespace rtf {

// One lexical piece of an RTF stream. Views point into the tokenizer's input,
// which must outlive the token.
struct Token {
    enum class Type {
        GroupOpen,  // {
        GroupClose, // }
        Word,       // \letters with an optional signed number
        Symbol,     // \ and one non-letter: \{ \} \\ \~ \- \_ \* \| \: ...
        HexByte,    // \'hh: one byte of text in the current code page
        Text,       // a run of text bytes (line ends dropped)
        Binary,     // the data of \binN, cut to what the input holds
        End,
    };
    Type type = Type::End;
    QByteArrayView word;   // Word: the letters; Text, Binary: the bytes
    bool hasParam = false; // Word: a number followed the letters
    int param = 0;         // Word: the number, clamped to the int range
    char symbol = 0;       // Symbol: the character after the backslash
    quint8 byte = 0;       // HexByte: the value
};

// Splits RTF into tokens without interpreting them. Every read is checked
// against the input's end: a backslash, "\'" or "\binN" at the end yields what
// is there and then End; the tokenizer never fails.
class Tokenizer {
public:
    explicit Tokenizer(QByteArrayView data) : data_(data) {}

    Token next();
    qsizetype offset() const { return pos_; }

private:
    Token controlWord();
    Token afterBackslash();

    QByteArrayView data_;
    qsizetype pos_ = 0;
    qsizetype pendingBinary_ = -1; // bytes of \bin data that follow, -1 when none
};

} // namespace rtf
