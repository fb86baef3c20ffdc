// The notes of the fields: what a typed text is read as, in the user's
// language, while it is typed.
#include "calc/calculator.h"
#include "calc/calculator_texts.h"
#include "core/errors.h"
#include "core/translation.h"

namespace tarvik {

// A field says what its typed text is read as whenever that is not the text
// itself, while the user is still typing: a clamp at once, not only when the
// field is left, and a text that is no number with the number the results
// still belong to. Committed texts are their own canonical form.
std::string Calculator::NoteFor(Field f) const {
    const std::size_t i = Index(f);
    const std::string& text = text_[i];
    if (typing_ != f || !typed_[i] || text.empty()) return {};
    Real read = 0;
    if (!TryReadText(text, read)) {
        if (IsGuardText(text)) return {};
        return Fill(Tr("Calculator", "Not a number: the results are still those of %1."), {basis_[i]});
    }
    if (f == Field::Value && IsBelowEveryReal(read, text))
        return Fill(Tr("Calculator", "Below the smallest number the calculator holds: the results are still those of %1."), {basis_[i]});
    if (IsGuardText(text)) return {};
    const std::string canonical = Canonical(f);
    if (canonical == text) return {};
    if (f == Field::Value)
        return Fill(Tr("Calculator", "Read as %1: the window takes values from 0 to %2."), {canonical, FormatGeneral(limits_.valueCap)});
    return Fill(Tr("Calculator", "Read as %1: the window takes probabilities from %2 to %3; the command line takes them down to 1e-300."),
                {canonical, Format(limits_.lowestProbability), Format(highestProbability_)});
}

void Calculator::UpdateNotes() {
    for (int f = 0; f < kFieldCount; ++f) {
        std::string note;
        try {
            note = NoteFor(Field(f));
        } catch (const Exception&) {
            note.clear();  // the chain has reported what does not read
        }
        if (note != notes_[std::size_t(f)]) {
            notes_[std::size_t(f)] = note;
            fx_.Notes[std::size_t(f)] = note;
        }
    }
}

}  // namespace tarvik
