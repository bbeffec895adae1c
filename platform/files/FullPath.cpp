// Forming full paths: one getcwd into the caller's buffer, then the name appended.
#include "platform/files/FullPath.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// Appends name to the directory that fills the start of path (length characters).
int AppendName(const char* name, std::size_t length, char (&path)[kMaxFullPath]) {
    if (length > 0 && path[length - 1] != '/') path[length++] = '/';
    const std::size_t nameLength = std::strlen(name);
    if (length + nameLength >= sizeof path) return ENAMETOOLONG;
    std::memcpy(path + length, name, nameLength + 1);
    return 0;
}

}  // namespace

int FormFullPath(const char* name, char (&path)[kMaxFullPath]) {
    if (name[0] == '/') {
        path[0] = '\0';
        return AppendName(name, 0, path);
    }
    // One byte is kept back for the separator, so a directory that fills the buffer fails
    // as too long rather than being cut.
    if (getcwd(path, sizeof path - 1) == nullptr) return errno == ERANGE ? ENAMETOOLONG : errno;
    return AppendName(name, std::strlen(path), path);
}

std::string FullPathForMessage(const char* name) {
    if (name[0] == '/') return name;
    // getcwd with no buffer allocates one as long as the directory's path needs.
    char* directory = getcwd(nullptr, 0);
    if (directory == nullptr) return name;
    std::string path = directory;
    std::free(directory);
    if (path.back() != '/') path += '/';
    return path + name;
}
