#pragma once
// Buffered writing of CSV records, quoting a field only where it needs it,
// and the output file that appears under its name only once complete.

#include <cstdio>
#include <string>
#include <string_view>

namespace retencion::batch {

class CsvWriter {
public:
    CsvWriter(std::FILE* out, char delimiter, std::string_view lineBreak);
    ~CsvWriter();
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    // Text that is already CSV, as it stood in the input.
    void raw(std::string_view text) { m_buffer.append(text); }
    void delimiter() { m_buffer += m_delimiter; }
    // One field's value, in quotes when it holds the delimiter, a quote or a
    // line break.
    void field(std::string_view value);
    void endRecord();
    // False when the output refused what was written so far.
    bool flush();
    bool failed() const { return m_failed; }

private:
    std::FILE* m_out;
    char m_delimiter;
    std::string m_lineBreak;
    std::string m_buffer;
    bool m_failed = false;
};

// A file written under a temporary name in the same folder and renamed onto
// `path` once complete, so that no reader ever sees half of it. Left
// uncommitted, the temporary file is removed.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Empty on success, otherwise the reason.
    std::string open(const std::string& path);
    std::FILE* stream() const { return m_stream; }
    std::string commit();

private:
    std::string m_path;
    std::string m_temporary;
    std::FILE* m_stream = nullptr;
};

} // namespace retencion::batch
