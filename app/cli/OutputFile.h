#pragma once

#include "CliCommand.h"
#include "CommandArgs.h"
#include "data/DataSet.h"
#include "files/TextEncoding.h"
#include "print/ReportPaper.h"

#include <optional>
#include <string>

namespace vestra::cli {

// Where a command writes: a file, whose extension decides the format, or standard output
// ("-"), whose format the --format option names.
struct OutputTarget {
    std::string path;
    std::string formatName;                      // a name whose extension is the format
    TextEncoding encoding = TextEncoding::Cp932; // of CSV and the text report
};

// The target for an output operand and the command's --format value (null when not given).
OutputTarget OutputTargetOf(const std::string& operand, const std::string* format);

// Whether the target's format is named (standard output has it from --format): kExitOk, or
// kExitUsage after telling why. Needs no unit, so it comes before anything is read.
int CheckOutputFormatNamed(const OutputTarget& target);

// Whether the tool can write such a target for data in context.unit (the native extension is
// the unit's): kExitOk, or kExitUsage after telling why. Checked before any work, so that
// nothing is read or asked of the thermometer in vain.
int CheckOutputName(const CliContext& context, const OutputTarget& target);

// --encoding names the encoding of CSV and the text report; for any other output (a data file,
// PDF, JSON) it would be silently dropped, so it is refused: kExitUsage after telling why, else
// kExitOk.
int CheckOutputEncoding(const CliContext& context, const CommandArgs& args,
                        const OutputTarget& target);

// The sheet of a PDF output: --paper ("a4" or "letter"), else the paper of the environment.
// Empty, after telling why, for --paper without a PDF output (output null: no file); the
// value itself the command line has checked.
std::optional<ReportPaper> OutputPaper(const CommandArgs& args, const OutputTarget* output);

// Writes currentData as the Save command would for the format (CSV and the text report in the
// target's encoding), as the printed report with every element and all 15 groups on paper for
// ".pdf", or as the data set's JSON document for ".json". kExitOk or kExitFileError.
int WriteOutput(const CliContext& context, DataStore& store, const OutputTarget& target,
                ReportPaper paper);

} // namespace vestra::cli
