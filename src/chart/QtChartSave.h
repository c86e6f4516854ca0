#pragma once

#include "chart/ChartFormat.h"
#include "chart/Drawing.h"
#include "files/FileDialogs.h"
#include "shell/MessageSink.h"

#include <string>

namespace vestra::chart {

// The chart as the bytes of a file of the format; empty when it cannot be encoded.
std::string ChartFileBytes(const Drawing& drawing, ChartFormat format);

// Asks for a file name (".png" or ".svg" added to a name without extension; another extension
// is refused with the unsupported-name message), asks before replacing a file as the Save
// command does, and writes the chart through the atomic writing path. A failed write shows
// the Save command's error. False when nothing was written.
bool SaveChartAs(const Drawing& drawing, ChartFormat format, FileDialogs& dialogs,
                 const std::string& folder, MessageSink& messages);

} // namespace vestra::chart
