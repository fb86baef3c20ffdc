#pragma once
// The help window's text, one paragraph a line.
#include <QStringList>

namespace tarvik {

QStringList HelpTextLines();

}  // namespace tarvik
