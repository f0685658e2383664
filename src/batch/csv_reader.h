#pragma once
// A streaming reader of CSV text (RFC 4180): one record at a time from a
// fixed buffer that grows only for a record longer than itself, so memory
// stays flat whatever the length of the file.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace retencion::batch {

class CsvReader {
public:
    explicit CsvReader(std::FILE* in, std::size_t bufferSize = 1 << 20);

    // Whether the text began with a UTF-8 byte-order mark (skipped).
    bool hadByteOrderMark();
    // The separator of the first record: ';' or ',', whichever comes first
    // outside quotes; ',' when neither does.
    char sniffDelimiter();
    void setDelimiter(char delimiter) { m_delimiter = delimiter; }

    // Reads the next record; false at the end of the text or on an error
    // (then `error()` is not empty).
    bool next();

    // The fields of the record read, unquoted; valid until the next call.
    const std::vector<std::string_view>& fields() const { return m_fields; }
    // The record as it stands in the text, without its line break.
    std::string_view raw() const { return m_raw; }
    // The line the record begins on, from 1.
    std::uint64_t line() const { return m_line; }
    // "\r\n" when the record ended so, otherwise "\n".
    bool endedWithCrLf() const { return m_crlf; }

    const std::string& error() const { return m_error; }
    std::uint64_t errorLine() const { return m_errorLine; }

private:
    enum class Parse { Record, NeedMore, Fault };
    // Where a record is being parsed: its text, the place in it and the
    // line breaks passed inside quotes or at its end.
    struct Cursor {
        const char* base;
        std::size_t size;
        std::size_t i;
        std::uint64_t lines;
    };
    Parse parse();
    Parse quotedField(Cursor& at);
    Parse plainField(Cursor& at);
    void endRecord(Cursor& at);
    Parse fault(const char* what, std::uint64_t line);
    bool fill(); // reads more after the record under way; false when nothing more came
    void start();

    std::FILE* m_in;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0; // the record under way
    std::size_t m_end = 0;   // the text read so far
    bool m_eof = false;
    bool m_started = false;
    bool m_bom = false;
    char m_delimiter = ',';

    struct Span {
        std::uint32_t offset; // from the record's start, or into m_unescaped
        std::uint32_t size;
        bool unescaped;
    };
    std::vector<Span> m_spans;
    std::string m_unescaped; // quoted fields that held doubled quotes
    std::vector<std::string_view> m_fields;
    std::string_view m_raw;
    std::uint64_t m_line = 1;
    std::uint64_t m_nextLine = 1;
    bool m_crlf = false;
    std::string m_error;
    std::uint64_t m_errorLine = 0;
};

} // namespace retencion::batch
