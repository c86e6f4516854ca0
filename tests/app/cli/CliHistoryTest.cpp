#include "base/FileFault.h"
#include "base/InstallLayout.h"
#include "base/TemperatureUnit.h"
#include "base/TextCodec.h"
#include "chart/SvgWriter.h"
#include "files/DataFile.h"
#include "history/HistoryData.h"
#include "history/HistoryTrend.h"
#include "history/TestDatabase.h"
#include "support/RecordingMessages.h"
#include "support/ToolRun.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

#if !defined(VESTRA_CLI_PATH)
#error "VESTRA_CLI_PATH must be defined"
#endif

extern char** environ;

namespace vestra::history {
namespace {

using testing::Backend;

struct Outcome {
    int status;
    std::string output;
    std::string errors;
};

class CliHistoryTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (GetParam() == Backend::Postgresql && !testing::TestServer()) {
            GTEST_SKIP() << testing::kNoServer;
        }
        database_.emplace(GetParam());
    }

    std::string file(const std::string& name) const { return database_->folder().file(name); }

    void save(const std::string& name, const DataSet& data,
              TemperatureUnit unit = TemperatureUnit::Celsius) {
        DataStore store;
        store.currentData = data;
        testing::RecordingMessages messages;
        ASSERT_TRUE(SaveDataFile(file(name), store, unit, messages));
    }

    // count full data sets in the folder, each of its own, and the tables made, so that the
    // runs that race over them afterwards start from the same place.
    void prepareRace(const std::string& folder, int count) {
        std::filesystem::create_directories(file(folder));
        for (int i = 0; i < count; ++i) {
            save(folder + "/r" + std::to_string(1000 + i) + ".qmc", testing::FullRound(i));
        }
        run("add");
    }

    // The tool with its settings and data folders under the test's folder, so that neither a
    // user's settings nor the user's own history is ever touched.
    std::string command(const std::string& args) const {
        return "XDG_CONFIG_HOME='" + file("config") + "' XDG_DATA_HOME='" + file("data") + "' '" +
               VESTRA_CLI_PATH + "' history --db '" + database_->location() + "' " + args;
    }

    Outcome run(const std::string& args, const std::string& prefix = "") const {
        std::string out = file("stdout");
        std::string err = file("stderr");
        int raw = std::system((prefix + command(args) + " >'" + out + "' 2>'" + err + "'").c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, testing::ReadBytes(out),
                testing::ReadBytes(err)};
    }

    // The tool as a user without any privilege, so that permissions hold as they do for users.
    Outcome runAsUser(const std::string& args) const {
        return run(args, "setpriv --reuid=4242 --regid=4242 --clear-groups env HOME=/ ");
    }

    std::string count(const std::string& table) const {
        auto raw = testing::RawConnection(database_->location());
        return raw->query("SELECT count(*) FROM " + table).at(0).at(0);
    }

    // The tool adding the folder, started without waiting for it.
    pid_t spawnAdd(const std::string& folder, const char* output = "/dev/null") const {
        ::setenv("XDG_CONFIG_HOME", file("config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", file("data").c_str(), 1);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, output, O_WRONLY | O_CREAT | O_APPEND, 0644);
        std::vector<std::string> args = {VESTRA_CLI_PATH,       "history", "--db",
                                         database_->location(), "add",     folder};
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        pid_t pid = 0;
        int error = ::posix_spawn(&pid, VESTRA_CLI_PATH, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(error, 0);
        return pid;
    }

    std::optional<testing::TestDatabase> database_;
};

TEST_P(CliHistoryTest, AddPrintsHowManyDataSetsWereNew) {
    save("a.qmc", testing::RoundDataSet(1));
    save("b.qmc", testing::RoundDataSet(2));
    Outcome first = run("add '" + file("a.qmc") + "'");
    EXPECT_EQ(first.status, 0) << first.errors;
    EXPECT_EQ(first.output, "1 new data sets, 0 updated, 0 already stored, 0 files skipped\n");
    Outcome second = run("add '" + file("a.qmc") + "' '" + file("b.qmc") + "'");
    EXPECT_EQ(second.output, "1 new data sets, 0 updated, 1 already stored, 0 files skipped\n");
    EXPECT_EQ(count("data_set"), "2");
}

// "-" is a data file on standard input: the same data set named as a file is already stored.
TEST_P(CliHistoryTest, StandardInputIsADataFile) {
    save("a.qmc", testing::RoundDataSet(1));
    Outcome piped = run("add - <'" + file("a.qmc") + "'");
    EXPECT_EQ(piped.output, "1 new data sets, 0 updated, 0 already stored, 0 files skipped\n")
        << piped.errors;
    Outcome named = run("add '" + file("a.qmc") + "'");
    EXPECT_EQ(named.output, "0 new data sets, 0 updated, 1 already stored, 0 files skipped\n");
}

TEST_P(CliHistoryTest, AFolderGoesInWholeAndForeignFilesAreSkippedOneLineEach) {
    std::filesystem::create_directories(file("rounds/2025"));
    save("rounds/spring.qmc", testing::RoundDataSet(3));
    save("rounds/2025/winter.QMF", testing::RoundDataSet(4), TemperatureUnit::Fahrenheit);
    testing::WriteBytes(file("rounds/damaged.qmc"), "not a data file");
    testing::WriteBytes(file("rounds/notes.txt"), "a folder's other files are left alone");
    Outcome outcome = run("add '" + file("rounds") + "' '" + file("missing.qmc") + "'");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, "2 new data sets, 0 updated, 0 already stored, 2 files skipped\n");
    EXPECT_EQ(outcome.errors,
              testing::ErrorLines("skipped " + file("rounds/damaged.qmc") + ": " + kNotDataFile +
                                  "\nskipped " + file("missing.qmc") +
                                  ": ファイルまたはフォルダがありません\n"));
}

TEST_P(CliHistoryTest, TagsListTagObjectUnitCountAndSpan) {
    save("a.qmc", testing::RoundDataSet(1));
    save("b.qmc", testing::RoundDataSet(2));
    run("add '" + file("a.qmc") + "' '" + file("b.qmc") + "'");
    Outcome outcome = run("tags");
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_EQ(outcome.output, "T5\tﾀﾞｸﾄ\tﾟC\t2\t2026/02/10 09:10\t2026/03/10 09:10\n"
                              "TAG2\t2号炉 炉壁\tﾟC\t6\t2026/02/10 09:00\t2026/03/10 09:02\n");
}

TEST_P(CliHistoryTest, HeaderJsonAndUtf8OnlyWhenAsked) {
    save("a.qmc", testing::RoundDataSet(1));
    run("add '" + file("a.qmc") + "'");
    EXPECT_EQ(run("tags --header").output,
              "tag\tobject\tunit\treadings\tfirst\tlast\n" + run("tags").output);
    EXPECT_EQ(nlohmann::json::parse(run("tags --json").output)["tags"].size(), 2u);
    Outcome json = run("export --tag TAG2 --format json -");
    EXPECT_EQ(nlohmann::json::parse(json.output)["readings"].size(), 3u) << json.errors;
    EXPECT_EQ(run("export --tag TAG2 --encoding utf-8 -").output,
              "\xEF\xBB\xBF" + FromCp932(run("export --tag TAG2 -").output));
}

TEST_P(CliHistoryTest, ExportWritesTheTagsReadingsAsTheDataExportWritesCsv) {
    save("a.qmc", testing::RoundDataSet(1));
    run("add '" + file("a.qmc") + "'");
    Outcome outcome = run("export --tag TAG2 '" + file("tag2.csv") + "'");
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    std::string csv = FromCp932(testing::ReadBytes(file("tag2.csv")));
    std::string first = "\"TAG2\",\"2号炉 炉壁\",\"佐藤\",\"2026/02/10 09:00\",\"251.0\",\"\","
                        "\"300.0\",\"50.0\",\"北面\",\"2\",\"1\",\"定期点検\","
                        "\"2026/02/10 08:00\",\"PLANT1\",\"" +
                        file("a.qmc") + "\"\r\n";
    EXPECT_EQ(csv.rfind("\"ﾀｸﾞ\",\"対象物\",", 0), 0u);
    EXPECT_NE(csv.find("\r\n" + first), std::string::npos) << csv;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
}

TEST_P(CliHistoryTest, ExportOfTheOtherUnitFindsOnlyItsDataSets) {
    save("f.qmf", testing::RoundDataSet(1), TemperatureUnit::Fahrenheit);
    run("add '" + file("f.qmf") + "'");
    Outcome celsius = run("export --tag TAG2 --unit C -");
    Outcome fahrenheit = run("export --tag TAG2 --unit=F -");
    EXPECT_EQ(celsius.status, 1);
    EXPECT_EQ(celsius.output, "");
    EXPECT_EQ(std::count(fahrenheit.output.begin(), fahrenheit.output.end(), '\n'), 4);
    EXPECT_NE(FromCp932(fahrenheit.output).find("データ(ﾟF)"), std::string::npos);
}

TEST_P(CliHistoryTest, ChartDrawsTheTrendOfATagAsTheWindowDoes) {
    save("a.qmc", testing::RoundDataSet(1));
    save("b.qmc", testing::RoundDataSet(2));
    run("add '" + file("a.qmc") + "' '" + file("b.qmc") + "'");
    Outcome outcome = run("chart --tag TAG2 '" + file("trend.svg") + "'");
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    auto readings = testing::OpenTestStore(database_->location())
                        .value()
                        ->readings({HistoryKey::Tag, "TAG2", TemperatureUnit::Celsius});
    ASSERT_TRUE(readings);
    EXPECT_EQ(testing::ReadBytes(file("trend.svg")),
              chart::WriteSvg(LayoutTrend(*readings, 800, 400)));
}

TEST_P(CliHistoryTest, WrongUsageIsRefused) {
    for (const char* args : {"", "add", "add - -", "tags extra", "export -", "export --tag T",
                             "chart x.svg", "export --tag T --unit K -", "chart --tag T x.pdf",
                             "list", "tags --format json", "chart --tag T --json x.svg",
                             "export --tag T --format xml -", "export --tag T --encoding x -"}) {
        EXPECT_EQ(run(args).status, 2) << args;
    }
}

// Every data set is one transaction: a run killed at any moment leaves whole data sets only,
// and the next run adds the rest.
TEST_P(CliHistoryTest, AKilledAddLeavesWholeDataSetsOnly) {
    constexpr int kFiles = 200;
    prepareRace("old", kFiles);
    pid_t tool = spawnAdd(file("old"));
    while (count("data_set") == "0") {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ::kill(tool, SIGKILL);
    int status = 0;
    ::waitpid(tool, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    auto raw = testing::RawConnection(database_->location());
    if (raw->dialect() == SqlDialect::Sqlite) {
        EXPECT_EQ(raw->query("PRAGMA integrity_check").at(0).at(0), "ok");
    }
    auto partial =
        raw->query("SELECT count(*) FROM data_set d WHERE (SELECT count(*) FROM reading r WHERE"
                   " r.data_set_id = d.id) <> 150 OR (SELECT count(*) FROM group_setting g WHERE"
                   " g.data_set_id = d.id) <> 15");
    EXPECT_EQ(partial.at(0).at(0), "0");
    EXPECT_LT(std::stoi(count("data_set")), kFiles) << "the tool ended before it was killed";
    Outcome rest = run("add '" + file("old") + "'");
    EXPECT_EQ(rest.status, 0) << rest.errors;
    EXPECT_EQ(count("data_set"), std::to_string(kFiles));
    EXPECT_EQ(count("reading"), std::to_string(kFiles * 150));
}

TEST_P(CliHistoryTest, AnUnknownTagEndsExportAndChartWithoutAFile) {
    save("a.qmc", testing::RoundDataSet(1));
    run("add '" + file("a.qmc") + "'");
    EXPECT_EQ(run("export --tag TAG2 --unit F '" + file("n.csv") + "'").status, 1);
    Outcome chart = run("chart --tag NOPE '" + file("n.svg") + "'");
    EXPECT_EQ(chart.status, 1);
    EXPECT_NE(chart.errors.find("'NOPE'"), std::string::npos) << chart.errors;
    EXPECT_FALSE(std::filesystem::exists(file("n.csv")) || std::filesystem::exists(file("n.svg")));
}

TEST_P(CliHistoryTest, TagsReachTheTerminalWithoutControlCharacters) {
    DataSet round = testing::RoundDataSet(1);
    round.group(2).tag = "\x1b]0;X\a\x1b[2J";
    ASSERT_TRUE(testing::OpenTestStore(database_->location())
                    .value()
                    ->add(round, TemperatureUnit::Celsius, ""));
    Outcome tags = run("tags");
    EXPECT_EQ(tags.output.find('\x1b'), std::string::npos) << tags.output;
    EXPECT_NE(tags.output.find("\\x1b]0;X\\x07\\x1b[2J\t"), std::string::npos) << tags.output;
}

// A shared folder's file names reach the terminal as text, on the line that names them.
TEST_P(CliHistoryTest, FileNamesOfAFolderReachTheTerminalAsText) {
    std::filesystem::create_directories(file("shared"));
    testing::WriteBytes(file("shared/evil\x1b]2;OWNED\a\x1b[2J.qmc"), "not a data file");
    testing::WriteBytes(file("shared/x\nvestra-cli: 40 new data sets\n.qmc"), "not a data file");
    Outcome outcome = run("add '" + file("shared") + "'");
    EXPECT_EQ((outcome.output + outcome.errors).find_first_of("\x1b\a"), std::string::npos);
    std::string skipped = "vestra-cli: skipped " + file("shared/");
    EXPECT_EQ(outcome.errors.rfind(skipped, 0), 0u) << outcome.errors;
    EXPECT_NE(outcome.errors.find('\n' + skipped), std::string::npos);
    EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'), 2);
}

// Values of a damaged or hand-edited database: exit 1, the database as it was, never an abort.
TEST_P(CliHistoryTest, ADamagedDatabaseEndsTheCommandAndIsKept) {
    const std::pair<const char*, const char*> cases[] = {
        {"UPDATE group_setting SET number = 99 WHERE number = 2", "add"},
        {"UPDATE reading SET number = 100000 WHERE group_number = 2 AND number = 1", "add"},
        {"UPDATE reading SET number = 100000 WHERE number = 1", "export --tag TAG2 -"},
        {"UPDATE group_setting SET first_time = 'x' WHERE number = 2", "tags"},
    };
    for (auto [damage, command] : cases) {
        database_.reset();
        database_.emplace(GetParam());
        save("a.qmc", testing::RoundDataSet(1));
        run("add '" + file("a.qmc") + "'");
        auto raw = testing::RawConnection(database_->location());
        raw->query(GetParam() == Backend::Sqlite ? "PRAGMA foreign_keys = OFF"
                                                 : "SET session_replication_role = replica");
        raw->query(damage);
        std::string rows = "SELECT * FROM reading ORDER BY 1, 2, 3";
        auto before = raw->query(rows);
        std::string add = "add '" + file("a.qmc") + "'";
        EXPECT_EQ(run(command == std::string("add") ? add : command).status, 1) << damage;
        EXPECT_EQ(raw->query(rows), before) << damage;
    }
}

// Four runs over the same files at once: each data set is stored once, and every run goes on
// past the data sets the others stored first.
TEST_P(CliHistoryTest, FourAddsAtOnceStoreEveryDataSetOnce) {
    constexpr int kFiles = 40;
    prepareRace("round", kFiles);
    std::vector<pid_t> tools;
    for (int i = 0; i < 4; ++i) {
        tools.push_back(spawnAdd(file("round"), file("errors").c_str()));
    }
    for (pid_t tool : tools) {
        int status = 0;
        ::waitpid(tool, &status, 0);
        EXPECT_EQ(status, 0) << testing::ReadBytes(file("errors"));
    }
    EXPECT_EQ(count("data_set"), std::to_string(kFiles));
}

// Run as a user, since the superuser lists any folder: a folder it may not list, a link back up
// the tree and a link to itself are named once each, and the rest goes in.
TEST_P(CliHistoryTest, AFolderWalkSkipsLoopsAndUnreadableFoldersAndGoesOn) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "runs the tool as another user, which needs root";
    }
    for (const char* folder : {"rounds/a", "rounds/b", "rounds/c"}) {
        std::filesystem::create_directories(file(folder));
    }
    save("rounds/a/1.qmc", testing::RoundDataSet(1));
    save("rounds/b/2.qmc", testing::RoundDataSet(2));
    save("rounds/c/3.qmc", testing::RoundDataSet(3));
    std::filesystem::create_directory_symlink(file("rounds"), file("rounds/a/up"));
    std::filesystem::create_symlink(file("rounds/m.qmc"), file("rounds/m.qmc"));
    run("add"); // the tables exist, for the user to write
    ::chmod(database_->folder().path().c_str(), 0777);
    ::chmod(database_->location().c_str(), 0666);
    ::chmod(file("rounds/b").c_str(), 0);
    Outcome outcome = runAsUser("add '" + file("rounds") + "'");
    ::chmod(file("rounds/b").c_str(), 0755);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, "2 new data sets, 0 updated, 0 already stored, 3 files skipped\n");
    for (const char* skipped : {"rounds/a/up", "rounds/b", "rounds/m.qmc"}) {
        EXPECT_NE(outcome.errors.find("vestra-cli: skipped " + file(skipped) + ": "),
                  std::string::npos)
            << outcome.errors;
    }
}

// A database a user may read but not write, in a folder the user may not write: reading
// commands work and leave no file behind.
TEST_P(CliHistoryTest, AReadOnlyDatabaseIsReadWithoutWriting) {
    if (GetParam() == Backend::Postgresql || ::geteuid() != 0) {
        GTEST_SKIP() << "a file of the superuser read by another user";
    }
    save("a.qmc", testing::RoundDataSet(1));
    run("add '" + file("a.qmc") + "'");
    int entries = database_->folder().entryCount();
    EXPECT_EQ(runAsUser("tags").status, 0);
    EXPECT_EQ(runAsUser("export --tag TAG2 -").status, 0);
    EXPECT_EQ(database_->folder().entryCount(), entries);
}

// Before, an empty name and ":memory:" reported the data set stored and kept nothing.
TEST_P(CliHistoryTest, AHistoryThatWouldNotBeKeptIsRefused) {
    save("a.qmc", testing::RoundDataSet(1));
    for (std::string name : {"", ":memory:"}) {
        std::string command = "'" + std::string(VESTRA_CLI_PATH) + "' history --db '" + name +
                              "' add '" + file("a.qmc") + "' 2>/dev/null";
        EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1) << name;
    }
}

// Without /proc (a chroot, a mount namespace) the tool cannot know where it lies: a module in
// the folder the current one's "../lib/vestra" names is never loaded, the tool says what it
// could not find.
TEST_P(CliHistoryTest, WithoutItsOwnPlaceTheToolLoadsNoModuleFromTheCurrentFolder) {
    std::string hideProc = "unshare --user --map-root-user --mount ";
    if (GetParam() == Backend::Postgresql ||
        std::system((hideProc + "true 2>/dev/null").c_str()) != 0) {
        GTEST_SKIP() << "one back end is enough; unshare of a user and mount namespace needed";
    }
    save("a.qmc", testing::RoundDataSet(1));
    ASSERT_EQ(run("add '" + file("a.qmc") + "'").status, 0);
    std::filesystem::create_directories(file("work"));
    std::filesystem::create_directories(file("lib/vestra"));
    std::filesystem::copy_file(ModulePath(VESTRA_CLI_PATH, "vestra-sqlite.so").value(),
                               file("lib/vestra/vestra-sqlite.so"));
    Outcome tags = run("tags", hideProc + "sh -c 'mount -t tmpfs none /proc && cd \"$0\" && " +
                                   "exec \"$@\"' '" + file("work") + "' env ");
    EXPECT_EQ(tags.status, 1) << tags.output;
    EXPECT_NE(tags.errors.find("vestra-sqlite.so が見つかりません"), std::string::npos)
        << tags.errors;
}

INSTANTIATE_TEST_SUITE_P(Backends, CliHistoryTest,
                         ::testing::Values(Backend::Sqlite, Backend::Postgresql),
                         testing::BackendName);

} // namespace
} // namespace vestra::history
