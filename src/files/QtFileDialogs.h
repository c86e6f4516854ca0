#pragma once

#include "files/FileDialogs.h"

class QWidget;

namespace vestra {

// The open and save dialogs shown with QFileDialog over the main window.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    std::optional<std::string> askOpen(const FileDialogSetup& setup) override;
    std::optional<std::string> askSave(const FileDialogSetup& setup) override;

private:
    QWidget* owner_;
};

} // namespace vestra
