// The texts of CFileException, one per cause, as the message box shows them.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "CaseName.h"
#include "platform/Exceptions.h"

namespace {

struct TextCase {
    const char* name;
    CFileException::Cause cause;
    int osError;
    const char* text;
};
void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class FileExceptionText : public ::testing::TestWithParam<TextCase> {};

TEST_P(FileExceptionText, NamesTheFullPath) {
    const CFileException error(GetParam().cause, GetParam().osError, "/home/user/marks/a.ini");
    EXPECT_EQ(error.GetErrorMessage(), GetParam().text);
}

const std::vector<TextCase> kTexts = {
    {"Generic", CFileException::genericException, EIO,
     "An unknown error occurred while accessing /home/user/marks/a.ini."},
    {"DiskFull", CFileException::diskFull, ENOSPC,
     "Disk full while accessing /home/user/marks/a.ini."},
    {"OpenFailed", CFileException::openFailed, ENOENT,
     "Cannot open the file /home/user/marks/a.ini: No such file or directory."},
    {"NotRegularFile", CFileException::openFailed, CFileException::osNotRegularFile,
     "Cannot open the file /home/user/marks/a.ini: Not a regular file."},
};
INSTANTIATE_TEST_SUITE_P(Table, FileExceptionText, ::testing::ValuesIn(kTexts),
                         CaseName<TextCase>);

TEST(FileExceptionRole, NamesWhatTheFileIs) {
    CFileException error(CFileException::openFailed, EACCES, "/home/user/marks/vorlindata1.ini");
    error.SetFileRole("settings file");
    EXPECT_EQ(error.GetErrorMessage(),
              "Cannot open the settings file /home/user/marks/vorlindata1.ini: Permission denied.");
}

}  // namespace
