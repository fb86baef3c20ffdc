#pragma once
// The command line of a Windows GUI program: started from a console, it has
// no standard streams of its own (a GUI program gets none), so it writes to
// its parent's console. Streams redirected to a file or a pipe are kept.
// Elsewhere, and where the streams exist, nothing happens.
namespace tarvik {

void UseParentConsole();

}  // namespace tarvik
