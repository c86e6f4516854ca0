#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"

#include <string>
#include <string_view>

namespace vestra {

// What a save writes, chosen by the extension of the name in any letter case: the native
// extension of the unit ("qmc" or "qmf"), "csv" or "txt". Anything else, the other unit's
// native extension included, is not supported.
enum class SaveFormat { Native, Csv, Text, Unsupported };
SaveFormat SaveFormatOf(const std::string& path, TemperatureUnit unit);

// "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。" with an exclamation icon.
void ShowUnsupportedFileName(MessageSink& messages);

enum class SaveResult { Saved, Unsupported, Failed };

// The Save command once a name is chosen: writes store.currentData in the format of the name's
// extension. An unsupported name shows its message and writes nothing; a failed write has shown
// "File Save Error !" and left any old file intact.
SaveResult SaveToFile(const std::string& path, DataStore& store, TemperatureUnit unit,
                      MessageSink& messages);

// The Open command once a name is chosen: reads the file and, when it is accepted, makes it the
// shown data with its statistics (hasData true, modified false). A rejected file has shown
// "File Load Error !" and leaves the shown data and both flags as they were. The readings of
// importBuffer are cleared in either case. Refreshing the views is the caller's part.
bool OpenDataFile(const std::string& path, DataStore& store, TemperatureUnit unit,
                  MessageSink& messages);

// The same for a data file that arrives as bytes; name stands for it in the message.
bool OpenDataBytes(std::string_view bytes, const std::string& name, DataStore& store,
                   TemperatureUnit unit, MessageSink& messages);

} // namespace vestra
