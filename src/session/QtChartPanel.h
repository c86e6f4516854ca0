#pragma once

#include "base/MessageSink.h"
#include "files/FileDialogs.h"
#include "files/OutputPlace.h"

#include <string>

namespace vestra {
class frmMain;
}

namespace vestra::chart {

class QtChartView;

// Puts the chart into the main window's chart area and keeps the two in step: the chart
// shows the node the window shows, marks the table's current reading, makes a reading it
// chooses the table's current row and a group it chooses the shown node. Its context menu
// saves it (SaveChartAs) after any edit in progress has been stored; the dialogs start in the
// folder last written to (outputs) with a name from the tag or the data file (ChartFileName),
// and the file written is reported to outputs. Everything given must outlive the window.
QtChartView* InstallChart(frmMain& window, FileDialogs& dialogs, OutputPlace& outputs,
                          MessageSink& messages);

} // namespace vestra::chart
