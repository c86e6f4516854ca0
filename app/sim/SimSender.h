#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::sim {

// Puts the thermometer's lines on the line, with CR LF, at the pace of a real one if wanted.
class SimSender {
public:
    // Each returns false when the simulator is asked to stop; sending then ends at once.
    using Write = std::function<bool(std::string_view)>;
    using Sleep = std::function<bool(std::chrono::microseconds)>;

    struct Timing {
        bool pace = false; // 4800 baud: 10 bits a byte with start and stop bit
        int slowMs = 0;    // each piece of a line waits this long before it goes
        int slowPieces = 2;
    };

    SimSender(Write write, Sleep sleep, Timing timing);

    bool send(const std::vector<std::string>& lines);

    // The time one byte takes on the line at 4800 baud.
    static constexpr std::chrono::microseconds kByteTime{10 * 1000000 / 4800};

private:
    bool sendPiece(std::string_view bytes);

    Write write_;
    Sleep sleep_;
    Timing timing_;
};

} // namespace vestra::sim
