#pragma once

class QWidget;

namespace vestra {

// Takes the close command away from a window: the title bar loses its close button and any
// close request (Alt+F4, the window manager's menu) is ignored. The window can still close
// itself through QWidget::close() once ReleaseCloseCommand has been called.
void DisableCloseCommand(QWidget* window);
void ReleaseCloseCommand(QWidget* window);

} // namespace vestra
