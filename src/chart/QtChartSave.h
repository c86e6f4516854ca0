#pragma once

#include "base/MessageSink.h"
#include "chart/ChartFormat.h"
#include "chart/Drawing.h"
#include "files/FileDialogs.h"

#include <optional>
#include <string>

namespace vestra::chart {

// The chart as the bytes of a file of the format; empty when it cannot be encoded.
std::string ChartFileBytes(const Drawing& drawing, ChartFormat format);

// Asks for a file name as the Save command does (AskSaveName: ".png" or ".svg" added to a name
// without extension, another extension refused with the unsupported-name message, a question
// before a file is replaced) and writes the chart through the atomic writing path. A failed
// write shows the Save command's error. The dialog starts in folder with name offered. The path
// written, nothing when nothing was.
std::optional<std::string> SaveChartAs(const Drawing& drawing, ChartFormat format,
                                       FileDialogs& dialogs, const std::string& folder,
                                       const std::string& name, MessageSink& messages);

} // namespace vestra::chart
