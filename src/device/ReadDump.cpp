#include "device/ReadDump.h"

#include "device/DumpParser.h"

namespace vestra {

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

void ReadDump(CommSession& session, ConnectionMode mode, std::string_view unit,
              DataSet& importBuffer) {
    session.SendCommand(MemCommand(mode));
    if (!session.WaitReply()) {
        return;
    }
    importBuffer.totalCount = 0;
    DumpParser parser(mode, std::string(unit), importBuffer);
    while (session.ReceiveLine()) {
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
            session.fail(CommResult::ResultBadDump);
            return;
        }
    }
}

} // namespace vestra
