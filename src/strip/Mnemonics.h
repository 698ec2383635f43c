#pragma once
#include <QStringList>

// Keyboard mnemonics for the items of one menu: each text gets an '&' before
// one of its own letters, so what the menu shows is unchanged apart from the
// underline. No two items share a key (case does not count); a word's first
// letter is preferred. A text that already has a mnemonic keeps it, "&&" stays
// a literal '&', and a text with no free letter or digit is left without one.
namespace mnemonics {

QStringList assign(const QStringList& texts);

} // namespace mnemonics
