#pragma once
// The help window's text, one paragraph a line.
#include <QStringList>

namespace tarvik {

QStringList HelpTextLines();

// The side windows' paragraphs, and the line each starts: F1 there opens
// the help at it.
enum class HelpTopic { CriticalValues, Power, TableTest, Variance };
int HelpTopicLine(HelpTopic topic);

}  // namespace tarvik
