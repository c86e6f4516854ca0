#pragma once

#include <QString>

class QWidget;

namespace vestra {

// Where the help document is: beside the program in the build tree, in the data folder once
// installed.
QString HelpFilePath();

// Opens the help document at its contents in a help window of its own (one per run, raised
// when already open). A missing document is reported inside that window.
void OpenHelp(QWidget* owner, const QString& path);

} // namespace vestra
