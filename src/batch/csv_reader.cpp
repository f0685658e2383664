#include "batch/csv_reader.h"

#include <cstring>

namespace retencion::batch {

CsvReader::CsvReader(std::FILE* in, std::size_t bufferSize) : m_in(in), m_buffer(bufferSize) {}

bool CsvReader::fill()
{
    if (m_eof) return false;
    // Keep the record under way at the front, and grow only when it alone
    // fills the buffer.
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_end == m_buffer.size()) m_buffer.resize(m_buffer.size() * 2);
    const std::size_t got = std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_in);
    m_end += got;
    if (got == 0) m_eof = true;
    return got > 0;
}

void CsvReader::start()
{
    if (m_started) return;
    m_started = true;
    while (m_end < 3 && fill()) {
    }
    if (m_end >= 3 && std::memcmp(m_buffer.data(), "\xEF\xBB\xBF", 3) == 0) {
        m_bom = true;
        m_begin = 3;
    }
}

bool CsvReader::hadByteOrderMark()
{
    start();
    return m_bom;
}

char CsvReader::sniffDelimiter()
{
    start();
    for (;;) {
        bool quoted = false;
        for (std::size_t i = m_begin; i < m_end; ++i) {
            const char c = m_buffer[i];
            if (c == '"') quoted = !quoted;
            if (quoted) continue;
            if (c == ';' || c == ',') return c;
            if (c == '\n') return ',';
        }
        if (!fill()) return ',';
    }
}

// Reads the quoted field at the cursor, past its closing quote. `Record`
// here means that the field is read.
CsvReader::Parse CsvReader::quotedField(Cursor& at)
{
    const char* const base = at.base;
    std::size_t i = at.i;
    const std::size_t open = i++;
    const std::uint64_t openLine = m_nextLine + at.lines;
    bool doubled = false;
    for (;;) {
        if (i >= at.size) {
            if (!m_eof) return Parse::NeedMore;
            return fault("comillas sin cerrar", openLine);
        }
        const char c = base[i];
        if (c == '"') {
            if (i + 1 >= at.size && !m_eof) return Parse::NeedMore;
            if (i + 1 < at.size && base[i + 1] == '"') {
                doubled = true;
                i += 2;
                continue;
            }
            break;
        }
        if (c == '\n') ++at.lines;
        ++i;
    }
    const std::size_t inner = open + 1;
    if (doubled) {
        const std::size_t from = m_unescaped.size();
        for (std::size_t k = inner; k < i; ++k) {
            m_unescaped += base[k];
            if (base[k] == '"') ++k;
        }
        m_spans.push_back(
            {static_cast<std::uint32_t>(from), static_cast<std::uint32_t>(m_unescaped.size() - from), true});
    } else {
        m_spans.push_back({static_cast<std::uint32_t>(inner), static_cast<std::uint32_t>(i - inner), false});
    }
    ++i; // the closing quote
    at.i = i;
    if (i < at.size && base[i] != m_delimiter && base[i] != '\n' && base[i] != '\r')
        return fault("texto después de unas comillas de cierre", m_nextLine + at.lines);
    return Parse::Record;
}

// Reads the unquoted field at the cursor, up to its delimiter or line break.
CsvReader::Parse CsvReader::plainField(Cursor& at)
{
    const char* const base = at.base;
    const std::size_t first = at.i;
    std::size_t i = first;
    while (i < at.size && base[i] != m_delimiter && base[i] != '\n') {
        if (base[i] == '"') return fault("comillas dentro de un campo sin comillas", m_nextLine + at.lines);
        ++i;
    }
    if (i >= at.size && !m_eof) return Parse::NeedMore;
    std::size_t last = i;
    if (last > first && base[last - 1] == '\r' && (i == at.size || base[i] == '\n')) --last; // a CRLF's CR
    m_spans.push_back({static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(last - first), false});
    at.i = i;
    return Parse::Record;
}

// Ends the record at the cursor's line break (or the end of the text): its
// raw text, its lines and its fields.
void CsvReader::endRecord(Cursor& at)
{
    const char* const base = at.base;
    std::size_t i = at.i;
    if (i < at.size && base[i] == '\n') {
        m_crlf = i > 0 && base[i - 1] == '\r';
        m_raw = std::string_view(base, m_crlf ? i - 1 : i);
        ++at.lines;
        ++i;
    } else {
        // The last record, with no line break after it.
        m_crlf = false;
        std::size_t rawEnd = i;
        if (rawEnd > 0 && base[rawEnd - 1] == '\r') --rawEnd;
        m_raw = std::string_view(base, rawEnd);
    }
    m_line = m_nextLine;
    m_nextLine += at.lines;
    m_fields.clear();
    for (const Span& s : m_spans)
        m_fields.emplace_back((s.unescaped ? m_unescaped.data() : base) + s.offset, s.size);
    m_begin += i;
}

CsvReader::Parse CsvReader::fault(const char* what, std::uint64_t line)
{
    m_error = what;
    m_errorLine = line;
    return Parse::Fault;
}

CsvReader::Parse CsvReader::parse()
{
    m_spans.clear();
    m_unescaped.clear();
    Cursor at{m_buffer.data() + m_begin, m_end - m_begin, 0, 0};
    for (;;) {
        const Parse field = at.i < at.size && at.base[at.i] == '"' ? quotedField(at) : plainField(at);
        if (field != Parse::Record) return field;
        // After a field: a delimiter, a line break or the end of the text.
        if (at.i < at.size && at.base[at.i] == m_delimiter) {
            ++at.i;
            continue;
        }
        if (at.i < at.size && at.base[at.i] == '\r') {
            if (at.i + 1 >= at.size && !m_eof) return Parse::NeedMore;
            ++at.i;
        }
        endRecord(at);
        return Parse::Record;
    }
}

bool CsvReader::next()
{
    start();
    if (!m_error.empty()) return false;
    for (;;) {
        if (m_begin == m_end && m_eof) return false;
        if (m_begin == m_end) {
            fill();
            continue;
        }
        switch (parse()) {
        case Parse::Record:
            return true;
        case Parse::Fault:
            return false;
        case Parse::NeedMore:
            fill();
            break;
        }
    }
}

} // namespace retencion::batch
