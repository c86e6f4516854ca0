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

std::set<std::string> matchesIn(const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        found.insert(it->str());
    }
    return found;
}

std::set<std::string> optionsIn(const std::string& text) {
    return matchesIn(text, std::regex("--[a-z][a-z-]*"));
}

struct Document {
    const char* program;
    const char* file;
    const char* commandMark; // what stands before a command's name in the document
};

std::string documentText(const Document& document) {
    return std::regex_replace(ReadBytes(std::string(VESTRA_PACKAGING_DIR) + "/" + document.file),
                              std::regex(R"(\\-)"), "-");
}

// The program's help: the general one, then each command's.
struct ProgramHelp {
    std::string text;
    std::vector<std::string> commands;
};

ProgramHelp programHelp(const TempFolder& folder, const std::string& program) {
    ProgramHelp help{helpOf(folder, program, "--help"), {}};
    std::size_t list = help.text.find("Commands:\n");
    std::istringstream lines(list == std::string::npos ? "" : help.text.substr(list + 10));
    for (std::string line; std::getline(lines, line) && line.starts_with("  ");) {
        help.commands.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    for (const std::string& command : help.commands) {
        help.text += helpOf(folder, program, command + " --help");
    }
    return help;
}

class CliManualTest : public ::testing::TestWithParam<Document> {};

// A command or option the help lists but a document lacks is one the document forgot.
TEST_P(CliManualTest, EveryCommandAndOptionOfTheHelpIsInTheDocument) {
    TempFolder folder("vestra-manual");
    ProgramHelp help = programHelp(folder, GetParam().program);
    std::string document = documentText(GetParam());
    for (const std::string& command : help.commands) {
        EXPECT_NE(document.find(GetParam().commandMark + command), std::string::npos) << command;
    }
    for (const std::string& option : optionsIn(help.text)) {
        EXPECT_NE(document.find(option), std::string::npos) << option;
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, CliManualTest,
                         ::testing::Values(Document{VESTRA_CLI_PATH, "vestra-cli.1", "\n.B "},
                                           Document{VESTRA_CLI_PATH, "vestra-cli.bash", ""},
                                           Document{VESTRA_SIM_PATH, "vestra-sim.1", ""},
                                           Document{VESTRA_WEB_PATH, "vestra-web.1", ""}));

// Where the help sends the user to an environment variable or a file in the home folder (a
// password's place: ~/.pgpass, PGPASSWORD), the manual page says what it is.
class CliManualPageTest : public ::testing::TestWithParam<Document> {};

TEST_P(CliManualPageTest, EveryVariableAndHomeFileOfTheHelpIsInTheManualPage) {
    TempFolder folder("vestra-manual");
    std::string help = programHelp(folder, GetParam().program).text;
    std::string document = documentText(GetParam());
    for (const std::string& name :
         matchesIn(help, std::regex(R"(~/\.[a-z]+|\b[A-Z]+_[A-Z_]+\b|\bPG[A-Z]+\b)"))) {
        EXPECT_NE(document.find(name), std::string::npos) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, CliManualPageTest,
                         ::testing::Values(Document{VESTRA_CLI_PATH, "vestra-cli.1", ""},
                                           Document{VESTRA_SIM_PATH, "vestra-sim.1", ""},
                                           Document{VESTRA_WEB_PATH, "vestra-web.1", ""}));

} // namespace
} // namespace vestra::testing
