#pragma once

#include "shell/IniFile.h"

#include <optional>

namespace vestra {

// Where the main window stood and how large it was when it last closed, in pixels of the
// desktop. Kept in a section of its own, [Window], so that the lines the program has always
// written stay as they are.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// Nothing when a key is missing, not a whole number, or the size is not positive.
std::optional<WindowPlacement> ReadWindowPlacement(const IniFile& ini);
void WriteWindowPlacement(IniFile& ini, const WindowPlacement& placement);

} // namespace vestra
