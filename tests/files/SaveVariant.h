#pragma once

#include "files/SampleData.h"

#include <string>

namespace vestra::testing {

// A full memory whose subject names the run, so that every save in a series writes different
// bytes and a file mixed from two saves cannot pass for either.
inline DataSet SaveVariant(int run) {
    DataSet d = FullDataSet();
    d.subject = "run " + std::to_string(run);
    d.group(3).recordValues[0] = static_cast<float>(run % 500);
    return d;
}

} // namespace vestra::testing
