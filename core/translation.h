#pragma once
// The words the layers without Qt show (messages, notes, report lines) in
// the user's language. A text is marked where it is written, as
// Tr("Context", "English text"): the build's lupdate reads these calls
// (an alias of QCoreApplication::translate), and at run time the look-up
// the Qt layer installs gives the translation. With none installed (the
// tests, a library user) every text stays the English source.
//
// Traps: the context and the source must be string literals for lupdate
// to find them, and a sentence with numbers or names in it is one pattern
// with %1, %2 ... (Fill), never pieces glued together: word order differs
// between languages.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvik {

// Gives the translation of source in context, or nullptr for "none": the
// source is shown then. Must be safe to call from any thread.
using TextLookup = const char* (*)(const char* context, const char* source);

// Installs the look-up (nullptr: English). Returns the previous one.
TextLookup SetTextLookup(TextLookup lookup);

std::string Tr(const char* context, const char* source);

// Marks a text for lupdate where it is stored (a table of titles) and
// translated later, by Tr with the same context.
constexpr const char* TrLater(const char* /*context*/, const char* source) { return source; }

// The pattern with %1 ... %9 replaced by the arguments, in one pass: an
// argument's own "%2" is never replaced again. A %n without its argument
// is left as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace tarvik
