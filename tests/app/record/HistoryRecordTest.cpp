#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "files/TempFolder.h"
#include "history/BackendModules.h"
#include "history/HistoryData.h"
#include "history/HistoryStore.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

namespace vestra::history {
namespace {

// The window's recorder program (app/record), given a request on standard input.
class HistoryRecordTest : public ::testing::Test {
protected:
    testing::TempFolder folder{"vestra-history-record"};

    struct Outcome {
        int status;
        std::string errors;
    };

    Outcome run(const std::string& request) const {
        testing::WriteBytes(folder.file("request"), request);
        std::string command = "XDG_DATA_HOME='" + folder.file("data") + "' '" +
                              HistoryRecordProgram() + "' <'" + folder.file("request") + "' 2>'" +
                              folder.file("stderr") + "'";
        int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, testing::ReadBytes(folder.file("stderr"))};
    }

    std::string request(const std::string& database, const std::string& letter,
                        const std::string& source, const std::string& data) const {
        return database + '\0' + letter + '\0' + source + '\0' + data;
    }

    std::vector<HistoryReading> storedReadings(const std::string& database) const {
        auto store = OpenHistoryStore(SqliteFile{database}, HistoryAccess::ReadOnly);
        auto readings =
            store ? (*store)->readings({HistoryKey::Tag, "TAG2", TemperatureUnit::Fahrenheit})
                  : unexpected(store.error());
        EXPECT_TRUE(readings) << readings.error().text;
        return readings.value_or(std::vector<HistoryReading>());
    }
};

TEST_F(HistoryRecordTest, StoresTheDataSetInItsUnitWithItsSourceFile) {
    std::string database = folder.file("h.sqlite");
    std::string data = EncodeDataFile(testing::RoundDataSet(1), TemperatureUnit::Fahrenheit);
    Outcome outcome = run(request(database, "F", "/plant/a\nb.qmf", data));
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    std::vector<HistoryReading> readings = storedReadings(database);
    ASSERT_FALSE(readings.empty());
    EXPECT_EQ(readings[0].sourceFile, "/plant/a\nb.qmf");
    EXPECT_EQ(run(request(database, "F", "", data)).status, 0) << "already stored is no failure";
}

TEST_F(HistoryRecordTest, SaysWhyInOneLineOrRefusesWhatIsNoRequest) {
    std::string database = folder.file("h.sqlite");
    std::string data = EncodeDataFile(testing::RoundDataSet(1), TemperatureUnit::Celsius);
    testing::WriteBytes(folder.file("not-a-db"), "text");
    struct Case {
        std::string request;
        int status;
        std::string errors;
    };
    for (const Case& c : std::vector<Case>{
             {"", 2, "no history request on standard input\n"},
             {database + '\0' + "C" + '\0', 2, "no history request on standard input\n"},
             {request(database, "K", "", data), 2, "no history request on standard input\n"},
             {request(database, "F", "", data), 1, "the data set sent is no data file\n"},
             {request(database, "C", "", "text"), 1, "the data set sent is no data file\n"},
             {request(folder.file("not-a-db"), "C", "", data), 1, folder.file("not-a-db")},
         }) {
        Outcome outcome = run(c.request);
        EXPECT_EQ(outcome.status, c.status) << c.request.substr(0, 40);
        EXPECT_NE(outcome.errors.find(c.errors), std::string::npos) << outcome.errors;
        EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'), 1)
            << outcome.errors;
    }
}

} // namespace
} // namespace vestra::history
