#pragma once
// Why the system refused to open, read or write a file, in Spanish: the C
// library's own words are those of the machine's language, often English.

#include <string>

namespace retencion::batch {

// "no existe", "no tiene permiso", ... for the error number `errnum`.
std::string systemReason(int errnum);

} // namespace retencion::batch
