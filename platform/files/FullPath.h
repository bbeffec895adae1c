// The framework's full path of a file: the current directory joined with the file's name.
// Files keep it for their error messages, and a path longer than the system's limit fails
// an open before the file is tried.
#pragma once

#include <climits>
#include <string>

// Room for the longest full path the system accepts, with its terminating NUL.
constexpr int kMaxFullPath = PATH_MAX;

// Writes the full path of name into path. Returns 0, or the errno why it cannot be formed:
// ENAMETOOLONG when it would be longer than kMaxFullPath - 1 characters.
int FormFullPath(const char* name, char (&path)[kMaxFullPath]);

// The full path of name however long it is, for messages; the name itself when the
// current directory is unknown.
std::string FullPathForMessage(const char* name);
