#pragma once

namespace vestra::chart {

// The file types a chart is saved as.
enum class ChartFormat { Png, Svg };

} // namespace vestra::chart
