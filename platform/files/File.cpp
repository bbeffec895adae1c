// CFile over open/fstat/read/close.
#include "platform/files/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

CFile::~CFile() {
    if (m_fd >= 0) ::close(m_fd);
}

bool CFile::Open(const char* fileName, UINT /*openFlags*/, CFileException* error) {
    const int pathError = FormFullPath(fileName, m_filePath);
    const int osError = pathError != 0 ? pathError : OpenRegularFile(fileName);
    if (osError == 0) return true;
    if (error != nullptr) {
        const bool pathFormed = pathError == 0;
        *error = CFileException(CFileException::openFailed, osError,
                                pathFormed ? m_filePath : FullPathForMessage(fileName));
    }
    return false;
}

// Opening without O_NONBLOCK would wait for a writer on a FIFO, so the flag is set and
// fstat then refuses everything but a regular file. Linux ignores O_NONBLOCK when reading
// regular files, so the flag stays until a read says otherwise (see Read): clearing it at
// once would cost every open a system call. Returns 0 or why the file was refused.
int CFile::OpenRegularFile(const char* fileName) {
    const int fd = ::open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    // A socket, or a device with no driver behind it, fails the open itself with ENXIO.
    if (fd < 0) return errno == ENXIO ? CFileException::osNotRegularFile : errno;
    struct stat status;
    int osError = 0;
    if (fstat(fd, &status) != 0)
        osError = errno;
    else if (S_ISDIR(status.st_mode))
        osError = EISDIR;
    else if (!S_ISREG(status.st_mode))
        osError = CFileException::osNotRegularFile;
    if (osError != 0) {
        ::close(fd);
        return osError;
    }
    m_fd = fd;
    m_nonBlocking = true;
    return 0;
}

UINT CFile::Read(void* buffer, UINT count) {
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, count);
        if (got >= 0) return static_cast<UINT>(got);
        if (errno == EINTR) continue;
        // A file system that honours O_NONBLOCK for regular files: read as usual from now on.
        if (errno == EAGAIN && m_nonBlocking && ClearNonBlocking()) continue;
        throw CFileException(CFileException::genericException, errno, m_filePath);
    }
}

bool CFile::ClearNonBlocking() {
    m_nonBlocking = false;
    return fcntl(m_fd, F_SETFL, 0) == 0;  // O_NONBLOCK is the only status flag set
}

void CFile::Close() {
    if (m_fd < 0) return;
    const int fd = m_fd;
    m_fd = -1;
    // Linux frees the descriptor even when close reports EINTR, so that is no failure.
    if (::close(fd) != 0 && errno != EINTR)
        throw CFileException(CFileException::diskFull, errno, m_filePath);
}
