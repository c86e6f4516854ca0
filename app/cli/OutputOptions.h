#pragma once

#include "CommandArgs.h"
#include "files/TextEncoding.h"

namespace vestra::cli {

// The switches of the commands that print data.
struct OutputFlags {
    bool json = false;   // --json: the document of docs/json-schema.md instead of the listing
    bool header = false; // --header: a tab-separated listing starts with its column names
};
OutputFlags OutputFlagsOf(const CommandArgs& args);

// The encoding --encoding names (the parser has checked it), else fallback.
TextEncoding OutputEncoding(const CommandArgs& args, TextEncoding fallback);

} // namespace vestra::cli
