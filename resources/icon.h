#pragma once
#include <QIcon>

namespace tarvik {

// The program's icon: a yellow density curve with a red marker on teal.
QIcon ProgramIcon();

// The help button's glyph: a question mark.
QIcon HelpGlyph();

}  // namespace tarvik
