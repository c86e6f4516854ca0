#include "files/TempFolder.h"
#include "support/ToolRun.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

#if !defined(VESTRA_CLI_PATH) || !defined(VESTRA_SIM_PATH) || !defined(VESTRA_PACKAGING_DIR)
#error "VESTRA_CLI_PATH, VESTRA_SIM_PATH and VESTRA_PACKAGING_DIR must be defined"
#endif

namespace vestra::testing {
namespace {

// What a program prints for args.
std::string helpOf(const TempFolder& folder, const std::string& program, const std::string& args) {
    std::string out = folder.file("help");
    EXPECT_EQ(RunTool(folder, program, args + " >'" + out + "'").status, 0) << args;
    return ReadBytes(out);
}

// The command names the tool's help lists under "Commands:", one per line.
std::vector<std::string> commandsIn(const std::string& help) {
    std::vector<std::string> commands;
    std::istringstream lines(help.substr(help.find("Commands:\n") + 10));
    std::string line;
    while (std::getline(lines, line) && line.starts_with("  ")) {
        commands.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    return commands;
}

std::set<std::string> optionsIn(const std::string& text) {
    std::set<std::string> options;
    std::regex option("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it) {
        options.insert(it->str());
    }
    return options;
}

// A manual page's source with its escaped dashes as plain ones.
std::string manualText(const std::string& name) {
    return std::regex_replace(ReadBytes(std::string(VESTRA_PACKAGING_DIR) + "/" + name),
                              std::regex(R"(\\-)"), "-");
}

struct Document {
    const char* program;
    const char* file;
    const char* commandMark; // how the document names a command, before its name
};

class CliManualTest : public ::testing::TestWithParam<Document> {};

// A command or option the help lists but a document lacks would be one the documents forgot.
TEST_P(CliManualTest, EveryCommandAndOptionOfTheHelpIsInTheDocument) {
    TempFolder folder("vestra-manual");
    bool tool = std::string(GetParam().program) == VESTRA_CLI_PATH;
    std::string help = helpOf(folder, GetParam().program, "--help");
    std::set<std::string> options = optionsIn(help);
    std::vector<std::string> commands = tool ? commandsIn(help) : std::vector<std::string>{};
    EXPECT_EQ(commands.size(), tool ? 9u : 0u);
    for (const std::string& command : commands) {
        options.merge(optionsIn(helpOf(folder, GetParam().program, command + " --help")));
    }
    std::string document = manualText(GetParam().file);
    for (const std::string& command : commands) {
        EXPECT_NE(document.find(GetParam().commandMark + command), std::string::npos) << command;
    }
    for (const std::string& option : options) {
        EXPECT_NE(document.find(option), std::string::npos) << option;
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, CliManualTest,
                         ::testing::Values(Document{VESTRA_CLI_PATH, "vestra-cli.1", "\n.B "},
                                           Document{VESTRA_CLI_PATH, "vestra-cli.bash", ""},
                                           Document{VESTRA_SIM_PATH, "vestra-sim.1", ""}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return std::regex_replace(name, std::regex("[^a-z0-9]"), "_");
                         });

} // namespace
} // namespace vestra::testing
