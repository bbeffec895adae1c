// A fixture for tests that run framework code on the recording platform: each case starts
// with an empty call log, fresh fake handles and a framework that knows no windows or
// classes, and the program's name is "vorlin".
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/framework/FrameworkState.h"
#include "platform/recording/Recording.h"

class RecordingTest : public ::testing::Test {
protected:
    void SetUp() override {
        TheRecording().Reset();
        TheFramework().Reset();
        SetProgramName("vorlin");
    }

    static RecordingPlatform& Recording() { return TheRecording(); }
    static std::vector<std::string> Calls() { return TheRecording().RenderedCalls(); }
    static std::vector<std::string> Calls(const std::string& operation) {
        return TheRecording().RenderedCalls(operation);
    }
};
