#include "files/FileCommands.h"

#include "base/FileFunc.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "files/Export.h"

namespace vestra {

SaveFormat SaveFormatOf(const std::string& path, TemperatureUnit unit) {
    std::string extension = LowerCaseAscii(ExtensionOf(path));
    if (extension == NativeExtension(unit)) {
        return SaveFormat::Native;
    }
    if (extension == "csv") {
        return SaveFormat::Csv;
    }
    if (extension == "txt") {
        return SaveFormat::Text;
    }
    return SaveFormat::Unsupported;
}

void ShowUnsupportedFileName(MessageSink& messages) {
    messages.showMessage("ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。", MessageIcon::Exclamation);
}

SaveResult SaveToFile(const std::string& path, DataStore& store, TemperatureUnit unit,
                      MessageSink& messages) {
    bool saved = false;
    switch (SaveFormatOf(path, unit)) {
    case SaveFormat::Native:
        saved = SaveDataFile(path, store, unit, messages);
        break;
    case SaveFormat::Csv:
        saved = ExportCsv(path, store, unit, messages);
        break;
    case SaveFormat::Text:
        saved = ExportText(path, store, unit, messages);
        break;
    case SaveFormat::Unsupported:
        ShowUnsupportedFileName(messages);
        return SaveResult::Unsupported;
    }
    return saved ? SaveResult::Saved : SaveResult::Failed;
}

namespace {

// An accepted file becomes the shown data with its statistics; the readings read are not kept
// in importBuffer either way.
bool commitOpened(bool loaded, DataStore& store) {
    if (loaded) {
        store.hasData = true;
        store.clearCurrentReadings();
        store.commitImport(false);
        store.modified = false;
    }
    store.clearImportReadings();
    return loaded;
}

} // namespace

bool OpenDataFile(const std::string& path, DataStore& store, TemperatureUnit unit,
                  MessageSink& messages) {
    return commitOpened(LoadDataFile(path, store, unit, messages), store);
}

bool OpenDataBytes(std::string_view bytes, const std::string& name, DataStore& store,
                   TemperatureUnit unit, MessageSink& messages) {
    return commitOpened(LoadDataBytes(bytes, name, store, unit, messages), store);
}

} // namespace vestra
