#pragma once

#include <string>

namespace vestra {

// The texts of the version window, built from the program's version record.
struct AboutText {
    std::string caption;
    std::string title;
    std::string model;
    std::string version;
    std::string copyright;
    std::string description;
};

AboutText MakeAboutText();

// "ﾊﾞｰｼﾞｮﾝ 2.00": major, ".", minor and revision without a separator between them.
std::string VersionNumberText();

} // namespace vestra
