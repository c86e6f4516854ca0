#pragma once

#include "SimFaults.h"
#include "SimMemory.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::sim {

// The thermometer's side of the conversation: each command line in, the lines it answers out
// (UTF-8, without CR LF). It keeps its memory, label, group settings and clock from one
// connection to the next, as the instrument does between uses.
class SimDevice {
public:
    // Milliseconds of a monotonic clock; the thermometer's clock runs with it.
    using Monotonic = std::function<long long()>;

    SimDevice(SimMemory memory, SimUnit unit, SimFaults faults, Monotonic monotonic);

    std::vector<std::string> answer(std::string_view line);

    // The clock as it reads now.
    DateTime clock() const;
    const SimMemory& memory() const { return memory_; }
    // True after a cut fault struck: the thermometer answers nothing any more.
    bool switchedOff() const { return switchedOff_; }

private:
    std::vector<std::string> answerCommand(const std::vector<std::string>& words);
    std::vector<std::string> dump(std::string_view what);
    std::vector<std::string> applyDumpFaults(std::vector<std::string> lines);
    std::string reset();
    std::string setClock(const std::vector<std::string>& words);
    std::string setLabel(const std::vector<std::string>& words);
    std::string setGroup(const std::vector<std::string>& words);

    SimMemory memory_;
    SimUnit unit_;
    SimFaults faults_;
    Monotonic monotonic_;
    DateTime clockBase_;
    long long clockSetAt_ = 0;
    bool connected_ = false;
    int commandsInConnection_ = 0;
    int dumpLinesSent_ = 0;
    bool switchedOff_ = false;
};

} // namespace vestra::sim
