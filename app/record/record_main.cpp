// Adds one data set to the history for the window (history/QtHistoryRecorder), in a process of
// its own: the window never waits for a busy file or a server that does not answer, and never
// maps SQLite or libpq. Nothing comes on the command line, where other users could read a
// server's password: standard input holds three fields, each ended by a zero byte (which no file
// name or settings value holds, unlike a line feed), the database as the settings write it
// (empty: the user's own file), the unit's letter (C or F) and the data set's source file (empty:
// none), then the data set as a native data file. The data set is stored in one transaction.
// Exit 0 when it is stored (new, updated or already there); 1 with the reason on one line of
// standard error; 2 when the input is no such request.
#include "base/FileRead.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStore.h"

#include <cstdio>
#include <string_view>
#include <unistd.h>

namespace {

using namespace vestra;

// The three fields are names and a letter: a request beyond a data file and this is no request.
constexpr std::size_t kMaxFieldsBytes = 64 * 1024;

int fail(const std::string& reason) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
}

// Takes the text up to the next zero byte off the front of input; false when there is none.
bool takeField(std::string_view& input, std::string_view& field) {
    std::size_t end = input.find('\0');
    if (end == std::string_view::npos) {
        return false;
    }
    field = input.substr(0, end);
    input.remove_prefix(end + 1);
    return true;
}

} // namespace

int main() {
    Expected<FileContents> request =
        ReadDescriptor(STDIN_FILENO, kMaxDataFileBytes + kMaxFieldsBytes);
    if (!request) {
        return fail(request.error().text);
    }
    std::string_view input = request->bytes;
    std::string_view database, letter, source;
    std::optional<TemperatureUnit> unit;
    if (!takeField(input, database) || !takeField(input, letter) || !takeField(input, source) ||
        !(unit = UnitFromLetter(letter))) {
        std::fprintf(stderr, "no history request on standard input\n");
        return 2;
    }
    std::optional<DataSet> data = DecodeDataFile(input, *unit);
    if (!data) {
        return fail("the data set sent is no data file");
    }
    std::string reason;
    auto name = history::HistoryDatabase({std::string(database), true}, reason);
    if (!name) {
        return fail(reason);
    }
    auto store = history::OpenHistoryStore(*name, history::HistoryAccess::ReadWrite);
    if (!store) {
        return fail(store.error().text);
    }
    if (auto outcome = (*store)->add(*data, *unit, std::string(source)); !outcome) {
        return fail(outcome.error().text);
    }
    return 0;
}
