#include "OutputOptions.h"

#include "StandardOutput.h"
#include "shell/FileFunc.h"
#include "shell/VisibleText.h"

#include <algorithm>
#include <unistd.h>

namespace vestra::cli {
namespace {

void showUnknownValue(std::string_view option, const std::string& value,
                      std::span<const std::string_view> choices) {
    std::string line =
        "vestra-cli: " + std::string(option) + " '" + VisibleText(value) + "' is unknown; known:";
    for (std::string_view choice : choices) {
        line += ' ';
        line += choice;
    }
    std::string ignored;
    WriteAllTo(STDERR_FILENO, line + '\n', ignored);
}

} // namespace

OutputFlags TakeOutputFlags(std::span<const std::string> args, std::vector<std::string>& rest) {
    OutputFlags flags;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            flags.json = true;
        } else if (arg == "--header") {
            flags.header = true;
        } else {
            rest.push_back(arg);
        }
    }
    return flags;
}

std::optional<TextEncoding> ReadOutputOptions(const CommandArgs& args, TextEncoding fallback,
                                              std::span<const std::string_view> formats) {
    if (const std::string* format = args.option("--format")) {
        if (std::find(formats.begin(), formats.end(), LowerCaseAscii(*format)) == formats.end()) {
            showUnknownValue("--format", *format, formats);
            return std::nullopt;
        }
    }
    const std::string* name = args.option("--encoding");
    if (name == nullptr) {
        return fallback;
    }
    std::optional<TextEncoding> encoding = TextEncodingNamed(*name);
    if (!encoding) {
        constexpr std::array<std::string_view, 2> kEncodings = {"cp932", "utf-8"};
        showUnknownValue("--encoding", *name, kEncodings);
    }
    return encoding;
}

} // namespace vestra::cli
