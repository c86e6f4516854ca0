#pragma once

#include <string>

namespace vestra::sim {

// A pseudo-terminal standing in for the thermometer's serial cable: the simulator talks on the
// master side, the program under test opens the slave side by its path like a serial port.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens a master (non-blocking) and its slave, both raw. The slave stays open here as well,
    // so the line survives a program that opens and closes it for each connection.
    bool open(std::string& error);
    // The far end hangs up: a program that has the slave open sees the line vanish.
    void close();

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

} // namespace vestra::sim
