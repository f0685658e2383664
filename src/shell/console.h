#pragma once
// The program's answers on the command line (--informe, --help, --version).

namespace retencion {

// On Windows the program has no console window of its own, so what it
// prints would go nowhere: this sends standard output and error to the
// console it was started from, unless they were redirected to a file or a
// pipe. Elsewhere it does nothing.
void useParentConsole();

} // namespace retencion
