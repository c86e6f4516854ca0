#include "print/PdfFileChoice.h"

#include "base/FileFunc.h"
#include "files/FileChoice.h"

#include <algorithm>

namespace vestra {
namespace {

constexpr std::string_view kPdfExtension = "pdf";
constexpr std::size_t kDotAndExtension = 4; // ".pdf"

} // namespace

FileDialogSetup PdfDialogSetup(const std::string& lastPdfPath, const std::string& currentFilePath) {
    FileDialogSetup setup;
    setup.defaultExtension = std::string(kPdfExtension);
    setup.filters = {{"PDFﾌｧｲﾙ(*.pdf)", "*.pdf"}};
    if (FileExists(lastPdfPath)) {
        std::string name = FileNameOf(lastPdfPath);
        setup.folder = FolderOf(lastPdfPath);
        setup.name = name.substr(0, name.size() - std::min(name.size(), kDotAndExtension));
    } else {
        setup.folder = FolderOf(currentFilePath);
    }
    return setup;
}

bool ChoosePdfFile(FileDialogs& dialogs, std::string& lastPdfPath,
                   const std::string& currentFilePath, MessageSink& messages) {
    std::optional<std::string> path = AskSaveName(
        dialogs, PdfDialogSetup(lastPdfPath, currentFilePath),
        [](const std::string& p) { return LowerCaseAscii(ExtensionOf(p)) == kPdfExtension; },
        messages);
    if (!path) {
        return false;
    }
    lastPdfPath = *path;
    return true;
}

} // namespace vestra
