// CFile: the framework's unbuffered file over POSIX calls, opened for reading.
//
// Open forms the file's full path first (kept for every error message about the file) and
// never waits: a FIFO, device, socket or directory is refused at once. Read raises
// CFileException on a failed read, Close on a failed close; destruction closes quietly.
#pragma once

#include <cstdint>

#include "platform/Exceptions.h"
#include "platform/files/FullPath.h"

using UINT = std::uint32_t;  // as in platform/Platform.h

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        // Accepted for the callers' sake; Linux has no sharing mode that other programs
        // honour, so it changes nothing.
        shareExclusive = 0x0010,
        typeText = 0x4000,  // CStdioFile always reads in text mode
    };

    CFile() { m_filePath[0] = '\0'; }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // Opens an existing regular file for reading. On failure returns false, fills *error
    // (cause openFailed, the errno or osNotRegularFile, the full path) and reads nothing.
    virtual bool Open(const char* fileName, UINT openFlags, CFileException* error = nullptr);
    // Reads up to count bytes; 0 only at the end of the file. A failed read raises
    // genericException.
    UINT Read(void* buffer, UINT count);
    // Closes the file if it is open; a failed close raises diskFull.
    virtual void Close();

    const char* GetFilePath() const { return m_filePath; }

private:
    int OpenRegularFile(const char* fileName);
    bool ClearNonBlocking();

    int m_fd = -1;
    bool m_nonBlocking = false;
    char m_filePath[kMaxFullPath];  // formed by Open; not cleared whole, files are made often
};
