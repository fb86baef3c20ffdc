#pragma once
// Which characters the number fields take: the text as it would be with the
// character inserted at the caret must read as a number that is not below
// zero in single precision (or be exactly "+", the start of a number).
#include <string>

namespace tarvik {

// True to let the character in. Control characters (below the blank) always
// pass. The caret is the start of the selection (UTF-16 index), and the
// selected text stays in the tested copy. A number of any size is let in
// ("1e39", "1e5000"): the fields clamp it.
bool NumericKeyAccepted(const std::u16string& text, int caret, char16_t ch);

// The copy the filter tests, as UTF-8 (for the error message that names it).
std::string CopyWithKey(const std::u16string& text, int caret, char16_t ch);

// The degrees-of-freedom field takes digits, Backspace, and the editing
// keys the other fields have: Ctrl+A, C, X, V, Y and Z arrive as their
// control characters (1, 3, 24, 22, 25, 26). Everything else, Enter
// included, is refused.
bool WholeNumberKeyAccepted(char16_t ch);

// A text that may stand in the degrees-of-freedom field: digits only (the
// empty text too, as Backspace or cut can leave it). A paste or drop that
// would make anything else is refused.
bool IsWholeNumberText(const std::u16string& text);

}  // namespace tarvik
