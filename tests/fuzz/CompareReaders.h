// CompareReaders: runs one settings file through both readers, the real streaming one
// (ReadMarkSettings, over vorlindata1.ini in the current directory) and the plain one, and
// says how they differ. The fuzzer and the corpus replay share it.
#pragma once

#include <string>

// Writes bytes as vorlindata1.ini in the current directory, reads it with both readers and
// returns an empty text when they agree, else what each gave (or the error the real reader
// raised, or that it left a file open).
std::string CompareReaders(const std::string& bytes);
