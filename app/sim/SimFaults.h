#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestra::sim {

// A reply put in place of the proper one: to the greeting (at 0) or to the at-th command after
// it, in every connection.
struct ReplacedReply {
    std::string reply;
    int at = 1;
};

// The faults a thermometer or its line can show, chosen with --fault.
struct SimFaults {
    bool silent = false;                   // never answers
    std::optional<ReplacedReply> replaced; // ng1, ng3, garbage
    int slowMs = 0;                        // every line in pieces, each after this pause
    int slowPieces = 2;
    int longLine = 0;  // the first dump line padded with blanks to this length
    int cutAfter = -1; // switched off after this many dump lines
};

inline constexpr std::string_view kGarbageReply = "?ERR";

// Adds one --fault value: silent, ng1[:N], ng3[:N], garbage[:N], slow[:MS[:PIECES]],
// long-line[:LENGTH], cut:N. False for a value it does not know.
bool AddFault(SimFaults& faults, std::string_view option);

} // namespace vestra::sim
