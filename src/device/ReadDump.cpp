#include "device/ReadDump.h"

#include "device/DumpParser.h"

namespace vestra {
namespace {

const char* StateName(DumpState state) {
    static constexpr const char* kNames[] = {
        "expecting LABEL=",    "expecting PRINT",       "expecting NO.",
        "expecting TAG=",      "expecting EMISSIVITY=", "expecting ALARM(H)=",
        "expecting ALARM(L)=", "expecting MEMORY=",     "expecting a reading",
    };
    return kNames[static_cast<int>(state)];
}

// Where the dump went wrong, for the line trace.
std::string RefusalNote(int lineNumber, DumpState expected, int group, const std::string& line) {
    return "refused dump line " + std::to_string(lineNumber) + " (" + StateName(expected) +
           ", group " + std::to_string(group) + "): " + LineTrace::Escaped(line);
}

} // namespace

std::string MemCommand(ConnectionMode mode) {
    switch (mode) {
    case ConnectionMode::ModeReadClock:
        return "MEM T";
    case ConnectionMode::ModeReadSettings:
        return "MEM S";
    default:
        return "MEM";
    }
}

void ReadDump(CommSession& session, ConnectionMode mode, TemperatureUnit unit,
              DataSet& importBuffer) {
    session.SendCommand(MemCommand(mode));
    if (!session.WaitReply()) {
        return;
    }
    importBuffer.totalCount = 0;
    DumpParser parser(mode, unit, importBuffer);
    for (int lineNumber = 1; session.ReceiveLine(); ++lineNumber) {
        DumpState expected = parser.state();
        int group = parser.group();
        switch (parser.feed(session.RxLine())) {
        case DumpStep::Continue:
            break;
        case DumpStep::GroupComplete:
            session.StepProgress();
            break;
        case DumpStep::Complete:
            if (mode == ConnectionMode::ModeReadClock) {
                session.FinishProgress();
            } else {
                session.StepProgress();
            }
            return;
        case DumpStep::Reject:
            session.traceNote(RefusalNote(lineNumber, expected, group, session.RxLine()));
            session.fail(CommResult::ResultBadDump);
            return;
        }
    }
}

} // namespace vestra
