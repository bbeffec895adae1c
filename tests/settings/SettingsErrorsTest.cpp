// ReadMarkSettings when the file cannot be opened or read: CFileException with the full
// path and the cause in plain words, no wait on FIFOs, and no descriptor left open.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "CaseName.h"
#include "SettingsFolder.h"
#include "platform/Exceptions.h"
#include "settings/ReadMarkSettings.h"

namespace {

// The exception ReadMarkSettings raises, checking that it leaves no descriptor open.
CFileException FailingRead() {
    const int before = OpenDescriptorCount();
    try {
        ReadMarkSettings();
    } catch (const CFileException& error) {
        EXPECT_EQ(OpenDescriptorCount(), before);
        return error;
    }
    ADD_FAILURE() << "ReadMarkSettings raised nothing";
    return CFileException();
}

std::string OpenFailure(const std::string& fullPath, const std::string& cause) {
    return "Cannot open the settings file " + fullPath + ": " + cause + ".";
}

// ---- Names that cannot be opened -----------------------------------------------------------

void MakeNothing() {}
void MakeDirectory() { ASSERT_EQ(mkdir(kSettingsFileName, 0755), 0); }
void MakeFifo() { ASSERT_EQ(mkfifo(kSettingsFileName, 0644), 0); }
void MakeDeviceLink() { ASSERT_EQ(symlink("/dev/null", kSettingsFileName), 0); }
void MakeDanglingLink() { ASSERT_EQ(symlink("missing.ini", kSettingsFileName), 0); }
void MakeLinkLoop() { ASSERT_EQ(symlink(kSettingsFileName, kSettingsFileName), 0); }

void MakeSocket() {
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, kSettingsFileName);
    EXPECT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(listener);
}

struct OpenFailureCase {
    const char* name;
    void (*makeName)();
    const char* cause;
};
void PrintTo(const OpenFailureCase& c, std::ostream* out) { *out << c.name; }

class UnopenableSettings : public SettingsFolder,
                           public ::testing::WithParamInterface<OpenFailureCase> {
protected:
    // A reader that waited on the FIFO would hang the test; the alarm ends it instead.
    void SetUp() override {
        SettingsFolder::SetUp();
        alarm(10);
    }
    void TearDown() override {
        alarm(0);
        SettingsFolder::TearDown();
    }
};

TEST_P(UnopenableSettings, RaiseOpenFailureNamingPathAndCause) {
    GetParam().makeName();
    const CFileException error = FailingRead();
    EXPECT_EQ(error.cause(), CFileException::openFailed);
    EXPECT_EQ(error.GetErrorMessage(), OpenFailure(FullPath(), GetParam().cause));
}

const std::vector<OpenFailureCase> kUnopenable = {
    {"Missing", MakeNothing, "No such file or directory"},
    {"Directory", MakeDirectory, "Is a directory"},
    {"FifoWithoutWriter", MakeFifo, "Not a regular file"},
    {"Device", MakeDeviceLink, "Not a regular file"},
    {"Socket", MakeSocket, "Not a regular file"},
    {"DanglingLink", MakeDanglingLink, "No such file or directory"},
    {"LinkLoop", MakeLinkLoop, "Too many levels of symbolic links"},
};
INSTANTIATE_TEST_SUITE_P(Table, UnopenableSettings, ::testing::ValuesIn(kUnopenable),
                         CaseName<OpenFailureCase>);

// With no full path to be had, the message names the file as it was asked for.
TEST_F(SettingsFolder, RemovedCurrentDirectoryFailsNamingTheFile) {
    EnterNewDirectory("removed");
    ASSERT_EQ(rmdir("../removed"), 0);
    EXPECT_EQ(FailingRead().GetErrorMessage(),
              OpenFailure(kSettingsFileName, "No such file or directory"));
}

// ---- Full paths at the system's limit ------------------------------------------------------

class LongSettingsPath : public SettingsFolder {
protected:
    // Nests directories until the settings file's full path is length characters long.
    void EnterDirectoriesUntilFullPathLength(std::size_t length) {
        std::size_t missing = length - FullPath().size();
        while (missing > 0 && !HasFatalFailure()) {
            const std::size_t name = missing <= 201 ? missing - 1 : missing - 201 >= 2 ? 200 : 100;
            EnterNewDirectory(std::string(name, 'd'));
            missing -= name + 1;
        }
        ASSERT_EQ(FullPath().size(), length);
    }
};

TEST_F(LongSettingsPath, LongestFullPathOpens) {
    EnterDirectoriesUntilFullPathLength(PATH_MAX - 1);
    WriteSettings("10\n255\n0\n0\n4\n");
    EXPECT_EQ(ReadMarkSettings(), (MarkSettings{10, 255, 0, 0, 4}));
}

TEST_F(LongSettingsPath, LongerFullPathFailsWithoutTryingTheFile) {
    for (std::size_t length : {std::size_t{PATH_MAX}, std::size_t{PATH_MAX + 1000}}) {
        EnterDirectoriesUntilFullPathLength(length);
        WriteSettings("10\n255\n0\n0\n4\n");
        EXPECT_EQ(FailingRead().GetErrorMessage(), OpenFailure(FullPath(), "File name too long"))
            << "full path of " << length << " characters";
    }
}

// ---- Reading not permitted -----------------------------------------------------------------

// The text of the exception that ReadMarkSettings raises for user nobody.
std::string ErrorMessageOfReadAsNobody() {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return "no setuid";
    const int before = OpenDescriptorCount();
    try {
        ReadMarkSettings();
    } catch (const CFileException& error) {
        const bool closed = OpenDescriptorCount() == before;
        return error.GetErrorMessage() + (closed ? "" : " (a descriptor was left open)");
    }
    return "ReadMarkSettings raised nothing";
}

// Reads the settings in a child process, as nobody when run as root (file modes do not bind
// root), and returns the text of the exception raised there.
std::string ErrorMessageAsNobody() {
    int channel[2];
    if (pipe(channel) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const std::string message = ErrorMessageOfReadAsNobody();
        const bool written = write(channel[1], message.data(), message.size()) ==
                             static_cast<ssize_t>(message.size());
        _exit(written ? 0 : 1);
    }
    close(channel[1]);
    std::string message;
    char piece[256];
    for (ssize_t got; (got = read(channel[0], piece, sizeof piece)) > 0;)
        message.append(piece, static_cast<std::size_t>(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return message;
}

TEST_F(SettingsFolder, UnreadableFileRaisesPermissionDenied) {
    WriteSettings("10\n255\n0\n0\n4\n");
    ASSERT_EQ(chmod(kSettingsFileName, 0), 0);
    ASSERT_EQ(chmod(m_root.c_str(), 0755), 0);  // the directory itself stays searchable
    EXPECT_EQ(ErrorMessageAsNobody(), OpenFailure(FullPath(), "Permission denied"));
}

// ---- Reading fails -------------------------------------------------------------------------

// /proc/self/mem opens as a regular file, but its first read (address 0) fails with EIO.
TEST_F(SettingsFolder, FailedReadRaisesUnknownErrorNamingPath) {
    ASSERT_EQ(symlink("/proc/self/mem", kSettingsFileName), 0);
    const CFileException error = FailingRead();
    EXPECT_EQ(error.cause(), CFileException::genericException);
    EXPECT_EQ(error.GetErrorMessage(),
              "An unknown error occurred while accessing " + FullPath() + ".");
}

}  // namespace
