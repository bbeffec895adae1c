// The texts of CFileException: one sentence per cause, naming the file's full path.
#include <cstring>

#include "platform/Exceptions.h"

namespace {

// Why an open failed, in plain words.
std::string DescribeOsError(int osError) {
    if (osError == CFileException::osNotRegularFile) return "Not a regular file";
    return std::strerror(osError);
}

}  // namespace

std::string CFileException::GetErrorMessage() const {
    switch (m_cause) {
    case none:
        return "No error occurred while accessing " + m_fileName + ".";
    case diskFull:
        return "Disk full while accessing " + m_fileName + ".";
    case openFailed:
        return "Cannot open the " + m_fileRole + " " + m_fileName + ": " +
               DescribeOsError(m_osError) + ".";
    case genericException:
        break;
    }
    return "An unknown error occurred while accessing " + m_fileName + ".";
}
