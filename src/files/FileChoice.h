#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "files/FileDialogs.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// The dialogs start in the folder of the last chosen file when it still exists, with its name
// filled in when it is a data file of the current unit.
FileDialogSetup OpenDialogSetup(const std::string& currentFilePath, TemperatureUnit unit);
// As the open dialog, with CSV and text files offered after the native type.
FileDialogSetup SaveDialogSetup(const std::string& currentFilePath, TemperatureUnit unit);

// The name with the default extension added when its file name has none, as the dialog does
// with a typed name.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

// Shows the open dialog. A name that is not a data file of the current unit shows
// "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。" and is not taken. On true currentFilePath holds the chosen
// file; otherwise it is unchanged.
bool ChooseOpenFile(FileDialogs& dialogs, std::string& currentFilePath, TemperatureUnit unit,
                    MessageSink& messages);

// Shows the save dialog until a name is settled: a name without extension gets the default
// one; a name that accepted refuses shows "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。" and ends the question
// with nothing; an existing file is taken only when the user agrees to replace it, otherwise the
// dialog shows again with that name. Nothing on cancel.
std::optional<std::string> AskSaveName(FileDialogs& dialogs, FileDialogSetup setup,
                                       const std::function<bool(const std::string&)>& accepted,
                                       MessageSink& messages);

// The checks of the open dialog on a name chosen elsewhere (the command line): the default
// extension added when it has none, then only a data file of the current unit is taken.
bool AcceptOpenName(const std::string& chosen, std::string& currentFilePath, TemperatureUnit unit,
                    MessageSink& messages);

// Shows the save dialog. Accepted are the native extension of the unit, csv and txt in any
// letter case; a name without extension becomes a native data file. When the file exists the
// user is asked before it is replaced; No shows the dialog again with that name.
bool ChooseSaveFile(FileDialogs& dialogs, std::string& currentFilePath, TemperatureUnit unit,
                    MessageSink& messages);

} // namespace vestra
