// See PlainSettingsReader.h. Every step here mirrors one rule of the file format.
#include "tests/fuzz/PlainSettingsReader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr std::size_t kChunk = 128;

// Text mode: Ctrl-Z ends the file, CR LF becomes LF, a lone CR stays.
std::string ApplyTextMode(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\x1A') break;
        const bool crBeforeLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (!crBeforeLf) text += bytes[i];
    }
    return text;
}

// One chunk: up to and including the next LF, at most 128 characters.
std::string TakeChunk(const std::string& text, std::size_t& at) {
    const std::size_t lineFeed = text.find('\n', at);
    std::size_t end = std::min(text.size(), at + kChunk);
    if (lineFeed != std::string::npos) end = std::min(end, lineFeed + 1);
    const std::string chunk = text.substr(at, end - at);
    at = end;
    return chunk;
}

std::string UpToNul(const std::string& s) { return s.substr(0, s.find('\0')); }

std::string ReadLine(const std::string& text, std::size_t& at) {
    std::string line;
    for (;;) {
        const std::string chunk = TakeChunk(text, at);
        if (chunk.empty()) break;
        line = UpToNul(line + chunk);
        const std::string counted = UpToNul(chunk);
        if (counted.size() < kChunk || chunk[kChunk - 1] == '\n') break;
    }
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::int32_t ConvertLine(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    std::uint32_t value = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9')
        value = value * 10u + static_cast<std::uint32_t>(line[i++] - '0');
    if (negative) value = 0u - value;
    // Two's complement, spelled out rather than left to the conversion.
    if (value <= 0x7FFFFFFFu) return static_cast<std::int32_t>(value);
    return static_cast<std::int32_t>(value - 0x80000000u) + INT32_MIN;
}

}  // namespace

MarkSettings PlainReadSettings(const std::string& fileBytes) {
    const std::string text = ApplyTextMode(fileBytes);
    std::size_t at = 0;
    std::int32_t values[5];
    for (auto& value : values) value = ConvertLine(ReadLine(text, at));
    return MarkSettings{values[0], values[1], values[2], values[3], values[4]};
}
