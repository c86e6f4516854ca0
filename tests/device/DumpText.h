#pragma once

#include "device/DumpParser.h"

#include <array>
#include <string>
#include <vector>

namespace vestra::testing {

// Dumps as the thermometer sends them: label, clock, and 15 groups, with counts[g-1] readings
// in group g. Values and times vary per reading so that misplaced entries show.
inline std::vector<std::string> MemoryDump(const std::array<int, 15>& counts, char unit = 'C') {
    std::string u(1, unit);
    std::vector<std::string> lines = {"LABEL=VESTRA-01", "PRINT 2008/05/12 13:45:07"};
    for (int g = 1; g <= 15; ++g) {
        lines.push_back("NO." + std::to_string(g));
        lines.push_back("TAG=G" + std::to_string(g));
        lines.push_back("EMISSIVITY=0.95");
        lines.push_back("ALARM(H)=" + std::to_string(100 + g) + u);
        lines.push_back("ALARM(L)=-40" + u);
        lines.push_back("MEMORY=" + std::to_string(counts[static_cast<std::size_t>(g - 1)]));
        for (int k = 1; k <= counts[static_cast<std::size_t>(g - 1)]; ++k) {
            lines.push_back("2008/05/" + std::to_string(10 + k % 10) + " 09:0" +
                            std::to_string(k % 10) + ":00 " + std::to_string(g) + "." +
                            std::to_string(k % 10) + u);
        }
    }
    return lines;
}

// The answer to "MEM S": the same without clock line, MEMORY= line and readings.
inline std::vector<std::string> SettingsDump() {
    std::vector<std::string> lines;
    for (const std::string& line : MemoryDump({})) {
        if (line.rfind("PRINT", 0) != 0 && line.rfind("MEMORY", 0) != 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

struct FeedResult {
    DumpStep last = DumpStep::Continue;
    std::size_t taken = 0;   // lines fed, the rejected one included
    int groupsCompleted = 0; // GroupComplete steps
};

// Feeds the lines until the parser completes or rejects one.
inline FeedResult FeedAll(DumpParser& parser, const std::vector<std::string>& lines) {
    FeedResult r;
    for (const std::string& line : lines) {
        r.last = parser.feed(line);
        ++r.taken;
        if (r.last == DumpStep::GroupComplete) {
            ++r.groupsCompleted;
        }
        if (r.last == DumpStep::Complete || r.last == DumpStep::Reject) {
            break;
        }
    }
    return r;
}

// The stream as it arrives on the wire after "OK".
inline std::string WireText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

} // namespace vestra::testing
