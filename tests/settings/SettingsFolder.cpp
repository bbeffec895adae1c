// SettingsFolder: temporary directories made with mkdtemp, removed through descriptors so
// that no path grows past the system's limit.
#include "SettingsFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <ostream>

#include "settings/ReadMarkSettings.h"

namespace {

void RemoveTree(int parent, const char* name);

void RemoveEntries(int directory) {
    DIR* stream = fdopendir(directory);
    if (stream == nullptr) return;
    while (const dirent* entry = readdir(stream)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") RemoveTree(dirfd(stream), name.c_str());
    }
    closedir(stream);
}

void RemoveTree(int parent, const char* name) {
    if (unlinkat(parent, name, 0) == 0) return;
    const int directory = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (directory < 0) return;
    RemoveEntries(directory);
    unlinkat(parent, name, AT_REMOVEDIR);
}

}  // namespace

void SettingsFolder::SetUp() {
    m_previousDirectory = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(m_previousDirectory, 0);
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
                          "/vorlin-settings-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    m_root = m_directory = pattern;
    ASSERT_EQ(chdir(m_root.c_str()), 0);
}

void SettingsFolder::TearDown() {
    if (m_previousDirectory >= 0) {
        EXPECT_EQ(fchdir(m_previousDirectory), 0);
        close(m_previousDirectory);
    }
    if (!m_root.empty()) RemoveTree(AT_FDCWD, m_root.c_str());
}

void SettingsFolder::WriteSettings(const std::string& bytes) {
    std::ofstream file(kSettingsFileName, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good());
}

void SettingsFolder::EnterNewDirectory(const std::string& name) {
    ASSERT_EQ(mkdir(name.c_str(), 0755), 0);
    ASSERT_EQ(chdir(name.c_str()), 0);
    m_directory += "/" + name;
}

std::string SettingsFolder::FullPath() const { return m_directory + "/" + kSettingsFileName; }

int OpenDescriptorCount() {
    DIR* stream = opendir("/proc/self/fd");
    int count = 0;
    while (readdir(stream) != nullptr) ++count;
    closedir(stream);
    return count;
}

bool operator==(const MarkSettings& a, const MarkSettings& b) {
    return a.radius == b.radius && a.red == b.red && a.green == b.green && a.blue == b.blue &&
           a.mode == b.mode;
}

void PrintTo(const MarkSettings& settings, std::ostream* out) {
    *out << "{radius " << settings.radius << ", red " << settings.red << ", green "
         << settings.green << ", blue " << settings.blue << ", mode " << settings.mode << "}";
}
