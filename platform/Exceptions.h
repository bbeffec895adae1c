// The framework's exceptions. Framework code raises them inside a message handler; the
// window procedure catches every CException, answers the message with 0 and shows
// GetErrorMessage() in a message box, then dispatching goes on.
#pragma once

#include <string>
#include <utility>

class CException {
public:
    virtual ~CException() = default;
    // The text shown to the user, a complete sentence.
    virtual std::string GetErrorMessage() const = 0;
};

// No drawing context (or other window-system resource) could be had.
class CResourceException : public CException {
public:
    std::string GetErrorMessage() const override { return "A required resource was unavailable."; }
};

// A file could not be opened, read or closed. The text names the file's full path.
// GetErrorMessage() is defined in platform/files/.
class CFileException : public CException {
public:
    enum Cause {
        none,              // "No error occurred while accessing %1."
        genericException,  // "An unknown error occurred while accessing %1."
        diskFull,          // "Disk full while accessing %1."
        openFailed,        // "Cannot open the <role> %1: <cause>."
    };

    // osError for an open refused because the name is a FIFO, device or socket. Not an
    // errno value: the system has no error that says so.
    static constexpr int osNotRegularFile = -1;

    CFileException() : CFileException(none, 0, std::string()) {}
    CFileException(Cause cause, int osError, std::string fileName)
        : m_cause(cause), m_osError(osError), m_fileName(std::move(fileName)) {}

    Cause cause() const { return m_cause; }
    int osError() const { return m_osError; }
    const std::string& fileName() const { return m_fileName; }
    std::string GetErrorMessage() const override;

    // What the file is to the user, named by the open-failure text; "file" unless set.
    void SetFileRole(std::string role) { m_fileRole = std::move(role); }

private:
    Cause m_cause;
    int m_osError;
    std::string m_fileName;
    std::string m_fileRole = "file";
};
