#pragma once
// What the program answers on the command line before any window: its
// help, its version, and an option it does not know.

#include <optional>

namespace retencion {

// `--help` (`-h`) and `--version` print on standard output and give 0; an
// option the program does not know prints one line on standard error and
// gives 2. Empty when the arguments are for the program to go on with: a
// file to open, `--informe`, or the options Qt itself reads.
std::optional<int> answerCommandLine(int argc, const char* const* argv);

} // namespace retencion
