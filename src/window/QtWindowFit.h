#pragma once

#include <QSize>

class QWidget;

namespace vestra {

// The frame a window manager adds is not known before a window is shown; this much is kept
// free for it when a window is fitted to a screen.
inline constexpr int kFrameWidth = 8;
inline constexpr int kTitleHeight = 40;

// Gives a window not yet shown the size it wants, made to fit the free area of the screen its
// parent is on (the primary screen without a parent), centred over the parent: on a small
// screen the preview's buttons and the help's text stay on the screen.
void ResizeWithinScreen(QWidget& window, QSize wanted);

} // namespace vestra
