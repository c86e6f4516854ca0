#include "SimSender.h"

#include <algorithm>

namespace vestra::sim {

namespace {

// Paced output goes in chunks of 24 bytes (50 ms on the line): close enough to a steady
// stream for the receiver, few enough wake-ups for the simulator.
constexpr std::size_t kPaceChunk = 24;

} // namespace

SimSender::SimSender(Write write, Sleep sleep, Timing timing)
    : write_(std::move(write)), sleep_(std::move(sleep)), timing_(timing) {}

bool SimSender::send(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        std::string bytes = line + "\r\n";
        if (timing_.slowMs <= 0) {
            if (!sendPiece(bytes)) {
                return false;
            }
            continue;
        }
        // Piece i holds bytes [i * n / pieces, (i + 1) * n / pieces); empty ones are skipped.
        std::size_t pieces = std::size_t(std::max(1, timing_.slowPieces));
        for (std::size_t i = 0; i < pieces; ++i) {
            std::size_t from = i * bytes.size() / pieces;
            std::size_t to = (i + 1) * bytes.size() / pieces;
            if (from == to) {
                continue;
            }
            if (!sleep_(std::chrono::milliseconds(timing_.slowMs)) ||
                !sendPiece(std::string_view(bytes).substr(from, to - from))) {
                return false;
            }
        }
    }
    return true;
}

bool SimSender::sendPiece(std::string_view bytes) {
    if (!timing_.pace) {
        return write_(bytes);
    }
    while (!bytes.empty()) {
        std::string_view chunk = bytes.substr(0, kPaceChunk);
        if (!write_(chunk) || !sleep_(kByteTime * long(chunk.size()))) {
            return false;
        }
        bytes.remove_prefix(chunk.size());
    }
    return true;
}

} // namespace vestra::sim
