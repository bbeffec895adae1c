// CompareReaders: the file is written with plain POSIX calls so that nothing of the test's
// own stays open while the real reader opens it.
#include "tests/fuzz/CompareReaders.h"

#include <fcntl.h>
#include <unistd.h>

#include <sstream>

#include "platform/Exceptions.h"
#include "settings/ReadMarkSettings.h"
#include "tests/fuzz/PlainSettingsReader.h"

namespace {

std::string WriteSettingsFile(const std::string& bytes) {
    const int fd = open(kSettingsFileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return "cannot write the settings file";
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    close(fd);
    return written == static_cast<ssize_t>(bytes.size()) ? "" : "short write of the settings file";
}

std::string Describe(const MarkSettings& s) {
    std::ostringstream text;
    text << "{" << s.radius << ", " << s.red << ", " << s.green << ", " << s.blue << ", " << s.mode
         << "}";
    return text.str();
}

// The descriptor that the next open would get: a file left open by the reader moves it.
int LowestFreeDescriptor() {
    const int fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) close(fd);
    return fd;
}

bool Same(const MarkSettings& a, const MarkSettings& b) {
    return a.radius == b.radius && a.red == b.red && a.green == b.green && a.blue == b.blue &&
           a.mode == b.mode;
}

}  // namespace

std::string CompareReaders(const std::string& bytes) {
    const std::string writeError = WriteSettingsFile(bytes);
    if (!writeError.empty()) return writeError;
    const MarkSettings plain = PlainReadSettings(bytes);
    MarkSettings streamed;
    const int freeBefore = LowestFreeDescriptor();
    try {
        streamed = ReadMarkSettings();
    } catch (const CFileException& error) {
        return "the real reader raised: " + error.GetErrorMessage();
    }
    if (LowestFreeDescriptor() != freeBefore) return "the real reader left a file open";
    if (Same(streamed, plain)) return "";
    return "real reader " + Describe(streamed) + ", plain reader " + Describe(plain);
}
