#pragma once
// A calculation file read row by row and written back with the results
// appended, streaming: one row in memory at a time.

#include <cstdio>
#include <string>

namespace retencion::batch {

struct RunOptions {
    std::string inputName = "-";  // for messages
    std::string outputName = "-"; // for messages
    // Off: the rows are read and written with empty results, to measure
    // what reading and writing alone cost.
    bool calculate = true;
};

// 0 when every row was read (refused rows included); 2 when the input is not
// readable as a calculation file or the output cannot be written, with the
// reason in `error` as one line.
int runBatch(std::FILE* in, std::FILE* out, const RunOptions& options, std::string& error);

// The header and the worked example of case `caso` (A to E), ready to fill
// in; empty for any other letter.
std::string templateFor(char caso);

// The columns of numbers, one line per meaning, with their units and the
// cases that read them: for --help.
std::string columnsHelp();

} // namespace retencion::batch
