#pragma once

#include <QIcon>

namespace vestra {

// The toolbar's pictures, drawn here so the program carries no image files.
QIcon OpenIcon();
QIcon SaveIcon();
QIcon PrintIcon();
QIcon ImportIcon();
QIcon ChartIcon();

} // namespace vestra
