#include "shell/console.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#endif

namespace retencion {

#ifdef _WIN32

namespace {

UINT g_consoleCodePage = 0;

bool redirected(DWORD stream)
{
    const HANDLE handle = ::GetStdHandle(stream);
    return handle && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void useParentConsole()
{
    const bool outRedirected = redirected(STD_OUTPUT_HANDLE);
    const bool errRedirected = redirected(STD_ERROR_HANDLE);
    if (outRedirected && errRedirected) return;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return; // started from the desktop: no console
    if (!outRedirected) std::freopen("CONOUT$", "w", stdout);
    if (!errRedirected) std::freopen("CONOUT$", "w", stderr);
    // The program writes its accents in UTF-8; the console shows its OEM
    // code page until told otherwise, and is given back its own when the
    // program ends.
    g_consoleCodePage = ::GetConsoleOutputCP();
    ::SetConsoleOutputCP(CP_UTF8);
    std::atexit([] { ::SetConsoleOutputCP(g_consoleCodePage); });
}

#else

void useParentConsole() {}

#endif

} // namespace retencion
