// SettingsFolder: a test fixture that runs each test in a fresh temporary directory, where
// the test writes vorlindata1.ini from bytes. The previous directory is restored and the
// temporary one removed afterwards, however deep the test has made it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "settings/MarkSettings.h"

class SettingsFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the settings file in the current directory.
    static void WriteSettings(const std::string& bytes);
    // Makes a directory in the current one and enters it.
    void EnterNewDirectory(const std::string& name);
    // The settings file's full path, from the directories the test made.
    std::string FullPath() const;

    std::string m_root;       // the temporary directory
    std::string m_directory;  // the current directory

private:
    int m_previousDirectory = -1;
};

// Entries of /proc/self/fd: the process's open descriptors.
int OpenDescriptorCount();

bool operator==(const MarkSettings& a, const MarkSettings& b);
void PrintTo(const MarkSettings& settings, std::ostream* out);
