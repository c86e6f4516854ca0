#pragma once

#include <QFont>

namespace vestra {

// The report's columns are made of blanks, so its font must be fixed-pitch with full-width
// characters exactly two half-width columns wide. IPAGothic is: at 10 point a half-width
// character advances 1/2 of a full-width one.
inline constexpr const char* kReportFontFamily = "IPAGothic";
inline constexpr int kReportFontPoints = 10;

QFont ReportFont();

} // namespace vestra
