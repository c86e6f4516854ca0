#pragma once

#include "chart/Drawing.h"

#include <string>

namespace vestra::chart {

// The drawing as an SVG document in UTF-8. The same drawing always gives the same bytes: no
// date, no generator stamp, numbers written without regard to the locale.
std::string WriteSvg(const Drawing& drawing);

} // namespace vestra::chart
