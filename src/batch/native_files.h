#pragma once
// Files, arguments and console text in UTF-8 on every system. On Windows the
// C library reads narrow names and arguments in the ANSI code page, where
// "C:\Users\José\Documentos\depósito ñ.csv" may not exist at all, so names go
// through their wide form there; elsewhere these are the plain C calls.

#include <cstdio>
#include <string>
#include <vector>

namespace retencion::batch {

// The program's arguments, argv[0] included, in UTF-8.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// std::fopen of a UTF-8 name.
std::FILE* openFile(const std::string& path, const char* mode);

// Standard input and output carry the bytes of calculation files unchanged
// (on Windows they would otherwise turn "\n" into "\r\n" and stop at ^Z).
void useBinaryStandardStreams();

// Writes UTF-8 text to `stream`; a Windows console shows it as text rather
// than as bytes of its code page.
void writeText(std::FILE* stream, const std::string& text);

#ifdef _WIN32
std::wstring toWide(const std::string& utf8);
std::string toUtf8(const std::wstring& wide);
// Windows' own sentence for a system error code, in the system's language.
std::string systemErrorText(unsigned long code);
#endif

} // namespace retencion::batch
