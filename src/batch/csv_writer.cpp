#include "batch/csv_writer.h"

#include "batch/native_files.h"
#include "batch/system_error.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <random>
#else
#include <unistd.h>
#endif

namespace retencion::batch {
namespace {

constexpr std::size_t kFlushAt = 1 << 20;

} // namespace

CsvWriter::CsvWriter(std::FILE* out, char delimiter, std::string_view lineBreak)
    : m_out(out), m_delimiter(delimiter), m_lineBreak(lineBreak)
{
    m_buffer.reserve(kFlushAt + 4096);
}

CsvWriter::~CsvWriter()
{
    flush();
}

void CsvWriter::field(std::string_view value)
{
    bool quote = false;
    for (const char c : value)
        if (c == m_delimiter || c == '"' || c == '\n' || c == '\r') {
            quote = true;
            break;
        }
    if (!quote) {
        m_buffer.append(value);
        return;
    }
    m_buffer += '"';
    for (const char c : value) {
        if (c == '"') m_buffer += '"';
        m_buffer += c;
    }
    m_buffer += '"';
}

void CsvWriter::endRecord()
{
    m_buffer.append(m_lineBreak);
    if (m_buffer.size() >= kFlushAt) flush();
}

bool CsvWriter::flush()
{
    if (!m_buffer.empty() && !m_failed)
        m_failed = std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size();
    m_buffer.clear();
    if (!m_failed) m_failed = std::fflush(m_out) != 0;
    return !m_failed;
}

#ifdef _WIN32

namespace {

bool isDevice(const std::string& path)
{
    std::string name;
    for (const char c : path) name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 0x20 : c);
    return name == "NUL" || name == "CON" || name.rfind("\\\\.\\", 0) == 0;
}

void removeFile(const std::string& path)
{
    ::_wremove(toWide(path).c_str());
}

} // namespace

std::string AtomicFile::open(const std::string& path)
{
    m_path = path;
    if (isDevice(path)) {
        m_stream = openFile(path, "wb");
        return m_stream ? std::string() : systemReason(errno);
    }
    // A new name beside the output, made by this run alone.
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = path + ".tmp" + std::to_string(entropy() % 1000000);
        const int fd = ::_wopen(toWide(m_temporary).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY,
                                _S_IREAD | _S_IWRITE);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) break;
        m_stream = ::_fdopen(fd, "wb");
        if (m_stream) return {};
        ::_close(fd);
        removeFile(m_temporary);
        break;
    }
    const int why = errno;
    m_temporary.clear();
    return systemReason(why);
}

std::string AtomicFile::commit()
{
    std::FILE* stream = m_stream;
    m_stream = nullptr;
    int why = 0;
    if (std::fflush(stream) != 0 || (!m_temporary.empty() && ::_commit(::_fileno(stream)) != 0)) why = errno;
    if (std::fclose(stream) != 0 && !why) why = errno;
    if (m_temporary.empty()) return why ? systemReason(why) : std::string();
    if (why) {
        removeFile(m_temporary);
        return systemReason(why);
    }
    // Unlike rename(), this replaces an output that is already there.
    if (!::MoveFileExW(toWide(m_temporary).c_str(), toWide(m_path).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const std::string reason = systemErrorText(::GetLastError());
        removeFile(m_temporary);
        return reason;
    }
    return {};
}

AtomicFile::~AtomicFile()
{
    if (!m_stream) return;
    std::fclose(m_stream);
    if (!m_temporary.empty()) removeFile(m_temporary);
}

#else

AtomicFile::~AtomicFile()
{
    if (!m_stream) return;
    std::fclose(m_stream);
    if (!m_temporary.empty()) ::unlink(m_temporary.c_str());
}

std::string AtomicFile::open(const std::string& path)
{
    m_path = path;
    // A device or a pipe (/dev/null, /dev/stdout) is written in place:
    // renaming a file onto it would replace it.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        m_stream = std::fopen(path.c_str(), "wb");
        return m_stream ? std::string() : systemReason(errno);
    }
    m_temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(m_temporary.data());
    if (fd < 0) return systemReason(errno);
    // mkstemp makes the file private; the result is an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    m_stream = ::fdopen(fd, "wb");
    if (!m_stream) {
        const int why = errno;
        ::close(fd);
        ::unlink(m_temporary.c_str());
        return systemReason(why);
    }
    return {};
}

std::string AtomicFile::commit()
{
    std::FILE* stream = m_stream;
    m_stream = nullptr;
    int why = 0;
    if (std::fflush(stream) != 0 || (!m_temporary.empty() && ::fsync(::fileno(stream)) != 0)) why = errno;
    if (std::fclose(stream) != 0 && !why) why = errno;
    if (m_temporary.empty()) return why ? systemReason(why) : std::string();
    if (!why && ::rename(m_temporary.c_str(), m_path.c_str()) != 0) why = errno;
    if (why) {
        ::unlink(m_temporary.c_str());
        return systemReason(why);
    }
    return {};
}

#endif

} // namespace retencion::batch
