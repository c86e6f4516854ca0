#pragma once

namespace vestra::cli {

// SIGINT (Ctrl+C) and SIGTERM while the tool talks to the thermometer. The first one is taken
// like the abort button of the communication window: it makes the port's wake-up descriptor
// readable, the port's waiter then cancels the connection, which still says "BYE" and closes
// the port. A second signal ends the tool at once. The previous handlers come back with the
// destructor.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Readable once a signal came; -1 when no pipe could be made (the signals then act as
    // they would without this object).
    int wakeFd() const { return readFd_; }
    // Empties the pipe after the signal was taken.
    void drain();

private:
    int readFd_ = -1;
};

} // namespace vestra::cli
