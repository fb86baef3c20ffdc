#pragma once
// The keys every side window answers alike: Escape and Ctrl+W close it.
// Escape is taken only where nothing inside the window took it first: an
// open drop-down closes, a cell's editor gives up its edit, and the window
// stays. (A window shortcut on Escape fired over both: it closed the power
// window from its axis drop-down, and the table window from a cell half
// typed.)
class QWidget;

namespace tarvik {

void CloseOnEscape(QWidget& window);

}  // namespace tarvik
