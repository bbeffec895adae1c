// ReadMarkSettings: reads the five values of the settings file, afresh at every call.
#pragma once

#include <cstddef>

#include "settings/MarkSettings.h"

// The settings file, looked up in the current directory at every call.
inline constexpr const char* kSettingsFileName = "vorlindata1.ini";
// A line is read in chunks of at most this many characters.
inline constexpr std::size_t kSettingsChunkLength = 128;

// Opens the settings file, converts its first five lines (a missing line gives 0) and
// closes it again. A file that cannot be opened, read or closed raises CFileException
// naming its full path; the file is closed on every way out.
MarkSettings ReadMarkSettings();
