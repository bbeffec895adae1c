// CaseName: names each case of a GoogleTest table after its struct's name field.
#pragma once

#include <gtest/gtest.h>

#include <string>

template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}
