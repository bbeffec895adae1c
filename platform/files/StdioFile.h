// CStdioFile: a CFile read through a buffer, in text mode.
//
// Text mode translates the bytes as they are read, before lines are split: CR LF becomes
// LF (also where the pair falls across two reads of the file), a lone CR stays an
// ordinary character, and Ctrl-Z (0x1A) ends the file. Once the file has ended it stays
// ended: nothing more is read from it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/files/File.h"

class CStdioFile : public CFile {
public:
    // Bytes asked of the file per read.
    static constexpr std::size_t kBufferSize = 4096;

    bool Open(const char* fileName, UINT openFlags, CFileException* error = nullptr) override;
    void Close() override;

    // Lends the next characters instead of copying them: points text at up to max of them,
    // up to and including the next LF, and returns how many. Fewer come when the buffer
    // ends before the LF (the next call goes on from there); 0 only when max is 0 or the
    // file has ended. The text stays valid until the next read. A failed read raises
    // CFileException.
    std::size_t ReadStringInPlace(const char*& text, std::size_t max);

private:
    bool FillBuffer();
    void TranslateText(std::size_t length);

    char m_buffer[kBufferSize];
    const char* m_next = m_buffer;  // the translated text not yet handed out: m_next..m_end
    const char* m_end = m_buffer;
    bool m_holdsCarriageReturn = false;  // a CR ended the last read; its LF may follow
    bool m_ended = false;
};

// Inline: the settings reader calls it for every line of the file at every event.
inline std::size_t CStdioFile::ReadStringInPlace(const char*& text, std::size_t max) {
    if (max == 0 || (m_next == m_end && !FillBuffer())) return 0;
    std::size_t take = std::min(max, static_cast<std::size_t>(m_end - m_next));
    if (const void* lineFeed = std::memchr(m_next, '\n', take))
        take = static_cast<std::size_t>(static_cast<const char*>(lineFeed) - m_next) + 1;
    text = m_next;
    m_next += take;
    return take;
}
