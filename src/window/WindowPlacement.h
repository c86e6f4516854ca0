#pragma once

#include "base/IniFile.h"

#include <optional>

namespace vestra {

// Where the main window stood and how large it was when it last closed, in pixels of the
// desktop: the top left corner of its frame (what a move places) and the size inside the frame
// (what a resize sets), so that a restart puts it back exactly. Kept in a section of its own,
// [Window], so that the lines the program has always written stay as they are.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximized = false; // the placement is then the one it goes back to

    bool operator==(const WindowPlacement&) const = default;
};

// Nothing when a key is missing, not a whole number, or the size is not positive. Maximized is
// optional.
std::optional<WindowPlacement> ReadWindowPlacement(const IniFile& ini);
void WriteWindowPlacement(IniFile& ini, const WindowPlacement& placement);

// The free area of a screen (without panels and docks), in pixels of the desktop.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The placement made to fit the area: a window larger than the area shrinks to it, less the
// frame (frameWidth at each side, titleHeight above), and one that reaches over an edge moves
// in, so that its title bar and its status bar are on the screen.
WindowPlacement FitToArea(WindowPlacement placement, const ScreenArea& area, int frameWidth,
                          int titleHeight);

} // namespace vestra
