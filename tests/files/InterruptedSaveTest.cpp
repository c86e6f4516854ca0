// A save killed at a random moment, as a crash or a power-off would stop it, must leave under
// the chosen name either the old file or the complete new one, never a mixture or a torn file.
#include "base/AtomicFile.h"
#include "base/TemperatureUnit.h"
#include "base/TemporaryFile.h"
#include "files/DataFile.h"
#include "files/SaveVariant.h"
#include "files/TempFolder.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vestra {
namespace {

using namespace std::chrono;
using testing::ReadBytes;
using testing::SaveVariant;
using testing::TempFolder;

// The helper program saving run number `run` to target, stopped once it announced the save.
class SaveProcess {
public:
    SaveProcess(const std::string& target, int run) {
        std::string runText = std::to_string(run);
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::execl(VESTRA_SAVE_VICTIM, VESTRA_SAVE_VICTIM, target.c_str(), runText.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        char announced = 0;
        saving_ = ::read(out[0], &announced, 1) == 1;
        ::close(out[0]);
    }

    bool saving() const { return pid_ > 0 && saving_; }
    void kill() const { ::kill(pid_, SIGKILL); }
    // The wait status.
    int finish() const {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        return status;
    }

private:
    pid_t pid_ = -1;
    bool saving_ = false;
};

class InterruptedSaveTest : public ::testing::Test {
protected:
    std::string name_ = "measure.dat";
    TempFolder folder_{"vestra-interrupted-save"};
    std::string target_ = folder_.file(name_);

    std::string expected(int run) const {
        return EncodeDataFile(SaveVariant(run), TemperatureUnit::Celsius);
    }

    // Entries other than the target: what killed saves left behind.
    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
            if (entry.path().filename() != name_) {
                names.push_back(entry.path().filename().string());
            }
        }
        return names;
    }

    // The time from the announcement to the end of an undisturbed save.
    microseconds saveDuration(int run) const {
        SaveProcess save(target_, run);
        auto start = steady_clock::now();
        EXPECT_TRUE(save.saving());
        int status = save.finish();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(ReadBytes(target_), expected(run));
        return duration_cast<microseconds>(steady_clock::now() - start);
    }
};

TEST_F(InterruptedSaveTest, KilledSaveLeavesTheOldOrTheNewFileWhole) {
    std::vector<microseconds> durations;
    for (int run = 0; run < 5; ++run) {
        durations.push_back(saveDuration(run));
    }
    std::sort(durations.begin(), durations.end());
    // Kills spread over one and a half typical saves: most land inside one, some after it.
    auto span = std::max<long>(300, durations[2].count() * 3 / 2);
    std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<long> delay(0, span);

    int interrupted = 0;
    int completed = 0;
    for (int run = 5; run < 105; ++run) {
        std::string old = ReadBytes(target_);
        SaveProcess save(target_, run);
        ASSERT_TRUE(save.saving());
        std::this_thread::sleep_for(microseconds(delay(random)));
        save.kill();
        int status = save.finish();
        std::string now = ReadBytes(target_);
        ASSERT_TRUE(now == old || now == expected(run)) << "torn file after run " << run;
        bool killedDuringSave = WIFSIGNALED(status) && now == old;
        interrupted += killedDuringSave ? 1 : 0;
        completed += now == old ? 0 : 1;
        // Only a kill between naming the temporary and the rename can leave it; none is ever
        // visible under a name the user chose.
        ASSERT_LE(static_cast<int>(leftovers().size()), interrupted);
        for (const std::string& name : leftovers()) {
            ASSERT_TRUE(name.starts_with(kTemporaryPrefix)) << name;
        }
    }
    std::printf("typical save %ld us; %d saves interrupted, %d completed before the kill, %zu "
                "temporary files left\n",
                static_cast<long>(durations[2].count()), interrupted, completed,
                leftovers().size());
    EXPECT_GT(interrupted, 0) << "no kill landed inside a save; the test proved nothing";

    // Temporary files left by killed saves do not disturb the next save.
    std::size_t left = leftovers().size();
    saveDuration(200);
    EXPECT_EQ(leftovers().size(), left);
}

} // namespace
} // namespace vestra
