#include "OutputOptions.h"

namespace vestra::cli {

OutputFlags OutputFlagsOf(const CommandArgs& args) {
    return {args.option("--json") != nullptr, args.option("--header") != nullptr};
}

TextEncoding OutputEncoding(const CommandArgs& args, TextEncoding fallback) {
    const std::string* name = args.option("--encoding");
    return name != nullptr ? TextEncodingNamed(*name).value_or(fallback) : fallback;
}

} // namespace vestra::cli
