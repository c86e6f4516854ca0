#pragma once

#include "base/MessageSink.h"
#include "files/FileDialogs.h"

#include <string>

namespace vestra {

// What the question for a PDF report's file starts with: the folder and name of the last
// report, or the folder of the last data file.
FileDialogSetup PdfDialogSetup(const std::string& lastPdfPath, const std::string& currentFilePath);

// Asks for the file a PDF report goes to. A name without extension gets ".pdf"; any other
// extension shows "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。" and is not taken. When the file exists the
// user is asked, as by the Save command, before it is replaced; No asks for the name again.
// On true lastPdfPath holds the chosen file; a cancel leaves it unchanged.
bool ChoosePdfFile(FileDialogs& dialogs, std::string& lastPdfPath,
                   const std::string& currentFilePath, MessageSink& messages);

} // namespace vestra
