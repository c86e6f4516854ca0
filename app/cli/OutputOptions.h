#pragma once

#include "CommandArgs.h"
#include "files/TextEncoding.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::cli {

// Switches without a value, taken out of a command's arguments before its options are read.
struct OutputFlags {
    bool json = false;   // --json: the document of docs/json-schema.md instead of the listing
    bool header = false; // --header: a tab-separated listing starts with its column names
};

// The arguments without "--json" and "--header" (into rest), and which of the two were given.
OutputFlags TakeOutputFlags(std::span<const std::string> args, std::vector<std::string>& rest);

// The formats the data commands write, by --format or the output's extension.
inline constexpr std::array<std::string_view, 6> kDataFormats = {"csv", "txt", "qmc",
                                                                 "qmf", "pdf", "json"};

// The encoding --encoding names, else fallback. Empty after one line on standard error naming
// the value, when --format is not one of formats (any letter case) or --encoding is neither
// cp932 nor utf-8: a misspelt value must not quietly give another output.
std::optional<TextEncoding> ReadOutputOptions(const CommandArgs& args, TextEncoding fallback,
                                              std::span<const std::string_view> formats);

} // namespace vestra::cli
