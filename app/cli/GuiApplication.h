#pragma once

namespace vestra::cli {

// Makes the GUI application object that fonts and painting need, once, on the offscreen
// platform unless another is asked for: the tool shows no window and needs no display.
void EnsureGuiApplication();

} // namespace vestra::cli
