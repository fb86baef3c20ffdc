#pragma once
// The command line: results and the chart without the window, computed by
// the same calculator core and drawn by the same chart engine.
//   tarvik --df 12 --value 23.5 [--precision N] [--export-chart FILE]
//   tarvik --df 10 --cdf 0.95 | --upper 0.05
#include <QStringList>
#include <ostream>

namespace tarvik {

// Whether the arguments ask for the command line rather than the window.
bool WantsCommandLine(int argc, char** argv);
// Whether they ask for a chart file (which needs a Qt application).
bool WantsChartExport(int argc, char** argv);

// Runs it: 0 on success, 2 on bad input (one line on `err`, nothing
// written), 1 when the chart file cannot be written.
int RunCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace tarvik
