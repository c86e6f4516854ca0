#pragma once

#include "serial/PortSurvey.h"

#include <string>
#include <vector>

namespace vestra {

// The survey of the COM names Windows lists: COM1 to COM16 are the ports of their own numbers
// (built in, in the survey's terms, whatever the hardware); a port of a higher number (COM23)
// is an adapter, named by its COM name, which the application gives a free number of its own.
// Windows tells no maker, VID:PID or serial number in that list: those stay empty.
PortSurvey SurveyOfComNames(const std::vector<std::string>& names);

} // namespace vestra
