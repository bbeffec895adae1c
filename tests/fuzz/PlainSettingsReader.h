// A second reader of the settings file, written as plainly as the rules read: the whole
// file in memory, text mode applied to all of it, each line gathered whole in 128-character
// chunks, then converted. It is slow and memory-hungry on purpose; the fuzzer compares the
// real, streaming reader against it.
#pragma once

#include <string>

#include "settings/MarkSettings.h"

MarkSettings PlainReadSettings(const std::string& fileBytes);
