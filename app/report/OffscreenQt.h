#pragma once

#include <QGuiApplication>
#include <memory>

namespace vestra::report {

// Starts Qt for a program that shows nothing: the fonts and the painting need a GUI application,
// but no display. While it starts, QGuiApplication makes the folder XDG_RUNTIME_DIR names when
// it is missing (or one under /tmp when the variable is unset), though nothing is kept there; so
// it starts with a private empty folder instead, removed as soon as Qt has started.
std::unique_ptr<QGuiApplication> StartOffscreenQt(int& argc, char** argv);

} // namespace vestra::report
