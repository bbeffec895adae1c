// CStdioFile: text-mode translation happens in place, once per read of the file.
#include "platform/files/StdioFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfFile = 0x1A;  // Ctrl-Z

// Removes, in place, every CR in begin..end that an LF follows; returns the new end.
char* DropCarriageReturnsBeforeLineFeeds(char* begin, char* end) {
    char* out = begin;
    for (char* in = begin;;) {
        const std::size_t left = static_cast<std::size_t>(end - in);
        char* carriageReturn = static_cast<char*>(std::memchr(in, kCarriageReturn, left));
        char* const kept = carriageReturn != nullptr ? carriageReturn : end;
        if (out != in) std::memmove(out, in, static_cast<std::size_t>(kept - in));
        out += kept - in;
        if (carriageReturn == nullptr) return out;
        in = carriageReturn + 1;
        if (in == end || *in != kLineFeed) *out++ = kCarriageReturn;
    }
}

}  // namespace

bool CStdioFile::Open(const char* fileName, UINT openFlags, CFileException* error) {
    m_next = m_end = m_buffer;
    m_holdsCarriageReturn = false;
    m_ended = false;
    return CFile::Open(fileName, openFlags, error);
}

void CStdioFile::Close() {
    m_next = m_end = m_buffer;
    m_ended = true;
    CFile::Close();
}

// Reads and translates until there is text to hand out; false once the file has ended.
bool CStdioFile::FillBuffer() {
    while (!m_ended) {
        std::size_t kept = 0;
        if (m_holdsCarriageReturn) {
            m_buffer[kept++] = kCarriageReturn;
            m_holdsCarriageReturn = false;
        }
        const UINT got = Read(m_buffer + kept, static_cast<UINT>(kBufferSize - kept));
        m_ended = got == 0;
        TranslateText(kept + got);
        if (m_next < m_end) return true;
    }
    return false;
}

// Translates the length bytes at the start of the buffer in place. A CR that ends them is
// held back for the next read, which shows whether an LF follows, unless the file ended.
void CStdioFile::TranslateText(std::size_t length) {
    if (const void* endOfFile = std::memchr(m_buffer, kEndOfFile, length)) {
        length = static_cast<std::size_t>(static_cast<const char*>(endOfFile) - m_buffer);
        m_ended = true;
    }
    if (length > 0 && m_buffer[length - 1] == kCarriageReturn && !m_ended) {
        m_holdsCarriageReturn = true;
        --length;
    }
    m_next = m_buffer;
    m_end = DropCarriageReturnsBeforeLineFeeds(m_buffer, m_buffer + length);
}
