#include "files/TempFolder.h"
#include "support/ToolRun.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace vestra::testing {
namespace {

std::string helpOf(const TempFolder& folder, const std::string& program, const std::string& args) {
    EXPECT_EQ(RunTool(folder, program, args + " >'" + folder.file("help") + "'").status, 0) << args;
    return ReadBytes(folder.file("help"));
}

std::set<std::string> optionsIn(const std::string& text) {
    std::regex option("--[a-z][a-z-]*");
    std::set<std::string> options;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it) {
        options.insert(it->str());
    }
    return options;
}

struct Document {
    const char* program;
    const char* file;
    const char* commandMark; // what stands before a command's name in the document
};

class CliManualTest : public ::testing::TestWithParam<Document> {};

// A command or option the help lists but a document lacks is one the document forgot.
TEST_P(CliManualTest, EveryCommandAndOptionOfTheHelpIsInTheDocument) {
    TempFolder folder("vestra-manual");
    std::string help = helpOf(folder, GetParam().program, "--help");
    std::set<std::string> options = optionsIn(help);
    std::vector<std::string> commands;
    std::size_t list = help.find("Commands:\n");
    std::istringstream lines(list == std::string::npos ? "" : help.substr(list + 10));
    for (std::string line; std::getline(lines, line) && line.starts_with("  ");) {
        commands.push_back(line.substr(2, line.find(' ', 2) - 2));
        options.merge(optionsIn(helpOf(folder, GetParam().program, commands.back() + " --help")));
    }
    std::string document =
        std::regex_replace(ReadBytes(std::string(VESTRA_PACKAGING_DIR) + "/" + GetParam().file),
                           std::regex(R"(\\-)"), "-");
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
                                           Document{VESTRA_SIM_PATH, "vestra-sim.1", ""},
                                           Document{VESTRA_WEB_PATH, "vestra-web.1", ""}));

} // namespace
} // namespace vestra::testing
