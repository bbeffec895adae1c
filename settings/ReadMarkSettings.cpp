// ReadMarkSettings: open, five lines converted as they stream past, close.
//
// A line is read in chunks of at most kSettingsChunkLength characters, and its text counts
// only up to its first NUL. A chunk that is full and ends in LF, or is not full, ends the
// line; so a NUL in a full chunk ends the line there, and the rest of that physical line
// is read as the next line.
//
// The characters are converted where they lie in the file's buffer, never copied: a chunk
// comes in one piece, or in two where the buffer ends inside it. The converter stops at a
// NUL as at any other character that is not a digit, so the text after a NUL needs no
// cutting off; only whether a full chunk held one decides if the line goes on.
#include "settings/ReadMarkSettings.h"

#include <cstring>

#include "platform/files/StdioFile.h"
#include "settings/LineConverter.h"

namespace {

void OpenSettingsFile(CStdioFile& file) {
    CFileException error;
    if (!file.Open(kSettingsFileName, CFile::modeRead | CFile::shareExclusive | CFile::typeText,
                   &error)) {
        error.SetFileRole("settings file");
        throw error;
    }
}

// Reads the next line and returns its value; 0 once the file has ended.
std::int32_t ReadLineValue(CStdioFile& file) {
    LineConverter converter;
    std::size_t chunkLength = 0;  // of the chunk being read
    bool chunkHasNul = false;
    const char* text = nullptr;
    while (const std::size_t length =
               file.ReadStringInPlace(text, kSettingsChunkLength - chunkLength)) {
        converter.Feed(text, length);
        if (text[length - 1] == '\n') break;
        chunkHasNul = chunkHasNul || std::memchr(text, '\0', length) != nullptr;
        chunkLength += length;
        if (chunkLength < kSettingsChunkLength) continue;  // the buffer ended inside the chunk
        if (chunkHasNul) break;
        chunkLength = 0;  // a full chunk without LF or NUL: the line goes on
        chunkHasNul = false;
    }
    return converter.Value();
}

}  // namespace

MarkSettings ReadMarkSettings() {
    CStdioFile file;
    OpenSettingsFile(file);
    MarkSettings settings;
    settings.radius = ReadLineValue(file);
    settings.red = ReadLineValue(file);
    settings.green = ReadLineValue(file);
    settings.blue = ReadLineValue(file);
    settings.mode = ReadLineValue(file);
    file.Close();
    return settings;
}
