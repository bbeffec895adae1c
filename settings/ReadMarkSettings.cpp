// ReadMarkSettings: open, five lines converted as they stream past, close.
//
// A line is read in chunks of at most kSettingsChunkLength characters, and its text counts
// only up to its first NUL. A chunk that is full and ends in LF, or is not full, ends the
// line; so a NUL in a full chunk ends the line there, and the rest of that physical line
// is read as the next line.
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
    char chunk[kSettingsChunkLength + 1];
    while (file.ReadString(chunk, sizeof chunk) != nullptr) {
        const std::size_t length = std::strlen(chunk);
        converter.Feed(chunk, length);
        if (length < kSettingsChunkLength || chunk[kSettingsChunkLength - 1] == '\n') break;
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
